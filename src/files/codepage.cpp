#include "files/codepage.h"

#include <array>
#include <cstdint>

namespace volantis4 {
namespace {

// Code points of bytes 0x80-0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t codePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80u];
  return byte;
}

// The byte for a code point, or -1 when the page has none.
int byteOf(char32_t c) {
  if (c == 0) return -1;
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == c) return static_cast<int>(0x80 + i);
  return -1;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 character at `i`; advances `i` past it. Returns false for a malformed
// sequence, after which `i` has moved past its longest valid prefix (at least one byte).
bool decodeUtf8(std::string_view s, std::size_t& i, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    c = b0;
    ++i;
    return true;
  }
  int extra = 0;
  char32_t lowest = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    extra = 1;
    c = b0 & 0x1Fu;
    lowest = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    extra = 2;
    c = b0 & 0x0Fu;
    lowest = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    extra = 3;
    c = b0 & 0x07u;
    lowest = 0x10000;
  } else {
    ++i;
    return false;
  }
  ++i;
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size()) return false;
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0u) != 0x80u) return false;
    c = (c << 6) | (b & 0x3Fu);
    ++i;
  }
  return c >= lowest && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

}  // namespace

Windows1252Text toWindows1252(std::string_view utf8) {
  Windows1252Text out;
  out.bytes.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = 0;
    const int b = decodeUtf8(utf8, i, c) ? byteOf(c) : -1;
    if (b < 0) {
      out.bytes += '?';
      ++out.replaced;
    } else {
      out.bytes += static_cast<char>(static_cast<unsigned char>(b));
    }
  }
  return out;
}

std::string fromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) appendUtf8(out, codePointOf(static_cast<unsigned char>(ch)));
  return out;
}

}  // namespace volantis4
