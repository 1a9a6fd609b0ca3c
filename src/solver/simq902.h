#pragma once
// Dense linear solve of the vortex-lattice equations: blocked Gaussian elimination with row pivoting.

#include <atomic>
#include <functional>
#include <span>

namespace volantis4 {

/// The elimination's countdown: called after column k (1-based) of n with n − k.
using SolveProgress = std::function<void(int remaining)>;

/// SIMQ902: solves A·x = b in place. `a` holds n × n entries by rows and is overwritten by its
/// factors; `b` (n entries) becomes x. Column k's pivot is the row at or below k whose entry has
/// the largest magnitude, ties to the later row. Returns false (singular) when that magnitude is
/// not above 0; b is then left as given. Throws std::invalid_argument when a or b is too short.
/// `cancel`, when given, is read before each block of columns and each piece of its update: once
/// set, the elimination stops and false is returned as for a singular system.
[[nodiscard]] bool SIMQ902(std::span<double> a, std::span<double> b, int n, const SolveProgress& progress = {},
                           const std::atomic<bool>* cancel = nullptr);

namespace detail {

/// Panel width of the blocked factorisation.
inline constexpr int kSolveBlockWidth = 96;

/// The factorisation behind SIMQ902: A = P·L·U in place (L unit lower, U upper, by rows), with
/// pivots[k] the row swapped with row k at column k. Returns the first column without a pivot
/// (the factors are then incomplete), n when `cancel` stopped it, or −1.
int factorRows(double* a, int n, int* pivots, const SolveProgress& progress, int blockWidth = kSolveBlockWidth,
               const std::atomic<bool>* cancel = nullptr);

}  // namespace detail
}  // namespace volantis4
