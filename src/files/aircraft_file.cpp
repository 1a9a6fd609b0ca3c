#include "files/aircraft_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

#include "files/atomic_write.h"
#include "files/balance_block.h"
#include "files/codepage.h"
#include "files/file_name.h"
#include "files/fuselage_block.h"
#include "files/legacy_file.h"
#include "files/staging_record.h"
#include "files/tag_lines.h"
#include "files/text_file.h"
#include "model/field_reading.h"
#include "model/numbers.h"

namespace volantis4 {
namespace {

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

void writeWing(TagLines& out, int w, const WingRecord& r) {
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

// Lines with their numbers (from 1).
class NumberedLines {
 public:
  explicit NumberedLines(std::string_view text) : cursor_(text) {}
  bool atEnd() const { return cursor_.atEnd(); }
  std::string_view next() {
    ++number_;
    return cursor_.next();
  }
  long long number() const { return number_; }

 private:
  LineCursor cursor_;
  long long number_ = 0;
};

// Whether a line that holds a "<" closes the aircraft; nullopt for a line without one.
std::optional<bool> closesAircraft(std::string_view line) {
  if (line.find('<') == std::string_view::npos) return std::nullopt;
  return splitTagLine(line).tag == "/aircraft";
}

// How the file ends: complete when the last line holding a tag is "</aircraft>"; otherwise the
// first such line after the last "</aircraft>", when there is one.
struct Ending {
  bool complete = false;
  long long closedAt = 0;
  long long strayLine = 0;
  std::string stray;

  void see(std::string_view line, long long number) {
    const std::optional<bool> closes = closesAircraft(line);
    if (!closes) return;
    complete = *closes;
    if (complete) {
      closedAt = number;
      strayLine = 0;
    } else if (closedAt != 0 && strayLine == 0) {
      strayLine = number;
      stray = shownValue(line);
    }
  }
};

struct TagContent {
  StagingRecord record;
  std::optional<std::string> remarks;  // UTF-8
  std::optional<double> sb, lmue, xnp;
  BalanceBlockReader balance;
  FuselageBlockReader fuselage;
  Ending ending;
};

bool isWing(std::int32_t w) { return w >= 1 && w <= kWingCount; }

// After the comment: only "</aircraft>" may follow. Nothing here changes the aircraft; the file
// is complete when the last piece holding a tag closes it. `rest` is what follows "</comment>"
// on its own line.
void endAfterComment(std::string_view rest, NumberedLines& lines, Ending& ending) {
  ending.complete = false;
  ending.see(rest, lines.number());
  while (!lines.atEnd()) {
    const std::string_view line = lines.next();
    ending.see(line, lines.number());
  }
}

TagContent readTags(std::string_view bytes) {
  TagContent content;
  StagingRecord& record = content.record;
  std::int32_t wing = 0, section = 0;
  bool position = false;

  NumberedLines lines(bytes);
  while (!lines.atEnd()) {
    const std::string_view line = lines.next();
    content.ending.see(line, lines.number());
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
    } else if (content.balance.take(tag, line, lines.number()) ||
               content.fuselage.take(tag, t.value, static_cast<int>(lines.number()))) {
      // a balance or fuselage element: kept aside, it changes nothing of the aircraft
    } else if (tag == "comment") {
      // The comment runs to the first "</comment>", across lines, and ends the aircraft; a
      // comment without its end tag leaves the file incomplete.
      std::string comment;
      std::string_view piece = t.afterTag;
      for (;;) {
        const std::size_t end = piece.find(kCommentEnd);
        comment += piece.substr(0, end);
        if (end != std::string_view::npos) {
          endAfterComment(piece.substr(end + kCommentEnd.size()), lines, content.ending);
          break;
        }
        if (lines.atEnd()) {
          content.ending = Ending{};
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
                                  const std::optional<BalanceInputs>& balance,
                                  const std::optional<FuselageInput>& fuselage) {
  const int wings = std::clamp(form.wingsCount, 1, kWingCount);
  TagLines out;
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
  if (balance) out.bytes() += balanceBlockText(*balance);
  if (fuselage) out.bytes() += fuselageBlockText(*fuselage);
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
                                                    const std::optional<BalanceInputs>& balance,
                                                    const std::optional<FuselageInput>& fuselage) {
  const AircraftFileText text = aircraftFileText(form, results, balance, fuselage);
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
  std::optional<FuselageInput> fuselage;
  Ending ending;
  ending.complete = true;  // legacy files have no closing line
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
    ending = content.ending;
    auto weighed = content.balance.result(name);
    if (ending.complete) {
      if (auto* refusal = std::get_if<FileError>(&weighed)) return *refusal;
      balance = std::get<std::optional<BalanceInputs>>(std::move(weighed));
      auto body = content.fuselage.result(name);
      if (auto* refusal = std::get_if<FileError>(&body)) return *refusal;
      fuselage = std::get<std::optional<FuselageInput>>(std::move(body));
    }
    take(std::move(content));
  }
  if (ending.strayLine != 0) return FileError::trailingContent(name, ending.strayLine, ending.stray);
  if (!ending.complete) return FileError::incomplete(name);
  if (auto refusal = checkStagingRecord(record, name, legacy)) return *refusal;

  LoadedAircraft loaded{form, results, std::nullopt, std::nullopt};
  handToForm(record, loaded.form, namesAircraftFile(name));
  if (remarks) loaded.form.remarks = std::move(*remarks);
  if (sb) loaded.results.sb = *sb;
  if (lmue) loaded.results.lmue = *lmue;
  if (xnp) loaded.results.xnp = *xnp;
  loaded.balance = std::move(balance);
  loaded.fuselage = std::move(fuselage);
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
