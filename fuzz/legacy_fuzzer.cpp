// Arbitrary bytes as a legacy data file (.da4): the line reader never crashes, and what it
// accepts is a valid form that survives a save (as .vn4) and load.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/aircraft_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace volantis4;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static const Form start = defaultForm();
  const AircraftLoad load = readAircraftText(bytes, "fuzz.da4", start, AircraftResults{1, 2, 3});
  if (const auto* loaded = std::get_if<LoadedAircraft>(&load)) {
    fuzz::require(loaded->form.wingsCount <= 3, "a legacy file holds at most 3 wings");
    fuzz::require(loaded->form.wing(4) == start.wing(4) && loaded->form.wing(5) == start.wing(5),
                  "wings 4 and 5 untouched");
    fuzz::checkLoadedAircraft(*loaded);
  }
  return 0;
}
