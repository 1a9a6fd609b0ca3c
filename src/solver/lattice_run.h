#pragma once
// The stages of a run from the sized lattice to the results, shared by the Calculate command and the
// extra runs of the stability report.

#include <atomic>
#include <vector>

#include "model/aircraft_geometry.h"
#include "model/run_state.h"
#include "solver/lattice.h"
#include "solver/simq902.h"
#include "solver/wirbel_erg.h"

namespace volantis4 {

/// Stages after which the window repaints while the run blocks.
enum class RunStage { Calc, Grid, Konflikt, Lattice, Influence, Solve, Results };

/// Receives what the stages leave on the way: their panel lines as each stage ends, the end of each
/// stage and the elimination's countdown.
class StageSink {
 public:
  virtual ~StageSink() = default;
  /// A stage's lines (and whether it failed), in the order of the stages.
  virtual void report(const StageReport& report) = 0;
  /// A stage has finished.
  virtual void afterStage(RunStage) {}
  /// The elimination's countdown: columns still to go.
  virtual void countdown(int /*remaining*/) {}
};

/// What the equation stages and the results leave.
struct Evaluation {
  std::vector<double> gamma;  // circulations in panel order
  VortexResults vortex;       // only when the equations were solved
  bool complete = false;      // no stage failed and every result is finite
  bool cancelled = false;     // stopped by the cancel flag
};

/// EINFLUSS, LOES and WIRBEL_ERG on a built lattice. A failed influence
/// check or a singular system ends the evaluation before the results (the run's "LOES: Fehler..."
/// line follows a singular system); WIRBEL_ERG fails on results that are not finite. `cancel`, when
/// given, is read between the stages and inside the influence rows and the elimination.
Evaluation evaluateLattice(const Lattice& lattice, const AircraftGeometry& geometry, int maxPanels, StageSink& sink,
                           const std::atomic<bool>* cancel = nullptr);

/// One more run on a geometry whose heights are taken as they are (no overlap move).
struct LatticeRun {
  LatticeCounts counts;
  Evaluation evaluation;
  StageReport report;  // every stage's lines; failed when the run is not complete
};

/// GRID with the given limits, the capacity checks, TRAWY2 and the evaluation, on wings
/// 1 … wingsInUse of the geometry. `progress` gets the elimination's countdown.
LatticeRun runLattice(const AircraftGeometry& geometry, int wingsInUse, const LatticeLimits& limits,
                      const std::atomic<bool>* cancel = nullptr, const SolveProgress& progress = {});

/// Wing w of a built lattice solved on its own: the same strips and rows, as wing 1 of a lattice
/// without the other wings. `progress` gets the elimination's countdown.
Evaluation evaluateAlone(const Lattice& lattice, int w, const AircraftGeometry& geometry,
                         const std::atomic<bool>* cancel = nullptr, const SolveProgress& progress = {});

}  // namespace volantis4
