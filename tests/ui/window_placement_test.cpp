// The window's start placement: its whole frame on the screen's available area, shrunk to the
// area (its pages then scroll) where the design minimum does not fit; there it can also be made
// smaller still, down to 480 × 360.

#include "ui/window_placement.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

const QRect kDesign(542, 172, 822, 752);
const QMargins kNoFrame(0, 0, 0, 0);
const QRect kFullHd(0, 0, 1920, 1200);
const QMargins kTitleBar(4, 24, 4, 4);

TEST(StartPlacement, TheWholeFrameLiesOnTheAvailableArea) {
  struct Case {
    const char* name;
    QRect given;  // position and size without the frame
    QMargins frame;
    QRect available;
    QRect expected;  // position and size
    QSize expectedMinimum;
  };
  const Case cases[] = {
      // 542 + 822 = 1364 passes 1280 by 84: the window moves left to 1280 − 822.
      {"design on 1280x1024", kDesign, kNoFrame, {0, 0, 1280, 1024}, {458, 172, 822, 752}, {822, 752}},
      // The frame is 830 × 780: left at 1280 − 830; 172 + 780 fits below 1024.
      {"framed on 1280x1024", kDesign, kTitleBar, {0, 0, 1280, 1024}, {450, 172, 822, 752}, {822, 752}},
      // 752 + 28 passes 768: the height shrinks to 768 − 28 = 740, the frame starts at the top.
      {"framed on 1024x768", kDesign, kTitleBar, {0, 0, 1024, 768}, {194, 0, 822, 740}, {480, 360}},
      // A 32-pixel panel on top leaves 736 rows from row 32.
      {"panel on 1366x768", kDesign, kNoFrame, {0, 32, 1366, 736}, {542, 32, 822, 736}, {480, 360}},
      // Scale 2 on 1400 × 1100 leaves 700 × 550 logical pixels.
      {"scale 2 on 1400x1100", kDesign, kNoFrame, {0, 0, 700, 550}, {0, 0, 700, 550}, {480, 360}},
      // 400 × 300 logical pixels: the smallest window is smaller still.
      {"400x300", kDesign, kNoFrame, {0, 0, 400, 300}, {0, 0, 400, 300}, {400, 300}},
      // The largest bounds a defaults file may give, on 1920 × 1200 with a 2-pixel frame.
      {"largest defaults", {999, 999, 2999, 1999}, {2, 2, 2, 2}, kFullHd, {0, 0, 1916, 1196}, {822, 752}},
      // A second screen to the right: the window stays on it.
      {"second screen", {2462, 172, 822, 752}, kNoFrame, {1920, 0, 1024, 768}, {2122, 16, 822, 752}, {822, 752}},
      {"left above", {-300, -50, 900, 800}, kNoFrame, {0, 0, 1280, 1024}, {0, 0, 900, 800}, {822, 752}}};
  const QSize design(822, 752);  // the designed window without its frame
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WindowPlacement p = placeOnScreen(c.given.topLeft(), c.given.size(), c.frame, design, c.available);
    EXPECT_EQ(QRect(p.position, p.size), c.expected);
    EXPECT_EQ(p.minimum, c.expectedMinimum);
    EXPECT_TRUE(c.available.contains(QRect(p.position, p.size.grownBy(c.frame)))) << "frame off the area";
  }
}

}  // namespace
}  // namespace volantis4
