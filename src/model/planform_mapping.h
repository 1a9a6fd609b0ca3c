#pragma once
// The pixel mapping of a wing's planform image: origin, scale, and rounding of each product.

#include <cstdint>

#include "model/wing.h"

namespace volantis4 {

/// Origin and scale of a planform image. The origin is the root leading edge on the centre line.
struct PlanformMapping {
  int cx = 0;                    // centre column: image width / 2, truncated
  int cy = 0;                    // root row: image height / 3, truncated
  double scale = 0;              // pixels per mm; 0 when the wing has no extent to draw to scale
  double spanScale = 1;          // (W / 2.03) / outermost station, 1 when that station is 0
  std::int32_t chordExtent = 0;  // E (mm)

  /// True when the wing can be drawn and edited: outermost station and E both above 0.
  bool drawable() const { return scale > 0; }
};

/// The mapping of a wing with its sections in use onto a width x height image.
PlanformMapping planformMapping(const Wing& wing, int width, int height);

/// origin + R(mm · scale): one pixel coordinate, the product rounded on its own (halves to
/// even); the sum saturates at the int range.
int planformPixel(int origin, double mm, double scale);

}  // namespace volantis4
