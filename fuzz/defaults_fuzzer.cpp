// Arbitrary bytes as "Default.pa4": the reader never crashes, its bounds keep their ranges, and
// the bounds it gives are written and read back unchanged.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/defaults_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace volantis4;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Defaults d = readDefaultsText(bytes);
  fuzz::require(!d.width || (*d.width >= 1 && *d.width <= 2999), "width in range");
  fuzz::require(!d.height || (*d.height >= 1 && *d.height <= 1999), "height in range");
  fuzz::require(!d.left || (*d.left >= 0 && *d.left <= 999), "left in range");
  fuzz::require(!d.top || (*d.top >= 0 && *d.top <= 999), "top in range");
  const WindowBounds b{d.width.value_or(830), d.height.value_or(777), d.left.value_or(542), d.top.value_or(172)};
  const Defaults back = readDefaultsText(defaultsText(d.language, b));
  fuzz::require(back == Defaults{d.language, b.width, b.height, b.left, b.top}, "defaults survive a write and read");
  return 0;
}
