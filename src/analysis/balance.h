#pragma once
// Balancing by weighing: the centre of gravity from scale readings, its margin, and the ballast or
// the move of a mass that brings it to a target.

#include <optional>

#include "model/balance_inputs.h"

namespace volantis4 {

/// What the weighing gives (mm in aircraft x unless said otherwise).
struct BalanceFigures {
  double x_cg = 0;          // R + Σm·x / Σm
  double fromRootLe = 0;    // x_cg − R
  double staticMargin = 0;  // 100·(xnp − x_cg)/lmue, percent
  CgTarget target = CgTarget::Manual;
  double targetX = 0;               // the target centre of gravity
  double shiftMm = 0;               // target − x_cg
  double totalMass = 0;             // g
  std::optional<double> ballastAt;  // as given, mm from the root leading edge
  std::optional<double> moveMass;   // as given, g
  std::optional<double> ballastG;   // M·(x_cg − x_t)/(x_t − x_b) when positive
  bool ballastUnreachable = false;  // a ballast position was given but no positive mass reaches the target
  std::optional<double> moveMm;     // M·(x_t − x_cg)/m for the given mass m, when that is a finite number
  bool moveBeyondReach = false;     // a mass to move was given, but the distance is beyond any finite number
};

/// The balance figures for readings relative to R (the reference wing's root leading-edge x), the
/// neutral point and reference chord, and the target's aircraft x. Nullopt when the total mass is
/// not above 0.
std::optional<BalanceFigures> balanceOf(const BalanceInputs& inputs, double R, double xnp, double lmue, double targetX);

}  // namespace volantis4
