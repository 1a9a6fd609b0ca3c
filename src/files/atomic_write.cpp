#include "files/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "files/descriptor.h"
#include "files/save_companions.h"

namespace volantis4 {
namespace {

namespace fs = std::filesystem;
using detail::Companion;
using detail::CompanionPlace;
using detail::folderOf;

detail::WriteHooks& hooks() {
  static detail::WriteHooks installed;
  return installed;
}

void reached(WriteStage stage) {
  if (hooks().reached) hooks().reached(stage);
}

// The most symbolic links followed from one name, as the system itself allows.
constexpr int kMostLinks = 40;

// The file that is really written: the last target of a chain of symbolic links (which need not
// exist yet), else the path itself; ELOOP in `error` for a chain that does not end.
fs::path resolvedTarget(const std::string& path, int& error) {
  fs::path file(path);
  error = 0;
  for (int links = 0;; ++links) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return file;
    if (links == kMostLinks) {
      error = ELOOP;
      return file;
    }
    std::error_code ec;
    const fs::path next = fs::read_symlink(file, ec);
    if (ec) {
      error = ec.value();
      return file;
    }
    file = next.is_absolute() ? next : folderOf(file) / next;
  }
}

// The next name for a companion of `place` made by this process.
fs::path nextCompanion(const CompanionPlace& place, Companion kind) {
  static unsigned long long counter = 0;
  return place.folder /
         detail::companionName(place.base, kind, ::getpid(), counter++, detail::longestName(place.folder));
}

// Creates a new, empty file named as a companion of `place` with `mode`; its descriptor or -1
// (errno set).
int createCompanion(const CompanionPlace& place, Companion kind, mode_t mode, fs::path& created) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    created = nextCompanion(place, kind);
    const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Gives the written file `temporary` a new companion name of `kind` without ever replacing a file
// of that name; the name, or empty.
fs::path nameCompanion(const CompanionPlace& place, const fs::path& temporary, Companion kind) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path name = nextCompanion(place, kind);
    if (::link(temporary.c_str(), name.c_str()) == 0) {
      ::unlink(temporary.c_str());
      return name;
    }
    if (errno == EEXIST) continue;
    // A file system without hard links: a rename, after making sure the name is free.
    struct stat taken {};
    if (::lstat(name.c_str(), &taken) == 0) continue;
    return ::rename(temporary.c_str(), name.c_str()) == 0 ? name : fs::path();
  }
  return {};
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename itself has already happened
  ::close(fd);
}

bool isPermissionError(int errorNumber) { return errorNumber == EACCES || errorNumber == EPERM; }

bool mayWriteFolder(const fs::path& folder) {
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool readAll(int fd, std::string& out) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return true;
    out.append(buffer, static_cast<std::size_t>(n));
  }
}

// Removes what earlier saves of the target left behind, where the process that made it is gone
// (or is this one): temporary files, and copies of a previous content, which the completed save
// has made needless. `before` is the target as it was before this save (its copies in the
// temporary folder are named after its inode).
void removeLeftovers(const fs::path& target, const struct stat* before) {
  std::vector<CompanionPlace> places = detail::companionPlaces(target, 0, 0);
  struct stat now {};
  if (::stat(target.c_str(), &now) == 0) places.push_back(detail::temporaryFolderPlace(target, now.st_dev, now.st_ino));
  if (before != nullptr && (before->st_dev != now.st_dev || before->st_ino != now.st_ino))
    places.push_back(detail::temporaryFolderPlace(target, before->st_dev, before->st_ino));
  const long long self = ::getpid();
  for (const CompanionPlace& place : places)
    for (const detail::FoundCompanion& left : detail::companionsIn(place))
      if (left.pid == self || detail::processGone(left.pid)) ::unlink(left.path.c_str());
}

// Outcome of replacing by rename: done, not possible here (write in place instead), or failed
// with errno.
struct RenameOutcome {
  enum { Done, InPlace, Failed } result;
  int errorNumber = 0;
};

