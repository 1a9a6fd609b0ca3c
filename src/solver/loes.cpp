#include "solver/loes.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <utility>

namespace volantis4 {

LoesResult LOES(InfluenceMatrix matrix, const SolveProgress& progress) {
  constexpr double kInverseFourPi = 0.0795775;  // 1/(4π) to seven significant digits

  const auto n = static_cast<std::size_t>(std::max(matrix.n, 0));
  if (matrix.n < 0 || matrix.values.size() < n * n) {
    throw std::invalid_argument("LOES: matrix buffer shorter than its order");
  }
  std::vector<double>& a = matrix.values;
  for (std::size_t e = 0; e < n * n; ++e) a[e] *= kInverseFourPi;

  LoesResult result;
  result.gamma.assign(n, -1.0);
  result.solved = SIMQ902(a, result.gamma, matrix.n, progress);
  if (!result.solved) result.report.fail({MessageId::SolveSingular});
  result.workspace = std::move(a);
  return result;
}

}  // namespace volantis4
