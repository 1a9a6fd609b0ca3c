#include "files/save_companions.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <string_view>
#include <system_error>

#include "model/numbers.h"

namespace volantis4::detail {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryTag = ".tmp-";
constexpr std::string_view kCopyTag = ".previous-";

// "." + as much of `name` as fits + `suffix`, never longer than `limit` bytes; the name is cut
// only between UTF-8 characters.
std::string fittingName(const std::string& name, const std::string& suffix, std::size_t limit) {
  const std::size_t room = limit > suffix.size() + 1 ? limit - suffix.size() - 1 : 0;
  std::size_t keep = name.size();
  if (keep > room) {
    keep = room;
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
  }
  return "." + name.substr(0, keep) + suffix;
}

// A run of decimal digits as a number; nullopt when `text` is anything else.
std::optional<unsigned long long> digitsValue(std::string_view text) {
  unsigned long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The kind and process of a companion name ending in `tag` + "PID-N"; nullopt for any other name.
std::optional<FoundCompanion> parsedSuffix(std::string_view name, std::string_view tag, Companion kind,
                                           std::size_t& suffixAt) {
  const std::size_t at = name.rfind(tag);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view numbers = name.substr(at + tag.size());
  const std::size_t dash = numbers.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const auto pid = digitsValue(numbers.substr(0, dash));
  if (!pid || !digitsValue(numbers.substr(dash + 1)) || *pid > static_cast<unsigned long long>(INT_MAX))
    return std::nullopt;
  suffixAt = at;
  return FoundCompanion{kind, static_cast<long long>(*pid), {}};
}

}  // namespace

fs::path folderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

std::size_t longestName(const fs::path& folder) {
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

CompanionPlace temporaryFolderPlace(const fs::path& target, dev_t device, ino_t inode) {
  std::error_code error;
  fs::path folder = fs::temp_directory_path(error);
  if (error) folder = "/tmp";
  return {folder, formatInt(static_cast<long long>(device)) + "-" + formatInt(static_cast<long long>(inode)) + "-" +
                      target.filename().string()};
}

std::vector<CompanionPlace> companionPlaces(const fs::path& target, dev_t device, ino_t inode) {
  std::vector<CompanionPlace> places{{folderOf(target), target.filename().string()}};
  if (inode != 0) places.push_back(temporaryFolderPlace(target, device, inode));
  return places;
}

std::string companionName(const std::string& base, Companion kind, long long pid, unsigned long long n,
                          std::size_t limit) {
  const std::string suffix = std::string(kind == Companion::Temporary ? kTemporaryTag : kCopyTag) + formatInt(pid) +
                             "-" + formatInt(static_cast<long long>(n));
  return fittingName(base, suffix, limit);
}

std::vector<FoundCompanion> companionsIn(const CompanionPlace& place) {
  std::vector<FoundCompanion> found;
  const std::size_t limit = longestName(place.folder);
  std::error_code error;
  for (fs::directory_iterator it(place.folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with('.')) continue;
    for (const auto& [tag, kind] : {std::pair{kTemporaryTag, Companion::Temporary}, {kCopyTag, Companion::Copy}}) {
      std::size_t suffixAt = 0;
      std::optional<FoundCompanion> companion = parsedSuffix(name, tag, kind, suffixAt);
      // The name must be exactly what a save of this target would have made.
      if (!companion || fittingName(place.base, name.substr(suffixAt), limit) != name) continue;
      companion->path = it->path();
      found.push_back(*companion);
      break;
    }
  }
  return found;
}

bool processGone(long long pid) { return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

}  // namespace volantis4::detail
