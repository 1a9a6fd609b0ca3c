#include "views/planform_view.h"

#include <gtest/gtest.h>

#include "model/field_names.h"
#include "view_fixtures.h"
#include "views/input_sketch.h"
#include "views/recording_canvas.h"

namespace volantis4 {
namespace {

using Kind = DrawCall::Kind;
using view_fixtures::callsOf;
using view_fixtures::linesIn;
using view_fixtures::Segment;
using Segments = std::vector<Segment>;

const SystemColours kColours{};

std::vector<DrawCall> draw(const PlanformInput& input, int width = 489, int height = 273,
                           PlanformMapping* mapping = nullptr) {
  RecordingCanvas c(width, height);
  const PlanformMapping m = drawPlanform(c, input, kColours);
  if (mapping != nullptr) *mapping = m;
  return c.calls();
}

// A wing of one trapezium on wing 2's page: gap, width, offset of section 2, two chords.
Form oneTrapeziumForm(const char* gap, const char* width, const char* x2, const char* c1, const char* c2) {
  Form form = defaultForm();
  WingFields& w = form.wing(2);
  w.checkedTrapezia = 1;
  w.gap = gap;
  w.widths[0] = width;
  w.offsets[0] = x2;
  w.chords[0] = c1;
  w.chords[1] = c2;
  return form;
}

// Default wing 1 in the design-size image: origin (244, 91), scale (489 / 2.03) / 1100 = 0.218988;
// stations 220, 984, 1034, 1100 -> 48, 215, 226, 241 px; offsets 131, 140, 215 -> 29, 31, 47;
// trailing edges 335, 466, 435, 335 -> 73, 102, 95, 73. Trapezium 1 right then left (gap 0, so no
// root chord), then trapezia 2-4: inner leading edge, outer leading edge, outer trailing edge, inner
// trailing edge.
TEST(PlanformView, DefaultWing1OutlineInBlue) {
  const std::vector<DrawCall> calls = draw(planformInput(geometryOf(defaultForm()), 1, false, 0));
  const Segments expected{
      {{244, 91}, {292, 91}},   {{292, 91}, {292, 164}},  {{292, 164}, {244, 164}}, {{244, 164}, {196, 164}},
      {{196, 164}, {196, 91}},  {{196, 91}, {244, 91}},   {{292, 91}, {459, 120}},  {{459, 120}, {459, 193}},
      {{459, 193}, {292, 164}}, {{196, 91}, {29, 120}},   {{29, 120}, {29, 193}},   {{29, 193}, {196, 164}},
      {{459, 120}, {470, 122}}, {{470, 122}, {470, 186}}, {{470, 186}, {459, 193}}, {{29, 120}, {18, 122}},
      {{18, 122}, {18, 186}},   {{18, 186}, {29, 193}},   {{470, 122}, {485, 138}}, {{485, 138}, {485, 164}},
      {{485, 164}, {470, 186}}, {{18, 122}, {3, 138}},    {{3, 138}, {3, 164}},     {{3, 164}, {18, 186}}};
  EXPECT_EQ(linesIn(calls, wingColour(1)), expected);
}

TEST(PlanformView, AxesArrowMarksAndLabelsOfDefaultWing1) {
  PlanformMapping m;
  const std::vector<DrawCall> calls = draw(planformInput(geometryOf(defaultForm()), 1, false, 0), 489, 273, &m);
  EXPECT_DOUBLE_EQ(m.scale, (489 / 2.03) / 1100);

  ASSERT_EQ(calls.front().kind, Kind::FillRect);
  EXPECT_EQ(calls.front().points, (std::vector<Point>{{0, 0}, {489, 273}}));
  EXPECT_EQ(calls.front().brushColour, kColours.infoBackground);
  EXPECT_EQ(calls.front().penColour, kBlack);  // the very first drawing

  const Segments expected{{{489, 91}, {0, 91}},     {{244, 0}, {244, 273}}, {{244, 273}, {246, 263}},
                          {{244, 273}, {242, 263}}, {{479, 93}, {489, 91}}, {{489, 91}, {479, 89}}};
  EXPECT_EQ(linesIn(calls, kBlack), expected);
  // Flight arrow, then the mean aerodynamic chord: r25 = 141.63, lm = 329.75,
  // rows R(12.96 + 91) = 104 and R(85.17 + 91) = 176.
  EXPECT_EQ(linesIn(calls, kRed, 1),
            (Segments{{{264, 30}, {264, 3}}, {{264, 3}, {262, 13}}, {{264, 3}, {266, 13}}, {{244, 104}, {244, 176}}}));
  // Geometric centre: R(141.63 * 0.218988 + 91) = R(122.02) = 122.
  EXPECT_EQ(linesIn(calls, kRed, 2), (Segments{{{243, 122}, {246, 122}}}));

  const std::vector<DrawCall> texts = callsOf(calls, Kind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "x");
  EXPECT_EQ(texts[0].points[0], (Point{249, 253}));
  EXPECT_EQ(texts[1].text, "y");
  EXPECT_EQ(texts[1].points[0], (Point{471, 74}));
  EXPECT_EQ(texts[1].brushColour, kColours.infoBackground);
  EXPECT_EQ(texts[1].font.colour, kBlack);
}

TEST(PlanformView, AerodynamicCentreOnlyWhileResultsAreValid) {
  const AircraftGeometry g = geometryOf(defaultForm());
  // Wing 4's own centre 100 mm behind its root.
  const PlanformInput valid = planformInput(g, 4, true, 100);
  PlanformMapping m;
  const std::vector<DrawCall> calls = draw(valid, 489, 273, &m);
  // E = 1850 (root chord): scale 170.625 / 1850 = 0.09223; row R(100 * 0.09223 + 91) = R(100.22) = 100.
  ASSERT_DOUBLE_EQ(m.scale, 170.625 / 1850);
  const Segments black = linesIn(calls, kBlack);
  ASSERT_EQ(black.size(), 7u);
  EXPECT_EQ(black.back(), (Segment{{241, 100}, {248, 100}}));
  EXPECT_EQ(linesIn(draw(planformInput(g, 4, false, 100)), kBlack).size(), 6u);
}

TEST(PlanformView, MarkRowsRoundTheSumHalfToEven) {
  // Scale exactly 1 (E = 100 in a 160-pixel image), root row 53: a sum of x.5 rounds to even,
  // which differs from 53 + R(x.5) for an odd root row.
  PlanformInput in;
  in.shape.wingsections = 2;
  in.shape.y = {0, 50, 50, 50, 50};
  in.shape.chord = {100, 100, 0, 0, 0};
  in.r25 = 10.5;  // 63.5 -> 64
  in.lm = 4;      // from 9.5 (62.5 -> 62) to 13.5 (66.5 -> 66)
  in.resultsValid = true;
  in.acFromWingX = 0.5;  // 0.5 behind the root: 53.5 -> 54
  PlanformMapping m;
  const std::vector<DrawCall> calls = draw(in, 406, 160, &m);
  ASSERT_DOUBLE_EQ(m.scale, 1.0);
  EXPECT_EQ(linesIn(calls, kRed, 2), (Segments{{{202, 64}, {205, 64}}}));
  EXPECT_EQ(linesIn(calls, kRed).back(), (Segment{{203, 62}, {203, 66}}));
  EXPECT_EQ(linesIn(calls, kBlack).back(), (Segment{{200, 54}, {207, 54}}));
}

TEST(PlanformView, OutlineRoundsEachProductHalfToEven) {
  // Gap 25, width 10, x2 = 5, chords 100 and 60 at scale 0.5 (E = 100 in an 80-pixel image),
  // origin (203, 26): 12.5 -> 12, 17.5 -> 18, 2.5 -> 2, 32.5 -> 32, 50.
  const AircraftGeometry g = geometryOf(oneTrapeziumForm("25", "10", "5", "100", "60"));
  PlanformMapping m;
  const std::vector<DrawCall> calls = draw(planformInput(g, 2, false, 0), 406, 80, &m);
  ASSERT_DOUBLE_EQ(m.scale, 0.5);
  const Segments expected{{{215, 26}, {221, 28}}, {{221, 28}, {221, 58}}, {{221, 58}, {215, 76}},
                          {{215, 76}, {215, 26}}, {{191, 76}, {185, 58}}, {{185, 58}, {185, 28}},
                          {{185, 28}, {191, 26}}, {{191, 26}, {191, 76}}};
  EXPECT_EQ(linesIn(calls, wingColour(2)), expected);
}

TEST(PlanformView, GapWingDrawsBothRootChords) {
  // Default wing 5: gap 300, stations 338 and 376, x2 = -80, chords 600, 680, 600.
  // E = 600 gives the scale 170.625 / 600 = 0.284375: 85, 96, 107 px across; -23 and 171 px along.
  const std::vector<DrawCall> calls = draw(planformInput(geometryOf(defaultForm()), 5, false, 0));
  const Segments expected{{{329, 91}, {340, 68}},  {{340, 68}, {340, 262}},  {{340, 262}, {329, 262}},
                          {{329, 262}, {329, 91}}, {{159, 262}, {148, 262}}, {{148, 262}, {148, 68}},
                          {{148, 68}, {159, 91}},  {{159, 91}, {159, 262}},  {{340, 68}, {351, 91}},
                          {{351, 91}, {351, 262}}, {{351, 262}, {340, 262}}, {{148, 68}, {137, 91}},
                          {{137, 91}, {137, 262}}, {{137, 262}, {148, 262}}};
  EXPECT_EQ(linesIn(calls, wingColour(5)), expected);
}

TEST(PlanformView, ForwardSweptOneTrapeziumUsesTwiceTheLeadOffsetAsExtent) {
  // x2 = -100 with chords 150 and 80: E = 200, scale 170.625 / 200 = 0.853125;
  // 100 mm -> 85 px, -100 -> -85, -20 -> -17, 150 -> 128.
  const AircraftGeometry g = geometryOf(oneTrapeziumForm("0", "100", "-100", "150", "80"));
  PlanformMapping m;
  const std::vector<DrawCall> calls = draw(planformInput(g, 2, false, 0), 489, 273, &m);
  EXPECT_EQ(m.chordExtent, 200);
  const Segments expected{{{244, 91}, {329, 6}},   {{329, 6}, {329, 74}}, {{329, 74}, {244, 219}},
                          {{244, 219}, {159, 74}}, {{159, 74}, {159, 6}}, {{159, 6}, {244, 91}}};
  EXPECT_EQ(linesIn(calls, wingColour(2)), expected);
}

TEST(PlanformView, WingWithoutExtentGetsAxesAndLabelsOnly) {
  Form noChord = oneTrapeziumForm("0", "300", "0", "0", "0");
  Form noSpan = oneTrapeziumForm("0", "0", "10", "120", "100");
  for (const Form& form : {noChord, noSpan}) {
    PlanformMapping m;
    const std::vector<DrawCall> calls = draw(planformInput(geometryOf(form), 2, true, 50), 489, 273, &m);
    EXPECT_FALSE(m.drawable());
    EXPECT_TRUE(linesIn(calls, wingColour(2)).empty());
    EXPECT_TRUE(linesIn(calls, kRed, 2).empty());
    EXPECT_EQ(linesIn(calls, kBlack).size(), 6u);
    EXPECT_EQ(linesIn(calls, kRed).size(), 3u);
    EXPECT_EQ(callsOf(calls, Kind::Text).size(), 2u);
  }
}

TEST(PlanformView, PenCarriesOverToTheNextDrawingsBorder) {
  const AircraftGeometry g = geometryOf(defaultForm());
  RecordingCanvas c(489, 273);
  drawPlanform(c, planformInput(g, 3, false, 0), kColours);
  c.clearCalls();
  drawPlanform(c, planformInput(g, 3, false, 0), kColours);
  EXPECT_EQ(c.calls().front().penColour, wingColour(3));
  EXPECT_EQ(c.calls().front().penWidth, 1);
}

}  // namespace
}  // namespace volantis4
