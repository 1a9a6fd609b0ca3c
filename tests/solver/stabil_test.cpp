#include "solver/stabil.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

// " 7.5" is what the slider writes (width 4); from "12,5" on, a comma is a decimal separator too,
// only the first one.
TEST(ManualMargin, ReadsTheLeadingDecimalNumber) {
  const std::pair<const char*, double> cases[] = {
      {" 7.5", 7.5},     {"-2", -2},  {"+3.25", 3.25}, {"-.5", -0.5},  {"12a", 12}, {"1e1", 10},   {"12,5", 12.5},
      {" -0,25", -0.25}, {",5", 0.5}, {"7,5,3", 7.5},  {"1.5,2", 1.5}, {",", 0},    {"1,5e1", 15}, {"2.5e", 2.5},
      {"", 0},           {"abc", 0},  {"- 5", 0},      {".", 0},       {"nan", 0},  {"inf", 0},    {"1e999", 0}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(readManualMargin(text), value) << '"' << text << '"';
}

TEST(ManualMargin, TheWindowTakesMarginsWithinTheLimit) {
  for (const char* taken : {"1000", "-1000", " 7.5", "abc", "1e3"}) EXPECT_TRUE(usableManualMargin(taken)) << taken;
  for (const char* refused : {"1000.5", "-1001", "1e308", "1e4"}) EXPECT_FALSE(usableManualMargin(refused)) << refused;
}

TEST(ManualMargin, CommandLineMarginIsOneWholeNumber) {
  EXPECT_EQ(manualMarginNumber("12,5"), 12.5);
  EXPECT_EQ(manualMarginNumber(" 7.5 "), 7.5);
  EXPECT_EQ(manualMarginNumber("-3"), -3);
  for (const char* refused : {"12a", "", " ", "abc", "7,5,3", "1e999", "nan"})
    EXPECT_EQ(manualMarginNumber(refused), std::nullopt) << refused;
}

TEST(STABIL, CentresOfGravityLieAheadOfTheNeutralPointByTheMargin) {
  // xnp 300, lmue 200; two wings: 8 % → 284, 16 % → 268, manual 7.5 % → 285. One wing: 4 % and 8 %.
  const StabilityProposal p = STABIL(300, 200, 2, "7.5");
  EXPECT_DOUBLE_EQ(p.x_cg_low, 284);
  EXPECT_DOUBLE_EQ(p.x_cg_high, 268);
  EXPECT_DOUBLE_EQ(p.x_cg_manual, 285);
  const StabilityProposal one = STABIL(300, 200, 1, "-5");
  EXPECT_EQ(one.margins.low, 4);
  EXPECT_DOUBLE_EQ(one.x_cg_high, 284);
  EXPECT_DOUBLE_EQ(one.x_cg_manual, 310);  // a negative margin lies behind the neutral point
}

}  // namespace
}  // namespace volantis4
