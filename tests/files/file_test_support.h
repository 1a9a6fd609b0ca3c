#pragma once
// Temporary folders and byte helpers for the file tests.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "files/file_error.h"

namespace volantis4 {

/// Failure messages show a FileError as the user would read it.
inline void PrintTo(const FileError& error, std::ostream* out) {
  *out << renderFileError(error, Language::English) << " [text \"" << error.text << "\", value " << error.value << "]";
}

}  // namespace volantis4

namespace volantis4::testing_support {

/// A fresh folder under /tmp, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir() {
    std::string pattern = "/tmp/volantis4-files-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(std::string_view name) const { return (path_ / std::string(name)).string(); }
  /// Number of entries in the folder.
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
  }

 private:
  std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

/// `text` with every "\n" written as "\r\n", as the files end their lines.
inline std::string crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace volantis4::testing_support
