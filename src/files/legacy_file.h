#pragma once
// The legacy data file (.da4): one value per line, at most three wings; read only.

#include <optional>
#include <string>
#include <string_view>

#include "files/staging_record.h"

namespace volantis4 {

/// What the legacy layout gives.
struct LegacyContent {
  StagingRecord record;      // wing count and wings 1-3; wings 4 and 5 keep the preset
  std::string remarks;       // UTF-8, lines separated by "\n"; " " when the file ends before line 59
  std::optional<double> sb;  // lines 55-57, when the file reaches them
  std::optional<double> lmue;
  std::optional<double> xnp;
};

/// Reads the legacy layout: lines 1-53 as integers (a missing line gives 0; line 53 is not
/// used), then, while the file lasts, line 54 skipped, sb, lmue, xnp, line 58 skipped, and the
/// remaining lines whole as the remarks.
LegacyContent readLegacyLayout(std::string_view bytes);

}  // namespace volantis4
