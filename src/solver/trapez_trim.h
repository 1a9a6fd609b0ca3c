#pragma once
// Strip spacing within one trapezium: every strip gets the same ratio of width to mean chord.

#include <span>
#include <vector>

#include "model/run_state.h"

namespace volantis4 {

/// FCN: residuals of the strip widths. x[0 … n−1] are the widths (mm, inner to outer), x[n] = dy,
/// x[n+1] = inner chord, x[n+2] = outer chord, with n = nvar − 3. F[i] (i < neq−1) is strip i's
/// width/mean-chord ratio minus the outermost strip's; F[neq−1] = dy − sum of the first neq widths.
void FCN(int nvar, int neq, std::span<double> F, std::span<const double> x);

/// What TRIM9M leaves: its result and its panel lines (calc_failed via report.failed).
struct NewtonResult {
  int result = 0;  // pass of the last step taken; the preset when none was needed; −itmax when the last pass needed one
  StageReport report;
};

/// TRIM9M: Newton's method on FCN over the entries of x whose `free` flag is set (at most neq),
/// with a forward-difference Jacobian (step 0.001 mm) and SIMQ90; a pass takes no step once the
/// sum of |F| is below 1e-9, but all itmax passes run. Wing and trapezium only name the messages.
NewtonResult TRIM9M(int wing, int trapezium, int preset, std::span<double> x, const std::vector<bool>& free, int itmax,
                    int neq, int nvar);

/// One trapezium's span (mm) and its inner and outer chords (mm).
struct TrapeziumShape {
  double dy = 0;
  double c_in = 0;
  double c_out = 0;
};

/// What TRAPEZ_TRIM leaves: the strip edge fractions and its panel lines.
struct TrimResult {
  std::vector<double> eta;  // eta[0] = 0 … eta[n] ≈ 1: sums of the widths over dy, also after a failure
  StageReport report;
};

/// TRAPEZ_TRIM: the edge fractions of n strips across a trapezium (n ≥ 1), each strip with the same
/// width/mean-chord ratio. A failed first start with n ≥ 3 gets a second start from widths
/// c_in/n_chord, c_out/n_chord at the ends; either way after a failed first start the report fails.
TrimResult TRAPEZ_TRIM(int wing, int trapezium, const TrapeziumShape& shape, int n, int n_chord);

}  // namespace volantis4
