#include "solver/grid.h"

#include <gtest/gtest.h>

#include <limits>

#include "geometry_fixture.h"

namespace volantis4 {
namespace {

using fixture::aircraftOf;
using fixture::rectangle;

std::vector<std::string> rendered(const StageReport& r, Language language = Language::English) {
  std::vector<std::string> lines;
  for (const Message& m : r.messages) lines.push_back(renderMessage(m, language));
  return lines;
}

TEST(GRID, DefaultAircraftCountsAreTheHandWorkedOnes) {
  // Reference: wings 1 and 3 tie at S = 718170, so wing 1. Wing 1: b_lat = 2200,
  // n_chord = R(sqrt(800 / (2200² / 718170))) = R(10.895) = 11; strips R(7.22), R(25.09), R(1.75), R(3.50).
  // Wing 2: S = 201015, target R(111.96) = 112, n_chord R(8.22) = 8, strips R(4.03), R(5.96), R(2.60), R(1.25).
  // Wing 4: S = 262500, target R(146.2) = 146, n_chord R(43.78) = 44, strips R(0.65) → 1, R(1.66), R(1.22).
  // Wing 5: S = 97280, target R(54.18) = 54, b_lat = 152 (gap left out), n_chord R(21.33) = 21, strips R(1.25) twice.
  const AircraftGeometry g = geometryOf(defaultForm());
  const GridResult r = GRID(g, 5);
  EXPECT_TRUE(r.report.messages.empty());
  const LatticeCounts& c = r.counts;
  EXPECT_EQ(c.panel_target, (std::array<int, 5>{400, 112, 400, 146, 54}));
  EXPECT_EQ(c.n_chord, (std::array<int, 5>{11, 8, 11, 44, 21}));
  EXPECT_EQ(c.n_span[0], (std::array<int, 4>{7, 25, 2, 3}));
  EXPECT_EQ(c.n_span[1], (std::array<int, 4>{4, 6, 3, 1}));
  EXPECT_EQ(c.n_span[3], (std::array<int, 4>{1, 2, 1, 0}));
  EXPECT_EQ(c.n_strips, (std::array<int, 5>{37, 14, 37, 4, 2}));
  EXPECT_EQ(c.n_panels, 407 + 112 + 407 + 176 + 42);
  EXPECT_FALSE(checkLatticeCapacity(c, g, 5).failed);
  EXPECT_EQ(GRID(g, 2).counts.n_strips, (std::array<int, 5>{37, 14, 0, 0, 0}));  // wings beyond the count
}

TEST(GRID, PanelBudgetGoesToTheLargestOfTheFirstThree) {
  struct Case {
    const char* name;
    int wings;
    std::array<int, 5> chords;  // rectangles of half span 100: S = 200 · chord
    int reference;
  };
  const Case cases[] = {{"one wing is its own reference", 1, {10, 90, 90, 90, 90}, 1},
                        {"two wings tie: wing two", 2, {50, 50, 90, 90, 90}, 2},
                        {"two wings, larger first", 2, {50, 40, 90, 90, 90}, 1},
                        {"tie of two and three above one: three", 3, {40, 50, 50, 10, 10}, 3},
                        {"tie of one and three: one", 3, {50, 40, 50, 10, 10}, 1},
                        {"wing two largest", 3, {30, 50, 40, 10, 10}, 2},
                        {"wings four and five never take part", 5, {30, 40, 50, 90, 95}, 3}};
  for (const Case& c : cases) {
    std::vector<fixture::WingInput> wings;
    for (int chord : c.chords) wings.push_back(rectangle({.halfSpan = 100, .chord = chord}));
    EXPECT_EQ(panelBudgetWing(aircraftOf(wings), c.wings), c.reference) << c.name;
  }
}

TEST(GRID, SlenderWingOneToThreeIsRefusedWithTheAspectRatioLines) {
  // Both S = 100000, so wing 2 (tie of two wings) is the reference and both get 400 panels.
  // Wing 1: n_chord R(sqrt(80)) = 9, strips R(9·500/100) = 45. Wing 2: n_chord R(sqrt(0.8)) = 1, strips 500.
  const AircraftGeometry g =
      aircraftOf({rectangle({.halfSpan = 500, .chord = 100}), rectangle({.halfSpan = 5000, .chord = 10})});
  const GridResult r = GRID(g, 2);
  EXPECT_EQ(r.counts.n_strips, (std::array<int, 5>{45, 500, 0, 0, 0}));
  EXPECT_EQ(r.counts.n_panels, 405 + 500);
  EXPECT_TRUE(r.report.failed);
  EXPECT_EQ(rendered(r.report),
            (std::vector<std::string>{"Can not calculate wing-2. ", "Please change this wing (less aspect ratio)!"}));
  EXPECT_EQ(rendered(r.report, Language::German),
            (std::vector<std::string>{"Kann Flügel-2 nicht berechnen.", "Bitte Streckung verkleinern!"}));
  // GRID has said it: the capacity check adds nothing for wings 1-3, nor the panel total.
  EXPECT_TRUE(checkLatticeCapacity(r.counts, g, 2).messages.empty());
}

TEST(GRID, CapacityRefusesBeforeTheLatticeIsWritten) {
  struct Case {
    const char* name;
    std::vector<fixture::WingInput> wings;
    std::vector<std::string> lines;
  };
  const fixture::WingInput kSmall =
      rectangle({.halfSpan = 500, .chord = 100});  // S = 100000: 9 rows × 45 strips as reference
  const Case cases[] = {
      // Wing 4 is ten times the reference: target 4000, n_chord R(sqrt(8000)) = 89,
      // strips R(89·500/1000) = R(44.5) = 44; N = 3·405 + 89·44 = 5131.
      {"TooManyPanels",
       {kSmall, kSmall, kSmall, rectangle({.halfSpan = 500, .chord = 1000})},
       {"Can not calculate: 5131 panels, at most 3000. ", "Please change the wings (less aspect ratio)!"}},
      // Aspect ratio 0.008: n_chord R(sqrt(800 / 0.008)) = R(316.2) = 316 > 299.
      {"TooManyRows",
       {rectangle({.halfSpan = 400, .chord = 100000})},
       {"Can not calculate wing-1: too many panel rows. ",
        "Please change this wing (less area compared to the other wings)!"}},
      {"SlenderWingFour",
       {kSmall, kSmall, kSmall, rectangle({.halfSpan = 5000, .chord = 10})},
       {"Can not calculate wing-4. ", "Please change this wing (less aspect ratio)!"}},
      {"WingWithoutChords",
       {kSmall, kSmall, {0, {100, 100}, {0, 0}, {0, 0, 0}, 0, 0}},
       {"Can not calculate wing-3: no span or no area. ", "Please enter widths and chords for this wing!"}},
      {"WingWithoutSpan",
       {kSmall, {50, {0}, {0}, {100, 100}, 0, 0}},
       {"Can not calculate wing-2: no span or no area. ", "Please enter widths and chords for this wing!"}},
      // The only wing has no area, so there is no panel budget at all.
      {"NoReferenceArea",
       {{0, {100}, {0}, {0, 0}, 0, 0}},
       {"Can not calculate wing-1: no span or no area. ", "Please enter widths and chords for this wing!"}},
      // A trapezium of span 100 with both chords 0 would need endless strips.
      {"ZeroChordTrapeziumOnWingFive",
       {kSmall, kSmall, kSmall, kSmall, {0, {100, 100}, {0, 0}, {100, 0, 0}, 0, 0}},
       {"Can not calculate wing-5. ", "Please change this wing (less aspect ratio)!"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const AircraftGeometry g = aircraftOf(c.wings);
    const int wings = static_cast<int>(c.wings.size());
    const GridResult grid = GRID(g, wings);
    EXPECT_TRUE(grid.report.messages.empty());
    const StageReport r = checkLatticeCapacity(grid.counts, g, wings);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(rendered(r), c.lines);
  }
}

TEST(GRID, ZeroChordTrapeziumSaturatesInsteadOfOverflowing) {
  const GridResult r = GRID(aircraftOf({{0, {100, 100}, {0, 0}, {100, 0, 0}, 0, 0}}), 1);
  const int most = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(r.counts.n_span[0][1], most);
  EXPECT_EQ(r.counts.n_strips[0], most);
  EXPECT_EQ(r.counts.n_panels, most);
  EXPECT_EQ(r.report.messages.size(), 2u);
}

}  // namespace
}  // namespace volantis4
