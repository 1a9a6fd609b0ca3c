#pragma once
// What every accepted input must satisfy; a violation aborts, and libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <variant>

#include "files/aircraft_file.h"

namespace volantis4::fuzz {

inline void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

/// The loaded form keeps the model's ranges, balance inputs are usable ones, and writing them,
/// reading that file and writing again gives the same bytes, the same remarks and the same balance.
inline void checkLoadedAircraft(const LoadedAircraft& loaded) {
  const Form& form = loaded.form;
  require(form.wingsCount >= 1 && form.wingsCount <= kWingCount, "wing count in 1-5");
  for (const WingFields& w : form.wings) require(w.checkedTrapezia >= 1 && w.checkedTrapezia <= 4, "trapezia in 1-4");
  require(!loaded.balance || usableBalanceInputs(*loaded.balance), "balance inputs within their limits");
  require(!loaded.fuselage || !checkFuselage(*loaded.fuselage), "a fuselage that can be used");

  const std::optional<AircraftResults> results =
      loaded.results.sb > 0 ? std::optional<AircraftResults>(loaded.results) : std::nullopt;
  const AircraftFileText first = aircraftFileText(form, results, loaded.balance, loaded.fuselage);
  require(std::string_view(first.bytes).ends_with("\r\n</aircraft>\r\n \r\n"), "a written file closes the aircraft");
  const AircraftLoad again = readAircraftText(first.bytes, "check.vn4", form, loaded.results);
  const auto* reloaded = std::get_if<LoadedAircraft>(&again);
  require(reloaded != nullptr, "a written file is read back");
  require(reloaded->form.remarks == form.remarks, "remarks survive a save and load");
  require(reloaded->form.wingsCount == form.wingsCount, "wing count survives");
  require(reloaded->balance == loaded.balance, "balance inputs survive a save and load");
  require(reloaded->fuselage == loaded.fuselage, "the fuselage survives a save and load");
  const std::optional<AircraftResults> results2 =
      results ? std::optional<AircraftResults>(reloaded->results) : std::nullopt;
  require(aircraftFileText(reloaded->form, results2, reloaded->balance, reloaded->fuselage).bytes == first.bytes,
          "save, load, save gives the same bytes");
}

}  // namespace volantis4::fuzz
