#include "views/three_d_view.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "view_fixtures.h"
#include "views/top_view.h"

namespace volantis4 {
namespace {

using namespace view_fixtures;
using Kind = DrawCall::Kind;
const Rgb kNeedle{200, 200, 200};
const Rgb kMesh{0, 255, 0};

TEST(ViewAngle, FromScrollBars) {
  // (tilt, turn) -> (a, b)
  for (const auto& [tilt, turn, a, b] : {std::array{80, 250, 10, 110}, std::array{0, 250, 90, 110},
                                         std::array{90, 0, 0, 360}, std::array{45, 360, 45, 0}}) {
    EXPECT_DOUBLE_EQ(viewAngles(tilt, turn).a, a) << tilt << " " << turn;
    EXPECT_DOUBLE_EQ(viewAngles(tilt, turn).b, b) << tilt << " " << turn;
  }
}

Projection project(int tilt, int turn, Point3 p) {
  std::vector<Projection> out;
  const std::vector<Point3> points{p};
  Trans(viewingMatrix(tilt, turn), points, out);
  return out[0];
}

TEST(ThreeDProjection, DefaultViewOfAPointAft) {
  // (y 0, x 1000, z 0) at a = 10°, b = 110°: e1 = −1000 sin 110° = −939.693,
  // e2 = 1000 cos 110° cos 10° = −336.824, e3 = 1000 cos 110° sin 10° = −59.391, w = 0.966318.
  const Projection p = project(80, 250, {0, 1000, 0});
  EXPECT_NEAR(p.u, -972.447, 1e-3);
  EXPECT_NEAR(p.v, -61.461, 1e-3);
  EXPECT_EQ(screenPoint(p, 593, 200), (Point{296 + 972, 100 + 61}));
}

TEST(ThreeDProjection, TiltZeroLooksStraightDown) {
  // Every point on the vertical through the origin lands on the centre.
  for (double z : {-500.0, 0.0, 800.0}) {
    const Projection p = project(0, 250, {0, 0, z});
    EXPECT_NEAR(p.u, 0, 1e-9);
    EXPECT_NEAR(p.v, 0, 1e-9);
  }
  // Turn 360 (b = 0): span to the left of the screen, x upwards, unchanged in size at z = 0.
  const Projection p = project(0, 360, {100, 50, 0});
  EXPECT_EQ(screenPoint(p, 593, 200), (Point{196, 50}));
}

TEST(ThreeDProjection, ScreenMappingTruncatesTowardZero) {
  EXPECT_EQ(screenPoint({-0.7, 0.7, false}, 11, 11), (Point{5, 5}));
  EXPECT_EQ(screenPoint({-1.5, 2.5, false}, 11, 11), (Point{6, 3}));
  // Just in front of the eye the offsets pass the int range: the pixel saturates, it does not wrap.
  EXPECT_EQ(screenPoint({-1e12, 1e12, false}, 11, 11), (Point{INT32_MAX, 5 - INT32_MAX}));
}

TEST(ThreeDProjection, PointBehindTheEyeKeepsItsLastProjection) {
  // Tilt 90, turn 360: w = 1 + x / 10000.
  const Matrix4 t = viewingMatrix(90, 360);
  std::vector<Projection> out;
  const auto at = [&](Point3 p) {
    Trans(t, std::vector<Point3>{p}, out);
    return out[0];
  };
  EXPECT_NEAR(at({50, 100, 20}).u, 50 / 1.01, 1e-9);
  const Projection behind = at({50, -10000, 20});  // w = 0
  EXPECT_NEAR(behind.u, 50 / 1.01, 1e-9);
  EXPECT_NEAR(behind.v, 20 / 1.01, 1e-9);
  EXPECT_TRUE(behind.behind);
  const Projection again = at({50, 0, 20});
  EXPECT_NEAR(again.u, 50, 1e-9);
  EXPECT_FALSE(again.behind);
}

TEST(ThreeDScale, ScrollBar4) {
  EXPECT_DOUBLE_EQ(ScrollBar4Scale(75, 0.3), 0.3);
  EXPECT_DOUBLE_EQ(ScrollBar4Scale(97, 0.3), 0.12 * 0.3);
  EXPECT_DOUBLE_EQ(ScrollBar4Scale(10, 0.3), 3.6 * 0.3);
  EXPECT_DOUBLE_EQ(ScrollBar4Scale(100, 0.3), 0.0001);
  EXPECT_DOUBLE_EQ(ScrollBar4Scale(75, 0), 0.0001);
}

struct ThreeDTest : ::testing::Test {
  AircraftGeometry geometry;
  TopViewState view;
  ThreeDState state;
  ThreeDInput input;
  CalculationOutput out;
  RecordingCanvas image3{593, 200};
  RecordingCanvas image2{591, 300};
  ThreeDTest() {
    for (int w = 1; w <= kWingCount; ++w) {
      geometry.wing(w) = rectangle({.halfSpan = 1000, .chord = 500});
      geometry.position(w) = {w * 100, w * 10};
    }
    input.geometry = &geometry;
    view.scale3d = 1;
  }
  std::vector<DrawCall> draw() {
    image3.clearCalls();
    image2.clearCalls();
    d_3d(image3, image2, state, view, input);
    return image3.calls();
  }
};

TEST_F(ThreeDTest, OnlyWingsInUseAreDrawnBothRootChordsIncluded) {
  input.wingsCount = 3;
  const auto calls = draw();
  for (int w = 1; w <= kWingCount; ++w)
    EXPECT_EQ(linesIn(calls, wingColour(w)).size(), w <= 3 ? 8u : 0u) << "wing " << w;
  EXPECT_EQ(linesIn(calls, kBlack).size(), 2u);
  EXPECT_EQ(linesIn(calls, kRed).size(), 5u);
  EXPECT_EQ(callsOf(calls, Kind::FillRect).size(), 1u);
}

TEST_F(ThreeDTest, NoLineWithAnEndBehindTheEye) {
  // Tilt 90, turn 360, s3 = 100: wing 1's leading edge at x = −200 gives w = −1; its trailing
  // edge at x = 300 gives w = 4, so only the trailing edges remain, each 25000 px long.
  geometry.wing(1) = rectangle({.halfSpan = 1000, .chord = 500});
  geometry.position(1) = {-200, 0};
  input.wingsCount = 1;
  state.tilt = 90;
  state.turn = 360;
  view.scale3d = 100;
  const auto calls = draw();
  EXPECT_EQ(linesIn(calls, wingColour(1)),
            (std::vector<Segment>{{{296 - 25000, 100}, {296, 100}}, {{296 + 25000, 100}, {296, 100}}}));
}

TEST_F(ThreeDTest, NeedlesAndMeshWithValidResults) {
  // Wing 1: two strips (0-200, 200-400) of two rows (x 0-400-800); control points x = 300, 700.
  addWing(out, 1, 200, {0, 400, 800}, {1.0, 0.0, 0.5, 0.25});
  Strip second = out.lattice.wing(1).strips[0];
  second.inner.y = 200;
  second.outer.y = 400;
  second.controlY = 300;
  out.lattice.wing(1).strips.push_back(second);
  out.lattice.n_panels = 4;
  input.output = &out;
  input.wingsCount = 1;
  input.pressure = {true, 80};
  input.gridValid = true;
  state.tilt = 90;
  state.turn = 360;

  input.resultsValid = false;
  auto calls = draw();
  EXPECT_TRUE(linesIn(calls, kNeedle).empty());
  EXPECT_TRUE(linesIn(calls, kMesh).empty());
  EXPECT_EQ(callsOf(image2.calls(), Kind::Polygon).size(), 4u);  // the top view's lattice is repainted

  input.resultsValid = true;
  calls = draw();
  const auto needles = linesIn(calls, kNeedle);
  ASSERT_EQ(needles.size(), 4u);
  // First panel: base (100, 300, 0), tip z = 80 · 1.0; w = 1.03 -> u = 97.09, v = 77.67.
  EXPECT_EQ(needles[0], (Segment{{199, 100}, {199, 23}}));
  // Mesh: one row link per strip, then one strip link per row.
  const auto mesh = linesIn(calls, kMesh);
  ASSERT_EQ(mesh.size(), 4u);
  EXPECT_EQ(mesh[0].first, needles[0].second);
  EXPECT_EQ(mesh[0].second, needles[1].second);
  EXPECT_EQ(mesh[2].first, needles[0].second);
  EXPECT_EQ(mesh[2].second, needles[2].second);
}

TEST_F(ThreeDTest, PressureBoxShownWithGridOnly) {
  input.gridValid = true;
  EXPECT_TRUE(d_3d(image3, image2, state, view, input));
  input.gridValid = false;
  EXPECT_FALSE(d_3d(image3, image2, state, view, input));
}

TEST(ThreeDMouse, MoveFromCentre) {
  struct Case {
    Point to;
    bool left, right;
    int tilt, turn, magnification;
    bool changed;
  };
  const Case cases[] = {
      {{102, 98}, true, false, 50, 250, 75, false},   // under 3 px: nothing
      {{100, 70}, true, false, 60, 250, 75, true},    // 30 up tilts by 10
      {{130, 100}, true, false, 50, 260, 75, true},   // 30 right turns by 10
      {{100, 70}, false, true, 50, 250, 85, true},    // right button magnifies
      {{100, -900}, true, false, 90, 250, 75, true},  // clamped
      {{100, -900}, false, true, 50, 250, 97, true},  // magnification's ends
      {{100, 900}, false, true, 50, 250, 10, true},  {{-900, 100}, true, false, 50, 0, 75, true},  // turn's ends
      {{900, 100}, true, false, 50, 360, 75, true},  {{100, 70}, false, false, 50, 250, 75, false}};
  for (const Case& m : cases) {
    SCOPED_TRACE(::testing::Message() << m.to.x << "," << m.to.y << " " << m.left << m.right);
    ThreeDState s;
    s.tilt = 50;
    Image3MouseDown(s, {100, 100});
    EXPECT_EQ(Image3MouseMove(s, m.to, m.left, m.right), m.changed);
    EXPECT_EQ(s.tilt, m.tilt);
    EXPECT_EQ(s.turn, m.turn);
    EXPECT_EQ(s.magnification, m.magnification);
    EXPECT_EQ(s.last, (m.left || m.right ? m.to : Point{100, 100}));
  }
}

TEST(ThreeDMouseState, NothingAfterRelease) {
  ThreeDState s;
  Image3MouseDown(s, {0, 0});
  Image3MouseUp(s, {0, 0});
  EXPECT_FALSE(Image3MouseMove(s, {0, -90}, true, false));
  EXPECT_EQ(s.tilt, 80);
}

}  // namespace
}  // namespace volantis4
