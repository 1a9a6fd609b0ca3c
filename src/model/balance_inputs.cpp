#include "model/balance_inputs.h"

#include <cmath>

namespace volantis4 {

bool usableBalanceInputs(const BalanceInputs& inputs) {
  double total = 0;
  for (const Support& s : inputs.readings) {
    if (!std::isfinite(s.x) || !std::isfinite(s.mass) || s.mass < 0) return false;
    total += s.mass;
  }
  if (!(total > 0) || !std::isfinite(total)) return false;
  if (inputs.ballastAt && !std::isfinite(*inputs.ballastAt)) return false;
  return !inputs.moveMass || (std::isfinite(*inputs.moveMass) && *inputs.moveMass > 0);
}

}  // namespace volantis4
