#pragma once
// What the modeller weighed and wants to reach: the balance inputs, kept with the aircraft and
// saved in its file.

#include <optional>
#include <vector>

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

/// True when the inputs can be weighed: at least one reading, every number finite, every mass at
/// least 0 and their sum above 0, a mass to move above 0.
bool usableBalanceInputs(const BalanceInputs& inputs);

}  // namespace volantis4
