#include "solver/calculation_run.h"

#include <memory>
#include <vector>

#include "model/numbers.h"
#include "solver/calculation_output.h"
#include "solver/grid.h"
#include "solver/konflikt2.h"
#include "solver/trawy2.h"

namespace volantis4 {
namespace {

void notify(RunObserver* observer, RunStage stage) {
  if (observer) observer->afterStage(stage);
}

// Adds a stage's lines to the panel; a failing stage fails the run.
void take(Document& doc, const StageReport& report) {
  for (const Message& m : report.messages) doc.run.panel.append(m, doc.language);
  if (report.failed) doc.run.flags.calc_failed = true;
}

// Moves the wings that KONFLIKT2 separated: each new height goes into the wing's z field, whose
// change runs Calc, so the lattice uses the whole-millimetre height read back from the field.
void applyMoves(Document& doc, const Konflikt2Result& konflikt, RunObserver* observer) {
  for (const WingMove& move : konflikt.moves) {
    const FieldKey key{move.wing, FieldKind::PositionZ, 1};
    setFieldText(doc, key, move.text);
    if (observer) observer->fieldWritten(key);
  }
}

// The run's side of the shared stages: lines into the panel, progress to the observer.
class PanelSink final : public StageSink {
 public:
  PanelSink(Document& doc, RunObserver* observer) : doc_(doc), observer_(observer) {}
  void report(const StageReport& r) override { take(doc_, r); }
  void afterStage(RunStage stage) override { notify(observer_, stage); }
  void countdown(int remaining) override {
    if (observer_) observer_->countdown(remaining);
  }

 private:
  Document& doc_;
  RunObserver* observer_;
};

// The equation stages and the results; fills `output` and returns false when the run must fail.
bool solveAndEvaluate(Document& doc, CalculationOutput& output, RunObserver* observer,
                      const std::atomic<bool>* cancel) {
  PanelSink sink(doc, observer);
  Evaluation evaluation = evaluateLattice(output.lattice, doc.geometry, kMaxPanels, sink, cancel);
  output.gamma = std::move(evaluation.gamma);
  output.vortex = std::move(evaluation.vortex);
  if (!evaluation.complete) doc.run.flags.calc_failed = true;
  return evaluation.complete;
}

}  // namespace

bool Button4Click(Document& doc, RunObserver* observer, const std::atomic<bool>* cancel) {
  doc.run.flags.calc_failed = false;
  doc.run.panel.emptyAndHide();

  Calc(doc);
  notify(observer, RunStage::Calc);

  const int wingsInUse = doc.run.solver_wings_count;
  auto output = std::make_shared<CalculationOutput>();
  GridResult grid = GRID(doc.geometry, wingsInUse);
  take(doc, grid.report);
  take(doc, checkLatticeCapacity(grid.counts, doc.geometry, wingsInUse));
  output->counts = grid.counts;
  notify(observer, RunStage::Grid);

  // The overlap resolution runs even after a refusal. Its notice replaces the panel; a refusal's
  // lines, heading included, follow the notice, so the panel still says why nothing was computed.
  doc.run.flags.wings_moved = false;
  const std::vector<MessagePanel::Line> refusal =
      doc.run.flags.calc_failed ? doc.run.panel.entries() : std::vector<MessagePanel::Line>{};
  const Konflikt2Result konflikt = KONFLIKT2(doc.geometry, grid.counts, wingsInUse);
  applyMoves(doc, konflikt, observer);
  if (konflikt.wings_moved) {
    doc.run.flags.wings_moved = true;
    doc.run.panel.replaceAll({{MessageId::Attention}, {MessageId::WingsMoved}}, doc.language);
    for (const MessagePanel::Line& line : refusal) doc.run.panel.append(line.message, line.language);
  }
  notify(observer, RunStage::Konflikt);

  bool complete = false;
  if (!doc.run.flags.calc_failed) {
    Trawy2Result trawy = TRAWY2(doc.geometry, grid.counts, wingsInUse);
    take(doc, trawy.report);
    output->lattice = std::move(trawy.lattice);
    notify(observer, RunStage::Lattice);
    if (!doc.run.flags.calc_failed) complete = solveAndEvaluate(doc, *output, observer, cancel);
  }

  if (complete) {
    for (int w = 1; w <= kWingCount; ++w)
      output->anpLabels[wingIndex(w)] = formatFixed(acFromWingX(output->vortex, doc.geometry, w), 4, 1) + "mm";
    doc.results = {output->vortex.sb, output->vortex.lmue, output->vortex.xnp};
    output->geometry = doc.geometry;
    doc.output = std::move(output);
    doc.run.flags.results_valid = true;
    doc.run.flags.grid_valid = true;
  }
  doc.run.solver_wings_count = doc.form.wingsCount;
  return complete;
}

}  // namespace volantis4
