#include "views/canvas.h"

#include <array>

#include "model/form.h"

namespace volantis4 {

Rgb wingColour(int w) {
  static constexpr std::array<Rgb, kWingCount> kColours{
      {{0, 0, 255}, {255, 0, 255}, {0, 128, 0}, {128, 0, 128}, {128, 0, 0}}};
  if (w < 1 || w > kWingCount) return kBlack;
  return kColours[wingIndex(w)];
}

void Canvas::lineTo(int x, int y) {
  const Point to{x, y};
  drawLine(position_, to);
  position_ = to;
}

}  // namespace volantis4
