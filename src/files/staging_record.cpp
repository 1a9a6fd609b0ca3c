#include "files/staging_record.h"

#include "files/codepage.h"
#include "model/blanks.h"
#include "model/numbers.h"
#include "model/wing.h"

namespace volantis4 {
namespace {

bool inRange(long long v, long long lo, long long hi) { return v >= lo && v <= hi; }

std::string field(std::int32_t v) { return formatInt(v, 4); }

}  // namespace

std::string shownValue(std::string_view value) {
  value = trimBlanks(value);
  constexpr std::size_t kLongest = 40;
  if (value.size() <= kLongest) return fromWindows1252(value);
  return fromWindows1252(value.substr(0, kLongest)) + "\u2026";
}

std::array<std::int32_t*, 17> WingRecord::inRecordOrder() {
  return {&trapezia,  &chords[0], &chords[1],  &chords[2],  &chords[3],  &chords[4],  &gap,   &widths[0], &widths[1],
          &widths[2], &widths[3], &offsets[0], &offsets[1], &offsets[2], &offsets[3], &wingX, &wingZ};
}

std::array<std::int32_t, 17> WingRecord::valuesInRecordOrder() const {
  std::array<std::int32_t, 17> out{};
  const auto pointers = const_cast<WingRecord*>(this)->inRecordOrder();
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = *pointers[i];
  return out;
}

std::optional<FileError> checkStagingRecord(const StagingRecord& record, const std::string& path, bool legacy) {
  if (!record.wingsCountGiven) return FileError::wingCountMissing(path);
  if (legacy && record.wingsCount > 3)
    return FileError::legacyWingCount(path, record.wingsCount, record.wingsCountText);
  if (!inRange(record.wingsCount, 1, kWingCount))
    return FileError::wingCountRange(path, record.wingsCount, record.wingsCountText);
  for (int w = 1; w <= record.wingsCount; ++w) {
    const auto i = wingIndex(w);
    const long long trapezia = record.wing(w).trapezia;
    if (!record.trapeziaGiven[i] || inRange(trapezia, 1, kTrapeziumCount)) continue;
    // The legacy record holds the trapezium count itself, the aircraft file the section count.
    if (legacy) return FileError::legacyTrapezia(path, w, trapezia, record.trapeziaText[i]);
    return FileError::sectionCount(path, w, trapezia + 1, record.trapeziaText[i]);
  }
  return std::nullopt;
}

void setWingGeometry(const WingRecord& record, WingFields& fields) {
  if (inRange(record.trapezia, 1, kTrapeziumCount)) fields.checkedTrapezia = record.trapezia;
  for (std::size_t i = 0; i < kSectionCount; ++i) fields.chords[i] = field(record.chords[i]);
  fields.gap = field(record.gap);
  for (std::size_t i = 0; i < kTrapeziumCount; ++i) fields.widths[i] = field(record.widths[i]);
  for (std::size_t i = 0; i < kTrapeziumCount; ++i) fields.offsets[i] = field(record.offsets[i]);
}

void handToForm(const StagingRecord& record, Form& form, bool setWings4And5) {
  if (inRange(record.wingsCount, 1, kWingCount)) form.wingsCount = record.wingsCount;
  for (int w = 1; w <= kWingCount; ++w) {
    const WingRecord& r = record.wing(w);
    WingFields& f = form.wing(w);
    if (inRange(r.trapezia, 1, kTrapeziumCount)) f.checkedTrapezia = r.trapezia;
    if (w > 3 && !setWings4And5) continue;
    setWingGeometry(r, f);
    f.positionX = field(r.wingX);
    f.positionZ = field(r.wingZ);
  }
}

WingRecord modelWingRecord(const WingFields& fields) {
  const Wing wing = readWing(fields, kSectionCount);
  const WingPosition position = readPosition(fields);
  WingRecord r;
  r.trapezia = wing.wingsections - 1;
  for (std::size_t i = 0; i < kSectionCount; ++i) r.chords[i] = wing.chord[i];
  r.gap = wing.gap;
  for (std::size_t k = 0; k < kTrapeziumCount; ++k) {
    r.widths[k] = wing.y[k + 1] - wing.y[k];
    r.offsets[k] = wing.x[k + 1];
  }
  r.wingX = position.x;
  r.wingZ = position.z;
  return r;
}

}  // namespace volantis4
