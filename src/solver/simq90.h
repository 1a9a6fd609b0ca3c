#pragma once
// Gaussian elimination with row pivoting for the small Newton systems of the strip spacing.

#include <span>

namespace volantis4 {

/// SIMQ90: solves A·x = b in place. `a` holds n × n entries by rows and is overwritten; `b` (n
/// entries) becomes x. Column k's pivot is the row at or below k with the largest magnitude, ties
/// to the later row. Returns false (singular) when that magnitude is not above 0 (NaN entries never
/// qualify); a and b are then partly reduced. Requires a.size() ≥ n·n and b.size() ≥ n.
[[nodiscard]] bool SIMQ90(std::span<double> a, std::span<double> b, int n);

}  // namespace volantis4
