#include "files/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "model/numbers.h"

namespace volantis4 {
namespace {

namespace fs = std::filesystem;

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { reset(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  /// Closes the descriptor; false with errno set when the system reports a failure.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }
  void reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

// The file that is really replaced: the target of a symbolic link, else the path itself.
fs::path resolvedTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    std::error_code ec;
    fs::path target = fs::canonical(path, ec);
    if (!ec) return target;
  }
  return fs::path(path);
}

fs::path folderOf(const fs::path& target) { return target.has_parent_path() ? target.parent_path() : fs::path("."); }

std::size_t longestName(const fs::path& folder) {
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

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

// Creates a new, empty file `folder`/."name…" + `tag`-pid-n with `mode`; its descriptor or -1
// (errno set).
int createBeside(const fs::path& folder, const std::string& name, const char* tag, mode_t mode, fs::path& created) {
  static unsigned counter = 0;
  const std::size_t limit = longestName(folder);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string suffix =
        std::string(".") + tag + "-" + formatInt(::getpid()) + "-" + formatInt(static_cast<long long>(counter++));
    created = folder / fittingName(name, suffix, limit);
    const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
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
  Descriptor fd(createBeside(folder, target.filename().string(), "tmp", 0666, temporary));
  if (!fd.valid()) {
    const int error = errno;
    return {isPermissionError(error) ? RenameOutcome::InPlace : RenameOutcome::Failed, error};
  }
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
  if (::fsync(fd.get()) != 0) return give_up(RenameOutcome::Failed, errno);
  if (!fd.close()) return give_up(RenameOutcome::Failed, errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    return give_up(isPermissionError(error) && existing != nullptr ? RenameOutcome::InPlace : RenameOutcome::Failed,
                   error);
  }
  syncFolder(folder);
  return {RenameOutcome::Done, 0};
}

// Keeps `content` in a new private file beside `target`, or in the temporary folder when the
// target's folder takes none; its name, or empty when no copy could be kept.
std::string keepCopy(const fs::path& target, std::string_view content) {
  std::error_code ec;
  const fs::path temporaryFolder = fs::temp_directory_path(ec);
  for (const fs::path& folder : {folderOf(target), ec ? fs::path("/tmp") : temporaryFolder}) {
    fs::path copy;
    Descriptor fd(createBeside(folder, target.filename().string(), "previous", 0600, copy));
    if (!fd.valid()) continue;
    if (writeAll(fd.get(), content) && ::fsync(fd.get()) == 0 && fd.close()) return copy.string();
    fd.reset();
    ::unlink(copy.c_str());
  }
  return {};
}

// Writes `bytes` into the existing file open for writing as `fd`, after keeping a copy of its
// previous content.
std::optional<FileError> writeInPlace(const std::string& path, const fs::path& target, int fd, std::string_view bytes,
                                      const WriteStep& write) {
  std::string previous;
  const Descriptor reader(::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!reader.valid() || !readAll(reader.get(), previous))
    return FileError::cannotWrite(path, SystemReason::NoBackup, true);
  const std::string copy = keepCopy(target, previous);
  if (copy.empty()) return FileError::cannotWrite(path, SystemReason::NoBackup, true);

  // The new content first, then the old tail cut off: the file is never emptier than needed.
  errno = 0;
  if (::lseek(fd, 0, SEEK_SET) != 0 || !write(fd, bytes))
    return FileError::writeDamaged(path, errno != 0 ? errno : EIO, copy);
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0)
    return FileError::writeDamaged(path, errno, copy);
  ::unlink(copy.c_str());
  return std::nullopt;
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
  const fs::path target = resolvedTarget(path);
  const fs::path folder = folderOf(target);
  if (target.filename().string().size() > longestName(folder)) return FileError::cannotWrite(path, ENAMETOOLONG, false);

  struct stat existing {};
  if (::stat(target.c_str(), &existing) != 0) {
    if (errno != ENOENT) return FileError::cannotWrite(path, errno, false);
    // A new file.
    const RenameOutcome outcome = replaceByRename(target, nullptr, bytes, write);
    if (outcome.result == RenameOutcome::Done) return std::nullopt;
    if (outcome.result == RenameOutcome::InPlace)
      return FileError::cannotWrite(path, SystemReason::FolderNoPermission, false);
    return FileError::cannotWrite(path, outcome.errorNumber, false);
  }

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
  return writeInPlace(path, target, file.get(), bytes, write);
}

}  // namespace volantis4
