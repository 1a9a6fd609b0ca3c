#pragma once
// The system's number rules: every float-to-integer conversion and every formatted number goes through here.

#include <cstdint>
#include <string>

namespace volantis4 {

/// R(v): nearest integer, exact halves to the even neighbour; saturates at the int32 range, NaN gives 0.
std::int32_t roundHalfEven(double v);

/// R(v) kept as a double (no range limit), for arithmetic that continues in floating point.
double roundHalfEvenToDouble(double v);

/// Truncation toward zero; saturates at the int32 range, NaN gives 0.
std::int32_t truncToInt(double v);

/// v with `decimals` digits after the point, right-aligned in at least `width` characters.
/// Rounded decimally at the last shown digit, exact halves away from zero, deciding on the
/// shortest round-trip decimal digits of v (0.15 with one decimal gives "0.2"). A value that
/// rounds to zero is written without a sign. NaN and infinities are written as "nan"/"inf".
std::string formatFixed(double v, int width, int decimals);

/// v with at most `decimals` digits after the point, rounded as formatFixed, its trailing zeros
/// (and a point left bare) dropped: 16 → "16", 7.5 → "7.5", 33.25 with one decimal → "33.3".
std::string formatTrimmed(double v, int decimals);

/// v in the fewest decimal digits that read back as exactly v, never in exponent form ("0.1",
/// "-40", "1250.75"). NaN and infinities are written as "nan"/"inf".
std::string formatRoundTrip(double v);

/// An integer in decimal, no padding, minus sign for negatives.
std::string formatInt(long long v);

/// An integer right-aligned in at least `width` characters.
std::string formatInt(long long v, int width);

}  // namespace volantis4
