#include "solver/loes.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "solver/refined_solve.h"

namespace volantis4 {

LoesResult LOES(const InfluenceMatrix& matrix, const SolveProgress& progress, const std::atomic<bool>* cancel) {
  constexpr double kInverseFourPi = 0.0795775;  // 1/(4π) to seven significant digits

  const auto n = static_cast<std::size_t>(std::max(matrix.n, 0));
  if (matrix.n < 0 || matrix.values.size() < n * n || matrix.single.size() < n * n) {
    throw std::invalid_argument("LOES: matrix shorter than its order");
  }

  LoesResult result;
  const std::vector<double> rightHandSide(n, -1.0);
  result.gamma.resize(n);
  const RefinedSolve refined = solveRefined(matrix.values, matrix.single, kInverseFourPi, rightHandSide, result.gamma,
                                            matrix.n, progress, cancel);
  result.corrections = refined.corrections;
  if (refined.outcome == Refinement::Converged || refined.outcome == Refinement::Cancelled) {
    result.refined = refined.outcome == Refinement::Converged;
    result.solved = result.refined;
    result.cancelled = !result.refined;
    return result;
  }

  const std::span<double> a = matrix.values.first(n * n);
  for (double& v : a) v *= kInverseFourPi;
  result.gamma = rightHandSide;
  result.solved = SIMQ902(a, result.gamma, matrix.n, progress, cancel);
  if (cancel && cancel->load(std::memory_order_relaxed)) {
    result.solved = false;
    result.cancelled = true;
    return result;
  }
  if (!result.solved) result.report.fail({MessageId::SolveSingular});
  return result;
}

}  // namespace volantis4
