#include "views/top_view.h"

#include <gtest/gtest.h>

#include "model/form.h"
#include "solver/calculation_run.h"
#include "view_fixtures.h"
#include "views/qimage_canvas.h"
#include "views/recording_canvas.h"

namespace volantis4 {
namespace {

using namespace view_fixtures;
using Kind = DrawCall::Kind;

// Wing 1 (half span 1000, chord 500) at x = 100 on a 406 x 252 view: span scale (406 / 2.03) / 1000
// = 0.2, depth scale (252 / 1.26) / 600 = 0.333, so s = 0.2; cx = R(203) = 203, y0 = R(252 / 7) = 36.
struct TopViewTest : ::testing::Test {
  AircraftGeometry geometry = oneWingAt(100);
  TopViewState state;
  TopViewInput input = makeInput();

  TopViewInput makeInput() {
    TopViewInput in;
    in.geometry = &geometry;
    in.wingsCount = 1;
    in.resultsValid = true;
    in.results = {123456, 500, 300};
    // Two wings in the solver: margins 8 and 16 -> x_cg_low 260, x_cg_high 220, manual 7.5 -> 262.5.
    in.proposal = STABIL(300, 500, 2, "7.5");
    return in;
  }
};

TEST_F(TopViewTest, LayoutFitsTheSmallerScale) {
  topViewLayout(state, geometry, 1, 406, 252);
  EXPECT_DOUBLE_EQ(state.baseScale, 0.2);
  EXPECT_DOUBLE_EQ(state.scale, 0.2);
  EXPECT_DOUBLE_EQ(state.scale3d, 0.2);
  EXPECT_EQ(state.cx, 203);
  EXPECT_EQ(state.y0, 36);
}

// The default aircraft on the 591 x 300 view: span scale (591 / 2.03) / 1100 = 0.2647; rear bound
// wing 4's -400 + 1850 = 1450, front bound wing 4's -400, so the depth scale (300 / 1.26) / 1850 =
// 0.128700 binds; y0 = R(300 / 7 + 400 x 0.1287) = R(94.34) = 94.
TEST(TopViewLayout, DefaultAircraftIsBoundByItsDepth) {
  TopViewState s;
  topViewLayout(s, geometryOf(defaultForm()), 5, 591, 300);
  EXPECT_NEAR(s.baseScale, 0.1287001287, 1e-10);
  EXPECT_EQ(s.cx, 296);
  EXPECT_EQ(s.y0, 94);
}

// A front bound of −400 with the span scale binding: y0 = R(500 / 7 + 400·(591 / 2.03) / 1000) = R(187.88).
TEST(TopViewLayout, FrontBoundMovesTheReferenceRowDown) {
  AircraftGeometry g = oneWingAt(-400);
  g.wing(1).chord = {200, 200, 200, 200, 200};
  TopViewState s;
  topViewLayout(s, g, 1, 591, 500);
  EXPECT_NEAR(s.baseScale, 591 / 2.03 / 1000, 1e-12);
  EXPECT_EQ(s.y0, 188);
}

TEST(TopViewLayout, ZeroExtentUsesScaleOne) {
  AircraftGeometry g;  // five wings without span or chord, all at x = 0
  for (int w = 1; w <= kWingCount; ++w) g.wing(w) = rectangle({.halfSpan = 0, .chord = 0});
  TopViewState s;
  topViewLayout(s, g, 5, 591, 300);
  EXPECT_DOUBLE_EQ(s.baseScale, 1.0);
  RecordingCanvas c(591, 300);
  TopViewInput in;
  in.geometry = &g;
  d_1d(c, s, in, true);
  EXPECT_FALSE(c.calls().empty());
}

TEST(TopViewOrder, HigherWingsDrawnLaterEqualHeightsInWingOrder) {
  AircraftGeometry g;
  const int z[5] = {30, 0, 0, -5, 30};
  for (int w = 1; w <= kWingCount; ++w) {
    g.wing(w) = rectangle({.halfSpan = 500, .chord = 100});
    g.position(w).z = z[w - 1];
  }
  TopViewState s;
  TopViewInput in;
  in.geometry = &g;
  RecordingCanvas c(400, 300);
  d_1d(c, s, in, true);
  std::vector<Rgb> order;
  for (const DrawCall& call : c.calls())
    if (call.kind == Kind::Line && call.penColour != kBlack && call.penColour != kRed &&
        (order.empty() || order.back() != call.penColour))
      order.push_back(call.penColour);
  EXPECT_EQ(order, (std::vector<Rgb>{wingColour(4), wingColour(2), wingColour(3), wingColour(1), wingColour(5)}));
}

TEST_F(TopViewTest, AxesArrowAndWingOutline) {
  RecordingCanvas c(406, 252);
  d_1d(c, state, input, true);
  const std::vector<Segment> black{{{406, 36}, {0, 36}},     {{203, 0}, {203, 252}}, {{203, 252}, {205, 242}},
                                   {{203, 252}, {201, 242}}, {{396, 38}, {406, 36}}, {{406, 36}, {396, 34}}};
  EXPECT_EQ(linesIn(c.calls(), kBlack), black);
  const std::vector<Segment> red{{{223, 30}, {223, 3}}, {{223, 3}, {221, 13}}, {{223, 3}, {225, 13}}};
  EXPECT_EQ(linesIn(c.calls(), kRed), red);
  // Root row R(100·0.2 + 36) = 56; tip column 203 ± 200; trailing edge 56 + 100.
  const std::vector<Segment> wing{{{203, 56}, {403, 56}}, {{403, 56}, {403, 156}}, {{403, 156}, {203, 156}},
                                  {{203, 156}, {3, 156}}, {{3, 156}, {3, 56}},     {{3, 56}, {203, 56}}};
  EXPECT_EQ(linesIn(c.calls(), wingColour(1)), wing);
  const auto texts = callsOf(c.calls(), Kind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].points[0], (Point{207, 232}));
  EXPECT_EQ(texts[1].points[0], (Point{386, 20}));
  EXPECT_EQ(texts[2].points[0], (Point{230, 2}));
  EXPECT_EQ(texts[2].text, "flight direction    ");
  EXPECT_EQ(texts[2].font.colour, kRed);
}

// The legend and leader rows stay where they are on a taller view (252 rows in the cases below).
TEST_F(TopViewTest, LegendAndLeaderRowsAreFixed) {
  RecordingCanvas c(406, 600);
  input.gridValid = true;
  d_1d(c, state, input, true);
  drawResultOverlay(c, state, input, true, false);
  std::vector<int> rows;
  std::vector<Rgb> inks;
  for (const DrawCall& t : callsOf(c.calls(), Kind::Text))
    if (t.points[0].x == 9) {
      rows.push_back(t.points[0].y);
      inks.push_back(t.font.colour);
    }
  EXPECT_EQ(rows, (std::vector<int>{232, 249, 266, 282, 298}));
  EXPECT_EQ(inks, (std::vector<Rgb>{kBlack, kBlack, kBlue, kBlue, kRed}));
  c.clearCalls();
  Zeiger(c, state, input);
  const auto blue = linesIn(c.calls(), kBlue);
  ASSERT_EQ(blue.size(), 4u);
  EXPECT_EQ(blue[0], (Segment{{162, 274}, {176, 274}}));
  EXPECT_EQ(blue[2], (Segment{{162, 290}, {176, 290}}));
  EXPECT_EQ(linesIn(c.calls(), kRed).front(), (Segment{{162, 306}, {176, 306}}));
}

TEST_F(TopViewTest, MarksAndPointerAutomatic) {
  RecordingCanvas c(406, 252);
  const std::string caption = drawResultOverlay(c, state, input, true, false);
  EXPECT_EQ(caption, "%  AC-CG= 37.5mm");
  // xnp 300 -> row 96; x_cg_high 220 -> 80; x_cg_low 260 -> 88; column R(406 / 2) = 203.
  EXPECT_EQ(linesIn(c.calls(), kRed, 2), (std::vector<Segment>{{{199, 96}, {207, 96}}}));
  EXPECT_EQ(linesIn(c.calls(), kBlue, 2),
            (std::vector<Segment>{{{200, 88}, {206, 88}}, {{203, 88}, {203, 80}}, {{200, 80}, {206, 80}}}));
  c.clearCalls();
  Zeiger(c, state, input);
  EXPECT_EQ(linesIn(c.calls(), kBlue),
            (std::vector<Segment>{
                {{162, 274}, {176, 274}}, {{176, 274}, {196, 80}}, {{162, 290}, {176, 290}}, {{176, 290}, {196, 88}}}));
  EXPECT_EQ(linesIn(c.calls(), kRed), (std::vector<Segment>{{{162, 306}, {176, 306}}, {{176, 306}, {196, 96}}}));
}

TEST_F(TopViewTest, MarksAndPointerManual) {
  input.manualChoice = true;
  RecordingCanvas c(406, 252);
  drawResultOverlay(c, state, input, true, false);
  // x_cg_manual 262.5 -> R(52.5 + 36) = R(88.5) = 88 (half to even).
  EXPECT_EQ(linesIn(c.calls(), kBlue, 2), (std::vector<Segment>{{{200, 88}, {206, 88}}}));
  std::vector<int> rows;
  for (const DrawCall& t : callsOf(c.calls(), Kind::Text))
    if (t.points[0].x == 9) rows.push_back(t.points[0].y);
  EXPECT_EQ(rows, (std::vector<int>{232, 249, 282, 298}));
  c.clearCalls();
  Zeiger(c, state, input);
  EXPECT_EQ(linesIn(c.calls(), kBlue), (std::vector<Segment>{{{162, 290}, {176, 290}}, {{176, 290}, {196, 88}}}));
}

TEST_F(TopViewTest, ReferenceWingFilledOnlyWithALattice) {
  CalculationOutput out;
  out.vortex.ref_outline.count = 4;
  out.vortex.ref_outline.points[0] = {0, 0};
  out.vortex.ref_outline.points[1] = {0, 1000};
  out.vortex.ref_outline.points[2] = {500, 1000};
  out.vortex.ref_outline.points[3] = {500, 0};
  addWing(out, 1, 1000, {100, 350, 600}, {0.01, 0.02});
  input.output = &out;
  const SystemColours colours;

  struct Case {
    bool gridValid, fromOpen;
    std::size_t polygons;
  };
  for (const Case& k : {Case{true, false, 3}, Case{false, false, 0}, Case{true, true, 0}}) {
    input.gridValid = k.gridValid;
    RecordingCanvas c(406, 252);
    drawResultOverlay(c, state, input, true, k.fromOpen);
    const auto polygons = callsOf(c.calls(), Kind::Polygon);
    ASSERT_EQ(polygons.size(), k.polygons);
    const auto legend = callsOf(c.calls(), Kind::Text);
    EXPECT_EQ(std::count_if(legend.begin(), legend.end(), [](const DrawCall& t) { return t.points[0].x == 9; }), 5);
    if (k.polygons == 0) continue;
    // (R(203 − y·0.2), R(x·0.2 + 36)), filled and outlined in the 3-D light colour.
    EXPECT_EQ(polygons[0].points, (std::vector<Point>{{203, 36}, {3, 36}, {3, 136}, {203, 136}}));
    EXPECT_EQ(polygons[0].brushColour, colours.light3D);
    EXPECT_EQ(polygons[0].penColour, colours.light3D);
    EXPECT_EQ(polygons[1].penColour, wingColour(1));
    EXPECT_EQ(polygons[1].brushColour, colours.infoBackground);
  }
}

TEST_F(TopViewTest, NoResultsNoOverlay) {
  input.resultsValid = false;
  RecordingCanvas c(406, 252);
  EXPECT_EQ(drawResultOverlay(c, state, input, true, false), "%");
  EXPECT_TRUE(c.calls().empty());
}

TEST_F(TopViewTest, DragMagnifiesAndReleaseRestores) {
  RecordingCanvas c(406, 252);
  d_1d(c, state, input, true);
  Image4MouseDown(c, state, input, {50, 100});
  // A move of 2 pixels: trunc(−2 / 3) = 0, nothing changes, but the position is remembered.
  c.clearCalls();
  Image4MouseMove(c, state, input, {50, 102}, true);
  EXPECT_EQ(state.zoom, 100);
  EXPECT_TRUE(c.calls().empty());
  Image4MouseMove(c, state, input, {50, 104}, true);  // 2 more from the remembered 102
  EXPECT_EQ(state.zoom, 100);
  // 30 pixels down: zoom 90, scale 1.4 × base, pointer drawn.
  Image4MouseMove(c, state, input, {50, 134}, true);
  EXPECT_EQ(state.zoom, 90);
  EXPECT_DOUBLE_EQ(state.scale, 1.4 * 0.2);
  EXPECT_FALSE(linesIn(c.calls(), kBlue, 1).empty());
  // Without the left button nothing happens.
  Image4MouseMove(c, state, input, {50, 400}, false);
  EXPECT_EQ(state.zoom, 90);
  // Far down clamps at 10.
  Image4MouseMove(c, state, input, {50, 1000}, true);
  EXPECT_EQ(state.zoom, 10);
  Image4MouseUp(c, state, input, {50, 1000});
  EXPECT_EQ(state.zoom, 100);
  EXPECT_DOUBLE_EQ(state.scale, 0.2);
  EXPECT_TRUE(state.dragInactive);
  // Moves after the release do nothing.
  Image4MouseMove(c, state, input, {50, 1100}, true);
  EXPECT_EQ(state.zoom, 100);
}

TEST(TopViewMargin, SliderText) {
  EXPECT_EQ(ScrollBar5Text(0), "30.0");
  EXPECT_EQ(ScrollBar5Text(45), " 7.5");  // odd positions give the half
}

}  // namespace
}  // namespace volantis4
