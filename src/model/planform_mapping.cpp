#include "model/planform_mapping.h"

#include <algorithm>
#include <limits>

#include "model/numbers.h"

namespace volantis4 {

PlanformMapping planformMapping(const Wing& wing, int width, int height) {
  PlanformMapping m;
  m.cx = width / 2;
  m.cy = height / 3;
  const int n = std::clamp(wing.wingsections, 1, kSectionCount);
  const std::int32_t outermost = wing.y[wingIndex(n)];
  m.spanScale = outermost == 0 ? 1.0 : (width / 2.03) / outermost;

  std::int32_t extent = wing.chord[0];
  for (std::size_t k = 1; k < static_cast<std::size_t>(n); ++k) extent = std::max(extent, wing.x[k] + wing.chord[k]);
  // A leading edge ahead of the root must stay inside the upper third.
  for (std::size_t k = 1; k < static_cast<std::size_t>(n); ++k) extent = std::max(extent, -2 * wing.x[k]);
  m.chordExtent = extent;

  // No outline can be drawn to scale for a wing without span or chord extent: scale 0.
  if (outermost > 0 && extent > 0) m.scale = std::min(m.spanScale, (height / 1.6) / extent);
  return m;
}

int planformPixel(int origin, double mm, double scale) {
  const std::int64_t sum = static_cast<std::int64_t>(origin) + roundHalfEven(mm * scale);
  return static_cast<int>(
      std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace volantis4
