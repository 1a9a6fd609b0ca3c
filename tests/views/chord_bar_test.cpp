#include "views/chord_bar.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace volantis4
