#include "solver/refined_solve.h"

#include <cblas.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <barrier>
#include <cmath>
#include <cstddef>
#include <exception>
#include <limits>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "solver/stage_threads.h"

// The compensated residual's kernel needs AVX2 and FMA, chosen at run time; x86-64 with GCC or Clang.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VOLANTIS4_COMPENSATED_RESIDUAL 1
#include <immintrin.h>
#endif

// LAPACK, shipped with OpenBLAS.
extern "C" {
void sgetrf_(const int* m, const int* n, float* a, const int* lda, int* ipiv, int* info);
void slaswp_(const int* n, float* a, const int* lda, const int* k1, const int* k2, const int* ipiv, const int* incx);
}

namespace volantis4 {
namespace detail {
namespace {

// The extended sums of the residual: the x87 format where long double is it (or is plain double),
// double where long double is a slow software format.
using Extended = std::conditional_t<std::numeric_limits<long double>::digits <= 64, long double, double>;

void extendedRows(const double* m, double scale, const double* b, const double* x, double* r, std::size_t n,
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

#ifdef VOLANTIS4_COMPENSATED_RESIDUAL
// s + e = a + b exactly (Knuth's TwoSum).
inline void twoSum(double a, double b, double& s, double& e) {
  s = a + b;
  const double z = s - a;
  e = (a - (s - z)) + (b - z);
}

// One step of Dot2 on four lanes: p + s += a·x, p the running sum, s its rounding errors and those
// of the products (a·x − h exactly by one FMA).
__attribute__((target("avx2,fma"))) inline void dot2Step(__m256d& p, __m256d& s, __m256d a, __m256d x) {
  const __m256d h = _mm256_mul_pd(a, x);
  const __m256d productError = _mm256_fmsub_pd(a, x, h);
  const __m256d t = _mm256_add_pd(p, h);
  const __m256d z = _mm256_sub_pd(t, p);
  const __m256d sumError = _mm256_add_pd(_mm256_sub_pd(p, _mm256_sub_pd(t, z)), _mm256_sub_pd(h, z));
  p = t;
  s = _mm256_add_pd(s, _mm256_add_pd(sumError, productError));
}

// Dot2 row by row, eight lanes in two independent sums; the lanes and the scale joined the same way.
__attribute__((target("avx2,fma"))) void compensatedRows(const double* m, double scale, const double* b,
                                                         const double* x, double* r, std::size_t n, std::size_t i0,
                                                         std::size_t i1) {
  for (std::size_t i = i0; i < i1; ++i) {
    const double* row = m + i * n;
    __m256d p0 = _mm256_setzero_pd(), p1 = _mm256_setzero_pd();
    __m256d s0 = _mm256_setzero_pd(), s1 = _mm256_setzero_pd();
    std::size_t j = 0;
    for (; j + 8 <= n; j += 8) {
      dot2Step(p0, s0, _mm256_loadu_pd(row + j), _mm256_loadu_pd(x + j));
      dot2Step(p1, s1, _mm256_loadu_pd(row + j + 4), _mm256_loadu_pd(x + j + 4));
    }
    alignas(32) double lanes[8];
    alignas(32) double errors[8];
    _mm256_store_pd(lanes, p0);
    _mm256_store_pd(lanes + 4, p1);
    _mm256_store_pd(errors, s0);
    _mm256_store_pd(errors + 4, s1);
    double p = 0;
    double s = 0;
    for (int k = 0; k < 8; ++k) {
      double t = 0, e = 0;
      twoSum(p, lanes[k], t, e);
      p = t;
      s += e + errors[k];
    }
    for (; j < n; ++j) {
      const double h = row[j] * x[j];
      const double productError = std::fma(row[j], x[j], -h);
      double t = 0, e = 0;
      twoSum(p, h, t, e);
      p = t;
      s += e + productError;
    }
    // b − scale·(p + s): the product split exactly as above.
    const double h = scale * p;
    const double productError = std::fma(scale, p, -h);
    double u = 0, e = 0;
    twoSum(b[i], -h, u, e);
    r[i] = u + (e - (productError + scale * s));
  }
}
#endif

bool stopped(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

// Mᵀ stored by columns (M stored by rows, as LAPACK reads it), with its pivots (1-based rows).
struct Columns {
  float* a;
  int n;
  int* pivots;

  float* at(int row, int column) const {
    return a + static_cast<std::size_t>(column) * static_cast<std::size_t>(n) + static_cast<std::size_t>(row);
  }

  // The row swaps of the block at columns [kb, kb + width), in order, on columns [c0, c1).
  void swap(int kb, int width, int c0, int c1) const {
    const int columns = c1 - c0;
    const int first = kb + 1;
    const int last = kb + width;
    const int step = 1;
    if (columns > 0) slaswp_(&columns, at(0, c0), &n, &first, &last, pivots, &step);
  }

  // Columns [c0, c1) brought up to date with the factored block [kb, kb + width): its swaps, the
  // rows of U beside it, and the elimination below. The rows of U are the block's L⁻¹ (`inverse`,
  // width × width by columns) times the rows beside it: a product runs at twice the speed of the
  // triangular solve, and the refinement makes up for the rounding of the inverse.
  void update(int kb, int width, const float* inverse, int c0, int c1) const {
    swap(kb, width, c0, c1);
    const int columns = c1 - c0;
    thread_local std::vector<float> beside;
    beside.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) {
      std::copy_n(at(kb, c0 + c), width, beside.data() + static_cast<std::size_t>(c) * static_cast<std::size_t>(width));
    }
    cblas_sgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, width, columns, width, 1.0F, inverse, width, beside.data(),
                width, 0.0F, at(kb, c0), n);
    if (kb + width < n) {
      cblas_sgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, n - kb - width, c1 - c0, width, -1.0F, at(kb + width, kb),
                  n, at(kb, c0), n, 1.0F, at(kb + width, c0), n);
    }
  }

