#include "model/field_reading.h"

namespace volantis4 {
namespace {

int digitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9')
    v = c - '0';
  else if (c >= 'a' && c <= 'f')
    v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    v = c - 'A' + 10;
  return v < base ? v : -1;
}

}  // namespace

std::int32_t readField(std::string_view text) { return explainField(text).value; }

FieldReading explainField(std::string_view text) {
  FieldReading out;
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i == text.size()) return out;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }

  std::int64_t magnitude = 0;
  bool anyDigit = false;
  for (; i < text.size(); ++i) {
    const int d = digitValue(text[i], base);
    if (d < 0) break;
    anyDigit = true;
    magnitude = magnitude * base + d;
    if (magnitude > kFieldLimit) magnitude = kFieldLimit + 1;  // keeps the accumulator bounded
  }
  if (!anyDigit) {
    out.noDigit = true;
    return out;
  }
  if (magnitude > kFieldLimit) {
    magnitude = kFieldLimit;
    out.clamped = true;
  }

  out.junkIgnored = i < text.size();
  out.signDropped = negative && out.junkIgnored;
  const auto value = static_cast<std::int32_t>(magnitude);
  out.value = (negative && !out.junkIgnored) ? -value : value;
  return out;
}

}  // namespace volantis4
