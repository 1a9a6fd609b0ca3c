#include "solver/lattice_run.h"

#include <cstddef>
#include <utility>

#include "solver/einfluss.h"
#include "solver/grid.h"
#include "solver/loes.h"
#include "solver/trawy2.h"

namespace volantis4 {
namespace {

bool stopped(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

// Collects every stage's lines into one report, and passes the countdown on.
class Collect final : public StageSink {
 public:
  explicit Collect(StageReport& into, const SolveProgress& progress = {}) : into_(into), progress_(progress) {}
  void report(const StageReport& r) override {
    into_.messages.insert(into_.messages.end(), r.messages.begin(), r.messages.end());
    into_.failed = into_.failed || r.failed;
  }
  void countdown(int remaining) override {
    if (progress_) progress_(remaining);
  }

 private:
  StageReport& into_;
  const SolveProgress& progress_;
};

// Trims the workspace when the evaluation ends, however it ends.
class KeepAtMost {
 public:
  KeepAtMost(SolveWorkspace& workspace, int n) : workspace_(workspace), n_(static_cast<std::size_t>(n)) {}
  ~KeepAtMost() { workspace_.keepAtMost(n_); }
  KeepAtMost(const KeepAtMost&) = delete;
  KeepAtMost& operator=(const KeepAtMost&) = delete;

 private:
  SolveWorkspace& workspace_;
  std::size_t n_;
};

}  // namespace

Evaluation evaluateLattice(const Lattice& lattice, const AircraftGeometry& geometry, int maxPanels, StageSink& sink,
                           const std::atomic<bool>* cancel) {
  Evaluation out;
  if (stopped(cancel)) {
    out.cancelled = true;
    return out;
  }
  // The thread's workspace: the matrices of the run before are overwritten, nothing is allocated.
  // A system beyond the standard capacity (the finer lattice) gives its blocks back afterwards.
  SolveWorkspace& workspace = SolveWorkspace::ofThisThread();
  const KeepAtMost trim{workspace, kMaxPanels};
  EinflussResult einfluss = EINFLUSS(lattice, workspace, maxPanels, cancel);
  sink.report(einfluss.report);
  sink.afterStage(RunStage::Influence);
  if (stopped(cancel)) {
    out.cancelled = true;
    return out;
  }

  SolveProgress progress = [&sink](int remaining) { sink.countdown(remaining); };
  LoesResult loes = LOES(einfluss.matrix, progress, cancel);
  if (loes.cancelled || stopped(cancel)) {
    out.cancelled = true;
    return out;
  }
  sink.report(loes.report);
  if (!loes.solved) {
    StageReport line;
    line.fail({MessageId::SolveFailed});
    sink.report(line);
  }
  out.gamma = std::move(loes.gamma);
  sink.afterStage(RunStage::Solve);
  // A singular system or a failed consistency check gives no trustworthy circulations.
  if (einfluss.report.failed || !loes.solved) return out;
  if (stopped(cancel)) {
    out.cancelled = true;
    return out;
  }

  out.vortex = WIRBEL_ERG(lattice, out.gamma, geometry);
  sink.report(out.vortex.report);
  sink.afterStage(RunStage::Results);
  out.complete = !out.vortex.report.failed;  // non-finite results fail there
  return out;
}

LatticeRun runLattice(const AircraftGeometry& geometry, int wingsInUse, const LatticeLimits& limits,
                      const std::atomic<bool>* cancel, const SolveProgress& progress) {
  LatticeRun run;
  Collect sink(run.report, progress);
  GridResult grid = GRID(geometry, wingsInUse, limits);
  sink.report(grid.report);
  sink.report(checkLatticeCapacity(grid.counts, geometry, wingsInUse, limits));
  run.counts = grid.counts;
  if (run.report.failed) return run;
  if (stopped(cancel)) {
    run.evaluation.cancelled = true;
    run.report.failed = true;
    return run;
  }

  Trawy2Result trawy = TRAWY2(geometry, grid.counts, wingsInUse, limits);
  sink.report(trawy.report);
  if (run.report.failed) return run;
  run.evaluation = evaluateLattice(trawy.lattice, geometry, limits.maxPanels, sink, cancel);
  if (!run.evaluation.complete) run.report.failed = true;
  return run;
}

Evaluation evaluateAlone(const Lattice& lattice, int w, const AircraftGeometry& geometry,
                         const std::atomic<bool>* cancel, const SolveProgress& progress) {
  Lattice alone;
  alone.wing(1) = lattice.wing(w);
  alone.wingsInUse = 1;
  alone.n_panels = static_cast<int>(alone.wing(1).strips.size()) * alone.wing(1).n_chord;
  StageReport ignored;
  Collect sink(ignored, progress);
  return evaluateLattice(alone, geometry, kMaxPanels, sink, cancel);
}

}  // namespace volantis4
