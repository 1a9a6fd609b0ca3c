#include "files/aircraft_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

#include "files/atomic_write.h"
#include "files/codepage.h"
#include "files/file_name.h"
#include "files/legacy_file.h"
#include "files/staging_record.h"
#include "files/text_file.h"
#include "model/field_reading.h"
#include "model/numbers.h"

namespace volantis4 {
namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kCommentEnd = "</comment>";

// The remarks as comment text: every line break ("\n", "\r\n" or "\r") written "\r\n"; "<" written
// "&lt;", and "&" written "&amp;" only where "lt;" or "amp;" follows, so that reading gives back
// exactly the remarks and files without these sequences look as they always did.
std::string commentText(std::string_view remarks) {
  std::string out;
  for (std::size_t i = 0; i < remarks.size(); ++i) {
    const char c = remarks[i];
    const std::string_view after = remarks.substr(i + 1);
    if (c == '\r' || c == '\n') {
      out += kEol;
      if (c == '\r' && after.starts_with('\n')) ++i;
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '&' && (after.starts_with("lt;") || after.starts_with("amp;"))) {
      out += "&amp;";
    } else {
      out += c;
    }
  }
  return out;
}

std::string unescapeComment(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view here = text.substr(i);
    if (here.starts_with("&lt;")) {
      out += '<';
      i += 4;
    } else if (here.starts_with("&amp;")) {
      out += '&';
      i += 5;
    } else {
      out += text[i++];
    }
  }
  return out;
}

class LineWriter {
 public:
  void line(std::string_view text) {
    bytes_ += text;
    bytes_ += kEol;
  }
  void element(std::string_view indent, std::string_view tag, std::string_view value) {
    bytes_ += indent;
    bytes_ += '<';
    bytes_ += tag;
    bytes_ += '>';
    bytes_ += value;
    bytes_ += "</";
    bytes_ += tag;
    bytes_ += '>';
    bytes_ += kEol;
  }
  std::string& bytes() { return bytes_; }

 private:
  std::string bytes_;
};

void writeWing(LineWriter& out, int w, const WingRecord& r) {
  const int sections = r.trapezia + 1;
  out.line(" <wing>");
  out.element("  ", "wing_id", formatInt(w));
  out.element("  ", "wingsections", formatInt(sections));
  out.line("  <wing_position>");
  out.element("   ", "x", formatInt(r.wingX));
  out.element("   ", "z", formatInt(r.wingZ));
  out.line("  </wing_position>");
  for (int s = 1; s <= sections; ++s) {
    const auto i = wingIndex(s);
    out.line("  <section>");
    out.element("   ", "section_id", formatInt(s));
    out.element("   ", "x", s == 1 ? "0" : formatInt(r.offsets[i - 1]));
    out.element("   ", "y", formatInt(s == 1 ? r.gap : r.widths[i - 1]));
    out.element("   ", "chord", formatInt(r.chords[i]));
    out.line("  </section>");
  }
  out.line(" </wing>");
  out.line(" ");
}

// ---- Balance inputs ----
// They stand in a block of their own before the comment; none of their names is one the reader of
// the aircraft acts on, so a reader that does not know them skips them.

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

void writeBalance(LineWriter& out, const BalanceInputs& b) {
  out.line(std::string(" <") + std::string(kBalance) + ">");
  for (const Support& s : b.readings) {
    out.line(std::string("  <") + std::string(kReading) + ">");
    out.element("   ", kReadingX, formatRoundTrip(s.x));
    out.element("   ", kReadingMass, formatRoundTrip(s.mass));
    out.line(std::string("  </") + std::string(kReading) + ">");
  }
  out.element("  ", kTarget, targetName(b.target));
  if (b.ballastAt) out.element("  ", kBallastAt, formatRoundTrip(*b.ballastAt));
  if (b.moveMass) out.element("  ", kMoveMass, formatRoundTrip(*b.moveMass));
  out.line(std::string(" </") + std::string(kBalance) + ">");
  out.line(" ");
}

std::string_view trimmed(std::string_view v) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = v.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return v.substr(first, v.find_last_not_of(kBlanks) - first + 1);
}

