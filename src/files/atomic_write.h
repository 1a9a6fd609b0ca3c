#pragma once
// Saving a file so that it is never left half written and the system's permissions hold: a
// temporary file in the same folder, written, flushed to disk and renamed over the target; or,
// where renaming would lose the file's owner, group or hard links, or the folder takes no new
// file, the existing file written in place after a copy of its previous content was kept.

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
/// target replaced. An existing file is saved only when it may be opened for writing; it keeps
/// its mode, owner, group and hard links. A new file gets 0666 less the umask. A name longer
/// than the folder allows is refused; the temporary name is shortened to fit.
/// Failures: CannotWrite when nothing was changed (the previous file is untouched, no temporary
/// file remains); WriteDamaged when writing in place failed part-way, naming where the previous
/// content was kept. `write` replaces the write step (tests).
std::optional<FileError> writeFileAtomically(const std::string& path, std::string_view bytes,
                                             const WriteStep& write = writeAll);

}  // namespace volantis4
