// Start-up, closing and the file commands: aircraft files, the exchanges and the defaults file.
// Every failure is shown as a message naming the file and the reason.

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include "files/defaults_file.h"
#include "files/document_io.h"
#include "files/wing_exchange.h"
#include "ui/aircraft_page.h"
#include "ui/aircraft_views.h"
#include "ui/dialogs.h"
#include "ui/fuselage_page.h"
#include "ui/fuselage_presenter.h"
#include "ui/live_results.h"
#include "ui/main_window.h"
#include "ui/planform_drag.h"
#include "ui/planform_image_widget.h"
#include "ui/recent_files.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "ui/wing_copies.h"
#include "ui/wing_page.h"

namespace volantis4 {
namespace {

const std::string kDefaults{kDefaultsFileName};

}  // namespace

void MainWindow::Create1(const QStringList& arguments) {
  doc_.language = Language::English;
  screenScale96_ = screen() && screen()->logicalDotsPerInchX() == 96;
  copies_->checkClipboard(true);

  // The defaults file: language and the window's bounds; without one, English and the design.
  if (const auto read = readDefaults(kDefaults); const auto* defaults = std::get_if<Defaults>(&read)) {
    doc_.language = defaults->language;
    resize(defaults->width.value_or(width()), defaults->height.value_or(height()));
    move(defaults->left.value_or(x()), defaults->top.value_or(y()));
  }
  doc_.form.remarks = std::string(text(TextId::RemarksStart, doc_.language));
  chooseWingsCount(doc_, kWingCount);
  showForm();
  showWingsCount(kWingCount);
  showFileName();

  if (arguments.size() == 1) {
    // The command-line start: the file the argument names is opened as the core finds it.
    if (const auto error = openCommandLineFile(doc_, arguments.constFirst().toStdString())) {
      reportFileError(*error);
    } else {
      showLoaded();
      recentFiles_->add(qs(doc_.fileName));
    }
    afterCalc(Sender::Other);
    commands_.setEnabled(Command::Save, true);
    showPage(aircraftPage_);
    if (doc_.run.flags.results_valid) {
      aircraftPage_->Image2->setCursor(Qt::DragMoveCursor);
      views_->showProposal();
    }
    geometryChanged();
  } else {
    runCalc(Sender::Other);
  }
  for (int w = 1; w <= kWingCount; ++w) {
    page(w)->drawSketch(doc_.form.wing(w).checkedTrapezia, doc_.language);
    showWing(w);
  }
  showGapNotices(wingPages_, doc_.geometry, doc_.language);
  if (doc_.language == Language::German) applyLanguage(Language::German);
  doc_.savedForm = doc_.form;
  history_->clear();
  showFileName();
}

void MainWindow::showLoaded() {
  history_->clear();
  drag_->forget();
  showForm();
  showWingsCount(doc_.form.wingsCount);
  for (int w = 1; w <= kWingCount; ++w) page(w)->drawSketch(doc_.form.wing(w).checkedTrapezia, doc_.language);
  showGapNotices(wingPages_, doc_.geometry, doc_.language);
  fuselage_->showAircraft();
  showFileName();
}

void MainWindow::Load1Click(Sender sender, const QString& named) {
  if (!maySetAsideChanges()) return;
  live_->cancel();
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
  copies_->checkClipboard(false);

  afterCalc(sender);
  commands_.setEnabled(Command::Save, true);
  if (aircraftPage_->RadioButton15->isChecked()) {
    views_->chooseStability(false);
  } else {
    aircraftPage_->RadioButton15->setChecked(true);  // its handler switches to the automatic choice
  }
  showPage(aircraftPage_);
  if (doc_.run.flags.results_valid) aircraftPage_->Image2->setCursor(Qt::DragMoveCursor);
  views_->showProposal(sender == Sender::Open);
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

// A defaults file that cannot be written is not reported: the next start uses the old one.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (!maySetAsideChanges()) {
    event->ignore();
    return;
  }
  (void)writeDefaults(kDefaults, doc_.language, WindowBounds{width(), height(), x(), y()});
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child->isWindow()) child->close();
  event->accept();
}

// Exchanging again takes the wings back.
void MainWindow::exchangeWings(int k) {
  const WingPair pair = exchangePair(static_cast<ExchangeCommand>(k - 1));
  {
    const UndoStep step(
        *history_,
        {.kind = StepName::Kind::Exchange, .wing = std::min(pair.a, pair.b), .otherWing = std::max(pair.a, pair.b)},
        [this, k](const AircraftState&) { exchangeWings(k); });
    replaceForm(doc_, volantis4::exchangeWings(doc_.form, pair.a, pair.b));
    showForm();
    page(pair.a)->drawSketch(doc_.form.wing(pair.a).checkedTrapezia, doc_.language);
    page(pair.b)->drawSketch(doc_.form.wing(pair.b).checkedTrapezia, doc_.language);
    afterCalc(Sender::Exchange);
    showGapNotices(wingPages_, doc_.geometry, doc_.language);
  }
  geometryChanged();
}

}  // namespace volantis4
