#include "solver/trawy2.h"

#include <gtest/gtest.h>

#include "geometry_fixture.h"
#include "solver/grid.h"

namespace volantis4 {
namespace {

using fixture::aircraftOf;
using fixture::rectangle;

TEST(TRAWY2, SweptTaperedStripHasItsCornersVorticesAndControlPoints) {
  // wing_x 100; root chord 200 at y 0, tip chord 100 at y 300 set back 50. One strip, two rows.
  const AircraftGeometry g = aircraftOf({{0, {300}, {50}, {200, 100}, 100, 7}});
  LatticeCounts counts;
  counts.n_chord[0] = 2;
  counts.n_span[0][0] = counts.n_strips[0] = 1;
  counts.n_panels = 2;
  const Trawy2Result r = TRAWY2(g, counts, 1);
  EXPECT_FALSE(r.report.failed);
  ASSERT_EQ(r.lattice.wing(1).strips.size(), 1u);
  const Strip& s = r.lattice.wing(1).strips[0];
  EXPECT_EQ(s.inner.y, 0);
  EXPECT_EQ(s.outer.y, 300);
  EXPECT_EQ(s.inner.cornerX, (std::vector<double>{100, 200, 300}));
  EXPECT_EQ(s.outer.cornerX, (std::vector<double>{150, 200, 250}));
  EXPECT_EQ(s.inner.boundX, (std::vector<double>{125, 225}));      // 100 + 200·(k − 0.75)/2
  EXPECT_EQ(s.outer.boundX, (std::vector<double>{162.5, 212.5}));  // 150 + 100·(k − 0.75)/2
  // Centre line: leading edge 125, trailing edge 275, panels of 75: control points at 3/4 of each.
  EXPECT_EQ(s.centreX, (std::vector<double>{125, 181.25, 256.25, 275}));
  EXPECT_EQ(s.controlY, 150);
  EXPECT_EQ(s.chord, 150);
  EXPECT_EQ(r.lattice.wing(1).z, 7);
}

TEST(TRAWY2, DefaultAircraftLatticeIsCompleteAndContinuous) {
  const AircraftGeometry g = geometryOf(defaultForm());
  const GridResult grid = GRID(g, 5);
  const Trawy2Result r = TRAWY2(g, grid.counts, 5);
  EXPECT_TRUE(r.report.messages.empty());
  EXPECT_EQ(r.lattice.n_panels, 1144);
  const std::array<double, 5> z{-190, 0, 240, -60, -350}, root{0, 0, 0, 0, 300}, tip{1100, 408, 1100, 100, 376};
  for (int w = 1; w <= kWingCount; ++w) {
    const WingLattice& wing = r.lattice.wing(w);
    const auto n = static_cast<std::size_t>(grid.counts.chordRows(w));
    EXPECT_EQ(wing.z, z[w - 1]);
    ASSERT_EQ(wing.strips.size(), static_cast<std::size_t>(grid.counts.strips(w)));
    EXPECT_EQ(wing.strips.front().inner.y, root[w - 1]);
    EXPECT_NEAR(wing.strips.back().outer.y, tip[w - 1], 1e-9);
    for (std::size_t j = 0; j < wing.strips.size(); ++j) {
      const Strip& s = wing.strips[j];
      EXPECT_GT(s.outer.y, s.inner.y) << "wing " << w << " strip " << j;
      // Within a trapezium the edges are shared; at a section the fractions' sum meets 1 to rounding.
      if (j > 0) {
        EXPECT_NEAR(s.inner.y, wing.strips[j - 1].outer.y, 1e-9);
      }
      EXPECT_EQ(s.inner.cornerX.size(), n + 1);
      EXPECT_EQ(s.outer.boundX.size(), n);
      EXPECT_EQ(s.centreX.size(), n + 2);
    }
  }
}

TEST(TRAWY2, FailedSpacingStillBuildsEveryWing) {
  // Wing 1 (S 60000, the reference) ends in a point: n_chord R(sqrt(800/6)) = 12, 36 strips that
  // cannot get equal ratios. Wing 2 is an ordinary rectangle (S 50000).
  const AircraftGeometry g =
      aircraftOf({{0, {300}, {0}, {200, 0}, 0, 0}, rectangle({.halfSpan = 500, .chord = 50, .z = 100})});
  const GridResult grid = GRID(g, 2);
  ASSERT_EQ(grid.counts.n_span[0][0], 36);
  const Trawy2Result r = TRAWY2(g, grid.counts, 2);
  EXPECT_TRUE(r.report.failed);
  ASSERT_FALSE(r.report.messages.empty());
  EXPECT_EQ(renderMessage(r.report.messages.back(), Language::English), "Error Wing1 Trapezium1");
  EXPECT_EQ(r.lattice.wing(1).strips.size(), 36u);
  EXPECT_EQ(r.lattice.wing(2).strips.size(), static_cast<std::size_t>(grid.counts.strips(2)));
}

TEST(TRAWY2, CountsBeyondCapacityBuildNothing) {
  const AircraftGeometry g = aircraftOf(
      {rectangle({.halfSpan = 500, .chord = 100}), rectangle({.halfSpan = 5000, .chord = 10})});  // wing 2: 500 strips
  const Trawy2Result r = TRAWY2(g, GRID(g, 2).counts, 2);
  EXPECT_TRUE(r.report.failed);
  EXPECT_EQ(r.report.messages.front().id, MessageId::WingTooSlender);
  EXPECT_TRUE(r.lattice.wing(1).strips.empty());
}

}  // namespace
}  // namespace volantis4
