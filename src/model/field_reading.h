#pragma once
// Reading an input field's text as a whole number of millimetres.

#include <cstdint>
#include <string_view>

namespace volantis4 {

/// Largest magnitude a field can give (mm); larger texts saturate here, so running sums of
/// five fields stay far inside 32 bits.
inline constexpr std::int32_t kFieldLimit = 99'999'999;

/// A field's text as an integer: leading blanks skipped, optional sign, `$` or `0x` hexadecimal,
/// reading stops at the first character that cannot continue the number. When it stops early
/// the digits before count but the sign is not applied ("-12a" gives 12); no digit gives 0.
std::int32_t readField(std::string_view text);

/// How a field's text was read, for the feedback beside the field. A text that is empty or all
/// blanks reads as 0 and counts as whole.
struct FieldReading {
  std::int32_t value = 0;    // what readField gives
  bool junkIgnored = false;  // reading stopped before the end of the text
  bool signDropped = false;  // a minus sign was not applied because reading stopped early
  bool clamped = false;      // the number lay beyond ±kFieldLimit
  bool noDigit = false;      // something other than blanks, but no digit: read as 0

  /// The text was read whole as the number it shows.
  bool whole() const { return !junkIgnored && !signDropped && !clamped && !noDigit; }
  bool operator==(const FieldReading&) const = default;
};

/// The reading of `text` with how it went; its value is readField(text).
FieldReading explainField(std::string_view text);

}  // namespace volantis4