  // LAPACK's sgetrf on the block at columns [kb, kb + width), up to date with every block before
  // it. False at a column without a pivot (the arguments are valid, so info > 0).
  bool factor(int kb, int width) const {
    const int height = n - kb;
    int info = 0;
    sgetrf_(&height, &width, at(kb, kb), &n, pivots + kb, &info);
    for (int k = kb; k < kb + width; ++k) pivots[k] += kb;
    return info == 0;
  }

  // The inverse of the factored block's unit lower triangle, width × width by columns.
  void invert(int kb, int width, std::vector<float>& inverse) const {
    const auto w = static_cast<std::size_t>(width);
    inverse.assign(w * w, 0.0F);
    for (std::size_t k = 0; k < w; ++k) inverse[k * w + k] = 1.0F;
    cblas_strsm(CblasColMajor, CblasLeft, CblasLower, CblasNoTrans, CblasUnit, width, width, 1.0F, at(kb, kb), n,
                inverse.data(), width);
  }
};

// A column range of one step's shared work.
struct Piece {
  int c0, c1;
};

// Columns per piece of a step's shared work.
constexpr int kPieceWidth = 512;

// Helper threads that share each step's pieces with the calling thread; the calling thread first
// does its own part of the step (the next block, which also drives the countdown).
class Team {
 public:
  explicit Team(int helpers) : sync_(helpers + 1) {
    for (int t = 0; t < helpers; ++t) {
      try {
        threads_.emplace_back([this] { serve(); });
      } catch (const std::system_error&) {
        // Fewer threads than planned: their places in the barrier are given up, the rest carry on.
        for (int missing = t; missing < helpers; ++missing) sync_.arrive_and_drop();
        break;
      }
    }
  }
  ~Team() {
    quit_ = true;
    sync_.arrive_and_wait();
    for (std::thread& t : threads_) t.join();
  }
  Team(const Team&) = delete;
  Team& operator=(const Team&) = delete;

  template <typename OwnPart>
  void run(const Columns& m, int kb, int width, const float* inverse, const std::vector<Piece>& pieces,
           OwnPart&& ownPart) {
    m_ = &m;
    kb_ = kb;
    width_ = width;
    inverse_ = inverse;
    pieces_ = &pieces;
    next_ = 0;
    sync_.arrive_and_wait();
    std::exception_ptr failure;
    try {
      ownPart();
    } catch (...) {
      failure = std::current_exception();
    }
    takePieces();
    sync_.arrive_and_wait();
    if (failure) std::rethrow_exception(failure);
  }

 private:
  void serve() {
    for (;;) {
      sync_.arrive_and_wait();
      if (quit_) return;
      takePieces();
      sync_.arrive_and_wait();
    }
  }

  void takePieces() {
    for (std::size_t i = next_++; i < pieces_->size(); i = next_++) {
      const Piece& piece = (*pieces_)[i];
      m_->update(kb_, width_, inverse_, piece.c0, piece.c1);
    }
  }

