#pragma once
// The stability report: the report of the last complete run, following every new run, margin
// change and language switch. The part from the completed run shows at once; the extra runs (finer
// lattice, each wing alone, each wing moved) fill in from the background. Results stored with a
// file give what they allow. It stands in a window of its own or in a dock beside the drawings,
// and keeps its scroll position from one report to the next.

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "analysis/stability_report.h"
#include "model/balance_inputs.h"
#include "model/document.h"
#include "ui/undo_commands.h"

class QLabel;
class QGroupBox;
class QProgressBar;
class QScrollArea;

namespace volantis4 {

class BalancePanel;
class PlanformImageWidget;
class ReportJob;

class ReportWindow : public QWidget {
  Q_OBJECT
 public:
  /// The report over `doc`, which it only reads; `doc` outlives it.
  explicit ReportWindow(const Document& doc, QWidget* parent = nullptr);
  ~ReportWindow() override;

  /// Shows the document as it stands: a new complete run restarts the extra runs, an edit that
  /// left no valid results cancels them; margin, language and balance are shown anew.
  void follow();

  /// The report on show; nullopt without valid results.
  const std::optional<StabilityReport>& report() const { return report_; }
  /// True while the extra runs of the report on show are still going.
  bool extrasRunning() const;
 signals:
  /// The user changed balance input `input` (of support `support`): what the aircraft should keep
  /// now (nullopt: none, or not yet enough to weigh).
  void balanceEdited(const std::optional<volantis4::BalanceInputs>& inputs, volantis4::BalanceInput input, int support);

 protected:
  void showEvent(QShowEvent* event) override;
  /// Hidden (closed, or its dock hidden): the extra runs stop.
  void hideEvent(QHideEvent* event) override;

 private:
  void buildWindow();
  void extrasFinished(const ExtraRuns& extras);
  void showReport();
  void drawChordBar();

  const Document& doc_;
  ReportJob* job_ = nullptr;
  std::optional<ReportBasis> basis_;  // of the report on show
  std::optional<ExtraRuns> extras_;   // its extra runs, once they have ended
  std::optional<StabilityReport> report_;

  QScrollArea* scroll_ = nullptr;
  int wantedScroll_ = 0;  // where the reader scrolled to; kept while the report changes length
  bool restoring_ = false;
  QLabel* status_ = nullptr;
  QProgressBar* progress_ = nullptr;
  PlanformImageWidget* chordBar_ = nullptr;
  std::vector<QGroupBox*> sections_;  // one per part of the report, in its order
  std::vector<QLabel*> sectionLines_;
  BalancePanel* balancePanel_ = nullptr;
};

}  // namespace volantis4
