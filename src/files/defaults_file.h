#pragma once
// The defaults file "Default.pa4": the language letter and the main window's bounds.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "files/file_error.h"
#include "model/language.h"

namespace volantis4 {

/// The file's name, in the working directory.
inline constexpr std::string_view kDefaultsFileName = "Default.pa4";

/// The main window's bounds in pixels (left and top in screen coordinates, may be negative).
struct WindowBounds {
  int width = 0;
  int height = 0;
  int left = 0;
  int top = 0;
  bool operator==(const WindowBounds&) const = default;
};

/// What the file sets; a bound left empty keeps the window's designed value.
struct Defaults {
  Language language = Language::English;
  std::optional<int> width;   // 1-2999 when set
  std::optional<int> height;  // 1-1999 when set
  std::optional<int> left;    // 0-999 when set; a line outside that range gives 0
  std::optional<int> top;     // as left
  bool operator==(const Defaults&) const = default;
};

/// Reads the file's bytes: English only when the first character is "e"; lines 2-5 while the
/// file lasts, with the range rules above.
Defaults readDefaultsText(std::string_view bytes);

/// Reads the file `path`. On an error the caller keeps English and the designed bounds (Defaults{})
/// and need not report it: a missing file is the normal first start.
std::variant<Defaults, FileError> readDefaults(const std::string& path);

/// The file's five lines: "e" or "d", then width, height, left, top.
std::string defaultsText(Language language, const WindowBounds& bounds);

/// Replaces the file `path` atomically; empty on success.
std::optional<FileError> writeDefaults(const std::string& path, Language language, const WindowBounds& bounds);

}  // namespace volantis4
