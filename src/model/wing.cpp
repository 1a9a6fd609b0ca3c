#include "model/wing.h"

#include <cstdlib>

#include "model/field_reading.h"

namespace volantis4 {

Wing readWing(const WingFields& fields, int previousSections) {
  Wing wing;
  wing.gap = std::abs(readField(fields.gap));
  wing.chord[0] = std::abs(readField(fields.chords[0]));
  wing.y[0] = wing.gap;
  wing.x[0] = 0;
  for (std::size_t k = 0; k < 4; ++k) {
    // Each field is at most kFieldLimit, so five of them stay far inside 32 bits.
    wing.y[k + 1] = std::abs(readField(fields.widths[k])) + wing.y[k];
    wing.x[k + 1] = readField(fields.offsets[k]);
    wing.chord[k + 1] = std::abs(readField(fields.chords[k + 1]));
  }
  const bool buttonChecked = fields.checkedTrapezia >= 1 && fields.checkedTrapezia <= 4;
  wing.wingsections = buttonChecked ? fields.checkedTrapezia + 1 : previousSections;
  return wing;
}

WingPosition readPosition(const WingFields& fields) {
  return {readField(fields.positionX), readField(fields.positionZ)};
}

}  // namespace volantis4
