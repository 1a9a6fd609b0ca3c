#include "model/balance_inputs.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "model/blanks.h"
#include "model/numbers.h"
#include "model/text_fill.h"

namespace volantis4 {

std::optional<double> readBalanceNumber(std::string_view text) {
  const std::string_view v = trimBlanks(text);
  double x = 0;
  const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), x, std::chars_format::fixed);
  if (v.empty() || error != std::errc() || end != v.data() + v.size() || !std::isfinite(x)) return std::nullopt;
  return x;
}

bool withinBalanceLimits(BalanceQuantity quantity, double value) {
  if (!std::isfinite(value)) return false;
  switch (quantity) {
    case BalanceQuantity::Position:
      return std::fabs(value) <= kBalancePositionLimitMm;
    case BalanceQuantity::ReadingMass:
      return value >= 0 && value <= kBalanceMassLimitG;
    case BalanceQuantity::TotalMass:
    case BalanceQuantity::MoveMass:
      break;
  }
  return value > 0 && value <= kBalanceMassLimitG;
}

std::string balanceLimitsText(BalanceQuantity quantity, Language language) {
  switch (quantity) {
    case BalanceQuantity::Position:
      return filledText(TextId::BalanceExpectPosition, language,
                        {formatRoundTrip(-kBalancePositionLimitMm), formatRoundTrip(kBalancePositionLimitMm)});
    case BalanceQuantity::ReadingMass:
      return filledText(TextId::BalanceExpectReadingMass, language, {"0", formatRoundTrip(kBalanceMassLimitG)});
    case BalanceQuantity::TotalMass:
      return filledText(TextId::BalanceExpectTotalMass, language, {"0", formatRoundTrip(kBalanceMassLimitG)});
    case BalanceQuantity::MoveMass:
      break;
  }
  return filledText(TextId::BalanceExpectMoveMass, language, {"0", formatRoundTrip(kBalanceMassLimitG)});
}

bool usableBalanceInputs(const BalanceInputs& inputs) {
  double total = 0;
  for (const Support& s : inputs.readings) {
    if (!withinBalanceLimits(BalanceQuantity::Position, s.x) ||
        !withinBalanceLimits(BalanceQuantity::ReadingMass, s.mass))
      return false;
    total += s.mass;
  }
  if (!withinBalanceLimits(BalanceQuantity::TotalMass, total)) return false;
  if (inputs.ballastAt && !withinBalanceLimits(BalanceQuantity::Position, *inputs.ballastAt)) return false;
  return !inputs.moveMass || withinBalanceLimits(BalanceQuantity::MoveMass, *inputs.moveMass);
}

}  // namespace volantis4
