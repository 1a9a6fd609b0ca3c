#include "analysis/stability_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volantis4 {
namespace {

TEST(StabilityTexts, MarginLabelGivesTheDistanceFromTheNeutralPointToTheManualCentre) {
  // xnp 300, lmue 200: manual 7.5 % → 285, 0 % → 300; one wing with −5 % → 310.
  const StabilityProposal p = STABIL(300, 200, 2, "7.5");
  const StabilityProposal one = STABIL(300, 200, 1, "-5");
  EXPECT_EQ(label21Caption(false, 300, p, Language::English), "%");
  EXPECT_EQ(label21Caption(true, 300, p, Language::English), "%  AC-CG= 15.0mm");
  EXPECT_EQ(label21Caption(true, 300, p, Language::German), "%  NP-SP= 15.0mm");
  EXPECT_EQ(label21Caption(true, 300, STABIL(300, 200, 2, "0"), Language::English), "%  AC-CG= 0.0mm");
  EXPECT_EQ(label21Caption(true, 300, one, Language::English), "%  AC-CG= -10.0mm");
}

TEST(StabilityTexts, LegendLinesOfBothChoicesAndLanguages) {
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
