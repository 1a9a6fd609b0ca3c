#include "analysis/balance.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

// Hand numbers: R = 100, xnp = 300, lmue = 200, target at 250 (aircraft x).
constexpr double kR = 100, kXnp = 300, kLmue = 200, kTarget = 250;
constexpr auto none = std::nullopt;

struct BalanceCase {
  const char* name;
  std::vector<Support> readings;
  std::optional<double> ballastAt;
  std::optional<double> moveMass;
  double x_cg, margin, shift;
  std::optional<double> ballast;
  bool unreachable;
  std::optional<double> move;
};

TEST(Balance, FollowsTheWeighingRules) {
  const BalanceCase cases[] = {
      // 600 g at 50 mm and 400 g at 250 mm: 130 mm from R, x_cg 230; margin 100·70/200 = 35 %.
      // Ballast at 400 mm from R (x 500): 1000·(230 − 250)/(250 − 500) = 80 g; 200 g moved 1000·20/200 = 100 mm.
      {"TwoSupportsNoseHeavyTargetBehind", {{50, 600}, {250, 400}}, 400.0, 200.0, 230, 35, 20, 80.0, false, 100.0},
      // The same centre of gravity measured directly; ballast ahead of it pulls the wrong way:
      // 1000·(−20)/(250 − 50) = −100 g, so no ballast is given.
      {"MeasuredCgBallastAheadIsUnreachable", {{130, 1000}}, -50.0, none, 230, 35, 20, none, true, none},
      // Three supports: 200 g at 0, 300 g at 100, 500 g at 300: (0 + 30000 + 150000)/1000 = 180 from R, x 280.
      // margin 100·20/200 = 10 %; shift −30; ballast at 0 from R (x 100): 1000·30/150 = 200 g.
      {"TailHeavyOnThree", {{0, 200}, {100, 300}, {300, 500}}, 0.0, 50.0, 280, 10, -30, 200.0, false, -600.0},
      // Ballast exactly at the target cannot move the centre of gravity there.
      {"BallastAtTheTarget", {{130, 1000}}, 150.0, none, 230, 35, 20, none, true, none}};
  for (const BalanceCase& c : cases) {
    SCOPED_TRACE(c.name);
    BalanceInputs in;
    in.readings = c.readings;
    in.ballastAt = c.ballastAt;
    in.moveMass = c.moveMass;
    const std::optional<BalanceFigures> f = balanceOf(in, kR, kXnp, kLmue, kTarget);
    ASSERT_TRUE(f);
    EXPECT_DOUBLE_EQ(f->x_cg, c.x_cg);
    EXPECT_DOUBLE_EQ(f->fromRootLe, c.x_cg - kR);
    EXPECT_DOUBLE_EQ(f->staticMargin, c.margin);
    EXPECT_DOUBLE_EQ(f->targetX, kTarget);
    EXPECT_DOUBLE_EQ(f->shiftMm, c.shift);
    EXPECT_EQ(f->ballastG, c.ballast);
    EXPECT_EQ(f->ballastUnreachable, c.unreachable);
    EXPECT_EQ(f->moveMm, c.move);
  }
}

TEST(Balance, NoMassGivesNoFigures) {
  BalanceInputs in;
  EXPECT_FALSE(balanceOf(in, kR, kXnp, kLmue, kTarget));
  in.readings = {{10, 0}, {20, 0}};
  EXPECT_FALSE(balanceOf(in, kR, kXnp, kLmue, kTarget));
}

}  // namespace
}  // namespace volantis4
