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

}  // namespace volantis4
