#include "solver/refined_solve.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <stdexcept>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "solver/stage_threads.h"

// LAPACK, shipped with OpenBLAS.
extern "C" {
void sgetrf_(const int* m, const int* n, float* a, const int* lda, int* ipiv, int* info);
void slaswp_(const int* n, float* a, const int* lda, const int* k1, const int* k2, const int* ipiv, const int* incx);
}

namespace volantis4 {
namespace detail {
namespace {

// The sums of the residual: the x87 format where long double is it (or is plain double), double
// where long double is a slow software format.
using Extended = std::conditional_t<std::numeric_limits<long double>::digits <= 64, long double, double>;

void residualRows(const double* m, double scale, const double* b, const double* x, double* r, std::size_t n,
                  std::size_t i0, std::size_t i1) {
  for (std::size_t i = i0; i < i1; ++i) {
    const double* row = m + i * n;
    // Four sums side by side keep the additions' latency off the critical path.
    Extended s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    std::size_t j = 0;
    for (; j + 4 <= n; j += 4) {
      s0 += static_cast<Extended>(row[j]) * x[j];
      s1 += static_cast<Extended>(row[j + 1]) * x[j + 1];
      s2 += static_cast<Extended>(row[j + 2]) * x[j + 2];
      s3 += static_cast<Extended>(row[j + 3]) * x[j + 3];
    }
    for (; j < n; ++j) s0 += static_cast<Extended>(row[j]) * x[j];
    const Extended product = ((s0 + s1) + (s2 + s3)) * static_cast<Extended>(scale);
    r[i] = static_cast<double>(static_cast<Extended>(b[i]) - product);
  }
}

bool stopped(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

std::size_t at(int row, int column, int n) {
  return static_cast<std::size_t>(column) * static_cast<std::size_t>(n) + static_cast<std::size_t>(row);
}

// The single-precision factors. The matrix stored by rows is Mᵀ stored by columns, as LAPACK reads
// it: LAPACK's right-looking blocked elimination gives Mᵀ = P·L·U, one block of columns at a time
// (sgetrf on the block, its row swaps on the columns beside it, strsm and sgemm for the columns to
// its right), with the countdown after each block. pivots[k] is the 1-based row swapped with row k + 1.
// Converged stands for factored; ZeroPivot at a column without a pivot.
Refinement factorSingle(float* a, int n, int* pivots, const SolveProgress& progress, const std::atomic<bool>* cancel) {
  const int step = 1;
  for (int kb = 0; kb < n; kb += kSingleBlockWidth) {
    if (stopped(cancel)) return Refinement::Cancelled;
    const int width = std::min(kSingleBlockWidth, n - kb);
    const int height = n - kb;
    float* block = a + at(kb, kb, n);
    int info = 0;
    sgetrf_(&height, &width, block, &n, pivots + kb, &info);
    if (info != 0) return Refinement::ZeroPivot;  // (the arguments are valid)
    for (int k = kb; k < kb + width; ++k) pivots[k] += kb;
    const int first = kb + 1;
    const int last = kb + width;
    if (kb > 0) slaswp_(&kb, a, &n, &first, &last, pivots, &step);
    const int right = n - kb - width;
    if (right > 0) {
      float* top = a + at(kb, kb + width, n);
      slaswp_(&right, a + at(0, kb + width, n), &n, &first, &last, pivots, &step);
      cblas_strsm(CblasColMajor, CblasLeft, CblasLower, CblasNoTrans, CblasUnit, width, right, 1.0F, block, n, top, n);
      cblas_sgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, height - width, right, width, -1.0F, block + width, n, top,
                  n, 1.0F, top + width, n);
    }
    if (progress) progress(n - kb - width);
  }
  return Refinement::Converged;
}

// x ← M⁻¹ · v / scale with the single-precision factors of Mᵀ: Uᵀ·Lᵀ·Pᵀ·x = v / scale.
void solveFactored(const float* factors, const std::vector<int>& pivots, double scale, std::span<const double> v,
                   std::vector<float>& work, std::span<double> x, int n) {
  const auto size = static_cast<std::size_t>(n);
  for (std::size_t k = 0; k < size; ++k) work[k] = static_cast<float>(v[k] / scale);
  cblas_strsv(CblasColMajor, CblasUpper, CblasTrans, CblasNonUnit, n, factors, n, work.data(), 1);
  cblas_strsv(CblasColMajor, CblasLower, CblasTrans, CblasUnit, n, factors, n, work.data(), 1);
  for (std::size_t k = size; k-- > 0;) std::swap(work[k], work[static_cast<std::size_t>(pivots[k] - 1)]);
  for (std::size_t k = 0; k < size; ++k) x[k] = work[k];
}

}  // namespace

void residual(std::span<const double> m, double scale, std::span<const double> b, std::span<const double> x,
              std::span<double> r, int n) {
  const auto size = static_cast<std::size_t>(std::max(n, 0));
  // Rows cost the same: equal contiguous shares, small systems on this thread.
  const auto cores = static_cast<std::size_t>(stageThreads());
  const std::size_t workers = size < 256 ? 1 : cores;
  std::vector<std::thread> threads;
  threads.reserve(workers - 1);
  for (std::size_t t = 1; t < workers; ++t) {
    threads.emplace_back(residualRows, m.data(), scale, b.data(), x.data(), r.data(), size, size * t / workers,
                         size * (t + 1) / workers);
  }
  residualRows(m.data(), scale, b.data(), x.data(), r.data(), size, 0, size / workers);
  for (std::thread& t : threads) t.join();
}

}  // namespace detail

RefinedSolve solveRefined(std::span<const double> m, std::span<float> single, double scale, std::span<const double> b,
                          std::span<double> x, int n, const SolveProgress& progress, const std::atomic<bool>* cancel) {
  const auto size = static_cast<std::size_t>(std::max(n, 0));
  if (n < 0 || m.size() < size * size || single.size() < size * size || b.size() < size || x.size() < size) {
    throw std::invalid_argument("solveRefined: matrix or vectors shorter than the order n");
  }
  RefinedSolve result;
  if (n == 0) {
    result.outcome = Refinement::Converged;
    return result;
  }

  // Under a thread budget OpenBLAS's own threads would take the cores the budget leaves free.
  const SingleThreadedBlas blas(stageThreads() < machineCores());
  std::vector<int> pivots(size);
  result.outcome = detail::factorSingle(single.data(), n, pivots.data(), progress, cancel);
  if (result.outcome != Refinement::Converged) return result;
  result.outcome = Refinement::NotConverging;

  std::vector<float> work(size);
  std::vector<double> r(size);
  std::vector<double> d(size);
  detail::solveFactored(single.data(), pivots, scale, b, work, x, n);

  constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
  constexpr double kSmallest = 1e-4;  // components below this share of the largest count as this share
  double previous = 1.0;
  for (int k = 1; k <= detail::kMaxCorrections; ++k) {
    if (detail::stopped(cancel)) {
      result.outcome = Refinement::Cancelled;
      return result;
    }
    if (k == 1) {
      // The single-precision solution's residual lies far above the rounding of double sums.
      std::copy_n(b.begin(), size, r.begin());
      cblas_dgemv(CblasRowMajor, CblasNoTrans, n, n, -scale, m.data(), n, x.data(), 1, 1.0, r.data(), 1);
    } else {
      detail::residual(m, scale, b, x, r, n);
    }
    detail::solveFactored(single.data(), pivots, scale, r, work, d, n);
    double largest = 0;
    for (std::size_t i = 0; i < size; ++i) largest = std::max(largest, std::fabs(x[i]));
    const double floor = kSmallest * largest;
    double c = 0;
    for (std::size_t i = 0; i < size; ++i) {
      const double share = std::fabs(d[i]) / std::max(std::fabs(x[i]), floor);
      if (!(share <= c)) c = share;  // a NaN is kept
      x[i] += d[i];
    }
    result.corrections = k;
    if (!std::isfinite(c)) return result;
    // ρ = c / previous estimates how the corrections shrink from the second on; the first is
    // measured against the whole solution, which tells nothing about that.
    if (c <= kEpsilon || (k > 1 && c * (c / previous) <= kEpsilon)) {
      result.outcome = Refinement::Converged;
      return result;
    }
    if (k > 1 && c > 0.5 * previous) return result;
    previous = c;
  }
  return result;
}

}  // namespace volantis4
