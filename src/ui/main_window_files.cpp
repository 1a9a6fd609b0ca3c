// Start-up, closing and the file commands: aircraft files, the wing clipboard, the exchanges
// and the defaults file. Every failure is shown as a message naming the file and the reason.

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include "files/defaults_file.h"
#include "files/document_io.h"
#include "files/wing_clipboard.h"
#include "files/wing_exchange.h"
#include "ui/aircraft_page.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/planform_image_widget.h"
#include "ui/recent_files.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "ui/wing_page.h"

namespace volantis4 {
namespace {

const std::string kClipboard{kClipboardFileName};
const std::string kDefaults{kDefaultsFileName};

}  // namespace

void MainWindow::Create1(const QStringList& arguments) {
  doc_.language = Language::English;
  screenScale96_ = screen() && screen()->logicalDotsPerInchX() == 96;

  for (int w = 1; w <= 3; ++w) page(w)->insertButton()->setEnabled(false);
  copied_ = afterClipboardCheck(copied_, clipboardReadable(kClipboard));
  if (copied_.insertAvailable())
    for (int w = 1; w <= 3; ++w) page(w)->insertButton()->setEnabled(true);

  readDefaultsFile();
  doc_.form.remarks = std::string(text(TextId::RemarksStart, doc_.language));
  chooseWingsCount(doc_, kWingCount);
  showForm();
  showWingsCount(kWingCount);
  showFileName();

  if (arguments.size() == 1) {
    loadCommandLineFile(arguments.constFirst());
  } else {
    runCalc(Sender::Other);
  }
  for (int w = 1; w <= kWingCount; ++w) {
    drawSketch(w);
    showWing(w);
  }
  Space1();
  if (doc_.language == Language::German) applyLanguage(Language::German);
  doc_.savedForm = doc_.form;
  history_->clear();
  showFileName();
}

// The command-line start: the file the argument names is opened as the core finds it.
void MainWindow::loadCommandLineFile(const QString& argument) {
  if (const auto error = openCommandLineFile(doc_, argument.toStdString())) {
    reportFileError(*error);
  } else {
    showLoaded();
  }
  afterCalc(Sender::Other);
  commands_.setEnabled(Command::Save, true);
  showPage(aircraftPage_);
  if (doc_.run.flags.results_valid) {
    aircraftPage_->Image2->setCursor(Qt::DragMoveCursor);
    STABIL(Sender::Other);
  }
  geometryChanged();
}

// A read aircraft shown as the buttons and fields would take it, with a fresh history.
void MainWindow::showLoaded() {
  history_->clear();
  dragOpen_ = false;
  showForm();
  showWingsCount(doc_.form.wingsCount);
  for (int w = 1; w <= kWingCount; ++w) drawSketch(w);
  Space1();
  showFileName();
}

void MainWindow::Load1Click(Sender sender, const QString& named) {
  if (!maySetAsideChanges()) return;
  const QString chosen = named.isEmpty() ? dialogs_->openFileName(this) : named;
  std::optional<std::string> chosenName;
  if (!chosen.isEmpty()) chosenName = chosen.toStdString();
  std::optional<FileError> error = openDocument(doc_, chosenName);
  // A save that did not complete: its kept copy may be opened under the file's name instead.
  if (error && error->kind == FileErrorKind::Incomplete && !error->backup.empty() &&
      dialogs_->askOpenKeptCopy(this, qs(renderFileError(*error, doc_.language)), chosen, doc_.language))
    error = openKeptCopy(doc_, *chosenName, error->backup);
  if (error) reportFileError(*error);
  if (chosenName && !error) {
    showLoaded();
    recentFiles_->add(chosen);
  } else if (error && !named.isEmpty()) {
    recentFiles_->remove(named);  // a recent file that cannot be opened leaves the list
  }
  showFileName();

  const bool readable = clipboardReadable(kClipboard);
  copied_ = afterClipboardCheck(copied_, readable);
  setInsertEnabled(readable);

  afterCalc(sender);
  commands_.setEnabled(Command::Save, true);
  if (aircraftPage_->RadioButton15->isChecked()) {
    stabilityModeClicked(false);
  } else {
    aircraftPage_->RadioButton15->setChecked(true);  // its handler switches to the automatic choice
  }
  showPage(aircraftPage_);
  if (doc_.run.flags.results_valid) aircraftPage_->Image2->setCursor(Qt::DragMoveCursor);
  STABIL(sender);
  geometryChanged();
}

void MainWindow::Save1Click(bool saveAs) {
  bool write = !saveAs;
  if (saveAs) {
    const QString chosen = dialogs_->saveFileName(this);
    if (!chosen.isEmpty()) {
      doc_.fileName = chosen.toStdString();
      commands_.setEnabled(Command::Save, true);
      write = true;
    }
  }
  if (write) {
    saveTo();
  } else {
    adjustForSave(doc_);
  }
}

bool MainWindow::saveTo() {
  const auto saved = saveDocument(doc_);
  if (const auto* error = std::get_if<FileError>(&saved)) {
    reportFileError(*error);
    return false;
  }
  const SavedDocument& done = std::get<SavedDocument>(saved);
  history_->setClean();
  showFileName();
  recentFiles_->add(qs(done.fileName));
  if (done.replacedCharacters > 0)
    dialogs_->showFileError(this, qs(renderReplacedCharacters(done.fileName, done.replacedCharacters, doc_.language)));
  return true;
}

// Asks "Save changes to NAME?" when the aircraft has changed; false when the command must stop.
bool MainWindow::maySetAsideChanges() {
  if (!hasUnsavedChanges()) return true;
  const QString shownName = QFileInfo(qs(doc_.fileName)).fileName();
  switch (dialogs_->askSaveChanges(this, shownName, doc_.language)) {
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Cancel:
      return false;
    case SaveAnswer::Save:
      break;
  }
  if (!commands_.isEnabled(Command::Save) || doc_.fileName == kUnknownFileName) {
    // No name chosen yet (Open and Copy enable Save without giving one): saving needs one, and
    // cancelling the dialog keeps everything.
    const QString chosen = dialogs_->saveFileName(this);
    if (chosen.isEmpty()) return false;
    doc_.fileName = chosen.toStdString();
    commands_.setEnabled(Command::Save, true);
  }
  return saveTo();
}

void MainWindow::showFileName() {
  commands_.Lab_FName->setText(qs(doc_.fileName) + (hasUnsavedChanges() ? QStringLiteral("*") : QString()));
}

void MainWindow::reportFileError(const FileError& error) {
  dialogs_->showFileError(this, qs(renderFileError(error, doc_.language)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!maySetAsideChanges()) {
    event->ignore();
    return;
  }
  writeDefaultsFile();
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child->isWindow()) child->close();
  event->accept();
}

void MainWindow::readDefaultsFile() {
  const auto read = readDefaults(kDefaults);
  const auto* defaults = std::get_if<Defaults>(&read);
  if (!defaults) return;  // no file yet: English and the designed bounds
  doc_.language = defaults->language;
  resize(defaults->width.value_or(width()), defaults->height.value_or(height()));
  move(defaults->left.value_or(x()), defaults->top.value_or(y()));
}

// A defaults file that cannot be written is not reported: the next start uses the old one.
void MainWindow::writeDefaultsFile() {
  (void)writeDefaults(kDefaults, doc_.language, WindowBounds{width(), height(), x(), y()});
}

void MainWindow::setInsertEnabled(bool enabled) {
  for (WingPage* p : wingPages_) p->insertButton()->setEnabled(enabled);
}

void MainWindow::copyWing(int w) {
  commands_.setEnabled(Command::Save, true);
  std::optional<AircraftResults> results;
  if (doc_.run.flags.results_valid) results = doc_.results;
  if (const auto error = Save_Wing(kClipboard, doc_.form, w, results)) {
    reportFileError(*error);
    return;
  }
  copied_ = afterCopy(copied_);
  setInsertEnabled(true);
  if (const int active = activeWing(); active >= 1 && active <= 3)
    commands_.setEnabled(Command::InsertCopiedWing, true);
}

void MainWindow::insertCopiedWing(int w) {
  const auto loaded = Load_Wing(kClipboard, doc_.form, w);
  if (const auto* error = std::get_if<FileError>(&loaded)) {
    // Without a clipboard file there is nothing to insert; a file that cannot be read is reported.
    if (error->kind != FileErrorKind::CannotOpen) reportFileError(*error);
    return;
  }
  history_->begin();
  doc_.form = std::get<Form>(loaded);
  recomputeWing(doc_, w);
  page(w)->showFields(doc_.form.wing(w));
  drawSketch(w);
  afterWingRecomputation(w);
  Space1();
  history_->end({.kind = StepName::Kind::Insert, .wing = w});
  geometryChanged();
}

void MainWindow::exchangeWings(int k) {
  const auto command = static_cast<ExchangeCommand>(k - 1);
  const WingPair pair = exchangePair(command);
  history_->begin();
  doc_.run.flags.results_valid = false;
  doc_.form = volantis4::exchangeWings(doc_.form, pair.a, pair.b);
  showForm();
  drawSketch(pair.a);
  drawSketch(pair.b);
  runCalc(Sender::Exchange);
  Space1();
  // Exchanging again takes the wings back.
  history_->end(
      {.kind = StepName::Kind::Exchange, .wing = std::min(pair.a, pair.b), .otherWing = std::max(pair.a, pair.b)},
      [this, k](const AircraftState&) { exchangeWings(k); });
  geometryChanged();
}

}  // namespace volantis4
