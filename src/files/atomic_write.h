#pragma once
// Replacing a file so that it is never left half written: a temporary file in the same folder,
// written, flushed to disk and renamed over the target.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_error.h"

namespace volantis4 {

/// Writes all of `bytes` to the open descriptor `fd`; false with errno set on failure.
using WriteStep = std::function<bool(int fd, std::string_view bytes)>;

/// The write step used by default: write(2) until everything is written.
bool writeAll(int fd, std::string_view bytes);

/// Replaces the file `path` (or creates it) with `bytes`. A symbolic link is followed and its
/// target replaced; an existing file keeps its permissions, a new one gets 0666 less the umask.
/// On any failure the previous file is untouched, the temporary file is removed and the error
/// names `path` and the system's reason. `write` replaces the write step (tests).
std::optional<FileError> writeFileAtomically(const std::string& path, std::string_view bytes,
                                             const WriteStep& write = writeAll);

}  // namespace volantis4
