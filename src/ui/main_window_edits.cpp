// The window's side of the edits: a field, a trapezium button or a wing-count button changes the
// document through the core, then the widgets show the document again; undo and redo take the
// same paths.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "analysis/stability_report.h"
#include "files/wing_exchange.h"
#include "model/field_names.h"
#include "solver/calculation_output.h"
#include "solver/wirbel_erg.h"
#include "ui/aircraft_page.h"
#include "ui/aircraft_views.h"
#include "ui/field_feedback.h"
#include "ui/fuselage_page.h"
#include "ui/fuselage_presenter.h"
#include "ui/live_results.h"
#include "ui/main_window.h"
#include "ui/planform_drag.h"
#include "ui/planform_image_widget.h"
#include "ui/report_presenter.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "ui/wing_page.h"

namespace volantis4 {

void MainWindow::fieldEdited(FieldKey key, const QString& text) {
  {
    const UndoStep step(*history_, {.kind = StepName::Kind::FieldEdit, .field = key});
    switch (setFieldText(doc_, key, text.toStdString())) {
      case FieldHandler::WingRecomputation:
        afterWingRecomputation(key.wing);
        break;
      case FieldHandler::GapChange:
        afterWingRecomputation(key.wing);
        showGapNotices(wingPages_, doc_.geometry, doc_.language);
        break;
      case FieldHandler::Calc:
        afterCalc(Sender::PositionField);
        break;
    }
  }
  geometryChanged();
}

void MainWindow::trapeziaClicked(int w, int t) {
  {
    const UndoStep step(*history_, {.kind = StepName::Kind::Trapezia, .wing = w});
    chooseTrapezia(doc_, w, t);
    page(w)->drawSketch(t, doc_.language);
    page(w)->showTrapezia(t);
    afterWingRecomputation(w);
  }
  geometryChanged();
}

void MainWindow::wingsCountClicked(int n) {
  {
    const UndoStep step(*history_, {.kind = StepName::Kind::WingsCount});
    chooseWingsCount(doc_, n);
    showWingsCount(n);
    afterCalc(Sender::WingsCount);
  }
  geometryChanged();
}

void MainWindow::restoreAircraft(const AircraftState& target) {
  const Form& form = target.form;
  if (const int n = form.wingsCount; n != doc_.form.wingsCount && n >= 1 && n <= kWingCount)
    aircraftPage_->wingsCount[wingIndex(n)]->setChecked(true);
  for (int w = 1; w <= kWingCount; ++w) {
    const int t = form.wing(w).checkedTrapezia;
    if (t != doc_.form.wing(w).checkedTrapezia && t >= 1 && t <= kTrapeziumCount)
      page(w)->findChild<QRadioButton*>(qs(wingControlNames(w).trapeziumButtons[wingIndex(t)]))->setChecked(true);
    const std::array<FieldKey, 14> pageKeys = WingPage::pageFields(w);
    std::vector<FieldKey> keys(pageKeys.begin(), pageKeys.end());
    keys.push_back({w, FieldKind::PositionX, 1});
    keys.push_back({w, FieldKind::PositionZ, 1});
    for (const FieldKey key : keys) {
      if (fieldText(doc_.form, key) == fieldText(form, key)) continue;
      const QString text = qs(fieldText(form, key));
      showTextOf(key, text);
      fieldEdited(key, text);
    }
  }
  if (doc_.fuselage != target.fuselage) {
    doc_.fuselage = target.fuselage;
    fuselage_->showAircraft();
    showFileName();
    if (!doc_.run.flags.results_valid) views_->drawTopView();
    report_->follow();
  }
  if (!(doc_.balance == target.balance)) {
    doc_.balance = target.balance;
    showFileName();
    report_->follow();
  }
  // A state whose results were on show gets them back (the changes above took them away).
  if (target.run.flags.results_valid && !doc_.run.flags.results_valid) {
    restoreRun(doc_, target.run);
    showResults();
  }
}

void MainWindow::showUndoCommands() {
  commands_.setEnabled(Command::Undo, history_->canUndo());
  commands_.setEnabled(Command::Redo, history_->canRedo());
  commands_.setCaptionAfterMnemonic(Command::Undo, history_->undoCaption(doc_.language));
  commands_.setCaptionAfterMnemonic(Command::Redo, history_->redoCaption(doc_.language));
}

void MainWindow::geometryChanged() {
  showFileName();
  live_->request();
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
  showTemplateCommand();
  report_->follow();
}

void MainWindow::afterCalc(Sender sender) {
  AircraftPage* a = aircraftPage_;
  {
    const QSignalBlocker blocker(a->CheckBoxA);
    a->CheckBoxA->setChecked(false);
  }
  a->ScrollBar6->hide();
  if (!doc_.run.flags.keep_results) {
    views_->resetZoom();
    a->Image2->setCursor(Qt::ArrowCursor);
    a->Button4->setEnabled(true);
    commands_.setEnabled(Command::Calc, true);
    for (WingPage* p : wingPages_) p->showAerodynamicCentre(false);
    a->Label21->setText(QStringLiteral("%"));
  }
  for (int w = 1; w <= kWingCount; ++w) showWing(w);
  views_->drawTopView();
  views_->draw3d();
  a->drawPositionImages(doc_.language);
  if (sender != Sender::Print) commands_.setEnabled(Command::Print, false);
  a->showMessagePanel(doc_.run.panel);
  showFileName();
  showTemplateCommand();
  report_->follow();
}

// The wing's labels and planform after its recomputation. A recomputation enables "Calc", except
// the ones that keep the results (resize, print): after a complete run Calc stays disabled until
// the geometry changes. The planform's aerodynamic-centre mark needs this run's results; results
// loaded from a file carry none.
void MainWindow::showWing(int w, bool planformOnly) {
  if (!planformOnly) {
    if (!doc_.run.flags.keep_results) commands_.setEnabled(Command::Calc, true);
    page(w)->showFigures(resultLabels(doc_.geometry.figure(w), w), stationCaptions(doc_.geometry.wing(w)));
  }
  const RunFlags& f = doc_.run.flags;
  const bool marked = f.results_valid && f.grid_valid && doc_.output;
  const double acX = marked ? acFromWingX(doc_.output->vortex, doc_.geometry, w) : 0;
  drag_->setMapping(w, page(w)->drawPlanform(planformInput(doc_.geometry, w, marked, acX)));
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

void MainWindow::showTemplateCommand() {
  const bool complete = reportBasis(doc_).has_value();
  commands_.setEnabled(Command::ExportTemplate, complete);
  commands_.action(Command::ExportTemplate)
      ->setToolTip(complete ? QString() : qtext(TextId::TemplateNeedsCalculation, doc_.language));
}

}  // namespace volantis4
