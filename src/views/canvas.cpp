#include "views/canvas.h"

#include <array>

namespace volantis4 {

Rgb wingColour(int w) {
  static constexpr std::array<Rgb, 5> kColours{{{0, 0, 255}, {255, 0, 255}, {0, 128, 0}, {128, 0, 128}, {128, 0, 0}}};
  if (w < 1 || w > 5) return kBlack;
  return kColours[static_cast<std::size_t>(w - 1)];
}

void Canvas::lineTo(int x, int y) {
  const Point to{x, y};
  drawLine(position_, to);
  position_ = to;
}

}  // namespace volantis4
