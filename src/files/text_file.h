#pragma once
// Reading the system's text files: whole file with its refusals, lines, and real values.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "files/file_error.h"

namespace volantis4 {

/// Largest file any reader accepts (bytes).
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{16} * 1024 * 1024;

/// The bytes of a regular file, or why it cannot be had: cannot open, not a regular file,
/// read error, larger than kMaxTextFileBytes, not text.
std::variant<std::string, FileError> readTextFile(const std::string& path);

/// NotText when `bytes` holds a NUL byte (no text file does; every binary format does).
bool isText(std::string_view bytes);

/// Reads a text line by line without copying: each line ends at "\r\n", "\n" or a lone "\r",
/// which is not part of it, and a line end at the very end opens no further line.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  /// True when every byte has been read.
  bool atEnd() const { return pos_ >= text_.size(); }
  /// The next line; an empty line once the text is at its end.
  std::string_view next();

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

/// All lines of a text as LineCursor reads them; an empty text is one empty line.
std::vector<std::string_view> splitLines(std::string_view text);

/// A real value of a file: blanks skipped, optional sign, digits with an optional fraction
/// after a period and an optional exponent; reading stops at the first other character.
/// No digit, or a number beyond the double range, gives 0. Always finite.
double readReal(std::string_view text);

}  // namespace volantis4
