#include "files/file_name.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <vector>

namespace volantis4 {
namespace {

std::size_t lastComponentStart(std::string_view name) {
  const std::size_t slash = name.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

std::string_view lastComponent(std::string_view name) { return name.substr(lastComponentStart(name)); }

bool contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

// Replaces the third-last and second-last characters (UTF-8 aware) of `name` by `a` and `b`.
std::string replaceBeforeLast(std::string_view name, char a, char b) {
  std::vector<std::size_t> starts;  // byte offsets of the characters, from the end
  for (std::size_t i = name.size(); i-- > 0 && starts.size() < 3;)
    if ((static_cast<unsigned char>(name[i]) & 0xC0u) != 0x80u) starts.push_back(i);
  if (starts.size() < 3) return std::string(name);
  std::string out(name.substr(0, starts[2]));
  out += a;
  out += b;
  out += name.substr(starts[0]);
  return out;
}

}  // namespace

bool isFilterPattern(std::string_view name) {
  const std::string_view base = lastComponent(name);
  return base == "*.da4" || base == "*.DA4" || base == "*.vn4" || base == "*.VN4";
}

bool namesLegacyFile(std::string_view name) {
  const std::string_view base = lastComponent(name);
  return contains(base, ".da4") || contains(base, ".DA4");
}

bool namesAircraftFile(std::string_view name) {
  const std::string_view base = lastComponent(name);
  return contains(base, ".vn4") || contains(base, ".VN4");
}

std::string adjustFileName(std::string_view name) {
  const std::size_t start = lastComponentStart(name);
  std::string base(name.substr(start));
  if (contains(base, ".da4")) base = replaceBeforeLast(base, 'v', 'n');
  if (contains(base, ".DA4")) base = replaceBeforeLast(base, 'V', 'N');
  if (!contains(base, ".vn4") && !contains(base, ".VN4")) base += ".vn4";
  return std::string(name.substr(0, start)) + base;
}

std::string withLowerCasedFilePart(std::string_view name) {
  const std::size_t start = lastComponentStart(name);
  std::string out(name.substr(0, start));
  icu::UnicodeString part =
      icu::UnicodeString::fromUTF8(icu::StringPiece(name.data() + start, static_cast<int32_t>(name.size() - start)));
  part.toLower(icu::Locale::getRoot()).toUTF8String(out);
  return out;
}

}  // namespace volantis4
