#include "solver/trapez_trim.h"

#include <gtest/gtest.h>

#include <vector>

namespace volantis4 {
namespace {

TEST(FCN, ResidualsCompareEachStripWithTheOutermost) {
  // Widths 150, 140 over dy 300, chords 100 → 400: boundary chord 250, mean chords 175 and 325.
  std::vector<double> x{150, 140, 300, 100, 400}, F(2);
  FCN(5, 2, F, x);
  EXPECT_NEAR(F[0], 150.0 / 175 - 140.0 / 325, 1e-15);
  EXPECT_DOUBLE_EQ(F[1], 10);  // 10 mm of the span left unfilled
}

struct TrimCase {
  const char* name;
  TrapeziumShape shape;
  std::vector<double> eta;  // hand-worked: equal ratios make the boundary chords a geometric series
};

TEST(TRAPEZ_TRIM, GivesEqualWidthToChordRatios) {
  const TrimCase cases[] = {// Chords 100, 200, 400, 800 at stations 0, 100, 300, 700: strips widen outward.
                            {"Growing", {700, 100, 800}, {0, 1.0 / 7, 3.0 / 7, 1}},
                            // Chords 800, 400, 200, 100 at stations 0, 400, 600, 700: strips narrow outward.
                            {"Tapering", {700, 800, 100}, {0, 4.0 / 7, 6.0 / 7, 1}},
                            {"Rectangle", {300, 200, 200}, {0, 0.25, 0.5, 0.75, 1}}};
  for (const TrimCase& c : cases) {
    const TrimResult r = TRAPEZ_TRIM(1, 1, c.shape, static_cast<int>(c.eta.size()) - 1, 4);
    EXPECT_TRUE(r.report.messages.empty()) << c.name;
    ASSERT_EQ(r.eta.size(), c.eta.size()) << c.name;
    for (std::size_t i = 0; i < c.eta.size(); ++i) EXPECT_NEAR(r.eta[i], c.eta[i], 1e-9) << c.name << " edge " << i;
  }
}

TEST(TRIM9M, KeepsThePresetWhenNoStepIsNeeded) {
  std::vector<double> x{75, 75, 75, 75, 300, 200, 200};
  const std::vector<bool> free{true, true, true, true, false, false, false};
  EXPECT_EQ(TRIM9M(1, 1, 22, x, free, 20, 4, 7).result, 22);
  EXPECT_EQ(x, (std::vector<double>{75, 75, 75, 75, 300, 200, 200}));
}

TEST(TRIM9M, SingularStepsRepeatEveryPassAndEndWithTheLimitLines) {
  // Zero span: every chord along the trapezium is 0/0, so the Jacobian never has a pivot.
  std::vector<double> x{0, 0, 0, 100, 100};
  const NewtonResult r = TRIM9M(2, 1, 22, x, {true, true, false, false, false}, 20, 2, 5);
  EXPECT_EQ(r.result, -20);
  EXPECT_TRUE(r.report.failed);
  ASSERT_EQ(r.report.messages.size(), 22u);
  EXPECT_EQ(r.report.messages[19].id, MessageId::NewtonSingular);
  EXPECT_EQ(renderMessage(r.report.messages[20], Language::German), "Kann Flügel  2 / Trapez  1 nicht berechnen.");
  EXPECT_EQ(renderMessage(r.report.messages[21], Language::German),
            "Bitte dieses Trapez verändern (Außentiefe größer)!");
}

// A pointed tip (outer chord 0) has no spacing with equal ratios: the outermost strip's mean chord
// would have to vanish, so both starts end with a step still needed.
TEST(TRAPEZ_TRIM, PointedTipTakesASecondStartAndFails) {
  const TrimResult r = TRAPEZ_TRIM(1, 4, {66, 295, 0}, 3, 11);
  EXPECT_TRUE(r.report.failed);
  std::vector<MessageId> ids;
  for (const Message& line : r.report.messages)
    if (line.id != MessageId::NewtonSingular) ids.push_back(line.id);
  EXPECT_EQ(ids, (std::vector<MessageId>{MessageId::NewtonNoConvergence, MessageId::NewtonNoConvergenceAdvice,
                                         MessageId::TrimFirstStartFailed, MessageId::NewtonNoConvergence,
                                         MessageId::NewtonNoConvergenceAdvice, MessageId::TrimTrapeziumErrorShort}));
  EXPECT_EQ(renderMessage(r.report.messages.back(), Language::English), "Error Wing1 Trapezium4");
  EXPECT_EQ(r.eta.size(), 4u);  // fractions from the last widths all the same

  // With two strips there is no second start: the Newton lines close the report.
  EXPECT_EQ(TRAPEZ_TRIM(3, 2, {100, 1000, 0}, 2, 4).report.messages.back().id, MessageId::NewtonNoConvergenceAdvice);
}

}  // namespace
}  // namespace volantis4
