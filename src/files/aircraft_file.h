#pragma once
// The aircraft file (.vn4): the writer's exact line sequence and the reader `Load2`, which also
// reads legacy data files (.da4).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "files/file_error.h"
#include "model/balance_inputs.h"
#include "model/document.h"
#include "model/form.h"
#include "model/fuselage_input.h"

namespace volantis4 {

/// A written aircraft file: its Windows-1252 bytes and how many characters of the remarks
/// became "?".
struct AircraftFileText {
  std::string bytes;
  std::size_t replacedCharacters = 0;
};

/// The file of `form`: wings 1 … wingsCount, the results block when `results` is given (pass
/// them only while results_valid is set), the balance block when `balance` is given, and the
/// remarks as the comment. Remark lines are separated by "\n" ("\r\n" and "\r" are taken as
/// well); "<" is written "&lt;". The balance and fuselage blocks (each only when given) have
/// element names of their own, which readers that do not know them skip.
AircraftFileText aircraftFileText(const Form& form, const std::optional<AircraftResults>& results,
                                  const std::optional<BalanceInputs>& balance = std::nullopt,
                                  const std::optional<FuselageInput>& fuselage = std::nullopt);

/// A completed save.
struct SavedAircraft {
  std::size_t replacedCharacters = 0;  // remark characters written as "?"; report them when not 0
};

/// Writes aircraftFileText to `path` without ever leaving a partial file (the caller adjusts
/// the name first with adjustFileName).
std::variant<SavedAircraft, FileError> saveAircraft(const std::string& path, const Form& form,
                                                    const std::optional<AircraftResults>& results,
                                                    const std::optional<BalanceInputs>& balance = std::nullopt,
                                                    const std::optional<FuselageInput>& fuselage = std::nullopt);

/// The form and results after a successful read.
struct LoadedAircraft {
  Form form;
  AircraftResults results;                // sb, lmue, xnp replaced where the file gives them
  std::optional<BalanceInputs> balance;   // when the file carries balance inputs
  std::optional<FuselageInput> fuselage;  // when the file carries a fuselage
};
using AircraftLoad = std::variant<LoadedAircraft, FileError>;

/// Reads the bytes of a file called `name` into `form` and `results` as `Load2` does: the legacy
/// layout when the name contains ".da4"/".DA4", else the tags; wings 4 and 5 are set only for a
/// name containing ".vn4"/".VN4". A refused file changes nothing and gives the reason; balance
/// inputs that are not usable, and a fuselage block that is malformed or unusable, refuse the file.
AircraftLoad readAircraftText(std::string_view bytes, const std::string& name, const Form& form,
                              const AircraftResults& results);

/// `Load2`: reads the file `name` (never one of the dialog's patterns) as readAircraftText does.
AircraftLoad Load2(const std::string& name, const Form& form, const AircraftResults& results);

}  // namespace volantis4
