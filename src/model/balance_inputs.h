#pragma once
// What the modeller weighed and wants to reach: the balance inputs, kept with the aircraft and
// saved in its file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/language.h"

namespace volantis4 {

/// Which proposed centre of gravity is the target: the smaller automatic margin's, the larger one's
/// or the manual margin's.
enum class CgTarget { Low, High, Manual };

/// One scale reading: where the support is (mm from the reference wing's root leading edge,
/// positive aft) and what it carries (g). A measured centre of gravity with the total mass is one
/// reading.
struct Support {
  double x = 0;
  double mass = 0;

  bool operator==(const Support&) const = default;
};

/// What the modeller weighed and wants: one reading (a measured centre of gravity with the total
/// mass) or two or more support readings.
struct BalanceInputs {
  std::vector<Support> readings;  // total mass = their sum, which must be above 0
  CgTarget target = CgTarget::Manual;
  std::optional<double> ballastAt;  // mm from the root leading edge
  std::optional<double> moveMass;   // g, above 0

  bool operator==(const BalanceInputs&) const = default;
};

/// The farthest a position (support, ballast) may lie from the root leading edge: 100 m, in mm.
inline constexpr double kBalancePositionLimitMm = 100'000;
/// The largest reading, total mass or mass to move: 1000 kg, in g.
inline constexpr double kBalanceMassLimitG = 1'000'000;

/// What a balance number stands for, which decides its limits.
enum class BalanceQuantity {
  Position,     // mm, within ±kBalancePositionLimitMm
  ReadingMass,  // g, 0 … kBalanceMassLimitG (a support may carry nothing)
  TotalMass,    // g, above 0, at most kBalanceMassLimitG (a measured centre of gravity's mass)
  MoveMass,     // g, above 0, at most kBalanceMassLimitG
};

/// A balance number as written in the file or given as an option: blanks aside, one decimal
/// number with an optional minus sign and fraction, no exponent, hexadecimal, "inf" or "nan";
/// nullopt for anything else.
std::optional<double> readBalanceNumber(std::string_view text);

/// True when `value` lies within the limits of `quantity`.
bool withinBalanceLimits(BalanceQuantity quantity, double value);

/// One sentence saying what a number of `quantity` must be, limits included.
std::string balanceLimitsText(BalanceQuantity quantity, Language language);

/// True when the inputs can be weighed: at least one reading, every number within its limits and
/// the masses adding up to more than 0 and at most kBalanceMassLimitG.
bool usableBalanceInputs(const BalanceInputs& inputs);

}  // namespace volantis4
