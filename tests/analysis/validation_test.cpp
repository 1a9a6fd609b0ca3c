// The validation cases against their published lift slopes, with tolerances checked by hand, and
// the lines that compare them.
#include "analysis/validation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace volantis4 {
namespace {

// Warren-12: the lattice lies within 2 % of lifting-surface theory (2.743), above it on a coarse
// lattice. The 45° swept wing within 2 % of the measured 3.25. The rectangle of aspect ratio 6
// 4 to 8 % below Helmbold's 2π·6/(2 + √40) = 4.529, which assumes elliptic loading that a
// rectangle does not have (lifting-surface results for it lie near 4.25). The finer lattice moves
// each by less than 1 %.
TEST(Validation, ComputedLiftSlopesLieWithinTheirKnownDeviation) {
  const std::vector<ValidationResult> results = runValidation();
  ASSERT_EQ(results.size(), 3u);
  EXPECT_DOUBLE_EQ(results[0].published, 2.743);
  EXPECT_DOUBLE_EQ(results[1].published, 3.25);
  EXPECT_NEAR(results[2].published, 4.5287, 1e-4);
  const std::pair<double, double> deviation[] = {{0, 0.02}, {-0.02, 0.02}, {-0.08, -0.04}};  // (low, high)
  for (std::size_t i = 0; i < results.size(); ++i) {
    SCOPED_TRACE(i);
    const ValidationResult& r = results[i];
    ASSERT_GT(r.panels, 0);
    ASSERT_GT(r.panelsFine, r.panels);
    const double d = (r.computed - r.published) / r.published;
    EXPECT_GE(d, deviation[i].first);
    EXPECT_LE(d, deviation[i].second);
    EXPECT_LT(std::fabs(r.computedFine - r.computed), 0.01 * r.computed);
  }
}

TEST(Validation, LinesGiveTheDeviationFromThePublishedFigureInPercent) {
  // 100 · (2.8 − 2.5) / 2.5 = 12.0; 100 · (2.45 − 2.5) / 2.5 = −2.0.
  const ValidationResult r{TextId::ValidateWarren12, TextId::ValidateSourceLiftingSurface, 2.5, 2.8, 400, 2.45, 800};
  const std::vector<std::string> lines = validationLines({r}, Language::English);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[2], "  published: 2.500 /rad (lifting-surface theory)");
  EXPECT_EQ(lines[3], "  computed:  2.800 /rad with 400 panels (12.0 %)");
  EXPECT_EQ(lines[4], "  computed:  2.450 /rad with 800 panels (-2.0 %)");
}

}  // namespace
}  // namespace volantis4
