#include "files/atomic_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "file_test_support.h"

namespace volantis4 {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(AtomicWrite, CreatesAndReplacesWithExactBytesKeepingPermissions) {
  TempDir dir;
  const std::string path = dir.file("plane.vn4");
  ASSERT_FALSE(writeFileAtomically(path, "first\r\n"));
  EXPECT_EQ(readBytes(path), "first\r\n");
  ::chmod(path.c_str(), 0640);
  ASSERT_FALSE(writeFileAtomically(path, std::string("second\0\xFC", 8)));
  EXPECT_EQ(readBytes(path), std::string("second\0\xFC", 8));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(dir.entries(), 1u);
}

TEST(AtomicWrite, SymbolicLinkKeepsPointingAtTheReplacedFile) {
  TempDir dir;
  const std::string target = dir.file("real.vn4"), link = dir.file("link.vn4");
  writeBytes(target, "old");
  std::filesystem::create_symlink(target, link);
  ASSERT_FALSE(writeFileAtomically(link, "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readBytes(target), "new");
}

// A write step that fails after writing part of the bytes.
bool halfThenDiskFull(int fd, std::string_view bytes) {
  writeAll(fd, bytes.substr(0, bytes.size() / 2));
  errno = ENOSPC;
  return false;
}

// A write step that writes through /dev/full, which refuses every byte with ENOSPC.
bool throughDevFull(int, std::string_view bytes) {
  const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (full < 0) return writeAll(-1, bytes);
  const bool ok = writeAll(full, bytes);
  const int saved = errno;
  ::close(full);
  errno = saved;
  return ok;
}

class FailingWrite : public ::testing::TestWithParam<bool (*)(int, std::string_view)> {};

TEST_P(FailingWrite, LeavesTheOldFileIntactAndNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.file("plane.vn4");
  writeBytes(path, "the modeller's aircraft");
  const auto error = writeFileAtomically(path, std::string(100000, 'x'), GetParam());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileErrorKind::CannotWrite);
  EXPECT_EQ(error->path, path);
  EXPECT_EQ(error->reason, SystemReason::DiskFull);
  EXPECT_EQ(readBytes(path), "the modeller's aircraft");
  EXPECT_EQ(dir.entries(), 1u);
  EXPECT_EQ(
      renderFileError(*error, Language::English),
      "The file \"" + path + "\" cannot be written: the disk is full. A previous file of that name is unchanged.");
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingWrite, ::testing::Values(&halfThenDiskFull, &throughDevFull));

TEST(AtomicWrite, ReadOnlyFolderRefusesAndKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  TempDir dir;
  const std::string path = dir.file("plane.vn4");
  writeBytes(path, "old");
  ::chmod(dir.path().c_str(), 0555);
  const auto error = writeFileAtomically(path, "new");
  ::chmod(dir.path().c_str(), 0755);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->reason, SystemReason::NoPermission);
  EXPECT_EQ(readBytes(path), "old");
  EXPECT_EQ(dir.entries(), 1u);
}

TEST(AtomicWrite, MissingFolderIsReported) {
  TempDir dir;
  const auto error = writeFileAtomically(dir.file("no/such/plane.vn4"), "x");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->reason, SystemReason::NotFound);
  EXPECT_EQ(renderFileError(*error, Language::German),
            "Die Datei \"" + dir.file("no/such/plane.vn4") +
                "\" kann nicht geschrieben werden: Datei oder Ordner nicht vorhanden. Eine vorhandene Datei dieses "
                "Namens ist unverändert.");
}

}  // namespace
}  // namespace volantis4
