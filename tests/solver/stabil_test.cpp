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

  EXPECT_EQ(label21Caption(false, 300, p, Language::English), "%");
  EXPECT_EQ(label21Caption(true, 300, p, Language::English), "%  AC-CG= 15.0mm");
  EXPECT_EQ(label21Caption(true, 300, p, Language::German), "%  NP-SP= 15.0mm");
  EXPECT_EQ(label21Caption(true, 300, STABIL(300, 200, 2, "0"), Language::English), "%  AC-CG= 0.0mm");
  EXPECT_EQ(label21Caption(true, 300, one, Language::English), "%  AC-CG= -10.0mm");
}

TEST(STABIL, LegendLinesOfBothChoicesAndLanguages) {
  // sb 718170 mm² = 71.8170 dm²; lmue 329.75 (the half rounds away from zero); one wing:
  // 8 % → 300 − 26.38 = 273.62, 4 % → 286.81.
  const StabilityProposal p = STABIL(300, 329.75, 1, "7.5");
  const std::vector<LegendLine> en = legendLines(718170, 329.75, 300, p, false, Language::English);
  std::vector<std::string> texts;
  std::vector<int> rows;
  for (const LegendLine& l : en) {
    texts.push_back(l.text);
    rows.push_back(l.y);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Reference area (S): 71.82dm^2 ", "Reference length (lm): 329.8mm ",
                                             "x_cg (8%): 273.6mm   ", "x_cg (4%): 286.8mm   ", "x_ac: 300.0mm    "}));
  EXPECT_EQ(rows, (std::vector<int>{232, 249, 266, 282, 298}));
  EXPECT_EQ(en[2].ink, LegendLine::Ink::Blue);
  EXPECT_EQ(en[4].ink, LegendLine::Ink::Red);

  const std::vector<LegendLine> de = legendLines(718170, 329.75, 300, p, true, Language::German);
  ASSERT_EQ(de.size(), 4u);
  EXPECT_EQ(de[0].text, "Bezugsfläche (S): 71.82dm^2 ");
  EXPECT_EQ(de[1].text, "Bezugstiefe (lm): 329.8mm ");
  EXPECT_EQ(de[2].text, "x_SP (7.5%): 275.3mm     ");  // 300 − 24.73125
  EXPECT_EQ(de[2].y, 282);
  EXPECT_EQ(de[3].text, "x_NP: 300.0mm    ");
}

}  // namespace
}  // namespace volantis4
