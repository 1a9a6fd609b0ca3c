#pragma once
// The fuselage as the modeller enters it: its width seen from above at stations along the aircraft
// axis, and the height of its axis. Optional; saved with the aircraft.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/language.h"

namespace volantis4 {

/// One station: where it is (aircraft x, mm, positive aft) and the full width there (mm).
struct FuselageStation {
  std::int32_t x = 0;
  std::int32_t width = 0;

  bool operator==(const FuselageStation&) const = default;
};

/// The fuselage: its stations in order (the width is linear between them) and the height of its
/// axis (mm, on the axis of the wing heights).
struct FuselageInput {
  std::vector<FuselageStation> stations;
  std::int32_t axisZ = 0;

  bool operator==(const FuselageInput&) const = default;
};

/// Limits of a fuselage.
inline constexpr std::size_t kMinFuselageStations = 2;
inline constexpr std::size_t kMaxFuselageStations = 20;
inline constexpr std::int32_t kFuselageLengthLimit = 100000;  // |x| and |z| at most, mm (100 m)
inline constexpr std::int32_t kFuselageWidthLimit = 10000;    // widths at most, mm

/// Why a fuselage cannot be used.
enum class FuselageProblem {
  TooFewStations,   // fewer than 2
  TooManyStations,  // more than 20
  NotIncreasing,    // station `station`'s x is not beyond the one before
  NegativeWidth,    // station `station`'s width is below 0
  PositionRange,    // station `station`'s x (or the axis height, station 0) beyond ±100 m
  WidthRange,       // station `station`'s width above 10 m
};

/// A fuselage's problem and the station it concerns (1-based; 0 for the axis or the count).
struct FuselageCheck {
  FuselageProblem problem = FuselageProblem::TooFewStations;
  std::size_t station = 0;

  bool operator==(const FuselageCheck&) const = default;
};

/// The first problem of a fuselage, or nullopt when it can be used.
std::optional<FuselageCheck> checkFuselage(const FuselageInput& fuselage);

/// The problem in one sentence of `language` ("station 3 lies not behind station 2", …).
std::string renderFuselageProblem(const FuselageCheck& check, Language language);

/// A length as fields of the fuselage are read: the whole text, blanks aside, an optional sign and
/// decimal digits within 32 bits; nullopt for anything else.
std::optional<std::int32_t> wholeMillimetres(std::string_view text);

/// The full width at aircraft x, linear between the stations (x within the first and last station).
double fuselageWidthAt(const FuselageInput& fuselage, double x);

}  // namespace volantis4
