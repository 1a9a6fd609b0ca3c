// Commands of the window: Calculate, pages, language and the resize layout.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include "model/numbers.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"
#include "ui/aircraft_page.h"
#include "ui/aircraft_views.h"
#include "ui/field_feedback.h"
#include "ui/fuselage_page.h"
#include "ui/fuselage_presenter.h"
#include "ui/live_results.h"
#include "ui/main_window.h"
#include "ui/planform_image_widget.h"
#include "ui/report_presenter.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "ui/wing_copies.h"
#include "ui/wing_page.h"
#include "views/window_layout.h"

namespace volantis4 {

/// Shows the run while it blocks: the window is repainted after each stage, the countdown of the
/// solution goes into Label24, and a moved wing's height into its field.
class RunProgress : public RunObserver {
 public:
  explicit RunProgress(MainWindow& window) : window_(window) {}

  void afterStage(RunStage stage) override {
    if (stage == RunStage::Calc) window_.afterCalc(Sender::Run);
    window_.aircraftPage_->showMessagePanel(window_.doc_.run.panel);
    window_.repaint();
  }

  void countdown(int remaining) override {
    QLabel* label = window_.aircraftPage_->Label24;
    label->setText(qs(formatInt(remaining)));
    label->show();
    label->repaint();
  }

  void fieldWritten(FieldKey key) override {
    window_.showTextOf(key, qs(fieldText(window_.doc_.form, key)));
    window_.afterCalc(Sender::PositionField);
  }