// Writes `bytes` into a temporary file beside `target` and renames it over the target. An
// existing target's owner, group and mode are given to the new file first; where the owner or
// group cannot be kept, or the folder refuses the new file or the rename, nothing is changed
// and InPlace is returned.
RenameOutcome replaceByRename(const fs::path& target, const struct stat* existing, std::string_view bytes,
                              const WriteStep& write) {
  const fs::path folder = folderOf(target);
  fs::path temporary;
  Descriptor fd(createCompanion({folder, target.filename().string()}, Companion::Temporary, 0666, temporary));
  if (!fd.valid()) {
    const int error = errno;
    return {isPermissionError(error) ? RenameOutcome::InPlace : RenameOutcome::Failed, error};
  }
  reached(WriteStage::TemporaryCreated);
  const auto give_up = [&](decltype(RenameOutcome::Done) result, int error) {
    fd.reset();
    ::unlink(temporary.c_str());
    return RenameOutcome{result, error};
  };

  if (existing != nullptr) {
    struct stat created {};
    if (::fstat(fd.get(), &created) != 0) return give_up(RenameOutcome::Failed, errno);
    if ((created.st_uid != existing->st_uid || created.st_gid != existing->st_gid) &&
        ::fchown(fd.get(), existing->st_uid, existing->st_gid) != 0)
      return give_up(RenameOutcome::InPlace, errno);
    // After fchown, which may clear the set-id bits.
    if (::fchmod(fd.get(), existing->st_mode & 07777) != 0) return give_up(RenameOutcome::InPlace, errno);
  }

  errno = 0;
  if (!write(fd.get(), bytes)) return give_up(RenameOutcome::Failed, errno != 0 ? errno : EIO);
  reached(WriteStage::TemporaryWritten);
  if (::fsync(fd.get()) != 0) return give_up(RenameOutcome::Failed, errno);
  if (!fd.close()) return give_up(RenameOutcome::Failed, errno);
  reached(WriteStage::TemporaryFlushed);
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    return give_up(isPermissionError(error) && existing != nullptr ? RenameOutcome::InPlace : RenameOutcome::Failed,
                   error);
  }
  syncFolder(folder);
  reached(WriteStage::Renamed);
  return {RenameOutcome::Done, 0};
}

// Keeps `content` in a new private file beside `target`, or in the temporary folder when the
// target's folder takes none: written and flushed under a temporary name, then given the name of
// a copy, so that a copy's name always stands for a whole copy. Its name, or empty when no copy
// could be kept.
std::string keepCopy(const fs::path& target, const struct stat& existing, std::string_view content) {
  for (const CompanionPlace& place : detail::companionPlaces(target, existing.st_dev, existing.st_ino)) {
    fs::path temporary;
    Descriptor fd(createCompanion(place, Companion::Temporary, 0600, temporary));
    if (!fd.valid()) continue;
    if (writeAll(fd.get(), content) && ::fsync(fd.get()) == 0 && fd.close()) {
      reached(WriteStage::CopyWritten);
      const fs::path copy = nameCompanion(place, temporary, Companion::Copy);
      if (!copy.empty()) {
        syncFolder(place.folder);
        return copy.string();
      }
    }
    fd.reset();
    ::unlink(temporary.c_str());
  }
  return {};
}

// Writes `bytes` into the existing file open for writing as `fd`, after keeping a copy of its
// previous content: the file is emptied first, so that it never holds a new beginning on an old
// end. When writing fails, the previous content is written back where possible.
std::optional<FileError> writeInPlace(const std::string& path, const fs::path& target, const struct stat& existing,
                                      int fd, std::string_view bytes, const WriteStep& write) {
  std::string previous;
  const Descriptor reader(::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!reader.valid() || !readAll(reader.get(), previous))
    return FileError::cannotWrite(path, SystemReason::NoBackup, true);
  const std::string copy = keepCopy(target, existing, previous);
  if (copy.empty()) return FileError::cannotWrite(path, SystemReason::NoBackup, true);
  reached(WriteStage::CopyKept);

  const auto putBack = [&](int error) -> std::optional<FileError> {
    if (::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0 && write(fd, previous) && ::fsync(fd) == 0) {
      ::unlink(copy.c_str());
      return FileError::cannotWrite(path, error, true);
    }
    return FileError::writeDamaged(path, error, copy);
  };
  if (::ftruncate(fd, 0) != 0 || ::fsync(fd) != 0) return putBack(errno);
  reached(WriteStage::Emptied);
  errno = 0;
  if (::lseek(fd, 0, SEEK_SET) != 0 || !write(fd, bytes)) return putBack(errno != 0 ? errno : EIO);
  reached(WriteStage::InPlaceWritten);
  if (::fsync(fd) != 0) return putBack(errno);
  reached(WriteStage::InPlaceFlushed);
  ::unlink(copy.c_str());
  return std::nullopt;
}

