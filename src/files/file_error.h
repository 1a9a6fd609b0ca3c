#pragma once
// A file operation that failed or was refused, as a value: which file and why. Rendered in the
// language in force when it is shown.

#include <cstddef>
#include <string>

#include "model/language.h"

namespace volantis4 {

enum class FileErrorKind {
  CannotOpen,        // the file could not be opened for reading (reason from the system)
  CannotRead,        // reading failed after the file was opened
  TooLarge,          // larger than kMaxTextFileBytes
  NotText,           // holds a NUL byte
  FilterPattern,     // the name is one of the open dialog's patterns ("*.vn4" …)
  WingCountMissing,  // an aircraft file without a wing count
  WingCountRange,    // wing count outside 1-5 (value)
  SectionCount,      // a wing in use with a section count outside 2-5 (wing, value)
  LegacyWingCount,   // a legacy data file claiming more than 3 wings (value)
  CannotWrite,       // creating, writing, flushing or renaming failed (reason from the system)
};

/// Why the system refused an operation, in words the user understands.
enum class SystemReason { None, NotFound, NoPermission, IsFolder, NotRegular, DiskFull, ReadOnly, Other };

struct FileError {
  FileErrorKind kind = FileErrorKind::CannotOpen;
  std::string path;  // the name as the user gave it (UTF-8)
  SystemReason reason = SystemReason::None;
  int errorNumber = 0;  // errno for SystemReason::Other
  long long value = 0;  // the offending count
  int wing = 0;         // the wing, for SectionCount

  bool operator==(const FileError&) const = default;

  static FileError cannotOpen(std::string path, int errorNumber);
  static FileError cannotRead(std::string path, int errorNumber);
  static FileError tooLarge(std::string path);
  static FileError notText(std::string path);
  static FileError filterPattern(std::string path);
  static FileError wingCountMissing(std::string path);
  static FileError wingCountRange(std::string path, long long count);
  static FileError sectionCount(std::string path, int wing, long long sections);
  static FileError legacyWingCount(std::string path, long long count);
  static FileError cannotWrite(std::string path, int errorNumber);
};

/// The reason an errno stands for.
SystemReason systemReasonOf(int errorNumber);

/// One sentence naming the file and the reason, in `language`.
std::string renderFileError(const FileError& error, Language language);

/// The notice after a save that wrote `count` characters of the remarks as "?".
std::string renderReplacedCharacters(const std::string& path, std::size_t count, Language language);

}  // namespace volantis4