// A balance number: the whole value (blanks aside) one finite decimal number.
std::optional<double> balanceNumber(std::string_view value) {
  const std::string_view v = trimmed(value);
  double x = 0;
  const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), x, std::chars_format::fixed);
  if (v.empty() || error != std::errc() || end != v.data() + v.size() || !std::isfinite(x)) return std::nullopt;
  return x;
}

// The balance elements as the reader meets them; what they make is decided at the end.
class BalanceReader {
 public:
  // Takes a balance element; false for a tag of another kind.
  bool take(std::string_view tag, std::string_view value) {
    if (tag == kBalance) {
      seen_ = true;
    } else if (tag == kReading) {
      seen_ = true;
      readings_.emplace_back();
    } else if (tag == kReadingX || tag == kReadingMass) {
      seen_ = true;
      const bool mass = tag == kReadingMass;
      const std::optional<double> v = number(tag, value, mass ? 0.0 : -HUGE_VAL, false);
      if (readings_.empty()) {
        orphan_ = true;
      } else {
        (mass ? readings_.back().second : readings_.back().first) = v;
      }
    } else if (tag == kTarget) {
      seen_ = true;
      const std::string_view name = trimmed(value);
      const auto* found = std::find_if(kTargetNames.begin(), kTargetNames.end(),
                                       [name](const auto& entry) { return entry.second == name; });
      if (found != kTargetNames.end())
        inputs_.target = found->first;
      else
        refuse(tag, value);
    } else if (tag == kBallastAt) {
      seen_ = true;
      inputs_.ballastAt = number(tag, value, -HUGE_VAL, false);
    } else if (tag == kMoveMass) {
      seen_ = true;
      inputs_.moveMass = number(tag, value, 0.0, true);
    } else {
      return false;
    }
    return true;
  }

  // The inputs the file gives (nullopt without balance elements), or why the file is refused.
  std::variant<std::optional<BalanceInputs>, FileError> result(const std::string& name) const {
    if (!seen_) return std::optional<BalanceInputs>{};
    if (refused_) return FileError::balanceValue(name, refused_->first, refused_->second);
    BalanceInputs inputs = inputs_;
    for (const auto& [x, mass] : readings_) {
      if (!x || !mass) return FileError::balanceReadings(name);
      inputs.readings.push_back({*x, *mass});
    }
    if (orphan_ || !usableBalanceInputs(inputs)) return FileError::balanceReadings(name);
    return std::optional<BalanceInputs>{std::move(inputs)};
  }

 private:
  // A number of at least `low` (above it when `strict`); a refusal otherwise.
  std::optional<double> number(std::string_view tag, std::string_view value, double low, bool strict) {
    const std::optional<double> v = balanceNumber(value);
    if (v && (strict ? *v > low : *v >= low)) return v;
    refuse(tag, value);
    return std::nullopt;
  }
  void refuse(std::string_view tag, std::string_view value) {
    if (!refused_) refused_.emplace(std::string(tag), shownValue(value));
  }

  bool seen_ = false;
  bool orphan_ = false;  // a reading's value outside any reading
  std::vector<std::pair<std::optional<double>, std::optional<double>>> readings_;  // x, mass
  BalanceInputs inputs_;
  std::optional<std::pair<std::string, std::string>> refused_;  // the first refused element: tag, value
};

// ---- Tag reading ----

struct TagLine {
  std::string_view tag;
  std::string_view value;
  std::string_view afterTag;  // everything after the first ">", for the comment
};

// Splits a line by its first "<" and first ">": the tag between them, the value after the ">"
// up to the next "<" (at most 499 characters of a rest of at most 500).
TagLine splitTagLine(std::string_view line) {
  const std::size_t open = line.find('<');
  const std::size_t close = line.find('>');
  const std::size_t p1 = open == std::string_view::npos ? 0 : open + 1;  // 1-based, 0 when absent
  const std::size_t p2 = close == std::string_view::npos ? 0 : close + 1;
  TagLine t;
  if (p2 > p1 + 1) t.tag = line.substr(p1, p2 - p1 - 1);
  if (p2 == 0) return t;
  t.afterTag = line.substr(p2);
  const std::string_view rest = t.afterTag.substr(0, 500);
  const std::size_t lt = rest.find('<');
  t.value = lt == std::string_view::npos ? rest.substr(0, 499) : rest.substr(0, lt);
  return t;
}

