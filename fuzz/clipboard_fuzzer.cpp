// Arbitrary bytes as "wingcopy.fl4", inserted into a wing chosen by the first byte: the reader
// never crashes, touches only that wing's geometry, and a copy of the result reads back the same.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/wing_clipboard.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace volantis4;
  if (size == 0) return 0;
  const int w = 1 + data[0] % kWingCount;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  static const Form start = defaultForm();
  const Form f = readWingClipboardText(bytes, start, w);
  for (int other = 1; other <= kWingCount; ++other)
    if (other != w) fuzz::require(f.wing(other) == start.wing(other), "other wings untouched");
  fuzz::require(f.wing(w).positionX == start.wing(w).positionX && f.wing(w).positionZ == start.wing(w).positionZ,
                "position kept");
  fuzz::require(f.wing(w).checkedTrapezia >= 1 && f.wing(w).checkedTrapezia <= 4, "trapezia in 1-4");
  const std::string copy = wingClipboardText(f, w, std::nullopt);
  const Form g = readWingClipboardText(copy, f, w);
  fuzz::require(wingClipboardText(g, w, std::nullopt) == copy, "copy, insert, copy gives the same file");
  return 0;
}
