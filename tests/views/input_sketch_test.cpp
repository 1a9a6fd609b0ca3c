#include "views/input_sketch.h"

#include <gtest/gtest.h>

#include "model/field_names.h"
#include "views/recording_canvas.h"

namespace volantis4 {
namespace {

using Kind = DrawCall::Kind;
using Points = std::vector<Point>;

std::vector<DrawCall> sketch(int trapezia, Language language) {
  RecordingCanvas c(kInputSketchWidth, kInputSketchHeight);
  d_w(c, trapezia, language);
  return c.calls();
}

std::vector<DrawCall> polygonsIn(const std::vector<DrawCall>& calls, Rgb pen) {
  std::vector<DrawCall> out;
  for (const DrawCall& c : calls)
    if (c.kind == Kind::Polygon && c.penColour == pen) out.push_back(c);
  return out;
}

TEST(Arrows, HeadsAreFilledTrianglesAtTheirEnds) {
  RecordingCanvas c(100, 100);
  PfeilH2(c, 3, 31, 107, 31);
  PfeilV2(c, 107, 31, 107, 196);
  PfeilV1(c, 314, 31, 314, 72);
  std::vector<Points> points;
  for (const DrawCall& call : c.calls()) points.push_back(call.points);
  const std::vector<Points> expected{
      {{3, 31}, {107, 31}},    {{3, 31}, {14, 29}, {14, 33}},     {{107, 31}, {96, 29}, {96, 33}},
      {{107, 31}, {107, 196}}, {{107, 31}, {109, 42}, {105, 42}}, {{107, 196}, {109, 185}, {105, 185}},
      {{314, 31}, {314, 72}},  {{314, 72}, {316, 61}, {312, 61}}};
  EXPECT_EQ(points, expected);
}

TEST(InputSketch, OneTrapeziumDrawsTheRootAndItsOwnArrowsOnly) {
  const std::vector<DrawCall> calls = sketch(1, Language::English);
  EXPECT_EQ(calls.front().points, (Points{{0, 0}, {750, 200}}));
  EXPECT_EQ(calls.front().brushColour, kSilver);
  const std::vector<DrawCall> trapezia = polygonsIn(calls, kAqua);
  ASSERT_EQ(trapezia.size(), 1u);
  EXPECT_EQ(trapezia[0].points, (Points{{107, 31}, {314, 72}, {314, 187}, {107, 196}, {107, 31}}));
  EXPECT_EQ(trapezia[0].penWidth, 4);
  EXPECT_EQ(trapezia[0].brushColour, kWhite);

  std::vector<Points> arrows;
  for (const DrawCall& l : calls)
    if (l.kind == Kind::Line && l.penColour == kBlack) arrows.push_back(l.points);
  const std::vector<Points> expected{{{3, 31}, {740, 31}},    {{3, 1}, {3, 199}},     {{3, 31}, {107, 31}},
                                     {{107, 31}, {107, 196}}, {{107, 31}, {314, 31}}, {{314, 31}, {314, 72}},
                                     {{314, 72}, {314, 187}}};
  EXPECT_EQ(arrows, expected);
}

TEST(InputSketch, EachTrapeziumAddsItsPolygonAndFiveArrowheads) {
  for (int t = 1; t <= 4; ++t) {
    const std::vector<DrawCall> calls = sketch(t, Language::English);
    EXPECT_EQ(polygonsIn(calls, kAqua).size(), static_cast<std::size_t>(t));
    EXPECT_EQ(polygonsIn(calls, kBlack).size(), static_cast<std::size_t>(7 + 5 * t)) << t;
  }
  EXPECT_EQ(polygonsIn(sketch(4, Language::English), kAqua)[3].points,
            (Points{{619, 115}, {688, 145}, {688, 195}, {619, 175}, {619, 115}}));
}

TEST(InputSketch, LabelsAndTheLanguageOfTheFlightDirection) {
  const std::vector<DrawCall> english = sketch(3, Language::English);
  const std::vector<DrawCall> german = sketch(3, Language::German);
  std::vector<std::pair<Point, std::string>> texts;
  for (const DrawCall& c : english)
    if (c.kind == Kind::Text) texts.emplace_back(c.points[0], c.text);
  EXPECT_EQ(texts, (std::vector<std::pair<Point, std::string>>{
                       {{8, 174}, "x"}, {{722, 15}, "y"}, {{17, 1}, "flight direction"}}));
  ASSERT_EQ(english.size(), german.size());
  for (std::size_t i = 0; i < english.size(); ++i) {
    EXPECT_EQ(english[i].points, german[i].points) << i;
    EXPECT_EQ(english[i].font.colour, german[i].font.colour) << i;
    const std::string expected = english[i].text == "flight direction" ? "Flugrichtung" : english[i].text;
    EXPECT_EQ(german[i].text, expected) << i;
  }
  EXPECT_EQ(english.back().font.colour, kRed);
  EXPECT_EQ(english.back().brushColour, kSilver);
}

TEST(SketchFields, FourteenFieldsOnOrBesideTheirArrowsWithoutOverlap) {
  const std::vector<SketchFieldPlace> places = sketchFieldPlaces(1);
  ASSERT_EQ(places.size(), 14u);
  const auto inside = [](Rect r, Point p) { return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom; };
  for (const SketchFieldPlace& p : places) {
    EXPECT_TRUE(p.rect.left >= 0 && p.rect.right <= kInputSketchWidth && p.rect.top >= 0 &&
                p.rect.bottom <= kInputSketchHeight)
        << fieldName(p.field);
    for (const SketchFieldPlace& q : places)
      EXPECT_TRUE(&p == &q || !(p.rect.left < q.rect.right && q.rect.left < p.rect.right &&
                                p.rect.top < q.rect.bottom && q.rect.top < p.rect.bottom))
          << fieldName(p.field) << " " << fieldName(q.field);
  }
  const auto placeOf = [&](std::string_view name) {
    for (const SketchFieldPlace& p : places)
      if (fieldName(p.field) == name) return p.rect;
    return Rect{};
  };
  EXPECT_TRUE(inside(placeOf("Edit01"), {55, 31}));           // on the gap arrow
  EXPECT_TRUE(inside(placeOf("Edit14y"), {653, 31}));         // on trapezium 4's span arrow
  EXPECT_EQ(placeOf("Edit9"), (Rect{523, 48, 564, 69}));      // right of PfeilV1(519, 31, 519, 86)
  EXPECT_EQ(placeOf("Edit14x"), (Rect{692, 160, 733, 181}));  // right of PfeilV2(688, 145, 688, 195)
  EXPECT_EQ(fieldName(sketchFieldPlaces(5)[0].field), "Edit05");
}

}  // namespace
}  // namespace volantis4
