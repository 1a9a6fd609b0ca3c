#include "solver/konflikt2.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry_fixture.h"

namespace volantis4 {
namespace {

using fixture::WingInput;

TEST(UEBERSCHNEID, OpenIntervalsMustShareMoreThanAnEnd) {
  EXPECT_TRUE(UEBERSCHNEID(0, 10, 5, 20));
  EXPECT_TRUE(UEBERSCHNEID(5, 20, 0, 10));
  EXPECT_TRUE(UEBERSCHNEID(0, 10, 2, 3));
  EXPECT_FALSE(UEBERSCHNEID(0, 10, 10, 20));  // touching
  EXPECT_FALSE(UEBERSCHNEID(10, 20, 0, 10));
}

// Rectangles of half span 500 (b = 1000) at height z; 10 strips each give mean widths of 50 mm,
// so the clearance is 0.6 · 50 = 30 mm.
WingInput level(int z, int gap = 0) { return {gap, {500}, {0}, {100, 100}, 0, z}; }

LatticeCounts stripsOf(std::array<int, 5> strips) {
  LatticeCounts c;
  c.n_strips = strips;
  return c;
}

struct Move {
  int wing;
  double zf;
  const char* text;
};

TEST(KONFLIKT2, MovesTheLaterWingOfEachClosePair) {
  struct Case {
    const char* name;
    std::vector<WingInput> wings;
    int wingsInUse;
    std::vector<Move> moves;
  };
  const Case cases[] = {
      {"EqualHeightsGoExactlyOneClearanceBelow", {level(0), level(0)}, 2, {{2, -30, "-30"}}},
      {"SlightlyHigherGoesOneClearanceAbove", {level(0), level(10)}, 2, {{2, 30, "30"}}},
      {"ExactlyOneClearanceApartStays", {level(0), level(-30)}, 2, {}},
      // Wing 2's root at y 500 touches wing 1's tip: the open spans do not intersect.
      {"SpansThatOnlyTouchStay", {level(0), level(0, 500)}, 2, {}},
      // Wing 3 walks down from 0 until more than 30 from wing 1 (0) and from wing 2 (−30).
      {"ThreeWingsAtOneHeight", {level(0), level(0), level(0)}, 3, {{2, -30, "-30"}, {3, -61, "-61"}}},
      // Pair (2,3): wing 3 (35) lies below wing 2 (40), so it walks down, through wing 1's band.
      {"DirectionStaysFixedByThePairsFirstWing", {level(0), level(40), level(35)}, 3, {{3, -31, "-31"}}},
      // Wing 4 just above wing 2 walks up: past 90 to clear wing 2, past 150 to clear wing 3.
      {"WingFourClearsEveryEarlierWing", {level(0), level(60), level(120), level(61)}, 4, {{4, 151, "151"}}},
      {"WingsBeyondTheCountStay", {level(0), level(100), level(0)}, 2, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Konflikt2Result r = KONFLIKT2(fixture::aircraftOf(c.wings), stripsOf({10, 10, 10, 10, 10}), c.wingsInUse);
    EXPECT_DOUBLE_EQ(r.z_clearance, 30);
    EXPECT_EQ(r.wings_moved, !c.moves.empty());
    ASSERT_EQ(r.moves.size(), c.moves.size());
    for (std::size_t i = 0; i < c.moves.size(); ++i) {
      EXPECT_EQ(r.moves[i].wing, c.moves[i].wing);
      EXPECT_DOUBLE_EQ(r.moves[i].zf, c.moves[i].zf);
      EXPECT_EQ(r.moves[i].text, c.moves[i].text);
      EXPECT_DOUBLE_EQ(r.zf[wingIndex(c.moves[i].wing)], c.moves[i].zf);
    }
  }
}

TEST(KONFLIKT2, FractionalClearanceKeepsTheWorkingHeightAndRoundsTheText) {
  // 7 strips: clearance 0.6 · 500/7 = 42.857…; wing 3 must get more than that from 0 and from −42.857….
  const Konflikt2Result r =
      KONFLIKT2(fixture::aircraftOf({level(0), level(0), level(0)}), stripsOf({7, 7, 7, 0, 0}), 3);
  const double clearance = 0.6 * (500.0 / 7);
  ASSERT_EQ(r.moves.size(), 2u);
  EXPECT_EQ(r.moves[0].zf, -clearance);
  EXPECT_EQ(r.moves[0].text, "-43");
  EXPECT_EQ(r.moves[0].wing_z, -43);
  EXPECT_EQ(r.moves[1].zf, -86);
}

TEST(KONFLIKT2, ClearanceComesFromTheWidestMeanStripOfWingsWithStrips) {
  // Default aircraft: 1100/37, 408/14, 1100/37, 100/4 and, widest, wing 5's (376 − 300)/2 = 38.
  const Konflikt2Result r = KONFLIKT2(geometryOf(defaultForm()), stripsOf({37, 14, 37, 4, 2}), 5);
  EXPECT_DOUBLE_EQ(r.z_clearance, 0.6 * 38);
  EXPECT_FALSE(r.wings_moved);
  // A wing without strips is left out instead of dividing by zero.
  EXPECT_EQ(KONFLIKT2(fixture::aircraftOf({level(0), level(0)}), stripsOf({0, 0, 0, 0, 0}), 2).z_clearance, 0);
}

// The resolution taken literally: one millimetre per step.
std::array<double, 5> steppedReference(std::array<double, 5> zf, const std::array<std::array<double, 2>, 5>& span,
                                       double clearance, int wings) {
  auto meet = [&](int c, int w) { return UEBERSCHNEID(span[c][0], span[c][1], span[w][0], span[w][1]); };
  const int pairs[10][2] = {{0, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}, {2, 3}, {0, 4}, {1, 4}, {2, 4}, {3, 4}};
  for (const auto& [a, b] : pairs) {
    if (b >= wings || !(std::fabs(zf[a] - zf[b]) < clearance) || !meet(a, b)) continue;
    if (b == 1) {
      zf[1] = zf[0] >= zf[1] ? zf[0] - clearance : zf[0] + clearance;
      continue;
    }
    const double step = zf[a] >= zf[b] ? -1 : 1;
    for (bool clear = false; !clear;) {
      zf[b] += step;
      clear = true;
      for (int c = 0; c < b; ++c) clear = clear && (std::fabs(zf[c] - zf[b]) > clearance || !meet(c, b));
    }
  }
  return zf;
}

TEST(KONFLIKT2, JumpsLandWhereSingleStepsDo) {
  std::mt19937 random(1234);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  int moved = 0;
  for (int trial = 0; trial < 300; ++trial) {
    std::vector<WingInput> wings;
    LatticeCounts counts;
    std::array<double, 5> z0{};
    std::array<std::array<double, 2>, 5> span{};
    for (std::size_t w = 0; w < 5; ++w) {
      const int gap = pick(0, 3) == 0 ? pick(0, 400) : 0;
      const int width = pick(50, 500);
      z0[w] = pick(-80, 80);
      wings.push_back({gap, {width}, {0}, {100, 100}, 0, static_cast<int>(z0[w])});
      span[w] = {static_cast<double>(gap), static_cast<double>(gap + width)};
      counts.n_strips[w] = pick(3, 40);
    }
    const int inUse = pick(2, 5);
    const Konflikt2Result r = KONFLIKT2(fixture::aircraftOf(wings), counts, inUse);
    EXPECT_EQ(r.zf, steppedReference(z0, span, r.z_clearance, inUse)) << "trial " << trial;
    moved += r.wings_moved ? 1 : 0;
  }
  EXPECT_GT(moved, 100);

  // One strip over 99999999 mm: clearance 59999999.4, so wing 3 must get below −2 · clearance.
  const WingInput giant{0, {99'999'999}, {0}, {100, 100}, 0, 0};
  const Konflikt2Result r = KONFLIKT2(fixture::aircraftOf({giant, giant, giant}), stripsOf({1, 1, 1, 0, 0}), 3);
  ASSERT_EQ(r.moves.size(), 2u);
  EXPECT_EQ(r.moves[1].text, "-119999999");
}

}  // namespace
}  // namespace volantis4
