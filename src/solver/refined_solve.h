#pragma once
// The vortex-lattice equations factored in single precision, whose arithmetic runs twice as fast,
// and the solution refined to double accuracy with the double-precision matrix.

#include <atomic>
#include <span>

#include "solver/simq902.h"

namespace volantis4 {

/// How a refined solve ended.
enum class Refinement {
  Converged,      // x is at double accuracy
  ZeroPivot,      // the single-precision elimination met a column without a pivot
  NotConverging,  // the corrections did not shrink fast enough
  Cancelled,      // the cancel flag was set (it is read between blocks and between corrections)
};

struct RefinedSolve {
  Refinement outcome = Refinement::NotConverging;
  int corrections = 0;  // corrections applied to the single-precision solution
};

namespace detail {

/// Corrections tried before the refinement gives up.
inline constexpr int kMaxCorrections = 10;

/// Columns per block of the single-precision elimination (and per step of its countdown).
inline constexpr int kSingleBlockWidth = 128;

/// How residual() sums each row.
enum class ResidualSums {
  Compensated,  // as if in twice the double precision: every product's and every sum's rounding
                // error carried along (Ogita, Rump and Oishi's Dot2), with AVX2 and FMA
  Extended,     // in the x87 format's 64-bit significand where long double has it, double elsewhere
};

/// Compensated where the processor has AVX2 and FMA, otherwise Extended.
ResidualSums residualSums();

/// r = b − scale·M·x, each row summed (and scaled) as `sums` says and rounded once to double. The
/// rows are shared by the stage's threads.
void residual(std::span<const double> m, double scale, std::span<const double> b, std::span<const double> x,
              std::span<double> r, int n, ResidualSums sums = residualSums());

}  // namespace detail

/// Solves (scale·M)·x = b. `m` holds M (n × n by rows) in double precision, `single` the same entries
/// rounded to single precision; `single` is overwritten by its factors: the blocked elimination
/// with row pivoting of Mᵀ (M's entries read by columns, LAPACK's sgetrf on each block, with a
/// look-ahead of one block on the stage's threads), which counts down n − k after the block that
/// ends at column k. The single-precision solution is then corrected: each correction d solves
/// the factored system for the residual r = b − scale·M·x, and x += d. The first residual, of the
/// single-precision solution, is summed in double precision; the later ones, of a solution already
/// near double accuracy, by residual() with more digits, so that their rounding does not limit the
/// accuracy of x.
///
/// When to stop: c is the largest |d_i| / |x_i|, each correction relative to its own component
/// (components below 1e-4 of the largest measured against 1e-4 × the largest), ρ = c / (c of the
/// correction before). x is final when c ≤ ε or, from the second correction on, c·ρ ≤ ε
/// (ε = 2⁻⁵²): the next correction, about ρ times this one, would no longer change x in double
/// precision. This asks more than LAPACK's dsgesv, whose normwise test ‖r‖ ≤ ‖x‖·‖M‖·ε·√n leaves
/// small components with relative errors of 1e-10 on our matrices. The refinement gives up
/// (NotConverging) when a later correction is more than half the one before, when one is not
/// finite, or after kMaxCorrections; x is then unspecified, as after a cancel. Throws
/// std::invalid_argument when a span is shorter than n asks.
RefinedSolve solveRefined(std::span<const double> m, std::span<float> single, double scale, std::span<const double> b,
                          std::span<double> x, int n, const SolveProgress& progress = {},
                          const std::atomic<bool>* cancel = nullptr);

}  // namespace volantis4
