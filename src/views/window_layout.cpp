#include "views/window_layout.h"

#include <algorithm>
#include <utility>

#include "model/numbers.h"

namespace volantis4 {

Size pageControlSize(Size window) { return {window.width - 14, window.height - 74}; }

ResizeLayout resizeLayout(Size page, const DesignPositions& design) {
  ResizeLayout out;
  auto atLeast1 = [](int v) { return std::max(v, 1); };
  for (std::size_t w = 0; w < out.planforms.size(); ++w) {
    const Point at = design.planforms[w];
    out.planforms[w] = {atLeast1(page.width - at.x - 2), atLeast1(page.height - at.y - 6)};
  }
  const int sixTenths = truncToInt(page.height * 0.6);
  out.image2 = {atLeast1(page.width - design.image2.x - 1), atLeast1(sixTenths - design.image2.y - 2)};
  out.image3Top = sixTenths - design.image2.y - 1;
  out.image3 = {atLeast1(page.width - design.image3.x - 1),
                atLeast1(page.height - design.image2.y - out.image2.height - 21)};
  out.scrollBar2Top = out.image3Top + out.image3.height;
  out.scrollBar2Width = page.width - design.scrollBar2Left;
  out.scrollBar1Top = out.image3Top;
  out.scrollBar1Height = page.height - out.scrollBar1Top - 4;
  const int shift = out.image2.width - design.image2Width;
  for (auto [to, from] : {std::pair{&out.checkBoxA, design.checkBoxA}, std::pair{&out.labelPress, design.labelPress},
                          std::pair{&out.scrollBar6, design.scrollBar6}})
    *to = {from.x + shift, from.y};
  return out;
}

}  // namespace volantis4
