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

// Creates a new, empty temporary file beside `target`; returns its descriptor or -1 (errno set).
int createTemporary(const fs::path& target, fs::path& temporary) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder / ("." + target.filename().string() + ".tmp-" + formatInt(::getpid()) + "-" +
                          formatInt(static_cast<long long>(counter++)));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void syncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename itself has already happened
  ::close(fd);
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
  fs::path temporary;
  const int fd = createTemporary(target, temporary);
  if (fd < 0) return FileError::cannotWrite(path, errno);

  const auto fail = [&](int errorNumber, bool open) {
    if (open) ::close(fd);
    ::unlink(temporary.c_str());
    return FileError::cannotWrite(path, errorNumber);
  };

  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) ::fchmod(fd, existing.st_mode & 07777);

  errno = 0;
  if (!write(fd, bytes)) return fail(errno != 0 ? errno : EIO, true);
  if (::fsync(fd) != 0) return fail(errno, true);
  if (::close(fd) != 0) return fail(errno, false);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno, false);
  syncFolder(target);
  return std::nullopt;
}

}  // namespace volantis4