  std::barrier<> sync_;
  std::vector<std::thread> threads_;
  bool quit_ = false;
  const Columns* m_ = nullptr;
  int kb_ = 0, width_ = 0;
  const float* inverse_ = nullptr;
  const std::vector<Piece>* pieces_ = nullptr;
  std::atomic<std::size_t> next_{0};
};

void cut(std::vector<Piece>& pieces, int c0, int c1) {
  for (int c = c0; c < c1; c += kPieceWidth) pieces.push_back({c, std::min(c + kPieceWidth, c1)});
}

// The single-precision factors of Mᵀ: LAPACK's right-looking blocked elimination, one block of
// columns at a time (sgetrf on the block, then its row swaps, the rows of U and the elimination on
// the columns to its right; the swaps are left out on the columns to its left, which
// solveFactored allows for), with a look-ahead of one block: while the calling thread
// updates and factors block b + 1 (and counts down), the team brings the columns beyond it up to
// date with block b. OpenBLAS runs on one thread meanwhile. Converged stands for factored.
Refinement factorSingle(float* a, int n, int* pivots, const SolveProgress& progress, const std::atomic<bool>* cancel) {
  const int nb = std::min(kSingleBlockWidth, n);
  const Columns m{a, n, pivots};
  const int cores = stageThreads();
  const int helpers = n > nb ? cores - 1 : 0;
  // Under a thread budget OpenBLAS's own threads would take the cores the budget leaves free.
  const SingleThreadedBlas blas(helpers > 0 || cores < machineCores());
  Team team(helpers);

  if (!m.factor(0, nb)) return Refinement::ZeroPivot;
  std::array<std::vector<float>, 2> inverses;  // of this step's block and of the next
  m.invert(0, nb, inverses[0]);
  if (progress) progress(n - nb);
  bool factored = true;
  std::vector<Piece> pieces;
  for (int kb = 0, step = 0; kb < n; kb += nb, ++step) {
    if (stopped(cancel)) return Refinement::Cancelled;
    const int width = std::min(nb, n - kb);
    const int next = kb + width;
    const int nextWidth = std::min(nb, n - next);
    const float* inverse = inverses[static_cast<std::size_t>(step % 2)].data();
    std::vector<float>& nextInverse = inverses[static_cast<std::size_t>((step + 1) % 2)];
    pieces.clear();
    cut(pieces, next + nextWidth, n);
    team.run(m, kb, width, inverse, pieces, [&] {
      if (nextWidth <= 0) return;
      m.update(kb, width, inverse, next, next + nextWidth);
      factored = m.factor(next, nextWidth);
      if (!factored) return;
      m.invert(next, nextWidth, nextInverse);
      if (progress) progress(n - next - nextWidth);
    });
    if (!factored) return Refinement::ZeroPivot;
  }
  return Refinement::Converged;
}

// x ← M⁻¹ · v / scale with the single-precision factors. The blocks' row swaps are not applied to
// the columns left of each block, so the factors stand for Mᵀ = P₀·L₀·P₁·L₁ ⋯ U, Lb the unit lower
// columns of block b as stored and Pb its swaps: M·x = v / scale is Uᵀ·(⋯ L₁ᵀ·P₁ᵀ·L₀ᵀ·P₀ᵀ)·x, solved
// by Uᵀ, then block by block from the last, Lbᵀ and Pb.
void solveFactored(const Columns& f, int blockWidth, double scale, std::span<const double> v, std::vector<float>& work,
                   std::span<double> x) {
  const int n = f.n;
  const auto size = static_cast<std::size_t>(n);
  float* y = work.data();
  for (std::size_t k = 0; k < size; ++k) y[k] = static_cast<float>(v[k] / scale);
  cblas_strsv(CblasColMajor, CblasUpper, CblasTrans, CblasNonUnit, n, f.a, n, y, 1);
  const int blocks = (n + blockWidth - 1) / blockWidth;
  for (int b = blocks - 1; b >= 0; --b) {
    const int kb = b * blockWidth;
    const int width = std::min(blockWidth, n - kb);
    const int below = n - kb - width;
    if (below > 0) {
      cblas_sgemv(CblasColMajor, CblasTrans, below, width, -1.0F, f.at(kb + width, kb), n, y + kb + width, 1, 1.0F,
                  y + kb, 1);
    }
    cblas_strsv(CblasColMajor, CblasLower, CblasTrans, CblasUnit, width, f.at(kb, kb), n, y + kb, 1);
    for (int k = kb + width - 1; k >= kb; --k) std::swap(y[k], y[f.pivots[k] - 1]);
  }
  for (std::size_t k = 0; k < size; ++k) x[k] = y[k];
}

}  // namespace

ResidualSums residualSums() {
#ifdef VOLANTIS4_COMPENSATED_RESIDUAL
  static const bool fma = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  if (fma) return ResidualSums::Compensated;
#endif
  return ResidualSums::Extended;
}

void residual(std::span<const double> m, double scale, std::span<const double> b, std::span<const double> x,
              std::span<double> r, int n, ResidualSums sums) {
  using Rows =
      void (*)(const double*, double, const double*, const double*, double*, std::size_t, std::size_t, std::size_t);
  Rows residualRows = extendedRows;
#ifdef VOLANTIS4_COMPENSATED_RESIDUAL
  if (sums == ResidualSums::Compensated) residualRows = compensatedRows;
#else
  (void)sums;
#endif
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

  std::vector<int> pivots(size);
  result.outcome = detail::factorSingle(single.data(), n, pivots.data(), progress, cancel);
  if (result.outcome != Refinement::Converged) return result;
  result.outcome = Refinement::NotConverging;
  // Under a thread budget OpenBLAS's own threads would take the cores the budget leaves free.
  const SingleThreadedBlas blas(stageThreads() < machineCores());

  const detail::Columns factors{single.data(), n, pivots.data()};
  const int blockWidth = std::min(detail::kSingleBlockWidth, n);
  std::vector<float> work(size);
  std::vector<double> r(size);
  std::vector<double> d(size);
  detail::solveFactored(factors, blockWidth, scale, b, work, x);

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
    detail::solveFactored(factors, blockWidth, scale, r, work, d);
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
