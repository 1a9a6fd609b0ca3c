// Arbitrary bytes as an aircraft file (.vn4): the tag reader never crashes, and what it accepts
// is a valid form with usable balance inputs and fuselage, and all survive a save and load.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/aircraft_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace volantis4;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static const Form start = defaultForm();
  const AircraftLoad load = readAircraftText(bytes, "fuzz.vn4", start, AircraftResults{1, 2, 3});
  if (const auto* loaded = std::get_if<LoadedAircraft>(&load)) fuzz::checkLoadedAircraft(*loaded);
  return 0;
}
