#include "ui/report_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QVBoxLayout>

#include "analysis/report_lines.h"
#include "analysis/stored_report.h"
#include "solver/calculation_output.h"
#include "solver/stabil.h"
#include "ui/balance_panel.h"
#include "ui/planform_image_widget.h"
#include "ui/report_job.h"
#include "ui/widgets.h"
#include "views/chord_bar.h"

namespace volantis4 {
namespace {

constexpr QSize kChordBarSize{600, 112};

QString joined(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& line : lines) out << qs(line);
  return out.join(QLatin1Char('\n'));
}

}  // namespace

ReportWindow::ReportWindow(const Document& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), job_(new ReportJob(this)) {
  setObjectName(QStringLiteral("ReportWindow"));
  buildWindow();
  connect(job_, &ReportJob::progress, this, [this](int done, int total) {
    progress_->setRange(0, total);
    progress_->setValue(done);
  });
  connect(job_, &ReportJob::finished, this, &ReportWindow::extrasFinished);
  connect(balancePanel_, &BalancePanel::edited, this,
          [this](BalanceInput input, int support) { emit balanceEdited(balancePanel_->entered(), input, support); });
  showReport();
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::buildWindow() {
  setFont(designFont());
  resize(680, 860);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ReportScroll"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll_ = scroll;
  // The reader's place survives a report that goes (an edit) and comes back (the next run).
  QScrollBar* bar = scroll->verticalScrollBar();
  connect(bar, &QScrollBar::valueChanged, this, [this](int value) {
    if (!restoring_) wantedScroll_ = value;
  });
  connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
    restoring_ = true;
    bar->setValue(std::min(wantedScroll_, maximum));
    restoring_ = false;
  });
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
  auto* content = new QWidget;
  scroll->setWidget(content);
  auto* column = new QVBoxLayout(content);

  status_ = new QLabel(content);
  status_->setObjectName(QStringLiteral("ReportStatus"));
  status_->setWordWrap(true);
  setTextStyle(status_, Qt::red, true);
  column->addWidget(status_);
  progress_ = new QProgressBar(content);
  progress_->setObjectName(QStringLiteral("ReportProgress"));
  column->addWidget(progress_);
  chordBar_ = new PlanformImageWidget(content);
  chordBar_->setObjectName(QStringLiteral("ChordBar"));
  chordBar_->setCursor(Qt::ArrowCursor);
  chordBar_->resizeImage(kChordBarSize.width(), kChordBarSize.height());
  chordBar_->setFixedSize(kChordBarSize);
  column->addWidget(chordBar_);

  for (const SectionDescription& section : reportDescription()) {
    // The weighing inputs stand right above the balance they give.
    if (section.section == ReportSection::Balance) {
      balancePanel_ = new BalancePanel(content);
      column->addWidget(balancePanel_);
    }
    auto* box = sections_.emplace_back(new QGroupBox(content));
    auto* boxLayout = new QVBoxLayout(box);
    QLabel* lines = sectionLines_.emplace_back(new QLabel(box));
    lines->setObjectName(QStringLiteral("Report") +
                         QString::fromLatin1(section.name.data(), static_cast<qsizetype>(section.name.size())));
    lines->setWordWrap(true);
    lines->setTextInteractionFlags(Qt::TextSelectableByMouse);
    boxLayout->addWidget(lines);
    column->addWidget(box);
  }
  column->addStretch(1);
}

bool ReportWindow::extrasRunning() const { return job_->running(); }

void ReportWindow::follow() {
  std::optional<ReportBasis> basis = isVisible() ? reportBasis(doc_) : std::nullopt;
  const bool same = basis && basis_ && basis->output == basis_->output;
  if (!same) {
    job_->cancel();
    basis_ = std::move(basis);
    extras_.reset();
    if (basis_) job_->start(*basis_);
  }
  if (isVisible()) showReport();
}

void ReportWindow::extrasFinished(const ExtraRuns& extras) {
  extras_ = extras;
  showReport();
}

void ReportWindow::showReport() {
  const Language l = doc_.language;
  setWindowTitle(qtext(TextId::ReportTitle, l));
  balancePanel_->applyCaptions(l);
  balancePanel_->showInputs(doc_.balance);
  progress_->setVisible(job_->running());
  if (basis_) {
    const VortexResults& v = basis_->output->vortex;
    const StabilityProposal proposal = STABIL(v.xnp, v.lmue, doc_.run.solver_wings_count, doc_.stability.marginText);
    ExtraRuns pending;
    pending.pending = true;
    report_ = makeReport(*basis_, proposal, extras_ ? *extras_ : pending, doc_.balance ? &*doc_.balance : nullptr,
                         doc_.fuselage ? &*doc_.fuselage : nullptr);
  } else {
    report_ = storedReport(doc_);  // results opened from a file, or none
  }
  const bool shown = report_.has_value();
  status_->setVisible(!shown);
  chordBar_->setVisible(shown);
  if (!shown) {
    for (QGroupBox* s : sections_) s->hide();
    status_->setText(qtext(TextId::ReportNoResults, l));
    return;
  }

  // Each part with its heading, and the terms it uses explained in its tooltip.
  const std::vector<SectionDescription>& sections = reportDescription();
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const SectionDescription& d = sections[i];
    sections_[i]->setTitle(qtext(d.heading, l));
    sections_[i]->setVisible(!d.shown || d.shown(*report_) || d.section == ReportSection::Balance);
    sectionLines_[i]->setText(qtext(TextId::ReportBalanceIncomplete, l));  // shown for the balance without readings
    const std::optional<TextId> tip = d.section == ReportSection::Position   ? TextId::ReportTipPosition
                                      : d.section == ReportSection::Accuracy ? TextId::ReportTipAccuracy
                                      : d.section == ReportSection::Surfaces ? std::optional(TextId::ReportTipSurfaces)
                                                                             : std::nullopt;
    sectionLines_[i]->setToolTip(tip ? qtext(*tip, l) : QString());
  }
  for (const ReportBlock& b : reportBlocks(*report_, l))
    sectionLines_[static_cast<std::size_t>(b.section)]->setText(joined(b.lines));
  drawChordBar();
}

void ReportWindow::drawChordBar() {
  volantis4::drawChordBar(chordBar_->canvas(), chordBarInput(*report_), doc_.language, systemColoursFromPalette());
  chordBar_->update();
}

void ReportWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  follow();
}

void ReportWindow::hideEvent(QHideEvent* event) {
  job_->cancel();
  basis_.reset();
  extras_.reset();
  QWidget::hideEvent(event);
}

}  // namespace volantis4
