#include "files/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <system_error>

#include "files/descriptor.h"

namespace volantis4 {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::variant<std::string, FileError> readTextFile(const std::string& path) {
  // Non-blocking so that a FIFO cannot hang the window; it is refused below anyway.
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return FileError::cannotOpen(path, errno);

  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return FileError::cannotOpen(path, errno);
  if (S_ISDIR(info.st_mode)) return FileError::cannotOpen(path, EISDIR);
  if (!S_ISREG(info.st_mode)) {
    FileError e = FileError::cannotOpen(path, 0);
    e.reason = SystemReason::NotRegular;
    return e;
  }
  if (static_cast<unsigned long long>(info.st_size) > kMaxTextFileBytes) return FileError::tooLarge(path);

  // Read up to one byte past the limit: the file may have grown since fstat.
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (bytes.size() > kMaxTextFileBytes) return FileError::tooLarge(path);
      bytes.resize(std::min(bytes.size() * 2 + 4096, kMaxTextFileBytes + 1));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      return FileError::cannotRead(path, errno);
    }
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  bytes.resize(filled);
  if (bytes.size() > kMaxTextFileBytes) return FileError::tooLarge(path);
  if (!isText(bytes)) return FileError::notText(path);
  return bytes;
}

bool isText(std::string_view bytes) { return bytes.find('\0') == std::string_view::npos; }

std::string_view LineCursor::next() {
  if (atEnd()) return {};
  const std::size_t end = text_.find_first_of("\r\n", pos_);
  if (end == std::string_view::npos) {
    const std::string_view line = text_.substr(pos_);
    pos_ = text_.size();
    return line;
  }
  const std::string_view line = text_.substr(pos_, end - pos_);
  pos_ = end + ((text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n') ? 2 : 1);
  return line;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  LineCursor cursor(text);
  std::vector<std::string_view> lines{cursor.next()};
  while (!cursor.atEnd()) lines.push_back(cursor.next());
  return lines;
}

double readReal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  // An exponent counts only when a digit follows it.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j])) ++j;
      i = j;
    }
  }
  std::string_view number = text.substr(start, i - start);
  if (number.front() == '+') number.remove_prefix(1);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc{} || !std::isfinite(value)) return 0.0;
  return value;
}

}  // namespace volantis4
