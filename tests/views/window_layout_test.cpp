#include "views/window_layout.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

// Page 816 x 703: 0.6 · 703 = 421.8 -> 421.
TEST(WindowLayout, ImagesAndScrollBars) {
  DesignPositions design;
  design.planforms.fill({10, 250});
  const ResizeLayout l = resizeLayout({816, 703}, design);
  EXPECT_EQ(l.planforms[0], (Size{816 - 10 - 2, 703 - 250 - 6}));
  EXPECT_EQ(l.image2, (Size{816 - 224 - 1, 421 - 2}));
  EXPECT_EQ(l.image3Top, 420);
  EXPECT_EQ(l.image3, (Size{816 - 224 - 1, 703 - 419 - 21}));
  EXPECT_EQ(l.scrollBar2Top, 703 - 20);  // below the 3-D view's bottom border row 703 - 21
  EXPECT_EQ(l.scrollBar2Width, 816 - 224);
  EXPECT_EQ(l.scrollBar1Top, 420);
  EXPECT_EQ(l.scrollBar1Height, 703 - 420 - 4);
}

// The pressure controls keep their design distance from the top view's right edge (815).
TEST(WindowLayout, PressureControlsStayInTheTopViewsTopRightCorner) {
  for (int width : {816, 1200, 1586}) {
    const ResizeLayout l = resizeLayout({width, 703}, DesignPositions{});
    const int right = 224 + l.image2.width;
    EXPECT_EQ(l.checkBoxA, (Point{right - 215, 18})) << width;
    EXPECT_EQ(l.labelPress, (Point{right - 197, 35})) << width;
    EXPECT_EQ(l.scrollBar6, (Point{right - 18, 18})) << width;
  }
}

TEST(WindowLayout, TinyPageKeepsImagesOnePixel) {
  const ResizeLayout l = resizeLayout({10, 3}, DesignPositions{});
  EXPECT_EQ(l.image2, (Size{1, 1}));
  EXPECT_EQ(l.image3, (Size{1, 1}));
}

}  // namespace
}  // namespace volantis4
