#include "solver/trapez_trim.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace volantis4 {
namespace {

std::vector<bool> widthsFree(int n) {
  std::vector<bool> free(static_cast<std::size_t>(n + 3), false);
  for (int i = 0; i < n; ++i) free[static_cast<std::size_t>(i)] = true;
  return free;
}

std::vector<std::string> rendered(const StageReport& r) {
  std::vector<std::string> lines;
  for (const Message& m : r.messages) lines.push_back(renderMessage(m, Language::English));
  return lines;
}

TEST(FCN, ResidualsCompareEachStripWithTheOutermost) {
  // Widths 150, 150 over dy 300, chords 100 → 400: boundary chord 250, mean chords 175 and 325.
  std::vector<double> x{150, 150, 300, 100, 400};
  std::vector<double> F(2);
  FCN(5, 2, F, x);
  EXPECT_NEAR(F[0], 150.0 / 175 - 150.0 / 325, 1e-15);  // 36/91
  EXPECT_DOUBLE_EQ(F[1], 0);

  // Widths 100, 200 are the solution: both ratios 2/3; a width sum of 290 leaves 10 unfilled.
  x = {100, 200, 300, 100, 400};
  FCN(5, 2, F, x);
  EXPECT_NEAR(F[0], 0, 1e-15);
  x = {100, 190, 300, 100, 400};
  FCN(5, 2, F, x);
  EXPECT_DOUBLE_EQ(F[1], 10);
}

struct TrimCase {
  const char* name;
  TrapeziumShape shape;
  int n;
  std::vector<double> eta;  // hand-worked: equal ratios make the chords a geometric series
};

class TrapezTrimConverges : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrapezTrimConverges, GivesEqualWidthToChordRatios) {
  const TrimCase& c = GetParam();
  const TrimResult r = TRAPEZ_TRIM(1, 1, c.shape, c.n, 4);
  EXPECT_FALSE(r.report.failed);
  EXPECT_TRUE(r.report.messages.empty());
  ASSERT_EQ(r.eta.size(), c.eta.size());
  for (std::size_t i = 0; i < c.eta.size(); ++i) EXPECT_NEAR(r.eta[i], c.eta[i], 1e-9) << "edge " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Trapezia, TrapezTrimConverges,
    ::testing::Values(
        // Chords 100, 200, 400, 800 at stations 0, 100, 300, 700: strips widen outward.
        TrimCase{"GrowingThreeStrips", {700, 100, 800}, 3, {0, 1.0 / 7, 3.0 / 7, 1}},
        TrimCase{"GrowingTwoStrips", {300, 100, 400}, 2, {0, 1.0 / 3, 1}},
        // Chords 800, 400, 200, 100 at stations 0, 400, 600, 700: strips narrow outward.
        TrimCase{"TaperingThreeStrips", {700, 800, 100}, 3, {0, 4.0 / 7, 6.0 / 7, 1}},
        TrimCase{"OneStrip", {300, 100, 50}, 1, {0, 1}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(TRAPEZ_TRIM, RectangleKeepsEqualWidthsWithoutAStep) {
  for (int n : {2, 3, 4, 7}) {
    const TrimResult r = TRAPEZ_TRIM(1, 1, {300, 200, 200}, n, 5);
    EXPECT_TRUE(r.report.messages.empty());
    ASSERT_EQ(r.eta.size(), static_cast<std::size_t>(n + 1));
    for (int i = 0; i <= n; ++i) EXPECT_DOUBLE_EQ(r.eta[static_cast<std::size_t>(i)], static_cast<double>(i) / n);
  }
}

TEST(TRIM9M, KeepsThePresetWhenNoStepIsNeeded) {
  std::vector<double> x{75, 75, 75, 75, 300, 200, 200};
  EXPECT_EQ(TRIM9M(1, 1, 22, x, widthsFree(4), 20, 4, 7).result, 22);
  EXPECT_EQ(TRIM9M(1, 1, 5, x, widthsFree(4), 20, 4, 7).result, 5);
  EXPECT_EQ(x, (std::vector<double>{75, 75, 75, 75, 300, 200, 200}));
}

TEST(TRIM9M, ResultIsThePassOfTheLastStepAndLeavesTheFixedEntries) {
  // Three strips from chord 100 to 800 over 700 mm: the solution is 100, 200, 400.
  std::vector<double> x{700.0 / 3, 700.0 / 3, 700.0 / 3, 700, 100, 800};
  const NewtonResult r = TRIM9M(1, 1, 22, x, widthsFree(3), 20, 3, 6);
  EXPECT_GE(r.result, 1);
  EXPECT_LT(r.result, 20);
  EXPECT_TRUE(r.report.messages.empty());
  EXPECT_NEAR(x[0], 100, 1e-7);
  EXPECT_NEAR(x[1], 200, 1e-7);
  EXPECT_NEAR(x[2], 400, 1e-7);
  EXPECT_EQ(x[3], 700);
  EXPECT_EQ(x[4], 100);
  EXPECT_EQ(x[5], 800);
}

// A pointed tip (outer chord 0) has no spacing with equal ratios: the outermost strip's mean chord
// would have to vanish. Newton therefore still needs a step in its last pass.
TEST(TRAPEZ_TRIM, TwoStripsToAPointedTipFailWithTheNewtonLinesOnly) {
  const TrimResult r = TRAPEZ_TRIM(3, 2, {100, 1000, 0}, 2, 4);
  EXPECT_TRUE(r.report.failed);
  const std::vector<std::string> lines = rendered(r.report);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "Can not calculate Wing  3 / Trapezium 2.");
  EXPECT_EQ(lines.back(), "Please change this trapezium (more chord length at tip)!");
  for (std::size_t i = 0; i + 2 < lines.size(); ++i) EXPECT_EQ(lines[i], " TRIM9M: Das Gleichungssystem ist nicht loesbar //");
  EXPECT_EQ(r.eta.size(), 3u);  // fractions from the last widths all the same
}

TEST(TRAPEZ_TRIM, ThreeStripsToAPointedTipTakeASecondStartAndFail) {
  const TrimResult r = TRAPEZ_TRIM(1, 4, {66, 295, 0}, 3, 11);
  EXPECT_TRUE(r.report.failed);
  const std::vector<Message>& m = r.report.messages;
  std::vector<MessageId> ids;
  for (const Message& line : m)
    if (line.id != MessageId::NewtonSingular) ids.push_back(line.id);
  // Each start ends with the two Newton lines; the second start is announced and the short error closes.
  EXPECT_EQ(ids, (std::vector<MessageId>{MessageId::NewtonNoConvergence, MessageId::NewtonNoConvergenceAdvice,
                                         MessageId::TrimFirstStartFailed, MessageId::NewtonNoConvergence,
                                         MessageId::NewtonNoConvergenceAdvice, MessageId::TrimTrapeziumErrorShort}));
  EXPECT_EQ(renderMessage(m.back(), Language::English), "Error Wing1 Trapezium4");
  EXPECT_EQ(renderMessage(m.back(), Language::German), "Fehler: Flügel1 Trapez4");
  EXPECT_EQ(r.eta.size(), 4u);
}

TEST(TRIM9M, SingularStepsRepeatEveryPassAndEndWithTheLimitLines) {
  // Zero span: every chord along the trapezium is 0/0, the Jacobian is NaN and never has a pivot.
  std::vector<double> x{0, 0, 0, 100, 100};
  const NewtonResult r = TRIM9M(2, 1, 22, x, widthsFree(2), 20, 2, 5);
  EXPECT_EQ(r.result, -20);
  EXPECT_TRUE(r.report.failed);
  ASSERT_EQ(r.report.messages.size(), 22u);
  for (std::size_t i = 0; i < 20; ++i) EXPECT_EQ(r.report.messages[i].id, MessageId::NewtonSingular);
  EXPECT_EQ(renderMessage(r.report.messages[20], Language::German), "Kann Flügel  2 / Trapez  1 nicht berechnen.");
  EXPECT_EQ(renderMessage(r.report.messages[21], Language::German), "Bitte dieses Trapez verändern (Außentiefe größer)!");
}

}  // namespace
}  // namespace volantis4
