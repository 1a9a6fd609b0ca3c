#include "files/file_error.h"

#include <cerrno>
#include <string_view>
#include <system_error>
#include <utility>

#include "files/staging_record.h"
#include "model/balance_inputs.h"
#include "model/numbers.h"
#include "model/text_fill.h"

namespace volantis4 {
namespace {

FileError make(FileErrorKind kind, std::string path) {
  FileError e;
  e.kind = kind;
  e.path = std::move(path);
  return e;
}

FileError withSystemReason(FileErrorKind kind, std::string path, int errorNumber) {
  FileError e = make(kind, std::move(path));
  e.reason = systemReasonOf(errorNumber);
  e.errorNumber = errorNumber;
  return e;
}

FileError withCount(FileErrorKind kind, std::string path, int wing, long long count, std::string text) {
  FileError e = make(kind, std::move(path));
  e.wing = wing;
  e.value = count;
  e.text = text.empty() ? formatInt(count) : std::move(text);
  return e;
}

// Replaces "%1", "%2", "%3" in a template of the language table.
std::string fill(std::string_view pattern, const std::string& a1, const std::string& a2 = {},
                 const std::string& a3 = {}, const std::string& a4 = {}) {
  const std::string values[] = {a1, a2, a3, a4};
  return fillPlaceholders(pattern, values);
}

// The system's own words for an error number, as a sentence part ("input/output error").
std::string systemWords(int errorNumber) {
  std::string words = std::system_category().message(errorNumber);
  if (words.size() > 1 && words[0] >= 'A' && words[0] <= 'Z' && words[1] >= 'a' && words[1] <= 'z')
    words[0] = static_cast<char>(words[0] - 'A' + 'a');
  return words;
}

// What a balance element must hold, for the refusal of its value.
std::string balanceExpectation(std::string_view tag, Language language) {
  if (tag == "cg_target") return std::string(text(TextId::BalanceExpectTarget, language));
  if (tag == "reading_mass_g") return balanceLimitsText(BalanceQuantity::ReadingMass, language);
  if (tag == "move_mass_g") return balanceLimitsText(BalanceQuantity::MoveMass, language);
  return balanceLimitsText(BalanceQuantity::Position, language);
}

std::string reasonText(const FileError& e, Language language) {
  switch (e.reason) {
    case SystemReason::NotFound:
      return std::string(text(TextId::ReasonNotFound, language));
    case SystemReason::NoPermission:
      return std::string(text(TextId::ReasonNoPermission, language));
    case SystemReason::IsFolder:
      return std::string(text(TextId::ReasonIsFolder, language));
    case SystemReason::NotRegular:
      return std::string(text(TextId::ReasonNotRegular, language));
    case SystemReason::DiskFull:
      return std::string(text(TextId::ReasonDiskFull, language));
    case SystemReason::ReadOnly:
      return std::string(text(TextId::ReasonReadOnly, language));
    case SystemReason::NameTooLong:
      return std::string(text(TextId::ReasonNameTooLong, language));
    case SystemReason::FolderNoPermission:
      return std::string(text(TextId::ReasonFolderNoPermission, language));
    case SystemReason::FileAndFolderNoPermission:
      return std::string(text(TextId::ReasonFileAndFolderNoPermission, language));
    case SystemReason::NoBackup:
      return std::string(text(TextId::ReasonNoBackup, language));
    case SystemReason::None:
    case SystemReason::Other:
      break;
  }
  return fill(text(TextId::ReasonSystemError, language), {}, formatInt(e.errorNumber), systemWords(e.errorNumber));
}

// What is wrong in a fuselage block, as the end of the file's refusal.
std::string fuselageReason(const FileError& e, Language language) {
  const auto said = [&](TextId id) { return fill(text(id, language), e.tag, e.text); };
  switch (e.fuselage) {
    case FuselageRefusal::NotWholeMillimetres:
      return said(TextId::FuselageNotWholeMillimetres);
    case FuselageRefusal::GivenTwice:
      return said(TextId::FuselageGivenTwice);
    case FuselageRefusal::OutsideBlock:
      return said(TextId::FuselageOutsideBlock);
    case FuselageRefusal::OutsideStation:
      return said(TextId::FuselageOutsideStation);
    case FuselageRefusal::InStation:
      return said(TextId::FuselageInStation);
    case FuselageRefusal::SecondBlock:
      return said(TextId::FuselageSecondBlock);
    case FuselageRefusal::NotClosed:
      return said(TextId::FuselageNotClosed);
    case FuselageRefusal::NotOpened:
      return said(TextId::FuselageNotOpened);
    case FuselageRefusal::StationIncomplete:
      return said(TextId::FuselageStationIncomplete);
    case FuselageRefusal::Unusable:
      break;
  }
  return renderFuselageProblem(e.check, language);
}

}  // namespace

FileError FileError::cannotOpen(std::string path, int errorNumber) {
  return withSystemReason(FileErrorKind::CannotOpen, std::move(path), errorNumber);
}
FileError FileError::cannotRead(std::string path, int errorNumber) {
  return withSystemReason(FileErrorKind::CannotRead, std::move(path), errorNumber);
}
FileError FileError::cannotWrite(std::string path, int errorNumber, bool existed) {
  FileError e = withSystemReason(FileErrorKind::CannotWrite, std::move(path), errorNumber);
  e.existed = existed;
  return e;
}
FileError FileError::cannotWrite(std::string path, SystemReason reason, bool existed) {
  FileError e = make(FileErrorKind::CannotWrite, std::move(path));
  e.reason = reason;
  e.existed = existed;
  return e;
}
FileError FileError::remarksTooLong(std::string path) { return make(FileErrorKind::RemarksTooLong, std::move(path)); }
FileError FileError::writeDamaged(std::string path, int errorNumber, std::string backup) {
  FileError e = withSystemReason(FileErrorKind::WriteDamaged, std::move(path), errorNumber);
  e.backup = std::move(backup);
  return e;
}
FileError FileError::incomplete(std::string path, std::string backup) {
  FileError e = make(FileErrorKind::Incomplete, std::move(path));
  e.backup = std::move(backup);
  return e;
}
FileError FileError::trailingContent(std::string path, long long line, std::string text) {
  return balanceLayout(FileErrorKind::TrailingContent, std::move(path), {}, line, std::move(text));
}
FileError FileError::balanceValue(std::string path, std::string tag, std::string text, long long line) {
  return balanceLayout(FileErrorKind::BalanceValue, std::move(path), std::move(tag), line, std::move(text));
}
FileError FileError::balanceReadings(std::string path, long long line) {
  return balanceLayout(FileErrorKind::BalanceReadings, std::move(path), {}, line);
}
FileError FileError::balanceLayout(FileErrorKind kind, std::string path, std::string tag, long long line,
                                   std::string text) {
  FileError e = make(kind, std::move(path));
  e.tag = std::move(tag);
  e.line = line;
  e.text = std::move(text);
  return e;
}
FileError FileError::fuselageBlock(std::string path, FuselageRefusal why, std::string_view tag, std::string_view text,
                                   long long line) {
  FileError e = make(FileErrorKind::FuselageBlock, std::move(path));
  e.fuselage = why;
  e.tag = std::string(tag);
  e.text = shownValue(text);
  e.line = line;
  return e;
}
FileError FileError::fuselageUnusable(std::string path, const FuselageCheck& check, long long line) {
  FileError e = make(FileErrorKind::FuselageBlock, std::move(path));
  e.fuselage = FuselageRefusal::Unusable;
  e.tag = "fuselage";
  e.check = check;
  e.line = line;
  return e;
}
FileError FileError::tooLarge(std::string path) { return make(FileErrorKind::TooLarge, std::move(path)); }
FileError FileError::notText(std::string path) { return make(FileErrorKind::NotText, std::move(path)); }
FileError FileError::filterPattern(std::string path) { return make(FileErrorKind::FilterPattern, std::move(path)); }
FileError FileError::savePattern(std::string path) { return make(FileErrorKind::SavePattern, std::move(path)); }
FileError FileError::wingCountMissing(std::string path) {
  return make(FileErrorKind::WingCountMissing, std::move(path));
}
FileError FileError::wingCountRange(std::string path, long long count, std::string text) {
  return withCount(FileErrorKind::WingCountRange, std::move(path), 0, count, std::move(text));
}
FileError FileError::sectionCount(std::string path, int wing, long long sections, std::string text) {
  return withCount(FileErrorKind::SectionCount, std::move(path), wing, sections, std::move(text));
}
FileError FileError::legacyWingCount(std::string path, long long count, std::string text) {
  return withCount(FileErrorKind::LegacyWingCount, std::move(path), 0, count, std::move(text));
}
FileError FileError::legacyTrapezia(std::string path, int wing, long long trapezia, std::string text) {
  return withCount(FileErrorKind::LegacyTrapezia, std::move(path), wing, trapezia, std::move(text));
}

SystemReason systemReasonOf(int errorNumber) {
  switch (errorNumber) {
    case 0:
      return SystemReason::None;
    case ENOENT:
    case ENOTDIR:
      return SystemReason::NotFound;
    case EACCES:
    case EPERM:
      return SystemReason::NoPermission;
    case EISDIR:
      return SystemReason::IsFolder;
    case ENAMETOOLONG:
      return SystemReason::NameTooLong;
    case ENOSPC:
    case EDQUOT:
      return SystemReason::DiskFull;
    case EROFS:
      return SystemReason::ReadOnly;
    default:
      return SystemReason::Other;
  }
}

std::string renderFileError(const FileError& e, Language language) {
  const auto t = [language](TextId id) { return text(id, language); };
  switch (e.kind) {
    case FileErrorKind::CannotOpen:
      return fill(t(TextId::FileCannotOpen), e.path, reasonText(e, language));
    case FileErrorKind::CannotRead:
      return fill(t(TextId::FileCannotRead), e.path, reasonText(e, language));
    case FileErrorKind::CannotWrite:
      return fill(t(e.existed ? TextId::FileCannotWriteUnchanged : TextId::FileCannotWrite), e.path,
                  reasonText(e, language));
    case FileErrorKind::RemarksTooLong:
      return fill(t(TextId::FileRemarksTooLong), e.path);
    case FileErrorKind::WriteDamaged:
      return fill(t(TextId::FileWriteDamaged), e.path, reasonText(e, language), e.backup);
    case FileErrorKind::Incomplete:
      return e.backup.empty() ? fill(t(TextId::FileIncomplete), e.path)
                              : fill(t(TextId::FileIncompleteKeptCopy), e.path, e.backup);
    case FileErrorKind::TrailingContent:
      return fill(t(TextId::FileTrailingContent), e.path, formatInt(e.line), e.text);
    case FileErrorKind::BalanceValue:
      return fill(t(TextId::FileBalanceValue), e.path, e.tag, e.text, formatInt(e.line)) + " " +
             balanceExpectation(e.tag, language);
    case FileErrorKind::BalanceReadings:
      return fill(t(TextId::FileBalanceReadings), e.path, formatInt(e.line), formatRoundTrip(kBalanceMassLimitG));
    case FileErrorKind::BalanceMissing:
      return fill(t(TextId::FileBalanceMissing), e.path, formatInt(e.line), e.tag);
    case FileErrorKind::BalanceRepeated:
      return fill(t(TextId::FileBalanceRepeated), e.path, e.tag, formatInt(e.line));
    case FileErrorKind::BalanceNotClosed:
      return fill(t(TextId::FileBalanceNotClosed), e.path, e.tag, formatInt(e.line));
    case FileErrorKind::BalanceOutside:
      return fill(t(TextId::FileBalanceOutside), e.path, e.tag, formatInt(e.line), e.text);
    case FileErrorKind::BalanceCrowded:
      return fill(t(TextId::FileBalanceCrowded), e.path, formatInt(e.line), e.tag);
    case FileErrorKind::BalanceSecondBlock:
      return fill(t(TextId::FileBalanceSecondBlock), e.path, formatInt(e.line));
    case FileErrorKind::FuselageBlock:
      return fill(t(TextId::FileFuselage), e.path, formatInt(e.line), fuselageReason(e, language));
    case FileErrorKind::TooLarge:
      return fill(t(TextId::FileTooLarge), e.path);
    case FileErrorKind::NotText:
      return fill(t(TextId::FileNotText), e.path);
    case FileErrorKind::FilterPattern:
      return fill(t(TextId::FileFilterPattern), e.path);
    case FileErrorKind::SavePattern:
      return fill(t(TextId::FileSavePattern), e.path);
    case FileErrorKind::WingCountMissing:
      return fill(t(TextId::FileWingCountMissing), e.path);
    case FileErrorKind::WingCountRange:
      return fill(t(TextId::FileWingCountRange), e.path, e.text);
    case FileErrorKind::SectionCount:
      return fill(t(e.value == 1 ? TextId::FileSectionCountOne : TextId::FileSectionCount), e.path, formatInt(e.wing),
                  e.text);
    case FileErrorKind::LegacyWingCount:
      return fill(t(TextId::FileLegacyWingCount), e.path, e.text);
    case FileErrorKind::LegacyTrapezia:
      return fill(t(e.value == 1 ? TextId::FileLegacyTrapeziaOne : TextId::FileLegacyTrapezia), e.path,
                  formatInt(e.wing), e.text);
  }
  return {};
}

std::string renderReplacedCharacters(const std::string& path, std::size_t count, Language language) {
  return fill(text(count == 1 ? TextId::FileRemarksReplacedOne : TextId::FileRemarksReplaced, language), path,
              formatInt(static_cast<long long>(count)));
}

}  // namespace volantis4
