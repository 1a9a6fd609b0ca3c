#include "views/lattice_display.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "solver/calculation_run.h"
#include "view_fixtures.h"
#include "views/three_d_view.h"
#include "views/top_view.h"

namespace volantis4 {
namespace {

using namespace view_fixtures;
using Kind = DrawCall::Kind;

// (P, k) -> shade. 0.01 at 8: t = 800, n = R(10.38) = 10; 0.0001 at 1: t = 1, n = 1;
// 0.5 at 80: t = 400000, n = R(e^(0.35·12.899)) = R(91.35); ±1e6 saturates; no load, no shade.
TEST(PressureColour, ShadeFromLoad) {
  const std::tuple<double, int, std::optional<Rgb>> cases[] = {
      {0.01, 8, Rgb{255, 245, 245}}, {-0.01, 8, Rgb{245, 245, 255}}, {0.0001, 1, Rgb{255, 254, 254}},
      {0.5, 80, Rgb{255, 164, 164}}, {1e6, 80, Rgb{255, 0, 0}},      {-1e6, 80, Rgb{0, 0, 255}},
      {0.0, 8, std::nullopt}};
  for (const auto& [P, k, colour] : cases) EXPECT_EQ(pressureColour(P, k), colour) << P << " " << k;
}

// One strip from y 0 to 500, corners x = 0, 250, 500; s = 0.2, y0 = 36; W = 407 gives column
// trunc(203.5) = 203, one left of the outlines' R(203.5) = 204.
struct GridTest : ::testing::Test {
  CalculationOutput out;
  TopViewState view;
  SystemColours colours;
  GridTest() {
    view.scale = 0.2;
    view.y0 = 36;
    addWing(out, 1, 500, {0, 250, 500}, {0.01, 0.0});
  }
};

TEST_F(GridTest, PanelsFromTruncatedCentreColumn) {
  RecordingCanvas c(407, 300);
  c.setBrushColour(colours.infoBackground);
  DrawGrid1(c, view, out, 1, {}, colours);
  const auto polygons = callsOf(c.calls(), Kind::Polygon);
  ASSERT_EQ(polygons.size(), 2u);
  EXPECT_EQ(polygons[0].points, (std::vector<Point>{{203, 36}, {303, 36}, {303, 86}, {203, 86}}));
  EXPECT_EQ(polygons[1].points, (std::vector<Point>{{203, 86}, {303, 86}, {303, 136}, {203, 136}}));
  for (const DrawCall& p : polygons) {
    EXPECT_EQ(p.penColour, wingColour(1));
    EXPECT_EQ(p.brushColour, colours.infoBackground);
  }
}

TEST_F(GridTest, PressureColoursAndZeroLoadKeepsPreviousFill) {
  RecordingCanvas c(407, 300);
  c.setBrushColour(kWhite);
  DrawGrid1(c, view, out, 1, {true, 8}, colours);
  const auto polygons = callsOf(c.calls(), Kind::Polygon);
  ASSERT_EQ(polygons.size(), 2u);
  EXPECT_EQ(polygons[0].brushColour, (Rgb{255, 245, 245}));
  EXPECT_EQ(polygons[0].penColour, (Rgb{255, 245, 245}));
  EXPECT_EQ(polygons[1].brushColour, (Rgb{255, 245, 245}));  // P = 0: the previous fill stays
  EXPECT_EQ(polygons[1].penColour, wingColour(1));           // and the pen is the wing's
  EXPECT_EQ(c.brushColour(), colours.infoBackground);
}

TEST_F(GridTest, WingsFollowTheDrawingOrderAndUnusedWingsDrawNothing) {
  addWing(out, 2, 300, {600, 700}, {-0.01});
  view.rank = {2, 1, 3, 4, 5};
  RecordingCanvas c(407, 300);
  DrawGrid(c, view, out, {}, colours);
  const auto polygons = callsOf(c.calls(), Kind::Polygon);
  ASSERT_EQ(polygons.size(), 3u);
  EXPECT_EQ(polygons[0].penColour, wingColour(2));
  EXPECT_EQ(polygons[1].penColour, wingColour(1));
}

TEST(CheckBoxA, TickingColoursTheLatticeAndAddsNeedles) {
  Document doc;
  ASSERT_TRUE(Button4Click(doc));
  const SystemColours colours;
  TopViewState view;
  ThreeDState three;
  RecordingCanvas top(591, 300), image3(593, 200);
  for (bool on : {true, false}) {
    top.clearCalls();
    image3.clearCalls();
    EXPECT_EQ(CheckBoxAClick(doc, top, image3, view, three, {on, 8}, colours), on);
    const auto polygons = callsOf(top.calls(), Kind::Polygon);
    ASSERT_GT(polygons.size(), 1000u);  // the reference wing and the default aircraft's 1144 panels (twice when ticked)
    const auto red = std::count_if(polygons.begin(), polygons.end(),
                                   [](const DrawCall& p) { return p.brushColour.r == 255 && p.brushColour.g < 255; });
    EXPECT_EQ(red > 0, on);
    EXPECT_EQ(linesIn(image3.calls(), Rgb{200, 200, 200}).size(), on ? 1144u : 0u);
    EXPECT_TRUE(doc.run.flags.results_valid);
  }
}

TEST(CheckBoxA, WithoutResultsDrawsNoLatticeAndNoNeedles) {
  Document doc;
  const SystemColours colours;
  TopViewState view;
  ThreeDState three;
  RecordingCanvas top(591, 300), image3(593, 200);
  EXPECT_TRUE(CheckBoxAClick(doc, top, image3, view, three, {true, 8}, colours));
  EXPECT_TRUE(callsOf(top.calls(), Kind::Polygon).empty());
  EXPECT_TRUE(linesIn(image3.calls(), Rgb{200, 200, 200}).empty());
}

}  // namespace
}  // namespace volantis4