 private:
  MainWindow& window_;
};

void MainWindow::Button4Click() {
  live_->cancel();  // this run takes the place of a live one
  AircraftPage* a = aircraftPage_;
  if (pageControl_->currentWidget() != a) showPage(a);
  a->Label_w->show();
  a->Button4->hide();
  commands_.setEnabled(Command::Calc, false);
  a->Memo1->clear();
  a->Memo1->hide();
  repaint();

  RunProgress progress(*this);
  {
    const UndoStep step(*history_, {.kind = StepName::Kind::MovedHeights});  // the heights the run moves
    volantis4::Button4Click(doc_, &progress);
  }
  a->Label24->hide();
  showResults();
  QApplication::beep();
}

void MainWindow::showResults(bool live) {
  AircraftPage* a = aircraftPage_;
  const RunFlags& f = doc_.run.flags;
  a->showMessagePanel(doc_.run.panel);
  if (f.results_valid && !f.grid_valid) {
    // Results opened from a file: no lattice to show, Calculate as after Open.
    a->Image2->setCursor(Qt::DragMoveCursor);
    views_->showProposal(true);
    report_->follow();
    return;
  }
  bool heightsLeft = false;  // a live run computed heights the fields do not hold: Calculate writes them
  if (f.results_valid) {
    for (int w = 1; w <= kWingCount; ++w) {
      page(w)->setAerodynamicCentreText(qs(doc_.output->anpLabels[wingIndex(w)]));
      heightsLeft = heightsLeft || doc_.output->geometry.position(w).z != doc_.geometry.position(w).z;
    }
    a->Image2->setCursor(Qt::DragMoveCursor);
    if (live) {
      // The views keep their size: each wing's planform and the 3-D view now, the top view with
      // the proposal (the longest drawing, the whole lattice) in a pass of its own, so that neither
      // holds the window long.
      for (int w = 1; w <= kWingCount; ++w) showWing(w, true);
      views_->draw3d();
      QTimer::singleShot(0, this, [this, output = doc_.output] {
        if (doc_.run.flags.results_valid && doc_.output == output) views_->showProposal();
      });
    } else {
      FormResize();  // every view drawn anew, the proposal over the top view among them
    }
    commands_.setEnabled(Command::Print, true);
    for (WingPage* p : wingPages_) p->showAerodynamicCentre(true);
  }
  a->Label_w->hide();
  a->Button4->show();
  a->Button4->setEnabled(heightsLeft);
  commands_.setEnabled(Command::Calc, heightsLeft);
  showTemplateCommand();
  report_->follow();
}

void MainWindow::PageControl1Change() {
  QWidget* current = pageControl_->currentWidget();
  const int w = activeWing();
  if (w >= 1 && w <= 3) {
    commands_.setEnabled(Command::CopyWing, true);
    commands_.setEnabled(Command::InsertCopiedWing, copies_->insertAvailable());
  } else if (current == aircraftPage_ || current == fuselagePage_ || current == remarksPage_) {
    commands_.setEnabled(Command::CopyWing, false);
    commands_.setEnabled(Command::InsertCopiedWing, false);
  }
  if (current == fuselagePage_) fuselage_->drawSketch();  // the wings may have changed meanwhile
  if (!doc_.run.flags.results_valid) runCalc(Sender::Other);
}

void MainWindow::showPage(QWidget* sheet) {
  if (pageControl_->currentWidget() == sheet) return;
  {
    const QSignalBlocker blocker(pageControl_);
    pageControl_->setCurrentWidget(sheet);
  }
  if (sheet == aircraftPage_) PageControl1Change();
}

void MainWindow::applyLanguage(Language language) {
  doc_.language = language;
  useQtTranslations(language);
  for (WingPage* p : wingPages_) p->applyCaptions(language);  // results, anp, trapezia, copy, insert
  aircraftPage_->applyCaptions(language);
  pageControl_->setTabText(pageControl_->indexOf(aircraftPage_), qtext(TextId::TabAircraft, language));
  for (int w = 1; w <= kWingCount; ++w)
    pageControl_->setTabText(pageControl_->indexOf(page(w)), qtext(nthText(TextId::TabWing1, w - 1), language));
  pageControl_->setTabText(pageControl_->indexOf(fuselagePage_), qtext(TextId::TabFuselage, language));
  pageControl_->setTabText(pageControl_->indexOf(remarksPage_), qtext(TextId::TabRemarks, language));
  fuselagePage_->applyCaptions(language);
  fuselage_->drawSketch();
  aircraftPage_->drawPositionImages(language);
  views_->showProposal();
  for (int w = 1; w <= kWingCount; ++w) {
    page(w)->drawSketch(doc_.form.wing(w).checkedTrapezia, language);
    showWing(w, true);
  }
  commands_.applyCaptions(language);
  showUndoCommands();
  showTemplateCommand();
  showGapNotices(wingPages_, doc_.geometry, language);
  views_->drawFlightDirection();
  feedback_->refresh();
  report_->follow();
}

// The views follow the page size; everything else keeps its design place. The recomputations
// keep the results on show, and the Calc among them is started by `sender`.
void MainWindow::FormResize(Sender sender) {
  if (resizing_ || !pageControl_->currentWidget()) return;
  resizing_ = true;
  AircraftPage* a = aircraftPage_;
  const QSize pageSize = pageControl_->currentWidget()->size();
  DesignPositions design;
  for (Point& p : design.planforms) p = {page(1)->planform()->x(), page(1)->planform()->y()};
  const ResizeLayout layout = resizeLayout(Size{pageSize.width(), pageSize.height()}, design);
  views_->resetZoom();
  const bool calc = !doc_.run.flags.results_valid;
  resizeRecomputations(doc_);
  {
    const KeepResults keep(doc_);
    for (int w = 1; w <= kWingCount; ++w) {
      const Size size = layout.planforms[wingIndex(w)];
      page(w)->planform()->resizeImage(size.width, size.height);
      afterWingRecomputation(w);
    }
    a->Image2->resizeImage(layout.image2.width, layout.image2.height);
    a->Image3->move(a->Image3->x(), layout.image3Top);
    a->Image3->resizeImage(layout.image3.width, layout.image3.height);
    if (calc) afterCalc(sender);
    views_->drawTopView();
    views_->showProposal();
    views_->draw3d();
  }
  a->ScrollBar2->setGeometry(a->ScrollBar2->x(), layout.scrollBar2Top, layout.scrollBar2Width, a->ScrollBar2->height());
  a->ScrollBar1->setGeometry(a->ScrollBar1->x(), layout.scrollBar1Top, a->ScrollBar1->width(), layout.scrollBar1Height);
  a->CheckBoxA->move(layout.checkBoxA.x, layout.checkBoxA.y);
  a->Label_Press->move(layout.labelPress.x, layout.labelPress.y);
  a->ScrollBar6->move(layout.scrollBar6.x, layout.scrollBar6.y);
  resizing_ = false;
}

}  // namespace volantis4
