#include "files/defaults_file.h"

#include "files/atomic_write.h"
#include "files/text_file.h"
#include "model/field_reading.h"
#include "model/numbers.h"

namespace volantis4 {

Defaults readDefaultsText(std::string_view bytes) {
  Defaults d;
  LineCursor lines(bytes);
  const std::string_view first = lines.next();
  d.language = (!first.empty() && first[0] == 'e') ? Language::English : Language::German;

  // Each further line is read only while the file lasts.
  const auto line = [&lines]() -> std::optional<std::int32_t> {
    if (lines.atEnd()) return std::nullopt;
    return readField(lines.next());
  };
  const auto edge = [](std::int32_t v) { return (v >= 0 && v <= 999) ? v : 0; };
  if (auto w = line(); w && *w >= 1 && *w <= 2999) d.width = *w;
  if (auto h = line(); h && *h >= 1 && *h <= 1999) d.height = *h;
  if (auto l = line()) d.left = edge(*l);
  if (auto t = line()) d.top = edge(*t);
  return d;
}

std::variant<Defaults, FileError> readDefaults(const std::string& path) {
  auto bytes = readTextFile(path);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  return readDefaultsText(std::get<std::string>(bytes));
}

std::string defaultsText(Language language, const WindowBounds& b) {
  std::string out = language == Language::English ? "e" : "d";
  out += "\r\n";
  for (int v : {b.width, b.height, b.left, b.top}) out += formatInt(v) + "\r\n";
  return out;
}

std::optional<FileError> writeDefaults(const std::string& path, Language language, const WindowBounds& bounds) {
  return writeFileAtomically(path, defaultsText(language, bounds));
}

}  // namespace volantis4
