#pragma once
// One wing read from its fields into whole millimetres.

#include <array>
#include <cstdint>

#include "model/form.h"

namespace volantis4 {

/// A wing as integers (mm). Index 0 is section 1.
struct Wing {
  int wingsections = kSectionCount;                 // sections in use: trapezium count + 1 (2-5)
  std::int32_t gap = 0;                             // span station of section 1, >= 0
  std::array<std::int32_t, kSectionCount> x{};      // leading-edge offset from section 1, positive aft
  std::array<std::int32_t, kSectionCount> y{};      // running span stations, y[0] = gap
  std::array<std::int32_t, kSectionCount> chord{};  // >= 0

  bool operator==(const Wing&) const = default;
};

/// Reads wing fields: absolute gap, widths and chords, signed offsets, running stations.
/// `wingsections` comes from the checked trapezium button; with none checked it keeps
/// `previousSections`. All five sections are read whatever the count.
Wing readWing(const WingFields& fields, int previousSections);

/// wing_x and wing_z of a wing, read signed from its position fields.
struct WingPosition {
  std::int32_t x = 0;
  std::int32_t z = 0;
  bool operator==(const WingPosition&) const = default;
};
WingPosition readPosition(const WingFields& fields);

}  // namespace volantis4
