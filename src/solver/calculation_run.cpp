#include "solver/calculation_run.h"

#include <memory>
#include <vector>

#include "model/numbers.h"
#include "solver/calculation_output.h"
#include "solver/einfluss.h"
#include "solver/grid.h"
#include "solver/konflikt2.h"
#include "solver/loes.h"
#include "solver/trawy2.h"
#include "solver/wirbel_erg.h"

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

// The equation stages and the results; fills `output` and returns false when the run must fail.
bool solveAndEvaluate(Document& doc, CalculationOutput& output, RunObserver* observer) {
  EinflussResult einfluss = EINFLUSS(output.lattice);
  take(doc, einfluss.report);
  notify(observer, RunStage::Influence);

  SolveProgress progress;
  if (observer) progress = [observer](int remaining) { observer->countdown(remaining); };
  LoesResult loes = LOES(std::move(einfluss.matrix), progress);
  take(doc, loes.report);
  if (!loes.solved) doc.run.panel.append({MessageId::SolveFailed}, doc.language);
  output.gamma = std::move(loes.gamma);
  notify(observer, RunStage::Solve);
  // A singular system or a failed consistency check gives no trustworthy circulations.
  if (doc.run.flags.calc_failed || !loes.solved) {
    doc.run.flags.calc_failed = true;
    return false;
  }

  output.vortex = WIRBEL_ERG(output.lattice, output.gamma, doc.geometry);
  take(doc, output.vortex.report);  // non-finite results fail there
  notify(observer, RunStage::Results);
  return !doc.run.flags.calc_failed;
}

}  // namespace

bool Button4Click(Document& doc, RunObserver* observer) {
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
    if (!doc.run.flags.calc_failed) complete = solveAndEvaluate(doc, *output, observer);
  }

  if (complete) {
    for (int w = 1; w <= kWingCount; ++w)
      output->anpLabels[wingIndex(w)] = formatFixed(acFromWingX(output->vortex, doc.geometry, w), 4, 1) + "mm";
    doc.results = {output->vortex.sb, output->vortex.lmue, output->vortex.xnp};
    doc.output = std::move(output);
    doc.run.flags.results_valid = true;
    doc.run.flags.grid_valid = true;
  }
  doc.run.solver_wings_count = doc.form.wingsCount;
  return complete;
}

}  // namespace volantis4
