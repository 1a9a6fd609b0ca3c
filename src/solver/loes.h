#pragma once
// Solution of the vortex-lattice equations for the circulations at unit angle of attack.

#include <atomic>
#include <vector>

#include "model/run_state.h"
#include "solver/einfluss.h"
#include "solver/simq902.h"

namespace volantis4 {

/// What LOES produces.
struct LoesResult {
  std::vector<double> gamma;  // circulation per panel in panel order (also after a failure, not after a cancel)
  bool solved = false;        // false: singular system (SolveSingular reported)
  bool refined = false;       // solved by the single-precision factors and refinement
  bool cancelled = false;     // stopped by the cancel flag: nothing solved, nothing reported
  int corrections = 0;        // refinement steps taken (also when they did not converge)
  StageReport report;
};

/// LOES: solves 0.0795775 (1/(4π)) × M for a normal velocity of −1 at every control point.
/// The system is factored in single precision and the solution refined to double accuracy
/// (solveRefined; the scale multiplies each row's sum there, and the solution agrees with that of
/// the scaled entries far below the elimination's own rounding). Where that fails (a column
/// without a pivot, corrections that do not converge) M is scaled in place and SIMQ902 solves it
/// in double precision, which also decides whether the system is singular: gamma then holds the
/// right-hand side as given (−1). The countdown runs once for the single-precision elimination and
/// once more for SIMQ902. The matrix's single-precision entries are overwritten by their factors.
/// Results are returned as computed: a caller checks them for finiteness. `cancel`, when given, is
/// read between the blocks of the single-precision elimination, between corrections and inside
/// SIMQ902 (a cancelled solve is `cancelled`, not singular). Throws
/// std::invalid_argument when the matrix holds fewer than n × n entries.
LoesResult LOES(const InfluenceMatrix& matrix, const SolveProgress& progress = {},
                const std::atomic<bool>* cancel = nullptr);

}  // namespace volantis4
