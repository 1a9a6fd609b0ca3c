#include "views/chord_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "views/recording_canvas.h"

namespace volantis4 {
namespace {

// A chord of 200 mm from x = 100 on a bar 298 pixels wide: 250 pixels between the margins of 24.
ChordBarInput chordAt100() {
  ChordBarInput in;
  in.xLe = 100;
  in.lmue = 200;
  in.cgForward = 120;
  in.cgRear = 140;
  in.cgManual = 150;
  in.xnp = 160;
  return in;
}

TEST(ChordBar, ColumnsKeepTheChordAndEveryMarkOnTheBar) {
  // Marks inside the chord: the span widens to 1.25 chords, 250 mm from 75 to 325, 1 px/mm.
  ChordBarInput in = chordAt100();
  EXPECT_EQ(chordBarColumn(in, 298, 100), 49);
  EXPECT_EQ(chordBarColumn(in, 298, 300), 249);
  // A neutral point far behind the chord: the span runs 100 … 400 mm, 250/300 px/mm.
  in.xnp = 400;
  EXPECT_EQ(chordBarColumn(in, 298, 100), 24);
  EXPECT_EQ(chordBarColumn(in, 298, 400), 274);
  EXPECT_EQ(chordBarColumn(in, 298, 160), 74);
}

TEST(ChordBar, MarksStandAtTheirColumnsInTheirColours) {
  ChordBarInput in = chordAt100();
  in.weighedCg = 130;
  RecordingCanvas canvas(298, 112);
  drawChordBar(canvas, in, Language::English, SystemColours{});
  auto hasVerticalLine = [&canvas](Rgb colour, int x) {
    for (const DrawCall& c : canvas.calls())
      if (c.kind == DrawCall::Kind::Line && c.penColour == colour && c.points[0].x == x && c.points[1].x == x)
        return true;
    return false;
  };
  EXPECT_TRUE(hasVerticalLine(kRed, 49 + 60));    // neutral point, 160 mm
  EXPECT_TRUE(hasVerticalLine(kBlue, 49 + 50));   // manual centre of gravity, 150 mm
  EXPECT_TRUE(hasVerticalLine(kBlack, 49 + 30));  // weighed, 130 mm
  EXPECT_FALSE(hasVerticalLine(kRed, 49));
}

// The rectangle a text of the bar takes: in the design font a character is at most 7 pixels wide
// and a line 13 pixels high.
Rect textRect(const DrawCall& c) {
  int chars = 0;
  for (const char ch : c.text) chars += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  return {c.points[0].x, c.points[0].y, c.points[0].x + 7 * chars, c.points[0].y + 13};
}

bool overlaps(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct Layout {
  std::vector<DrawCall> texts;
  std::vector<Rect> markLines;  // the vertical lines of the neutral point and the centres of gravity, 2 pixels wide
};

Layout drawn(const ChordBarInput& in, int width, Language language) {
  RecordingCanvas canvas(width, 112);
  drawChordBar(canvas, in, language, SystemColours{});
  Layout out;
  for (const DrawCall& c : canvas.calls()) {
    if (c.kind == DrawCall::Kind::Text) out.texts.push_back(c);
    if (c.kind == DrawCall::Kind::Line && c.penWidth == 2 && c.points[0].x == c.points[1].x)
      out.markLines.push_back({c.points[0].x - 1, std::min(c.points[0].y, c.points[1].y), c.points[0].x + 1,
                               std::max(c.points[0].y, c.points[1].y)});
  }
  return out;
}

// Crowded bars: the weighed centre of gravity beside the manual one, the neutral point on the 50 %
// tick, everything at one place, marks far off both ends, a narrow bar; in both languages.
TEST(ChordBar, LabelsNeverOverlapAndNoMarkLineCrossesOne) {
  std::vector<std::pair<const char*, ChordBarInput>> cases;
  ChordBarInput in = chordAt100();
  in.weighedCg = 155;
  in.xnp = 200;
  cases.emplace_back("weighed beside manual, NP on 50 %", in);
  in.cgForward = in.cgRear = in.cgManual = in.xnp = 200;
  in.weighedCg = 200;
  in.bandMm = 40;
  cases.emplace_back("all at one place", in);
  in = chordAt100();
  in.xnp = 900;
  in.cgManual = -500;
  in.weighedCg = 1200;
  cases.emplace_back("far off both ends", in);
  for (const auto& [name, input] : cases) {
    for (const int width : {600, 300}) {
      for (const Language l : {Language::English, Language::German}) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(width));
        const Layout layout = drawn(input, width, l);
        for (std::size_t i = 0; i < layout.texts.size(); ++i) {
          const Rect a = textRect(layout.texts[i]);
          EXPECT_TRUE(a.left >= 0 && a.right <= width && a.top >= 0 && a.bottom <= 112)
              << layout.texts[i].text << " at " << a.left << "," << a.top;
          for (std::size_t j = i + 1; j < layout.texts.size(); ++j)
            EXPECT_FALSE(overlaps(a, textRect(layout.texts[j])))
                << layout.texts[i].text << " / " << layout.texts[j].text;
          for (const Rect& line : layout.markLines) EXPECT_FALSE(overlaps(a, line)) << layout.texts[i].text;
        }
      }
    }
  }
}

// Chord 100 … 300 mm: a neutral point at 700 mm and a weighed centre of gravity at −300 mm lie
// beyond the bar; each is an arrow at that end of the bar with its value.
TEST(ChordBar, AMarkBeyondTheBarIsAnArrowAtItsEndWithItsValue) {
  ChordBarInput in = chordAt100();
  in.xnp = 700;
  in.weighedCg = -300;
  RecordingCanvas canvas(600, 112);
  drawChordBar(canvas, in, Language::English, SystemColours{});
  const auto text = [&canvas](std::string_view wanted) -> const DrawCall* {
    for (const DrawCall& c : canvas.calls())
      if (c.kind == DrawCall::Kind::Text && c.text == wanted) return &c;
    return nullptr;
  };
  const auto arrowAt = [&canvas](Rgb colour, int from, int to) {
    for (const DrawCall& c : canvas.calls())
      if (c.kind == DrawCall::Kind::Polygon && c.brushColour == colour &&
          std::all_of(c.points.begin(), c.points.end(), [&](Point p) { return p.x >= from && p.x < to; }))
        return true;
    return false;
  };
  const DrawCall* np = text("NP x = 700.0 mm");
  ASSERT_NE(np, nullptr);
  EXPECT_GT(np->points[0].x, 300);
  EXPECT_TRUE(arrowAt(kRed, 576, 600));
  const DrawCall* weighed = text("weighed CG x = -300.0 mm");
  ASSERT_NE(weighed, nullptr);
  EXPECT_LT(weighed->points[0].x, 300);
  EXPECT_TRUE(arrowAt(kBlack, 0, 24));
  EXPECT_EQ(text("NP"), nullptr);
}

}  // namespace
}  // namespace volantis4
