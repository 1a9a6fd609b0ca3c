#include "analysis/balance.h"

#include <cmath>

namespace volantis4 {

std::optional<BalanceFigures> balanceOf(const BalanceInputs& inputs, double R, double xnp, double lmue,
                                        double targetX) {
  double mass = 0;
  double moment = 0;
  for (const Support& s : inputs.readings) {
    mass += s.mass;
    moment += s.mass * s.x;
  }
  if (!(mass > 0) || !std::isfinite(moment)) return std::nullopt;

  BalanceFigures f;
  f.totalMass = mass;
  f.x_cg = R + moment / mass;
  f.fromRootLe = f.x_cg - R;
  f.staticMargin = 100 * (xnp - f.x_cg) / lmue;
  f.target = inputs.target;
  f.targetX = targetX;
  f.shiftMm = targetX - f.x_cg;
  f.ballastAt = inputs.ballastAt;
  f.moveMass = inputs.moveMass;
  if (inputs.ballastAt) {
    const double xb = R + *inputs.ballastAt;
    const double m = mass * (f.x_cg - targetX) / (targetX - xb);
    if (m > 0 && std::isfinite(m)) {
      f.ballastG = m;
    } else {
      f.ballastUnreachable = true;
    }
  }
  if (inputs.moveMass && *inputs.moveMass > 0) {
    const double move = mass * (targetX - f.x_cg) / *inputs.moveMass;
    if (std::isfinite(move)) {
      f.moveMm = move;
    } else {
      f.moveBeyondReach = true;
    }
  }
  return f;
}

}  // namespace volantis4
