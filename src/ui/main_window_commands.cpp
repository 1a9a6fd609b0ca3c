// Commands of the window: Calculate, stability, pages, Info, language and the resize layout.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "analysis/report_lines.h"
#include "analysis/stability_report.h"
#include "model/numbers.h"
#include "model/text_fill.h"
#include "print/balance_template.h"
#include "print/pdf_export.h"
#include "print/summary_page.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"
#include "solver/stabil.h"
#include "ui/aircraft_page.h"
#include "ui/field_feedback.h"
#include "ui/info_window.h"
#include "ui/main_window.h"
#include "ui/planform_image_widget.h"
#include "ui/printer_window.h"
#include "ui/report_window.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "ui/wing_page.h"
#include "views/qimage_canvas.h"
#include "views/window_layout.h"

namespace volantis4 {

/// Shows the run while it blocks: the window is repainted after each stage, the countdown of the
/// solution goes into Label24, and a moved wing's height into its field.
class RunProgress : public RunObserver {
 public:
  explicit RunProgress(MainWindow& window) : window_(window) {}

  void afterStage(RunStage stage) override {
    if (stage == RunStage::Calc) window_.afterCalc(Sender::Run);
    window_.showMessagePanel();
    window_.repaintNow();
  }

  void countdown(int remaining) override {
    QLabel* label = window_.aircraftPage_->Label24;
    label->setText(qs(formatInt(remaining)));
    label->show();
    label->repaint();
  }

  void fieldWritten(FieldKey key) override {
    window_.showFieldText(key);
    window_.afterCalc(Sender::PositionField);
  }