struct TagContent {
  StagingRecord record;
  std::optional<std::string> remarks;  // UTF-8
  std::optional<double> sb, lmue, xnp;
  BalanceReader balance;
  bool complete = false;  // the last line holding a tag is "</aircraft>"
};

bool isWing(std::int32_t w) { return w >= 1 && w <= kWingCount; }

// Whether a line that holds a "<" closes the aircraft; nullopt for a line without one.
std::optional<bool> closesAircraft(std::string_view line) {
  if (line.find('<') == std::string_view::npos) return std::nullopt;
  return splitTagLine(line).tag == "/aircraft";
}

// After the comment: only "</aircraft>" may follow. Nothing here changes the aircraft; the file
// is complete when the last piece holding a tag closes it. `rest` is what follows "</comment>"
// on its own line.
bool endsAfterComment(std::string_view rest, LineCursor& lines) {
  bool closed = closesAircraft(rest).value_or(false);
  while (!lines.atEnd())
    if (const auto closes = closesAircraft(lines.next())) closed = *closes;
  return closed;
}

TagContent readTags(std::string_view bytes) {
  TagContent content;
  StagingRecord& record = content.record;
  std::int32_t wing = 0, section = 0;
  bool position = false;

  LineCursor lines(bytes);
  while (!lines.atEnd()) {
    const std::string_view line = lines.next();
    if (const auto closes = closesAircraft(line)) content.complete = *closes;
    const TagLine t = splitTagLine(line);
    const std::string_view tag = t.tag;
    if (tag.empty()) continue;
    WingRecord* r = isWing(wing) ? &record.wing(wing) : nullptr;
    if (tag == "wings_count") {
      record.wingsCount = readField(t.value);
      record.wingsCountText = shownValue(t.value);
      record.wingsCountGiven = true;
    } else if (tag == "wingsections") {
      if (r != nullptr) {
        const auto i = wingIndex(wing);
        r->trapezia = static_cast<std::int32_t>(static_cast<long long>(readField(t.value)) - 1);
        record.trapeziaGiven[i] = true;
        record.trapeziaText[i] = shownValue(t.value);
      }
    } else if (tag == "wing_id") {
      wing = readField(t.value);
      section = 0;
    } else if (tag == "wing_position") {
      position = true;
    } else if (tag == "section_id") {
      section = readField(t.value);
      position = false;
    } else if (tag == "x") {
      // Both tests apply: a position block after the sections also sets the last section's x.
      if (position && r != nullptr) r->wingX = readField(t.value);
      if (section >= 2 && section <= kSectionCount && r != nullptr)
        r->offsets[static_cast<std::size_t>(section - 2)] = readField(t.value);
    } else if (tag == "y") {
      if (section >= 1 && section <= kSectionCount && r != nullptr) {
        if (section == 1)
          r->gap = readField(t.value);
        else
          r->widths[static_cast<std::size_t>(section - 2)] = readField(t.value);
      }
    } else if (tag == "z") {
      if (r != nullptr) r->wingZ = readField(t.value);
    } else if (tag == "chord") {
      if (section >= 1 && section <= kSectionCount && r != nullptr) r->chords[wingIndex(section)] = readField(t.value);
    } else if (tag == "sb") {
      content.sb = readReal(t.value);
    } else if (tag == "lmue") {
      content.lmue = readReal(t.value);
    } else if (tag == "xnp") {
      content.xnp = readReal(t.value);
    } else if (content.balance.take(tag, t.value)) {
      // a balance element: kept aside, it changes nothing of the aircraft
    } else if (tag == "comment") {
      // The comment runs to the first "</comment>", across lines, and ends the aircraft; a
      // comment without its end tag leaves the file incomplete.
      std::string comment;
      std::string_view piece = t.afterTag;
      for (;;) {
        const std::size_t end = piece.find(kCommentEnd);
        comment += piece.substr(0, end);
        if (end != std::string_view::npos) {
          content.complete = endsAfterComment(piece.substr(end + kCommentEnd.size()), lines);
          break;
        }
        if (lines.atEnd()) {
          content.complete = false;
          break;
        }
        comment += '\n';
        piece = lines.next();
      }
      content.remarks = fromWindows1252(unescapeComment(comment));
      break;
    }
  }
  return content;
}

}  // namespace

