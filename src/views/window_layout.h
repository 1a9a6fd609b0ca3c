#pragma once
// FormResize's arithmetic: the sizes of the page control, the planform images, the top view,
// the 3-D view and the two rotation scroll bars for a window size; the window applies them.

#include <array>

#include "model/form.h"
#include "views/canvas.h"

namespace volantis4 {

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size&) const = default;
};

/// Design positions the resize keeps (left, top in page pixels) and the scroll bars' fixed extents.
struct DesignPositions {
  std::array<Point, kWingCount> planforms{};  // Image1 … Image11111
  Point image2{224, 0};
  Point image3{224, 322};
  int scrollBar2Left = 224;
  int scrollBar2Height = 17;
  // The pressure controls in the top view's top-right corner of the 591-pixel-wide design.
  int image2Width = 591;
  Point checkBoxA{600, 18};
  Point labelPress{618, 35};
  Point scrollBar6{797, 18};
};

/// Where everything goes. Image sizes are at least 1 pixel.
struct ResizeLayout {
  std::array<Size, kWingCount> planforms{};
  Size image2;
  int image3Top = 0;
  Size image3;
  int scrollBar2Top = 0, scrollBar2Width = 0;   // turn
  int scrollBar1Top = 0, scrollBar1Height = 0;  // tilt
  // The pressure check box, its note and ScrollBar6 keep their distance from the top view's
  // right edge, so that they stay in its top-right corner at every width.
  Point checkBoxA, labelPress, scrollBar6;
};

/// Step 2: PageControl1 is the window's outer size less 14 in width and 74 in height.
Size pageControlSize(Size window);

/// Steps 3, 4, 5 and 7 for a page of the given size (as the toolkit lays it out). The turn scroll
/// bar starts right below the 3-D view, so that the view's bottom border line stays visible.
ResizeLayout resizeLayout(Size page, const DesignPositions& design);

}  // namespace volantis4