 private:
  MainWindow& window_;
};

void MainWindow::Button4Click(bool live) {
  AircraftPage* a = aircraftPage_;
  if (!live && pageControl_->currentWidget() != a) showPage(a);
  a->Label_w->show();
  a->Button4->hide();
  commands_.setEnabled(Command::Calc, false);
  a->Memo1->clear();
  a->Memo1->hide();
  repaintNow();

  RunProgress progress(*this);
  history_->begin();  // the heights the run moves are a step of their own
  const bool complete = volantis4::Button4Click(doc_, &progress);
  history_->end({.kind = StepName::Kind::MovedHeights});
  a->Label24->hide();
  showMessagePanel();
  if (complete) {
    for (int w = 1; w <= kWingCount; ++w) page(w)->setAerodynamicCentreText(qs(doc_.output->anpLabels[wingIndex(w)]));
    a->Image2->setCursor(Qt::DragMoveCursor);
    STABIL(Sender::Run);
    FormResize();
    commands_.setEnabled(Command::Print, true);
    for (WingPage* p : wingPages_) p->showAerodynamicCentre(true);
  }
  a->Label_w->hide();
  a->Button4->show();
  a->Button4->setEnabled(false);
  commands_.setEnabled(Command::Calc, false);
  reportFollows();
  if (!live) QApplication::beep();
}

void MainWindow::repaintNow() { repaint(); }

// The proposal drawn over the top view and its distance in Label21; results opened from a file
// have no lattice to show.
void MainWindow::STABIL(Sender sender) {
  PlanformImageWidget* image = aircraftPage_->Image2;
  const std::string caption = drawResultOverlay(image->canvas(), topView_, topViewNow(), true, sender == Sender::Open);
  aircraftPage_->Label21->setText(qs(caption));
  image->update();
}

void MainWindow::CheckBoxAClick(bool ticked) {
  if (!doc_.run.flags.results_valid) {
    runCalc(Sender::Other);  // which unticks the box again
    return;
  }
  AircraftPage* a = aircraftPage_;
  draw3dState();
  a->ScrollBar6->setVisible(volantis4::CheckBoxAClick(doc_, a->Image2->canvas(), a->Image3->canvas(), topView_, threeD_,
                                                      PressureDisplay{ticked, pressure().exaggeration},
                                                      systemColoursFromPalette()));
  a->Image2->update();
  a->Image3->update();
}

void MainWindow::stabilityModeClicked(bool manual) {
  AircraftPage* a = aircraftPage_;
  doc_.stability.manual = manual;
  resetZoom();
  const bool severalWings = marginPair(doc_.run.solver_wings_count).low == 8;
  for (QWidget* w : std::initializer_list<QWidget*>{a->Label21, a->Label22, a->Label29, a->Edit_Mstab, a->ScrollBar5})
    w->setVisible(manual);
  a->Label28->setVisible(manual && severalWings);
  a->Label30->setVisible(manual && !severalWings);
  STABIL(Sender::Other);
  reportFollows();
}

// The top view's zoom back to 100 (no magnification); the next drawing lays the view out anew.
void MainWindow::resetZoom() {
  topView_.zoom = 100;
  const QSignalBlocker blocker(aircraftPage_->ScrollBar3);
  aircraftPage_->ScrollBar3->setValue(100);
}

void MainWindow::marginEdited(const QString& text) {
  doc_.stability.marginText = text.toStdString();
  STABIL(Sender::Other);
  reportFollows();
}

void MainWindow::marginSliderMoved(int position) {
  const QString text = qs(ScrollBar5Text(position));
  {
    const QSignalBlocker blocker(aircraftPage_->Edit_Mstab);
    aircraftPage_->Edit_Mstab->setText(text);
  }
  marginEdited(text);
}

void MainWindow::PageControl1Change() {
  QWidget* current = pageControl_->currentWidget();
  const int w = activeWing();
  if (w >= 1 && w <= 3) {
    commands_.setEnabled(Command::CopyWing, true);
    commands_.setEnabled(Command::InsertCopiedWing, copied_.insertAvailable());
  } else if (current == aircraftPage_ || current == remarksPage_) {
    commands_.setEnabled(Command::CopyWing, false);
    commands_.setEnabled(Command::InsertCopiedWing, false);
  }
  if (!doc_.run.flags.results_valid) runCalc(Sender::Other);
}

// Activates a page from code; only the Aircraft page runs the page-change handler then.
void MainWindow::showPage(QWidget* sheet) {
  if (pageControl_->currentWidget() == sheet) return;
  {
    const QSignalBlocker blocker(pageControl_);
    pageControl_->setCurrentWidget(sheet);
  }
  if (sheet == aircraftPage_) PageControl1Change();
}

void MainWindow::editWingClick(int w) {
  showPage(page(w));
  commands_.setEnabled(Command::CopyWing, true);
  if (copied_.insertAvailable()) commands_.setEnabled(Command::InsertCopiedWing, true);
}

void MainWindow::aircraft1Click() {
  showPage(aircraftPage_);
  commands_.setEnabled(Command::CopyWing, false);
  commands_.setEnabled(Command::InsertCopiedWing, false);
}

void MainWindow::BitBtn1Click() {
  if (!info_) return;
  info_->fill(doc_.language);
  info_->show();
  info_->raise();
}

void MainWindow::german1Click() {
  applyLanguage(doc_.language == Language::English ? Language::German : Language::English);
}

// `english` and `deutsch`: the caption set of `language`, then the refresh, in a fixed order.
void MainWindow::applyLanguage(Language language) {
  doc_.language = language;
  for (WingPage* p : wingPages_) p->applyCaptions(language);  // results, anp, trapezia, copy, insert
  aircraftPage_->applyCaptions(language);
  pageControl_->setTabText(pageControl_->indexOf(aircraftPage_), qtext(TextId::TabAircraft, language));
  for (int w = 1; w <= kWingCount; ++w)
    pageControl_->setTabText(pageControl_->indexOf(page(w)), qtext(nthText(TextId::TabWing1, w - 1), language));
  pageControl_->setTabText(pageControl_->indexOf(remarksPage_), qtext(TextId::TabRemarks, language));
  aircraftPage_->drawPositionImages(language);
  STABIL(Sender::Other);
  for (int w = 1; w <= kWingCount; ++w) {
    drawSketch(w);
    drawWingPlanform(w);
  }
  commands_.applyCaptions(language);
  showUndoCommands();
  Space1();
  drawFlightDirection();
  feedback_->refresh();
  reportFollows();
}

void MainWindow::showStabilityReport() {
  if (!report_) {
    report_ = new ReportWindow(doc_, this);
    // The weighing is kept with the aircraft: an ordinary change of the document, and a step.
    connect(report_, &ReportWindow::balanceEdited, this, [this](const std::optional<BalanceInputs>& inputs) {
      history_->begin();
      doc_.balance = inputs;
      history_->end({.kind = StepName::Kind::Balance});
      showFileName();
      reportFollows();
    });
  }
  report_->show();
  report_->raise();
  report_->activateWindow();
}

void MainWindow::reportFollows() {
  if (report_) report_->follow();
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
  topView_.zoom = 100;
  resetZoom();
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
    drawTopView();
    STABIL(Sender::Resize);
    draw3d();
  }
  a->ScrollBar2->setGeometry(a->ScrollBar2->x(), layout.scrollBar2Top, layout.scrollBar2Width, a->ScrollBar2->height());
  a->ScrollBar1->setGeometry(a->ScrollBar1->x(), layout.scrollBar1Top, a->ScrollBar1->width(), layout.scrollBar1Height);
  a->CheckBoxA->move(layout.checkBoxA.x, layout.checkBoxA.y);
  a->Label_Press->move(layout.labelPress.x, layout.labelPress.y);
  a->ScrollBar6->move(layout.scrollBar6.x, layout.scrollBar6.y);
  resizing_ = false;
}

