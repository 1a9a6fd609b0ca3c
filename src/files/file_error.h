#pragma once
// A file operation that failed or was refused, as a value: which file and why. Rendered in the
// language in force when it is shown.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/fuselage_input.h"
#include "model/language.h"

namespace volantis4 {

enum class FileErrorKind {
  CannotOpen,          // the file could not be opened for reading (reason from the system)
  CannotRead,          // reading failed after the file was opened
  TooLarge,            // larger than kMaxTextFileBytes
  NotText,             // holds a NUL byte
  FilterPattern,       // the name is one of the open dialog's patterns ("*.vn4" …)
  SavePattern,         // a save to such a name, refused before writing (Open would not read it)
  WingCountMissing,    // an aircraft file without a wing count
  WingCountRange,      // wing count outside 1-5 (value)
  SectionCount,        // a wing in use with a section count outside 2-5 (wing, value)
  LegacyWingCount,     // a legacy data file claiming more than 3 wings (value)
  LegacyTrapezia,      // a legacy data file with a trapezium count outside 1-4 (wing, value)
  Incomplete,          // an aircraft file whose last tagged line is not "</aircraft>" (`backup`: a kept copy)
  TrailingContent,     // a tag on `line` after the closing "</aircraft>" (the line's `text`)
  BalanceValue,        // a balance element on `line` whose value is not a usable number or target (`tag`, `text`)
  BalanceReadings,     // the balance block on `line` has no readings of a usable total mass
  BalanceMissing,      // the reading opened on `line` lacks the element `tag`
  BalanceRepeated,     // the element `tag` on `line` is given twice in one reading or block
  BalanceNotClosed,    // the `tag` block opened on `line` has no end tag
  BalanceOutside,      // the element `tag` on `line` stands outside a `text` block
  BalanceCrowded,      // `line` holds more than the one balance element `tag`
  BalanceSecondBlock,  // a second balance block, opened on `line`
  CannotWrite,         // nothing was written (reason; `existed` tells whether a previous file is there)
  RemarksTooLong,      // the file the remarks would give is larger than any reader accepts
  WriteDamaged,        // writing in place failed part-way; the previous content is in `backup`
  FuselageBlock,       // the fuselage block is refused (`fuselage`, `tag`, `text`, `line`; `check` when unusable)
};

/// Why a fuselage block is refused.
enum class FuselageRefusal {
  NotWholeMillimetres,  // an element's value is not a whole number of millimetres
  GivenTwice,           // an element given twice in its place
  OutsideBlock,         // an element of the block before or after it
  OutsideStation,       // a station's x or width outside a station
  InStation,            // the axis height inside a station
  SecondBlock,          // a second block
  NotClosed,            // a block or station without its closing tag (`line`: where it opened)
  NotOpened,            // a station's closing tag without its opening
  StationIncomplete,    // a station closed without its x or its width
  Unusable,             // the stations cannot be used (`check`)
};

/// Why the system refused an operation, in words the user understands.
enum class SystemReason {
  None,
  NotFound,
  NoPermission,
  IsFolder,
  NotRegular,
  DiskFull,
  ReadOnly,
  NameTooLong,
  FolderNoPermission,         // a new file in a folder the user may not write
  FileAndFolderNoPermission,  // neither the file nor its folder may be written
  NoBackup,                   // writing in place needs a copy of the previous content, and none can be kept
  Other                       // shown in the system's own words, with the number
};

struct FileError {
  FileErrorKind kind = FileErrorKind::CannotOpen;
  std::string path;  // the name as the user gave it (UTF-8)
  SystemReason reason = SystemReason::None;
  int errorNumber = 0;   // errno for SystemReason::Other
  long long value = 0;   // the offending count as read (it decides singular or plural)
  std::string text;      // the offending value as the file gives it (UTF-8), shown in the message
  int wing = 0;          // the wing, for SectionCount and LegacyTrapezia
  bool existed = false;  // CannotWrite: a file of that name was there before (and is unchanged)
  std::string backup;    // WriteDamaged: where the previous content was kept
  std::string tag;       // the element a refusal is about
  long long line = 0;    // the line (from 1) a refusal of the file's content is about
  FuselageRefusal fuselage = FuselageRefusal::NotWholeMillimetres;  // FuselageBlock: why
  FuselageCheck check;  // FuselageBlock, Unusable: what is wrong with the stations

  bool operator==(const FileError&) const = default;

  static FileError cannotOpen(std::string path, int errorNumber);
  static FileError cannotRead(std::string path, int errorNumber);
  static FileError tooLarge(std::string path);
  static FileError notText(std::string path);
  static FileError filterPattern(std::string path);
  static FileError savePattern(std::string path);
  static FileError wingCountMissing(std::string path);
  // `text` is the value as the file wrote it; when empty, the count itself is shown.
  static FileError wingCountRange(std::string path, long long count, std::string text = {});
  static FileError sectionCount(std::string path, int wing, long long sections, std::string text = {});
  static FileError legacyWingCount(std::string path, long long count, std::string text = {});
  static FileError legacyTrapezia(std::string path, int wing, long long trapezia, std::string text = {});
  static FileError incomplete(std::string path, std::string backup = {});
  static FileError trailingContent(std::string path, long long line, std::string text);
  static FileError balanceValue(std::string path, std::string tag, std::string text, long long line);
  static FileError balanceReadings(std::string path, long long line);
  // The balance block's layout: `kind` one of BalanceMissing … BalanceSecondBlock; `text` the
  // enclosing block for BalanceOutside.
  static FileError balanceLayout(FileErrorKind kind, std::string path, std::string tag, long long line,
                                 std::string text = {});
  static FileError cannotWrite(std::string path, int errorNumber, bool existed);
  static FileError cannotWrite(std::string path, SystemReason reason, bool existed);
  static FileError remarksTooLong(std::string path);
  static FileError writeDamaged(std::string path, int errorNumber, std::string backup);
  static FileError fuselageBlock(std::string path, FuselageRefusal why, std::string_view tag, std::string_view text,
                                 long long line);
  static FileError fuselageUnusable(std::string path, const FuselageCheck& check, long long line);
};

/// The reason an errno stands for.
SystemReason systemReasonOf(int errorNumber);

/// One sentence naming the file and the reason, in `language`.
std::string renderFileError(const FileError& error, Language language);

/// The notice after a save that wrote `count` characters of the remarks as "?".
std::string renderReplacedCharacters(const std::string& path, std::size_t count, Language language);

}  // namespace volantis4
