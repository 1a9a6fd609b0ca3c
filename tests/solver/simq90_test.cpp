#include "solver/simq90.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace volantis4 {
namespace {

TEST(SIMQ90, EqualMagnitudesPivotOnTheLaterRow) {
  // |2| = |−2| in column 1: row 2 becomes the pivot row, so row 1 ends as row 2 scaled by −1/2.
  std::vector<double> a{2, 4, -2, 6}, b{2, 2};
  ASSERT_TRUE(SIMQ90(a, b, 2));
  EXPECT_DOUBLE_EQ(a[1], -3);  // an earlier-row pivot would leave 4 / 2 = 2 here
  EXPECT_NEAR(b[0], 0.2, 1e-15);
  EXPECT_NEAR(b[1], 0.4, 1e-15);
}

TEST(SIMQ90, ReportsSingularSystems) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // Empty first column; dependent rows (second pivot exactly 0); NaN never qualifies as a pivot.
  for (std::vector<double> a : std::vector<std::vector<double>>{{0, 1, 0, 1}, {1, 2, 2, 4}, {nan, 1, 1, 1}}) {
    std::vector<double> b{1, 1};
    EXPECT_FALSE(SIMQ90(a, b, 2));
  }
}

TEST(SIMQ90, LargerSystemSatisfiesItsEquations) {
  const int n = 40;  // a permutation-dominant matrix: every column needs a row exchange
  std::vector<double> a(static_cast<std::size_t>(n) * n), b(n);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) a[r * n + c] = std::sin(1.0 + r * 7 + c * 3) + (r == (c * 7) % n ? 3.0 : 0.0);
    b[r] = std::cos(r * 1.0);
  }
  std::vector<double> lu = a, x = b;
  ASSERT_TRUE(SIMQ90(lu, x, n));
  for (int r = 0; r < n; ++r) {
    double sum = 0;
    for (int c = 0; c < n; ++c) sum += a[r * n + c] * x[c];
    EXPECT_NEAR(sum, b[r], 1e-10) << "row " << r;
  }
}

}  // namespace
}  // namespace volantis4
