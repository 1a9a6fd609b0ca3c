// What saves leave beside their target and what later saves remove: temporary files and kept copies
// of processes that are gone, never another file's or a running process's.

#include "files/save_companions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>

#include "file_test_support.h"
#include "files/atomic_write.h"

namespace volantis4 {
namespace {

using detail::Companion;
using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

// The id of a process that has ended.
long long goneProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

bool failingStep(int, std::string_view) {
  errno = ENOSPC;
  return false;
}

TEST(SaveLeftovers, ACompletedSaveRemovesThoseOfGoneProcessesOnly) {
  TempDir dir;
  const long long gone = goneProcess();
  const std::string name = "plane.vn4", longName = std::string(245, 'w') + ".vn4";
  const auto companion = [&](const std::string& base, Companion kind, long long pid) {
    return detail::companionName(base, kind, pid, 0, 255);
  };
  const std::vector<std::string> removed{companion(name, Companion::Temporary, gone),
                                         companion(name, Companion::Copy, gone),
                                         companion(longName, Companion::Copy, gone)};  // shortened to fit
  const std::vector<std::string> kept{companion(name, Companion::Temporary, 1),        // a running process's
                                      companion("other.vn4", Companion::Copy, gone),   // another file's
                                      ".plane.vn4.tmp-" + std::to_string(gone) + "-x",
                                      ".plane.vn4.tmp-" + std::to_string(gone) + "-0.bak", "plane.vn4.tmp-1-0"};
  ASSERT_LT(companion(longName, Companion::Copy, gone).size(), longName.size() + 20);
  for (const auto& list : {removed, kept})
    for (const std::string& file : list) writeBytes(dir.file(file), "partial");
  // A copy kept in the temporary folder is named after the target's device and inode.
  writeBytes(dir.file(name), "old");
  writeBytes(dir.file(longName), "old");
  struct stat info {};
  ASSERT_EQ(::stat(dir.file(name).c_str(), &info), 0);
  const detail::CompanionPlace elsewhere = detail::temporaryFolderPlace(dir.file(name), info.st_dev, info.st_ino);
  const std::filesystem::path temporaryCopy = elsewhere.folder / companion(elsewhere.base, Companion::Copy, gone);
  writeBytes(temporaryCopy.string(), "old");

  // A failed save removes nothing: a kept copy may be the only whole one.
  ASSERT_TRUE(writeFileAtomically(dir.file(name), "new", &failingStep));
  EXPECT_EQ(keptCopies(dir.file(name)).size(), 2u);
  ASSERT_FALSE(writeFileAtomically(dir.file(name), "new"));
  ASSERT_FALSE(writeFileAtomically(dir.file(longName), "new"));

  for (const std::string& file : removed) EXPECT_FALSE(std::filesystem::exists(dir.file(file))) << file;
  for (const std::string& file : kept) EXPECT_TRUE(std::filesystem::exists(dir.file(file))) << file;
  EXPECT_FALSE(std::filesystem::exists(temporaryCopy));
  EXPECT_EQ(readBytes(dir.file(name)), "new");
}

TEST(SaveLeftovers, KeptCopiesAreFoundNewestFirstAndOnlyForTheirOwnFile) {
  TempDir dir;
  const std::string path = dir.file("plane.vn4");
  writeBytes(path, "torn");
  const long long gone = goneProcess();
  const std::string older = dir.file(detail::companionName("plane.vn4", Companion::Copy, gone, 1, 255));
  const std::string newer = dir.file(detail::companionName("plane.vn4", Companion::Copy, gone, 2, 255));
  writeBytes(older, "old");
  writeBytes(newer, "newer");
  writeBytes(dir.file(detail::companionName("plane.vn4", Companion::Temporary, gone, 3, 255)), "partial");
  writeBytes(dir.file(detail::companionName("glider.vn4", Companion::Copy, gone, 4, 255)), "other");
  std::filesystem::last_write_time(older, std::filesystem::last_write_time(newer) - std::chrono::hours(1));
  // In the shared temporary folder, a copy another user left under the file's device and inode is
  // not taken for one of this user's, nor is anything but a regular file.
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  const detail::CompanionPlace elsewhere = detail::temporaryFolderPlace(path, info.st_dev, info.st_ino);
  const std::filesystem::path foreign =
      elsewhere.folder / detail::companionName(elsewhere.base, Companion::Copy, gone, 5, 255);
  const std::filesystem::path link =
      elsewhere.folder / detail::companionName(elsewhere.base, Companion::Copy, gone, 6, 255);
  std::filesystem::create_symlink(older, link);
  if (::geteuid() == 0) {  // only the superuser can make a file of another user
    writeBytes(foreign.string(), "planted");
    ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
  }
  const std::vector<std::string> found = keptCopies(path);
  std::filesystem::remove(link);
  std::filesystem::remove(foreign);  // when there is one
  EXPECT_EQ(found, (std::vector<std::string>{newer, older}));
}

}  // namespace
}  // namespace volantis4
