#include "solver/simq90.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace volantis4 {

bool SIMQ90(std::span<double> a, std::span<double> b, int n) {
  if (n <= 0) return true;
  const auto N = static_cast<std::size_t>(n);
  auto at = [&](std::size_t r, std::size_t c) -> double& { return a[r * N + c]; };

  for (std::size_t k = 0; k < N; ++k) {
    double largest = 0;
    std::size_t pivot = k;
    for (std::size_t r = k; r < N; ++r) {
      const double m = std::fabs(at(r, k));
      if (m >= largest) {  // ">=" hands ties to the later row; NaN compares false and is skipped
        largest = m;
        pivot = r;
      }
    }
    if (!(largest > 0)) return false;

    const double q = 1.0 / at(pivot, k);
    std::swap(b[pivot], b[k]);
    b[k] *= q;
    for (std::size_t c = k; c < N; ++c) {
      std::swap(at(pivot, c), at(k, c));
      at(k, c) *= q;
    }
    for (std::size_t i = k + 1; i < N; ++i) {
      const double f = at(i, k);
      for (std::size_t c = k + 1; c < N; ++c) at(i, c) -= f * at(k, c);
      b[i] -= f * b[k];
    }
  }

  for (std::size_t i = N - 1; i-- > 0;) {
    double sum = 0;
    for (std::size_t j = i + 1; j < N; ++j) sum += at(i, j) * b[j];
    b[i] -= sum;
  }
  return true;
}

}  // namespace volantis4
