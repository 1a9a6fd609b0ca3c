#include "model/fuselage_input.h"

#include <charconv>
#include <cstdlib>

#include "model/numbers.h"
#include "model/text_fill.h"

namespace volantis4 {

std::optional<FuselageCheck> checkFuselage(const FuselageInput& f) {
  const std::size_t n = f.stations.size();
  if (n < kMinFuselageStations) return FuselageCheck{FuselageProblem::TooFewStations, 0};
  if (n > kMaxFuselageStations) return FuselageCheck{FuselageProblem::TooManyStations, 0};
  if (std::abs(static_cast<long long>(f.axisZ)) > kFuselageLengthLimit)
    return FuselageCheck{FuselageProblem::PositionRange, 0};
  for (std::size_t i = 0; i < n; ++i) {
    const FuselageStation& s = f.stations[i];
    if (std::abs(static_cast<long long>(s.x)) > kFuselageLengthLimit)
      return FuselageCheck{FuselageProblem::PositionRange, i + 1};
    if (i > 0 && s.x <= f.stations[i - 1].x) return FuselageCheck{FuselageProblem::NotIncreasing, i + 1};
    if (s.width < 0) return FuselageCheck{FuselageProblem::NegativeWidth, i + 1};
    if (s.width > kFuselageWidthLimit) return FuselageCheck{FuselageProblem::WidthRange, i + 1};
  }
  return std::nullopt;
}

std::string renderFuselageProblem(const FuselageCheck& check, Language language) {
  const std::string station = formatInt(static_cast<long long>(check.station));
  const std::string previous = formatInt(static_cast<long long>(check.station) - 1);
  switch (check.problem) {
    case FuselageProblem::TooFewStations:
      return filledText(TextId::FuselageTooFewStations, language, {formatInt(kMinFuselageStations)});
    case FuselageProblem::TooManyStations:
      return filledText(TextId::FuselageTooManyStations, language, {formatInt(kMaxFuselageStations)});
    case FuselageProblem::NotIncreasing:
      return filledText(TextId::FuselageNotIncreasing, language, {station, previous});
    case FuselageProblem::NegativeWidth:
      return filledText(TextId::FuselageNegativeWidth, language, {station});
    case FuselageProblem::PositionRange:
      return check.station == 0
                 ? filledText(TextId::FuselageAxisRange, language, {formatInt(kFuselageLengthLimit)})
                 : filledText(TextId::FuselagePositionRange, language, {station, formatInt(kFuselageLengthLimit)});
    case FuselageProblem::WidthRange:
      return filledText(TextId::FuselageWidthRange, language, {station, formatInt(kFuselageWidthLimit)});
  }
  return {};
}

std::optional<std::int32_t> wholeMillimetres(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  std::string_view v = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (v.starts_with('+')) v.remove_prefix(1);
  std::int32_t x = 0;
  const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), x);
  if (v.empty() || error != std::errc() || end != v.data() + v.size()) return std::nullopt;
  return x;
}

double fuselageWidthAt(const FuselageInput& f, double x) {
  const std::vector<FuselageStation>& s = f.stations;
  if (s.empty()) return 0;
  if (x <= s.front().x) return s.front().width;
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (x <= s[i].x) {
      const double t = (x - s[i - 1].x) / static_cast<double>(s[i].x - s[i - 1].x);
      return s[i - 1].width + t * (s[i].width - s[i - 1].width);
    }
  }
  return s.back().width;
}

}  // namespace volantis4