// The summary page with the two pictures; the views keep their size. Its Calc is started by
// printing: it unticks the pressure box as every Calc does, and keeps printing enabled.
std::function<void(Canvas&)> MainWindow::summaryPage() {
  recomputeForSummary(doc_);
  {
    const KeepResults keep(doc_);
    afterCalc(Sender::Print);
  }
  STABIL(Sender::Print);
  const SystemColours colours = systemColoursFromPalette();
  auto topView = std::make_shared<QImageCanvas>(kTopViewBufferWidth, kTopViewBufferHeight);
  auto threeDView = std::make_shared<QImageCanvas>(kThreeDBufferWidth, kThreeDBufferHeight);
  drawSummaryPictures(doc_, colours, threeD_, *topView, *threeDView);
  return [doc = doc_, topView, threeDView](Canvas& page) {
    drawSummaryPage(page, doc, doc.fileName, *topView, *threeDView);
  };
}

// File ▸ "Export PDF…": the summary page as a one-page A4 PDF, as a 600-dpi printer would place it.
void MainWindow::exportPdfClick() {
  // The stability report of a complete run follows on a page of its own; the summary's own Calc
  // leaves the lattice behind, so the report is taken over the run before it.
  const std::optional<ReportBasis> basis = reportBasis(doc_);
  const auto page = summaryPage();
  FormResize(Sender::Print);
  const QString path = dialogs_->pdfFileName(this, doc_.language);
  if (path.isEmpty()) return;
  ReportPages report;
  if (basis)
    report = {.title = std::string(text(TextId::ReportTitle, doc_.language)),
              .parts = reportBlocks(fullReport(*basis, doc_), doc_.language)};
  if (const auto error = exportSummaryPdf(page, doc_.run.solver_wings_count, path, report)) reportFileError(*error);
}

// File > "Export balance template…": the reference wing's root region at true scale on one A4
// page, marking the manual centre of gravity when that margin is chosen, else the pair.
void MainWindow::exportTemplateClick() {
  const bool manualChoice = !aircraftPage_->RadioButton15->isChecked();
  const std::optional<TemplateInput> input = templateInputOf(doc_, manualChoice);
  if (!input) {
    dialogs_->showFileError(this, qtext(TextId::TemplateNoRun, doc_.language));
    return;
  }
  const QString path = dialogs_->pdfFileName(this, doc_.language);
  if (path.isEmpty()) return;
  if (const auto error = exportBalanceTemplate(*input, doc_.language, path)) reportFileError(*error);
}

// The summary page handed to the printer window.
void MainWindow::Button6Click() {
  const auto page = summaryPage();
  if (printer_) {
    printer_->setPage(page, doc_.run.solver_wings_count);
    printer_->setLanguage(doc_.language);
    printer_->show();
    printer_->raise();
  }
  FormResize(Sender::Print);
}

}  // namespace volantis4
