#include "model/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace volantis4 {
namespace {

std::int32_t saturateToInt32(double v) {
  if (std::isnan(v)) return 0;
  constexpr double lo = std::numeric_limits<std::int32_t>::min();
  constexpr double hi = std::numeric_limits<std::int32_t>::max();
  if (v <= lo) return std::numeric_limits<std::int32_t>::min();
  if (v >= hi) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(v);
}

std::string padLeft(std::string s, int width) {
  if (width > 0 && s.size() < static_cast<std::size_t>(width))
    s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
  return s;
}

// Shortest round-trip digits of |v| as a digit string and the decimal exponent of its first digit.
struct Decimal {
  std::string digits;  // no leading zeros, at least one digit
  int pointPos = 0;    // value = 0.d1d2d3... * 10^pointPos
};

Decimal shortestDigits(double magnitude) {
  std::array<char, 64> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::scientific);
  std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  const auto ePos = text.find('e');
  Decimal d;
  for (char c : text.substr(0, ePos))
    if (c != '.') d.digits.push_back(c);
  int exponent = 0;
  std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
  d.pointPos = exponent + 1;
  return d;
}

}  // namespace

double roundHalfEvenToDouble(double v) {
  if (!std::isfinite(v)) return v;
  const double r = std::round(v);  // halves away from zero
  if (std::fabs(r - v) == 0.5 && std::fmod(r, 2.0) != 0.0) return r - std::copysign(1.0, v);
  return r;
}

std::int32_t roundHalfEven(double v) { return saturateToInt32(roundHalfEvenToDouble(v)); }

std::int32_t truncToInt(double v) { return saturateToInt32(std::trunc(v)); }

std::string formatRoundTrip(double v) {
  if (v == 0) return "0";       // also −0
  std::array<char, 400> buf{};  // the longest fixed form of a double has 309 digits before the point
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed);
  return {buf.data(), res.ptr};
}

std::string formatFixed(double v, int width, int decimals) {
  if (decimals < 0) decimals = 0;
  if (std::isnan(v)) return padLeft("nan", width);
  if (std::isinf(v)) return padLeft(v < 0 ? "-inf" : "inf", width);

  // Integer part digits and fraction digits as decimal characters, rounded on the shortest digits.
  std::string intPart = "0";
  std::string fracPart(static_cast<std::size_t>(decimals), '0');
  bool negative = std::signbit(v);
  if (v != 0.0) {
    Decimal d = shortestDigits(std::fabs(v));
    // Place the digits on a fixed grid: all digits up to `decimals` after the point.
    const int keep = d.pointPos + decimals;  // number of digits kept from the front
    std::string kept;
    bool roundUp = false;
    if (keep < 0) {
      kept.clear();
    } else {
      const auto k = static_cast<std::size_t>(keep);
      kept = d.digits.substr(0, std::min(k, d.digits.size()));
      if (kept.size() < k) kept.append(k - kept.size(), '0');
      roundUp = k < d.digits.size() && d.digits[k] >= '5';
    }
    if (roundUp) {
      int i = static_cast<int>(kept.size()) - 1;
      while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
      if (i >= 0)
        ++kept[static_cast<std::size_t>(i)];
      else
        kept.insert(0, 1, '1');
    }
    // kept now holds the value * 10^decimals as an integer digit string.
    if (kept.size() < static_cast<std::size_t>(decimals) + 1)
      kept.insert(0, static_cast<std::size_t>(decimals) + 1 - kept.size(), '0');
    intPart = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    fracPart = kept.substr(kept.size() - static_cast<std::size_t>(decimals));
    const auto firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? "0" : intPart.substr(firstNonZero);
  }
  const bool isZero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
  std::string out = (negative && !isZero) ? "-" : "";
  out += intPart;
  if (decimals > 0) out += "." + fracPart;
  return padLeft(out, width);
}

std::string formatTrimmed(double v, int decimals) {
  std::string s = formatFixed(v, 0, decimals);
  if (s.find('.') == std::string::npos) return s;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string formatInt(long long v) { return std::to_string(v); }

std::string formatInt(long long v, int width) { return padLeft(std::to_string(v), width); }

}  // namespace volantis4
