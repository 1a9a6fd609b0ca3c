#pragma once
// Windows-1252, the 8-bit code page of the files, to and from the UTF-8 the form holds.

#include <cstddef>
#include <string>
#include <string_view>

namespace volantis4 {

/// Text in Windows-1252 and how many characters could not be held and became "?".
struct Windows1252Text {
  std::string bytes;
  std::size_t replaced = 0;
};

/// UTF-8 to Windows-1252. A character the code page lacks, a NUL and each malformed UTF-8
/// sequence are written as "?" and counted. The five unassigned bytes 0x81, 0x8D, 0x8F,
/// 0x90, 0x9D come from U+0081 … U+009D, so every byte string survives a round trip.
Windows1252Text toWindows1252(std::string_view utf8);

/// Windows-1252 to UTF-8; every byte has a character (the unassigned ones their C1 control).
std::string fromWindows1252(std::string_view bytes);

}  // namespace volantis4