std::optional<FileError> writeResolved(const std::string& path, const fs::path& target, std::string_view bytes,
                                       const WriteStep& write, struct stat& existing, bool& existed) {
  const fs::path folder = folderOf(target);
  if (target.filename().string().size() > detail::longestName(folder))
    return FileError::cannotWrite(path, ENAMETOOLONG, false);

  if (::stat(target.c_str(), &existing) != 0) {
    if (errno != ENOENT) return FileError::cannotWrite(path, errno, false);
    // A new file.
    const RenameOutcome outcome = replaceByRename(target, nullptr, bytes, write);
    if (outcome.result == RenameOutcome::Done) return std::nullopt;
    if (outcome.result == RenameOutcome::InPlace)
      return FileError::cannotWrite(path, SystemReason::FolderNoPermission, false);
    return FileError::cannotWrite(path, outcome.errorNumber, false);
  }
  existed = true;

  if (S_ISDIR(existing.st_mode)) return FileError::cannotWrite(path, EISDIR, true);
  if (!S_ISREG(existing.st_mode)) return FileError::cannotWrite(path, SystemReason::NotRegular, true);
  // A save is allowed exactly when the file may be opened for writing.
  Descriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!file.valid()) {
    FileError error = FileError::cannotWrite(path, errno, true);
    if (error.reason == SystemReason::NoPermission && !mayWriteFolder(folder))
      error.reason = SystemReason::FileAndFolderNoPermission;
    return error;
  }
  // A file with further hard links is written in place, so that every name sees the new content.
  if (existing.st_nlink == 1) {
    const RenameOutcome outcome = replaceByRename(target, &existing, bytes, write);
    if (outcome.result == RenameOutcome::Done) return std::nullopt;
    if (outcome.result == RenameOutcome::Failed) return FileError::cannotWrite(path, outcome.errorNumber, true);
  }
  return writeInPlace(path, target, existing, file.get(), bytes, write);
}

}  // namespace

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::optional<FileError> writeFileAtomically(const std::string& path, std::string_view bytes, const WriteStep& write) {
  int linkError = 0;
  const fs::path target = resolvedTarget(path, linkError);
  if (linkError != 0) return FileError::cannotWrite(path, linkError, true);
  const WriteStep& step = write ? write : hooks().write ? hooks().write : WriteStep(writeAll);
  struct stat existing {};
  bool existed = false;
  std::optional<FileError> error = writeResolved(path, target, bytes, step, existing, existed);
  if (error) return error;
  removeLeftovers(target, existed ? &existing : nullptr);
  reached(WriteStage::Completed);
  return std::nullopt;
}

std::vector<std::string> keptCopies(const std::string& path) {
  int linkError = 0;
  const fs::path target = resolvedTarget(path, linkError);
  struct stat info {};
  const bool exists = ::stat(target.c_str(), &info) == 0;
  const std::vector<CompanionPlace> places =
      detail::companionPlaces(target, exists ? info.st_dev : 0, exists ? info.st_ino : 0);
  std::vector<std::pair<fs::file_time_type, std::string>> copies;
  for (std::size_t i = 0; i < places.size(); ++i)
    for (const detail::FoundCompanion& found : detail::companionsIn(places[i])) {
      // Only regular files; in the shared temporary folder, only this user's own.
      struct stat copy {};
      if (found.kind != Companion::Copy || ::lstat(found.path.c_str(), &copy) != 0 || !S_ISREG(copy.st_mode) ||
          (i > 0 && copy.st_uid != ::geteuid()))
        continue;
      std::error_code error;
      copies.emplace_back(fs::last_write_time(found.path, error), found.path.string());
    }
  std::sort(copies.begin(), copies.end(), std::greater<>());
  std::vector<std::string> names;
  names.reserve(copies.size());
  for (auto& [time, name] : copies) names.push_back(std::move(name));
  return names;
}

namespace detail {

void setWriteHooks(WriteHooks installed) { hooks() = std::move(installed); }

}  // namespace detail
}  // namespace volantis4
