// Arbitrary bytes through the code page in both directions: Windows-1252 without NUL survives a
// round trip exactly, and any byte string taken as UTF-8 encodes to text that is stable.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/codepage.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace volantis4;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.find('\0') == std::string_view::npos) {
    const Windows1252Text back = toWindows1252(fromWindows1252(bytes));
    fuzz::require(back.bytes == bytes && back.replaced == 0, "Windows-1252 round trip");
  }
  const Windows1252Text encoded = toWindows1252(bytes);
  fuzz::require(encoded.bytes.size() <= bytes.size(), "encoding never grows");
  fuzz::require(encoded.replaced <= bytes.size(), "replacements counted per input byte at most");
  const Windows1252Text again = toWindows1252(fromWindows1252(encoded.bytes));
  fuzz::require(again.bytes == encoded.bytes && again.replaced == 0, "encoded text is stable");
  return 0;
}
