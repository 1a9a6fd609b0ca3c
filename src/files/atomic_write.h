#pragma once
// Saving a file so that it is never left half written and the system's permissions hold: a
// temporary file in the same folder, written, flushed to disk and renamed over the target; or,
// where renaming would lose the file's owner, group or hard links, or the folder takes no new
// file, the existing file written in place after a flushed copy of its previous content was kept.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_error.h"

namespace volantis4 {

/// Writes all of `bytes` to the open descriptor `fd`; false with errno set on failure.
using WriteStep = std::function<bool(int fd, std::string_view bytes)>;

/// The write step used by default: write(2) until everything is written.
bool writeAll(int fd, std::string_view bytes);

/// Replaces the file `path` (or creates it) with `bytes`. A symbolic link is followed and its
/// target replaced, or created when it does not exist yet; the link itself stays. An existing file
/// is saved only when it may be opened for writing; it keeps its mode, owner, group and hard
/// links. A new file gets 0666 less the umask. A name longer than the folder allows is refused;
/// the temporary name is shortened to fit.
/// Written in place, the file is emptied before the new bytes go in, so that a save stopped at any
/// moment leaves the whole previous content, the whole new content, or a beginning of the new
/// content beside a kept copy of the previous one (see keptCopies).
/// A completed save removes the temporary files and kept copies that earlier saves of the same
/// file left behind, where the process that made them is gone.
/// Failures: CannotWrite when nothing was changed (the previous file is untouched, no temporary
/// file remains); WriteDamaged when writing in place failed part-way and the previous content
/// could not be put back, naming where it was kept. `write` replaces the write step (tests).
std::optional<FileError> writeFileAtomically(const std::string& path, std::string_view bytes,
                                             const WriteStep& write = {});

/// The copies of the previous content of the file `path` that saves in place kept and did not
/// remove (a save stopped part-way), newest first. Each is whole: a copy gets its name only once
/// it is written and flushed. Copies in the shared temporary folder count only when they belong
/// to this user.
std::vector<std::string> keptCopies(const std::string& path);

/// The points of a save at which the test hook is called, in the order a save passes them.
enum class WriteStage {
  TemporaryCreated,  // by rename: the empty temporary file exists
  TemporaryWritten,  // its bytes are written, not yet flushed
  TemporaryFlushed,  // flushed and closed
  Renamed,           // the target has the new content; left-overs not yet removed
  CopyWritten,       // in place: the copy of the previous content is written and flushed, not yet named
  CopyKept,          // the copy has its name; the target is untouched
  Emptied,           // the target is empty
  InPlaceWritten,    // the target holds the new bytes, not yet flushed
  InPlaceFlushed,    // flushed; the copy is not yet removed
  Completed,         // everything done, left-overs removed
};

namespace detail {

/// What tests put into every save of the process: a write step used where none is given, and a
/// call at each stage (which may end the process there).
struct WriteHooks {
  WriteStep write;
  std::function<void(WriteStage)> reached;
};

/// Installs `hooks` for every later save of this process (tests only; {} removes them).
void setWriteHooks(WriteHooks hooks);

}  // namespace detail
}  // namespace volantis4
