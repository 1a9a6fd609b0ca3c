// The window's side of the edits: a field, a trapezium button, a wing-count button or the
// remarks change the document through the core, then the widgets show the document again.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "files/wing_exchange.h"
#include "model/field_names.h"
#include "model/numbers.h"
#include "model/planform.h"
#include "solver/calculation_output.h"
#include "solver/wirbel_erg.h"
#include "ui/aircraft_page.h"
#include "ui/field_feedback.h"
#include "ui/main_window.h"
#include "ui/planform_image_widget.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "ui/wing_page.h"
#include "views/input_sketch.h"
#include "views/planform_view.h"
#include "views/qimage_canvas.h"

namespace volantis4 {
void MainWindow::fieldEdited(FieldKey key, const QString& text) {
  history_->begin();
  switch (setFieldText(doc_, key, text.toStdString())) {
    case FieldHandler::WingRecomputation:
      afterWingRecomputation(key.wing);
      break;
    case FieldHandler::GapChange:
      afterWingRecomputation(key.wing);
      Space1();
      break;
    case FieldHandler::Calc:
      afterCalc(Sender::PositionField);
      break;
  }
  history_->end({.kind = StepName::Kind::FieldEdit, .field = key});
  geometryChanged();
}

void MainWindow::trapeziaClicked(int w, int t) {
  history_->begin();
  chooseTrapezia(doc_, w, t);
  drawSketch(w);
  page(w)->showTrapezia(t);
  afterWingRecomputation(w);
  history_->end({.kind = StepName::Kind::Trapezia, .wing = w});
  geometryChanged();
}

void MainWindow::wingsCountClicked(int n) {
  history_->begin();
  chooseWingsCount(doc_, n);
  showWingsCount(n);
  afterCalc(Sender::WingsCount);
  history_->end({.kind = StepName::Kind::WingsCount});
  geometryChanged();
}

void MainWindow::restoreAircraft(const AircraftState& target) {
  restoreForm(target.form);
  if (doc_.balance == target.balance) return;
  doc_.balance = target.balance;
  showFileName();
  reportFollows();
}

// As the user would: the wing-count button, each wing's trapezium button, then each field whose
// text differs, each write running its field's change handler.
void MainWindow::restoreForm(const Form& target) {
  if (const int n = target.wingsCount; n != doc_.form.wingsCount && n >= 1 && n <= kWingCount)
    aircraftPage_->wingsCount[wingIndex(n)]->setChecked(true);
  for (int w = 1; w <= kWingCount; ++w) {
    const int t = target.wing(w).checkedTrapezia;
    if (t != doc_.form.wing(w).checkedTrapezia && t >= 1 && t <= kTrapeziumCount)
      page(w)->findChild<QRadioButton*>(qs(wingControlNames(w).trapeziumButtons[wingIndex(t)]))->setChecked(true);
    const std::array<FieldKey, 14> pageKeys = WingPage::pageFields(w);
    std::vector<FieldKey> keys(pageKeys.begin(), pageKeys.end());
    keys.push_back({w, FieldKind::PositionX, 1});
    keys.push_back({w, FieldKind::PositionZ, 1});
    for (const FieldKey key : keys) {
      const QString text = qs(fieldText(target, key));
      if (fieldText(doc_.form, key) == fieldText(target, key)) continue;
      showTextOf(key, text);
      fieldEdited(key, text);
    }
  }
}

void MainWindow::showUndoCommands() {
  commands_.setEnabled(Command::Undo, history_->canUndo());
  commands_.setEnabled(Command::Redo, history_->canRedo());
  commands_.setCaptionAfterMnemonic(Command::Undo, history_->undoCaption(doc_.language));
  commands_.setCaptionAfterMnemonic(Command::Redo, history_->redoCaption(doc_.language));
}

void MainWindow::remarksEdited() {
  doc_.form.remarks = memo2_->toPlainText().toStdString();
  showFileName();
}

void MainWindow::runCalc(Sender sender) {
  Calc(doc_);
  afterCalc(sender);
}

void MainWindow::afterWingRecomputation(int w) {
  if (!doc_.run.flags.keep_results) {
    aircraftPage_->Image2->setCursor(Qt::ArrowCursor);
    for (WingPage* p : wingPages_) p->showAerodynamicCentre(false);
  }
  showWing(w);
  reportFollows();
}

void MainWindow::afterCalc(Sender sender) {
  AircraftPage* a = aircraftPage_;
  {
    const QSignalBlocker blocker(a->CheckBoxA);
    a->CheckBoxA->setChecked(false);
  }
  a->ScrollBar6->hide();
  if (!doc_.run.flags.keep_results) {
    resetZoom();
    a->Image2->setCursor(Qt::ArrowCursor);
    a->Button4->setEnabled(true);
    commands_.setEnabled(Command::Calc, true);
    for (WingPage* p : wingPages_) p->showAerodynamicCentre(false);
    a->Label21->setText(QStringLiteral("%"));
  }
  for (int w = 1; w <= kWingCount; ++w) showWing(w);
  drawTopView();
  draw3d();
  a->drawPositionImages(doc_.language);
  if (sender != Sender::Print) commands_.setEnabled(Command::Print, false);
  showMessagePanel();
  showFileName();
  reportFollows();
}

// The wing's labels and planform after its recomputation. A recomputation enables "Calc", except
// the ones that keep the results (resize, print): after a complete run Calc stays disabled until
// the geometry changes.
void MainWindow::showWing(int w) {
  if (!doc_.run.flags.keep_results) commands_.setEnabled(Command::Calc, true);
  page(w)->showFigures(resultLabels(doc_.geometry.figure(w), w), stationCaptions(doc_.geometry.wing(w)));
  drawWingPlanform(w);
}

// The planform alone, as the language refresh redraws it: no command changes its state.
void MainWindow::drawWingPlanform(int w) {
  // The aerodynamic-centre mark needs this run's results; results loaded from a file carry none.
  const RunFlags& f = doc_.run.flags;
  const bool marked = f.results_valid && f.grid_valid && doc_.output;
  const double acX = marked ? acFromWingX(doc_.output->vortex, doc_.geometry, w) : 0;
  PlanformImageWidget* image = page(w)->planform();
  planformMappings_[wingIndex(w)] =
      drawPlanform(image->canvas(), planformInput(doc_.geometry, w, marked, acX), systemColoursFromPalette());
  image->update();
}

void MainWindow::drawSketch(int w) {
  const int t = doc_.form.wing(w).checkedTrapezia;
  if (t < 1 || t > 4) return;
  PlanformImageWidget* sketch = page(w)->sketch();
  d_w(sketch->canvas(), t, doc_.language);
  sketch->update();
}

void MainWindow::Space1() {
  for (int w = 1; w <= kWingCount; ++w) page(w)->showGapNotice(doc_.geometry.wing(w).gap != 0, doc_.language);
}

void MainWindow::showWingsCount(int n) {
  for (int w = 1; w <= kWingCount; ++w) pageControl_->setTabVisible(pageControl_->indexOf(page(w)), w <= n);
  aircraftPage_->showWingsInUse(n);
  commands_.setEnabled(Command::Wing2, n >= 2);
  commands_.setEnabled(Command::Wing3, n >= 3);
  for (int k = 1; k <= 5; ++k)
    commands_.setEnabled(nthCommand(Command::Exchange1, k - 1),
                         exchangeEnabled(static_cast<ExchangeCommand>(k - 1), n));
}

void MainWindow::showForm() {
  for (int w = 1; w <= kWingCount; ++w) page(w)->showFields(doc_.form.wing(w));
  aircraftPage_->showForm(doc_.form);
  const QString remarks = QString::fromStdString(doc_.form.remarks);
  if (memo2_->toPlainText() != remarks) {
    const QSignalBlocker blocker(memo2_);
    memo2_->setPlainText(remarks);
  }
  feedback_->refresh();
}

void MainWindow::showFieldText(FieldKey key) { showTextOf(key, qs(fieldText(doc_.form, key))); }

// Sets a field's text from code without running its handler again.
void MainWindow::showTextOf(FieldKey key, const QString& text) {
  QLineEdit* edit = key.kind == FieldKind::PositionX || key.kind == FieldKind::PositionZ
                        ? aircraftPage_->positionField(key)
                        : page(key.wing)->field(key);
  {
    const QSignalBlocker blocker(edit);
    edit->setText(text);
  }
  feedback_->refresh();
}

void MainWindow::showMessagePanel() {
  QStringList lines;
  for (const std::string& line : doc_.run.panel.lines()) lines << QString::fromStdString(line);
  aircraftPage_->Memo1->setPlainText(lines.join(QLatin1Char('\n')));
  aircraftPage_->Memo1->setVisible(doc_.run.panel.visible());
}

PressureDisplay MainWindow::pressure() const {
  return {aircraftPage_->CheckBoxA->isChecked(), pressureExaggeration(aircraftPage_->ScrollBar6->value())};
}

TopViewInput MainWindow::topViewNow() const { return topViewInput(doc_, systemColoursFromPalette(), pressure()); }

// The top view cleared and drawn with a new layout (axes, wings, flight direction).
void MainWindow::drawTopView() {
  PlanformImageWidget* image = aircraftPage_->Image2;
  clearView(image->canvas(), systemColoursFromPalette());
  d_1d(image->canvas(), topView_, topViewNow(), true);
  image->update();
}

// The flight-direction text of the language in force, over the top view as it stands.
void MainWindow::drawFlightDirection() {
  PlanformImageWidget* image = aircraftPage_->Image2;
  Canvas& canvas = image->canvas();
  canvas.setFontColour(kRed);
  canvas.setBrushColour(systemColoursFromPalette().infoBackground);
  canvas.textOut(topView_.cx + 27, 2, text(TextId::TopViewFlightDirection, doc_.language));
  canvas.setFontColour(kBlack);
  image->update();
}

// The rotation of the 3-D view as its scroll bars stand.
void MainWindow::draw3dState() {
  threeD_.tilt = aircraftPage_->ScrollBar1->value();
  threeD_.turn = aircraftPage_->ScrollBar2->value();
  threeD_.magnification = aircraftPage_->ScrollBar4->value();
}

void MainWindow::draw3d() {
  AircraftPage* a = aircraftPage_;
  draw3dState();
  const bool gridShown = d_3d(a->Image3->canvas(), a->Image2->canvas(), threeD_, topView_,
                              threeDInput(doc_, systemColoursFromPalette(), pressure()));
  a->CheckBoxA->setVisible(gridShown);
  a->Label_Press->setVisible(gridShown);
  a->Image3->update();
  a->Image2->update();
}

}  // namespace volantis4
