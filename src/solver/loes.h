#pragma once
// Solution of the vortex-lattice equations for the circulations at unit angle of attack.

#include <vector>

#include "model/run_state.h"
#include "solver/einfluss.h"
#include "solver/simq902.h"

namespace volantis4 {

/// What LOES produces.
struct LoesResult {
  std::vector<double> gamma;  // circulation per panel in panel order (also after a failure)
  bool solved = false;        // false: singular system (SolveSingular reported)
  StageReport report;
  std::vector<double> workspace;  // the matrix's buffer, now factored: hand it to the next EINFLUSS
};

/// LOES: scales M by 0.0795775 (1/(4π)) in place and solves it for a normal velocity of −1 at every
/// control point with SIMQ902. On a singular system gamma holds the right-hand side as given (−1).
/// Results are returned as computed: a caller checks them for finiteness. Throws
/// std::invalid_argument when the buffer holds fewer than n × n entries.
LoesResult LOES(InfluenceMatrix matrix, const SolveProgress& progress = {});

}  // namespace volantis4
