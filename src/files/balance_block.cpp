#include "files/balance_block.h"

#include <algorithm>
#include <array>
#include <utility>

#include "files/staging_record.h"
#include "files/tag_lines.h"
#include "model/blanks.h"
#include "model/numbers.h"

namespace volantis4 {
namespace {

constexpr std::string_view kBalance = "balance";
constexpr std::string_view kReading = "cg_reading";
constexpr std::string_view kReadingX = "reading_x_mm";
constexpr std::string_view kReadingMass = "reading_mass_g";
constexpr std::string_view kTarget = "cg_target";
constexpr std::string_view kBallastAt = "ballast_at_mm";
constexpr std::string_view kMoveMass = "move_mass_g";

constexpr std::array<std::pair<CgTarget, std::string_view>, 3> kTargetNames{
    {{CgTarget::Low, "low"}, {CgTarget::High, "high"}, {CgTarget::Manual, "manual"}}};

std::string_view targetName(CgTarget target) {
  for (const auto& [t, name] : kTargetNames)
    if (t == target) return name;
  return "manual";
}

bool blank(std::string_view text) { return trimBlanks(text).empty(); }

// A line of the block split at its tag: what stands before the "<" and after the ">".
struct TagParts {
  std::string_view before, after;
};

TagParts partsOf(std::string_view line) {
  const std::size_t open = line.find('<');
  const std::size_t close = line.find('>');
  return {line.substr(0, open), close == std::string_view::npos ? std::string_view() : line.substr(close + 1)};
}

}  // namespace

std::string balanceBlockText(const BalanceInputs& b) {
  TagLines out;
  out.tag(" ", kBalance);
  for (const Support& s : b.readings) {
    out.tag("  ", kReading);
    out.element("   ", kReadingX, formatRoundTrip(s.x));
    out.element("   ", kReadingMass, formatRoundTrip(s.mass));
    out.tag("  ", kReading, true);
  }
  out.element("  ", kTarget, targetName(b.target));
  if (b.ballastAt) out.element("  ", kBallastAt, formatRoundTrip(*b.ballastAt));
  if (b.moveMass) out.element("  ", kMoveMass, formatRoundTrip(*b.moveMass));
  out.tag(" ", kBalance, true);
  out.line(" ");
  return std::move(out.bytes());
}

bool BalanceBlockReader::take(std::string_view tag, std::string_view line, long long number) {
  const bool closing = tag.starts_with('/');
  const std::string_view name = closing ? tag.substr(1) : tag;
  const bool block = name == kBalance || name == kReading;
  const bool ownElement = name == kTarget || name == kBallastAt || name == kMoveMass;
  if (!block && !ownElement && name != kReadingX && name != kReadingMass) return false;
  if (closing && !block) return true;  // a value element's end tag stands on its start tag's line
  if (refused_) return true;

  const auto fault = [&](FileErrorKind kind, std::string_view about, long long at, std::string_view within = {}) {
    refuse(FileError::balanceLayout(kind, {}, std::string(about), at, std::string(within)));
    return true;
  };
  const TagParts parts = partsOf(line);
  if (!blank(parts.before)) return fault(FileErrorKind::BalanceCrowded, tag, number);

  if (block) {
    if (!blank(parts.after)) return fault(FileErrorKind::BalanceCrowded, tag, number);
    if (name == kBalance && !closing) {
      if (blockLine_ != 0) return fault(FileErrorKind::BalanceSecondBlock, {}, number);
      blockLine_ = number;
      blockOpen_ = true;
    } else if (name == kBalance) {
      if (!blockOpen_) return fault(FileErrorKind::BalanceOutside, tag, number, kBalance);
      if (reading_) return fault(FileErrorKind::BalanceNotClosed, kReading, reading_->line);
      blockOpen_ = false;
    } else if (!closing) {
      if (!blockOpen_) return fault(FileErrorKind::BalanceOutside, tag, number, kBalance);
      if (reading_) return fault(FileErrorKind::BalanceNotClosed, kReading, reading_->line);
      reading_ = Reading{number, std::nullopt, std::nullopt};
    } else {
      if (!reading_) return fault(FileErrorKind::BalanceOutside, tag, number, kReading);
      closeReading();
    }
    return true;
  }

  // A value element: "<tag>value</tag>" and nothing more.
  const std::size_t end = parts.after.find('<');
  const std::string_view value = parts.after.substr(0, end);
  const std::string endTag = "</" + std::string(tag) + ">";
  const std::string_view rest = end == std::string_view::npos ? std::string_view() : parts.after.substr(end);
  if (!rest.starts_with(endTag)) return fault(FileErrorKind::BalanceNotClosed, tag, number);
  if (!blank(rest.substr(endTag.size()))) return fault(FileErrorKind::BalanceCrowded, tag, number);

  if (name == kReadingX || name == kReadingMass) {
    if (!reading_) return fault(FileErrorKind::BalanceOutside, tag, number, kReading);
    std::optional<double>& slot = name == kReadingX ? reading_->x : reading_->mass;
    if (slot) return fault(FileErrorKind::BalanceRepeated, tag, number);
    slot =
        this->number(tag, name == kReadingX ? BalanceQuantity::Position : BalanceQuantity::ReadingMass, value, number);
    return true;
  }
  if (!blockOpen_) return fault(FileErrorKind::BalanceOutside, tag, number, kBalance);
  if (reading_) return fault(FileErrorKind::BalanceNotClosed, kReading, reading_->line);
  if (std::find(given_.begin(), given_.end(), name) != given_.end())
    return fault(FileErrorKind::BalanceRepeated, tag, number);
  given_.emplace_back(name);
  if (name == kTarget) {
    const std::string_view wanted = trimBlanks(value);
    const auto* found = std::find_if(kTargetNames.begin(), kTargetNames.end(),
                                     [wanted](const auto& entry) { return entry.second == wanted; });
    if (found == kTargetNames.end())
      refuse(FileError::balanceValue({}, std::string(tag), shownValue(value), number));
    else
      inputs_.target = found->first;
  } else if (name == kBallastAt) {
    inputs_.ballastAt = this->number(tag, BalanceQuantity::Position, value, number);
  } else {
    inputs_.moveMass = this->number(tag, BalanceQuantity::MoveMass, value, number);
  }
  return true;
}

void BalanceBlockReader::closeReading() {
  const Reading reading = *reading_;
  reading_.reset();
  if (!reading.x) {
    refuse(FileError::balanceLayout(FileErrorKind::BalanceMissing, {}, std::string(kReadingX), reading.line));
  } else if (!reading.mass) {
    refuse(FileError::balanceLayout(FileErrorKind::BalanceMissing, {}, std::string(kReadingMass), reading.line));
  } else {
    readings_.push_back({*reading.x, *reading.mass});
  }
}

std::optional<double> BalanceBlockReader::number(std::string_view tag, BalanceQuantity quantity, std::string_view value,
                                                 long long line) {
  const std::optional<double> v = readBalanceNumber(value);
  if (v && withinBalanceLimits(quantity, *v)) return v;
  refuse(FileError::balanceValue({}, std::string(tag), shownValue(value), line));
  return std::nullopt;
}

void BalanceBlockReader::refuse(FileError error) {
  if (!refused_) refused_ = std::move(error);
}

std::variant<std::optional<BalanceInputs>, FileError> BalanceBlockReader::result(const std::string& name) const {
  std::optional<FileError> refusal = refused_;
  if (!refusal && reading_)
    refusal = FileError::balanceLayout(FileErrorKind::BalanceNotClosed, {}, std::string(kReading), reading_->line);
  if (!refusal && blockOpen_)
    refusal = FileError::balanceLayout(FileErrorKind::BalanceNotClosed, {}, std::string(kBalance), blockLine_);
  if (refusal) {
    refusal->path = name;
    return *refusal;
  }
  if (blockLine_ == 0) return std::optional<BalanceInputs>{};
  BalanceInputs inputs = inputs_;
  inputs.readings = readings_;
  if (!usableBalanceInputs(inputs)) return FileError::balanceReadings(name, blockLine_);
  return std::optional<BalanceInputs>{std::move(inputs)};
}

}  // namespace volantis4
