// The fuselage in the drawings: its outline in the top view and the fuselage page's sketch.
#include "views/fuselage_sketch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "view_fixtures.h"
#include "views/recording_canvas.h"
#include "views/top_view.h"

namespace volantis4 {
namespace {

using Kind = DrawCall::Kind;

const FuselageInput kBody{{{-40, 20}, {60, 10}}, 0};

TEST(FuselageOutline, RightSideNoseToTailThenLeftSideBackClosed) {
  // Scale 0.5, centre column 100, x = 0 on row 20: the nose at row 0, the tail at row 50; half
  // widths 5 and 2.5 px (2.5 rounds to the even 2).
  TopViewState s;
  s.scale = 0.5;
  s.cx = 100;
  s.y0 = 20;
  EXPECT_EQ(fuselageOutline(kBody, s), (std::vector<Point>{{105, 0}, {102, 50}, {98, 50}, {95, 0}, {105, 0}}));
}

TEST(FuselageOutline, TheTopViewFitsTheNoseInAndDrawsItGreyUnderTheWings) {
  // Wing 1 from 100 to 600 (half span 1000) on 406 x 252: the nose at −400 sets the front bound,
  // depth 1000 → (252 / 1.26) / 1000 = 0.2 = the span scale; y0 = R(36 + 400 · 0.2) = 116.
  const AircraftGeometry g = view_fixtures::oneWingAt(100);
  const FuselageInput body{{{-400, 0}, {0, 100}, {500, 40}}, 0};
  TopViewState state;
  TopViewInput in;
  in.geometry = &g;
  in.wingsCount = 1;
  in.fuselage = &body;
  RecordingCanvas canvas(406, 252);
  d_1d(canvas, state, in, true);
  EXPECT_EQ(state.y0, 116);
  const auto& calls = canvas.calls();
  const auto grey = std::find_if(calls.begin(), calls.end(), [](const DrawCall& c) {
    return c.kind == Kind::Line && c.penColour == kGrey && c.points.front() == Point{203, 36};
  });
  ASSERT_NE(grey, calls.end());  // the nose, on the centre line 400 · 0.2 above x = 0
  const auto wing = std::find_if(calls.begin(), calls.end(), [](const DrawCall& c) { return c.penColour == kBlue; });
  EXPECT_LT(grey, wing);
}

TEST(FuselageSketch, ScaleFitsStationsAndRootChordsWithAMargin) {
  // Stations from −40 to 60 (20 wide); a wing root from 0 to 30 at a gap of 15: on 200 × 220 the
  // height gives 200 / 100 = 2 px/mm, the half width 90 / 15 = 6: 2 binds.
  AircraftGeometry g = view_fixtures::oneWingAt(0);
  g.wing(1).gap = 15;
  g.wing(1).chord[0] = 30;
  const FuselageSketchScale s = fuselageSketchScale(&kBody, g, 1, 200, 220);
  EXPECT_DOUBLE_EQ(s.scale, 2);
  EXPECT_EQ(s.at(-40, 0), (Point{100, 10}));
  EXPECT_EQ(s.at(60, -10), (Point{80, 210}));
}

}  // namespace
}  // namespace volantis4
