#include "solver/stabil.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

TEST(STABIL, MarginPairFollowsTheSolverWingCount) {
  EXPECT_EQ(marginPair(1).low, 4);
  EXPECT_EQ(marginPair(1).high, 8);
  for (int wings = 2; wings <= 5; ++wings) {
    EXPECT_EQ(marginPair(wings).low, 8);
    EXPECT_EQ(marginPair(wings).high, 16);
  }
}

struct MarginText {
  const char* text;
  double value;
};

class ManualMargin : public ::testing::TestWithParam<MarginText> {};

TEST_P(ManualMargin, ReadsTheLeadingDecimalNumber) { EXPECT_DOUBLE_EQ(readManualMargin(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ManualMargin,
    ::testing::Values(MarginText{"7.5", 7.5}, MarginText{" 7.5", 7.5},  // the slider writes width 4
                      MarginText{"-2", -2}, MarginText{"+3.25", 3.25}, MarginText{"-.5", -0.5}, MarginText{".5", 0.5},
                      MarginText{"12a", 12}, MarginText{"7,5", 7}, MarginText{"1e1", 10}, MarginText{"2.5e", 2.5},
                      MarginText{"", 0}, MarginText{"   ", 0}, MarginText{"abc", 0}, MarginText{"- 5", 0},
                      MarginText{".", 0}, MarginText{"nan", 0}, MarginText{"inf", 0}, MarginText{"1e999", 0}));

TEST(STABIL, CentresOfGravityLieAheadOfTheNeutralPointByTheMargin) {
  // xnp 300, lmue 200: 8 % → 284, 16 % → 268, 7.5 % → 285.
  const StabilityProposal p = STABIL(300, 200, 2, "7.5");
  EXPECT_DOUBLE_EQ(p.x_cg_low, 284);
  EXPECT_DOUBLE_EQ(p.x_cg_high, 268);
  EXPECT_DOUBLE_EQ(p.x_cg_manual, 285);
  EXPECT_DOUBLE_EQ(STABIL(300, 200, 1, "0").x_cg_high, 284);
  EXPECT_DOUBLE_EQ(STABIL(300, 200, 1, "-5").x_cg_manual, 310);  // a negative margin lies behind
}

TEST(STABIL, Label21Caption) {
  const StabilityProposal p = STABIL(300, 200, 2, "7.5");
  EXPECT_EQ(label21Caption(false, 300, p, Language::English), "%");
  EXPECT_EQ(label21Caption(true, 300, p, Language::English), "%  AC-CG= 15.0mm");
  EXPECT_EQ(label21Caption(true, 300, p, Language::German), "%  NP-SP= 15.0mm");
  EXPECT_EQ(label21Caption(true, 300, STABIL(300, 200, 2, "0"), Language::English), "%  AC-CG= 0.0mm");
  EXPECT_EQ(label21Caption(true, 300, STABIL(300, 200, 2, "-5"), Language::English), "%  AC-CG= -10.0mm");
}

TEST(STABIL, LegendOfTheAutomaticChoice) {
  // Default wing 1 as the reference: sb 718170 mm² = 71.8170 dm², lmue 329.75 (half rounds away from 0).
  const StabilityProposal p = STABIL(300, 329.75, 1, "7.5");  // 8 %: 273.62; 4 %: 286.81
  const std::vector<LegendLine> en = legendLines(718170, 329.75, 300, p, false, Language::English);
  ASSERT_EQ(en.size(), 5u);
  EXPECT_EQ(en[0].text, "Reference area (S): 71.82dm^2 ");
  EXPECT_EQ(en[1].text, "Reference length (lm): 329.8mm ");
  EXPECT_EQ(en[2].text, "x_cg (8%): 273.6mm   ");
  EXPECT_EQ(en[3].text, "x_cg (4%): 286.8mm   ");
  EXPECT_EQ(en[4].text, "x_ac: 300.0mm    ");
  EXPECT_EQ(en[0].y, 232);
  EXPECT_EQ(en[1].y, 249);
  EXPECT_EQ(en[2].y, 266);
  EXPECT_EQ(en[3].y, 282);
  EXPECT_EQ(en[4].y, 298);
  EXPECT_EQ(en[1].ink, LegendLine::Ink::Black);
  EXPECT_EQ(en[2].ink, LegendLine::Ink::Blue);
  EXPECT_EQ(en[4].ink, LegendLine::Ink::Red);

  const std::vector<LegendLine> de = legendLines(718170, 329.75, 300, p, false, Language::German);
  EXPECT_EQ(de[0].text, "Bezugsfläche (S): 71.82dm^2 ");
  EXPECT_EQ(de[1].text, "Bezugstiefe (lm): 329.8mm ");
  EXPECT_EQ(de[2].text, "x_SP (8%): 273.6mm   ");
  EXPECT_EQ(de[4].text, "x_NP: 300.0mm    ");
}

TEST(STABIL, LegendOfTheManualChoice) {
  const StabilityProposal p = STABIL(300, 200, 3, " 7.5");
  const std::vector<LegendLine> en = legendLines(40000, 200, 300, p, true, Language::English);
  ASSERT_EQ(en.size(), 4u);
  EXPECT_EQ(en[0].text, "Reference area (S): 4.00dm^2 ");
  EXPECT_EQ(en[2].text, "x_cg (7.5%): 285.0mm     ");
  EXPECT_EQ(en[2].y, 282);
  EXPECT_EQ(legendLines(40000, 200, 300, p, true, Language::German)[2].text, "x_SP (7.5%): 285.0mm     ");
}

}  // namespace
}  // namespace volantis4
