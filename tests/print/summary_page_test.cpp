// The summary page as drawn: every text at its position, the pictures' rectangles, the section
// lines of short wings and the German texts. Aerodynamic values are set by hand so that every
// expected text is worked out from the format rules.

#include "print/summary_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>

#include "solver/calculation_output.h"
#include "test_data.h"
#include "views/recording_canvas.h"

namespace volantis4 {
namespace {

using Texts = std::map<std::pair<int, int>, std::string>;  // (y, x) -> text

// A page's texts from a golden file of lines "y x |text|".
Texts textsOf(const std::string& golden) {
  Texts texts;
  std::istringstream lines(golden);
  int y = 0, x = 0;
  for (std::string text; lines >> y >> x && std::getline(lines, text);) texts[{y, x}] = text.substr(2, text.size() - 3);
  return texts;
}

// The default aircraft with `wings` in use, the planform figures recomputed as the Print command
// does, and hand-set results: xnp 116.54 mm, lmue 300 mm, margin 7.5 %.
Document documentWith(int wings, Language language = Language::English) {
  Document doc;
  doc.language = language;
  chooseWingsCount(doc, wings);
  recomputeForSummary(doc);
  auto output = std::make_shared<CalculationOutput>();
  output->vortex.wings[0].ac_x = 131.66;  // wing_x 0: 131.7 mm
  output->vortex.wings[0].lift_slope = 3.544;
  output->vortex.wings[2].ac_x = -6.44;  // wing_x -135: 128.6 mm (128.56 rounds up)
  output->vortex.wings[2].lift_slope = 4.0;
  output->vortex.wings[4].ac_x = -487.2;       // wing_x -135: -352.2 mm
  output->vortex.wings[4].lift_slope = 0.115;  // 0.12: halves away from zero
  doc.output = output;
  doc.results = {71820, 300, 116.54};
  doc.run.flags.results_valid = true;
  return doc;
}

struct Drawn {
  Texts texts;
  std::vector<DrawCall> calls;
};

Drawn draw(const Document& doc, const std::string& fileName = "c:\\planes\\glider.vn4",
           ResultsAge results = ResultsAge::Current) {
  RecordingCanvas page;
  RecordingCanvas top(kTopViewBufferWidth, kTopViewBufferHeight);
  RecordingCanvas threeD(kThreeDBufferWidth, kThreeDBufferHeight);
  drawSummaryPage(page, doc, fileName, top, threeD, results);
  Drawn d;
  d.calls = page.calls();
  for (const DrawCall& c : page.calls())
    if (c.kind == DrawCall::Kind::Text) {
      EXPECT_TRUE(d.texts.emplace(std::make_pair(c.points[0].y, c.points[0].x), c.text).second)
          << "two texts at " << c.points[0].x << "," << c.points[0].y;
    }
  return d;
}

TEST(SummaryPage, OneWingPageHoldsEveryTextAtItsPlace) {
  const Drawn d = draw(documentWith(1));
  // One wing: margins 4 and 8; 116.54 − 300·0.08 = 92.54, − 300·0.04 = 104.54, − 300·0.075 = 94.04.
  EXPECT_EQ(d.texts, textsOf(testing_support::dataFile("print/data/summary_one_wing.txt")));
}

TEST(SummaryPage, FiveWingsEndWithTheFifthBlockInsideThePage) {
  const Drawn d = draw(documentWith(5));
  EXPECT_EQ(d.texts.size(), 2u + 9u + 5u * 20u);
  EXPECT_EQ(d.texts.begin()->first, std::make_pair(0, 0));
  EXPECT_EQ(d.texts.rbegin()->first, std::make_pair(1543, 510));
  // Five wings: margins 8 and 16.
  EXPECT_EQ(d.texts.at({603, 0}), "Recommended center of gravity by stab =  16%: ");
  EXPECT_EQ(d.texts.at({603, 420}), " 68.5 mm");
  EXPECT_EQ(d.texts.at({623, 0}), "recomemnded center of gravity by stab =  8%: ");
  EXPECT_EQ(d.texts.at({623, 420}), " 92.5 mm");

  const Texts lastBlock = {
      {{1403, 0}, "Wing5:"},
      // Two trapezia: three sections, then two empty fields whose separators stay.
      {{1423, 0}, "xf:     0   -80     0  "},
      {{1443, 0}, "lf:   600   680   600  "},
      {{1463, 0}, "yf:   300   338   376  "},
      {{1483, 0}, "zf:  -350"},
      {{1503, 0}, "x0:  -135"},
      {{1523, 510}, "-352.2 mm"},
      {{1543, 510}, " 0.12"},
  };
  for (const auto& [at, text] : lastBlock) EXPECT_EQ(d.texts.at(at), text) << at.first << "," << at.second;
  // Wing 3 sits at wing_x −135: its aerodynamic centre is given relative to it.
  EXPECT_EQ(d.texts.at({wingBlockTop(3) + 120, 510}), "128.6 mm");
  EXPECT_EQ(d.texts.at({wingBlockTop(3) + 100, 0}), "x0:  -135");
  // Wing 4: three trapezia, one empty field.
  EXPECT_EQ(d.texts.at({wingBlockTop(4) + 20, 0}), "xf:     0     0    10    40 ");
  // Wing 5 has a gap of 300: b = 2·376 counts it, S = (600+680)·38 + (680+600)·38 = 97280 does not.
  EXPECT_EQ(d.texts.at({wingBlockTop(5) + 20, 510}), "  752 mm");
  EXPECT_EQ(d.texts.at({wingBlockTop(5) + 40, 510}), "  9.7 dm**2");
}

TEST(SummaryPage, GermanPageUsesTheSameLineForBothAutomaticMargins) {
  const Drawn d = draw(documentWith(2, Language::German));
  EXPECT_EQ(d.texts.at({563, 0}), "Zusammenfassung:");
  EXPECT_EQ(d.texts.at({583, 0}), "Neutralpunkt:        ");
  EXPECT_EQ(d.texts.at({603, 0}), "Empfohlener Schwerpunkt bei Stabilität =  16%: ");
  EXPECT_EQ(d.texts.at({623, 0}), "Empfohlener Schwerpunkt bei Stabilität =  8%: ");
  EXPECT_EQ(d.texts.at({643, 0}), "Schwerpunkt bei Stabilität = 7.5%: ");
  const std::vector<std::pair<int, std::string>> rightLabels = {
      {20, "Spannweite:          "}, {40, "Flächeninhalt:       "},  {60, "Streckung:           "},
      {80, "Bezugstiefe:       "},   {100, "Geom. Neutralpunkt:  "}, {120, "Aerod. Neutralpunkt: "},
      {140, "Auftriebsanstieg:    "}};
  for (int w = 1; w <= 2; ++w) {
    EXPECT_EQ(d.texts.at({wingBlockTop(w), 0}), "Flügel" + std::to_string(w) + ":");
    for (const auto& [dy, label] : rightLabels) EXPECT_EQ(d.texts.at({wingBlockTop(w) + dy, 320}), label);
  }
  EXPECT_EQ(d.texts.count({wingBlockTop(3), 0}), 0u);
}

TEST(SummaryPage, PageIsWhiteWithFixedWidthTextAndBothPicturesStretched) {
  const Drawn d = draw(documentWith(1));
  ASSERT_FALSE(d.calls.empty());
  EXPECT_EQ(d.calls[0].kind, DrawCall::Kind::Resize);
  EXPECT_EQ(d.calls[0].points[0], (Point{kSummaryPageWidth, kSummaryPageHeight}));
  EXPECT_EQ(d.calls[1].kind, DrawCall::Kind::FillRect);
  EXPECT_EQ(d.calls[1].points, (std::vector<Point>{{0, 0}, {807, 1620}}));
  EXPECT_EQ(d.calls[1].brushColour, kWhite);
  EXPECT_EQ(d.calls[1].penColour, kWhite);

  std::vector<DrawCall> stretches;
  std::copy_if(d.calls.begin(), d.calls.end(), std::back_inserter(stretches),
               [](const DrawCall& c) { return c.kind == DrawCall::Kind::StretchDraw; });
  ASSERT_EQ(stretches.size(), 2u);
  EXPECT_EQ(stretches[0].points, (std::vector<Point>{{0, 42}, {616, 354}}));
  EXPECT_EQ(stretches[0].sourceSize, (Point{593, 330}));
  EXPECT_EQ(stretches[1].points, (std::vector<Point>{{0, 357}, {616, 548}}));
  EXPECT_EQ(stretches[1].sourceSize, (Point{631, 200}));

  for (const DrawCall& c : d.calls)
    if (c.kind == DrawCall::Kind::Text) {
      EXPECT_EQ(c.font.name, "Courier");
      EXPECT_EQ(c.font.size, 12);
      EXPECT_EQ(c.font.colour, kBlack);
      EXPECT_EQ(c.brushColour, kWhite);
    }
}

TEST(SummaryPage, WithoutARunTheAerodynamicValuesStayEmpty) {
  Document doc = documentWith(1);
  doc.output.reset();
  const Drawn d = draw(doc);
  EXPECT_EQ(d.texts.at({803, 320}), "aerodynamic center: ");
  EXPECT_EQ(d.texts.count({803, 510}), 0u);
  EXPECT_EQ(d.texts.count({823, 510}), 0u);
}

// Results older than the aircraft: the page is the fresh page with one red line more, in the
// summary's free sixth row (its 9-pixel Courier cells clear of every other text and of the
// pictures, within the page's width), in the page's language.
TEST(SummaryPage, OutdatedResultsAddOneLineAndChangeNothingElse) {
  struct Case {
    int wings;
    Language language;
    std::string line;
  };
  const Case cases[] = {
      {1, Language::English, "Results of an earlier calculation: press Calculate (F9) before printing"},
      {5, Language::English, "Results of an earlier calculation: press Calculate (F9) before printing"},
      {5, Language::German, "Ergebnisse einer früheren Berechnung: vor dem Drucken Berechnen (F9) drücken"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line + " " + std::to_string(c.wings));
    const Document doc = documentWith(c.wings, c.language);
    const Drawn fresh = draw(doc);
    const Drawn stale = draw(doc, "c:\\planes\\glider.vn4", ResultsAge::Outdated);
    std::vector<DrawCall> added;
    std::vector<DrawCall> rest;
    for (const DrawCall& call : stale.calls)
      (call.kind == DrawCall::Kind::Text && call.font.colour == kRed ? added : rest).push_back(call);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(rest, fresh.calls);  // everything else as on the fresh page, in the same order
    EXPECT_EQ(added[0].text, c.line);
    const Point at = added[0].points[0];
    EXPECT_EQ(at, (Point{0, 663}));
    // Cells of 9 pixels by a row of 20 (the summary's pitch); UTF-8 umlauts are one cell each.
    const auto cells = [](const std::string& s) {
      return static_cast<int>(std::count_if(s.begin(), s.end(), [](char ch) { return (ch & 0xC0) != 0x80; }));
    };
    const int right = at.x + 9 * cells(c.line);
    EXPECT_LE(right, kSummaryPageWidth);
    EXPECT_GE(at.y, kThreeDOnPage.bottom);
    for (const auto& [yx, text] : fresh.texts) {
      const bool rowsApart = yx.first + 20 <= at.y || at.y + 20 <= yx.first;
      const bool columnsApart = yx.second + 9 * cells(text) <= at.x || right <= yx.second;
      EXPECT_TRUE(rowsApart || columnsApart) << "overlaps \"" << text << "\" at " << yx.first << "," << yx.second;
    }
  }
}

}  // namespace
}  // namespace volantis4
