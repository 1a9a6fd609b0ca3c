#pragma once
// The files a save makes beside its target: the temporary file that is renamed over it, and the
// copy of the previous content kept while the target is written in place. Their names say whose
// they are and which process made them, so that later saves can find and remove left-overs.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace volantis4::detail {

/// What a companion file is for: "tmp" or "previous" in its name.
enum class Companion { Temporary, Copy };

/// A folder where companions of one target stand, and the name part they start with there.
struct CompanionPlace {
  std::filesystem::path folder;
  std::string base;
};

/// The folder of a file (".", for a bare name).
std::filesystem::path folderOf(const std::filesystem::path& file);

/// The longest file name `folder` takes (bytes).
std::size_t longestName(const std::filesystem::path& folder);

/// Where companions of `target` stand: its own folder under its name; and the temporary folder,
/// for copies kept when the target's folder takes no new file, under a name led by the target's
/// device and inode, so that copies of equally named files of different folders stay apart.
/// `device`/`inode` are the existing target's (0 when it does not exist: no temporary-folder place).
std::vector<CompanionPlace> companionPlaces(const std::filesystem::path& target, dev_t device, ino_t inode);

/// The place in the temporary folder of a target with `device` and `inode`.
CompanionPlace temporaryFolderPlace(const std::filesystem::path& target, dev_t device, ino_t inode);

/// The name of a companion: "." + base + ".tmp-PID-N" (or ".previous-PID-N"), the base shortened
/// at a UTF-8 character boundary so that the whole is at most `limit` bytes.
std::string companionName(const std::string& base, Companion kind, long long pid, unsigned long long n,
                          std::size_t limit);

/// A companion found in a folder.
struct FoundCompanion {
  Companion kind = Companion::Temporary;
  long long pid = 0;
  std::filesystem::path path;
};

/// The companions of `place` present in its folder.
std::vector<FoundCompanion> companionsIn(const CompanionPlace& place);

/// True when no process `pid` runs any more.
bool processGone(long long pid);

}  // namespace volantis4::detail