AircraftFileText aircraftFileText(const Form& form, const std::optional<AircraftResults>& results,
                                  const std::optional<BalanceInputs>& balance) {
  const int wings = std::clamp(form.wingsCount, 1, kWingCount);
  LineWriter out;
  out.line("<aircraft>");
  out.element(" ", "wings_count", formatInt(wings));
  out.line(" ");
  for (int w = 1; w <= wings; ++w) writeWing(out, w, modelWingRecord(form.wing(w)));
  if (results) {
    out.element(" ", "sb", formatFixed(results->sb, 4, 1));
    out.element(" ", "lmue", formatFixed(results->lmue, 4, 2));
    out.element(" ", "xnp", formatFixed(results->xnp, 4, 2));
    out.line(" ");
  }
  if (balance) writeBalance(out, *balance);
  Windows1252Text encoded = toWindows1252(commentText(form.remarks));
  out.bytes() += " <comment>";
  out.bytes() += encoded.bytes;
  out.bytes() += kCommentEnd;
  out.bytes() += kEol;
  out.line("</aircraft>");
  out.line(" ");
  return {std::move(out.bytes()), encoded.replaced};
}

std::variant<SavedAircraft, FileError> saveAircraft(const std::string& path, const Form& form,
                                                    const std::optional<AircraftResults>& results,
                                                    const std::optional<BalanceInputs>& balance) {
  const AircraftFileText text = aircraftFileText(form, results, balance);
  // What is saved must open again: refuse, before anything is written, a file no reader takes.
  if (text.bytes.size() > kMaxTextFileBytes) return FileError::remarksTooLong(path);
  if (auto error = writeFileAtomically(path, text.bytes)) return *error;
  return SavedAircraft{text.replacedCharacters};
}

AircraftLoad readAircraftText(std::string_view bytes, const std::string& name, const Form& form,
                              const AircraftResults& results) {
  if (!isText(bytes)) return FileError::notText(name);
  if (bytes.size() > kMaxTextFileBytes) return FileError::tooLarge(name);

  const bool legacy = namesLegacyFile(name);
  StagingRecord record;
  std::optional<std::string> remarks;
  std::optional<double> sb, lmue, xnp;
  std::optional<BalanceInputs> balance;
  bool complete = true;  // legacy files have no closing line
  auto take = [&](auto content) {
    record = content.record;
    remarks = std::move(content.remarks);
    sb = content.sb;
    lmue = content.lmue;
    xnp = content.xnp;
  };
  if (legacy)
    take(readLegacyLayout(bytes));
  else {
    TagContent content = readTags(bytes);
    complete = content.complete;
    auto weighed = content.balance.result(name);
    if (complete) {
      if (auto* refusal = std::get_if<FileError>(&weighed)) return *refusal;
      balance = std::get<std::optional<BalanceInputs>>(std::move(weighed));
    }
    take(std::move(content));
  }
  if (!complete) return FileError::incomplete(name);
  if (auto refusal = checkStagingRecord(record, name, legacy)) return *refusal;

  LoadedAircraft loaded{form, results, std::nullopt};
  handToForm(record, loaded.form, namesAircraftFile(name));
  if (remarks) loaded.form.remarks = std::move(*remarks);
  if (sb) loaded.results.sb = *sb;
  if (lmue) loaded.results.lmue = *lmue;
  if (xnp) loaded.results.xnp = *xnp;
  loaded.balance = std::move(balance);
  return loaded;
}

AircraftLoad Load2(const std::string& name, const Form& form, const AircraftResults& results) {
  if (isFilterPattern(name)) return FileError::filterPattern(name);
  auto bytes = readTextFile(name);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  AircraftLoad load = readAircraftText(std::get<std::string>(bytes), name, form, results);
  auto* refusal = std::get_if<FileError>(&load);
  if (refusal == nullptr || refusal->kind != FileErrorKind::Incomplete) return load;
  // A save in place that did not complete leaves the file incomplete and a copy of what it held.
  for (const std::string& copy : keptCopies(name)) {
    const auto kept = readTextFile(copy);
    if (const auto* text = std::get_if<std::string>(&kept);
        text != nullptr && std::holds_alternative<LoadedAircraft>(readAircraftText(*text, name, form, results))) {
      refusal->backup = copy;
      break;
    }
  }
  return load;
}

}  // namespace volantis4
