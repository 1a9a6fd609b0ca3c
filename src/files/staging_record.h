#pragma once
// The integers a reader collects before it hands them to the form, all preset to 10 so that a
// value the file does not give arrives as 10; and the same seventeen per-wing integers taken
// from the form for writing.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_error.h"
#include "model/form.h"

namespace volantis4 {

inline constexpr std::int32_t kStagedPreset = 10;

/// One wing's seventeen integers (mm), in the order of the legacy wing record and the clipboard.
struct WingRecord {
  std::int32_t trapezia = kStagedPreset;  // trapezium count (1-4 when valid)
  std::array<std::int32_t, kSectionCount> chords{kStagedPreset, kStagedPreset, kStagedPreset, kStagedPreset,
                                                 kStagedPreset};
  std::int32_t gap = kStagedPreset;
  std::array<std::int32_t, kTrapeziumCount> widths{kStagedPreset, kStagedPreset, kStagedPreset, kStagedPreset};
  std::array<std::int32_t, kTrapeziumCount> offsets{kStagedPreset, kStagedPreset, kStagedPreset,
                                                    kStagedPreset};  // x of sections 2-5
  std::int32_t wingX = kStagedPreset;
  std::int32_t wingZ = kStagedPreset;

  bool operator==(const WingRecord&) const = default;

  /// The seventeen values in record order: trapezia, chords 1-5, gap, widths 1-4, x 2-5, wing_x, wing_z.
  std::array<std::int32_t*, 17> inRecordOrder();
  std::array<std::int32_t, 17> valuesInRecordOrder() const;
};

/// The reader's staging record.
struct StagingRecord {
  std::int32_t wingsCount = kStagedPreset;
  std::array<WingRecord, kWingCount> wings{};
  bool wingsCountGiven = false;                  // the file named a wing count
  std::array<bool, kWingCount> trapeziaGiven{};  // the file named wing w's section count
  // The counts as the file wrote them (see shownValue), for the refusals.
  std::string wingsCountText;
  std::array<std::string, kWingCount> trapeziaText{};

  WingRecord& wing(int w) { return wings[wingIndex(w)]; }
  const WingRecord& wing(int w) const { return wings[wingIndex(w)]; }
};

/// A value of a file as a refusal quotes it: without surrounding blanks, at most 40 bytes
/// (longer ones end in "…"), converted from the file's code page.
std::string shownValue(std::string_view value);

/// Why `record`, read from `path`, would break the model: no wing count or one outside 1-5, a
/// legacy record of more than 3 wings, or a wing in use whose given count is outside 1-4
/// trapezia (2-5 sections). Empty when it may be handed to the form.
std::optional<FileError> checkStagingRecord(const StagingRecord& record, const std::string& path, bool legacy);

/// Hands a checked record to the form: the wing-count button, each wing's trapezium button when
/// its count is 1-4, then the fields of wings 1-3 (and of wings 4 and 5 when `setWings4And5`),
/// each value right-justified in four characters. Positions are set too.
void handToForm(const StagingRecord& record, Form& form, bool setWings4And5);

/// Wing w's geometry fields (chords, gap, widths, x of sections 2-5) from `record`, right-justified
/// in four characters, and its trapezium button when the count is 1-4. The position is not touched.
void setWingGeometry(const WingRecord& record, WingFields& fields);

/// The seventeen integers of a wing as the model holds them: the checked trapezium count (4 when
/// none is checked), absolute chords, gap and widths (differences of the span stations), signed
/// offsets and position.
WingRecord modelWingRecord(const WingFields& fields);

}  // namespace volantis4
