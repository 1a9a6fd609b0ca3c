#include "files/atomic_write.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "files/aircraft_file.h"
#include "files/defaults_file.h"
#include "files/save_companions.h"
#include "files/wing_clipboard.h"

namespace volantis4 {
namespace {

using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

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

// Every bit of the mode survives a save, the setgid and sticky bits among them; written in place
// (a second hard link), a shorter content leaves nothing of the longer one behind it.
TEST(AtomicWrite, KeepsEveryModeBitAndInPlaceCutsTheOldTail) {
  for (const ::mode_t mode : {::mode_t{02664}, ::mode_t{01644}}) {
    SCOPED_TRACE(mode);
    TempDir dir;
    const std::string path = dir.file("plane.vn4");
    writeBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    ASSERT_FALSE(writeFileAtomically(path, "new content"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode);
  }
  TempDir dir;
  const std::string path = dir.file("plane.vn4"), link = dir.file("link.vn4");
  writeBytes(path, "a long aircraft file of many lines\r\n");
  std::filesystem::create_hard_link(path, link);
  ASSERT_FALSE(writeFileAtomically(path, "short\r\n"));
  EXPECT_EQ(readBytes(path), "short\r\n");
  EXPECT_EQ(readBytes(link), "short\r\n");
}

TEST(AtomicWrite, SymbolicLinksAreFollowedAndNeverReplaced) {
  // A link to a file, a chain of relative links, and links whose target does not exist yet.
  const struct {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // name, what it points to
    bool targetExists;
  } cases[] = {{"to an existing file", {{"link.vn4", "real/plane.vn4"}}, true},
               {"a chain", {{"link.vn4", "hop.vn4"}, {"hop.vn4", "real/plane.vn4"}}, true},
               {"dangling", {{"link.vn4", "real/plane.vn4"}}, false},
               {"dangling chain", {{"link.vn4", "hop.vn4"}, {"hop.vn4", "real/plane.vn4"}}, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "real");
    if (c.targetExists) writeBytes(dir.file("real/plane.vn4"), "old");
    for (const auto& [name, to] : c.links) std::filesystem::create_symlink(to, dir.path() / name);
    ASSERT_FALSE(writeFileAtomically(dir.file("link.vn4"), "new"));
    for (const auto& [name, to] : c.links) {
      EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / name));
      EXPECT_EQ(std::filesystem::read_symlink(dir.path() / name), to);
    }
    EXPECT_EQ(readBytes(dir.file("real/plane.vn4")), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "real"), {}), 1);
  }
}

TEST(AtomicWrite, LinksThatLeadNowhereAreRefusedInWords) {
  TempDir dir;
  std::filesystem::create_symlink("loop2.vn4", dir.path() / "loop1.vn4");
  std::filesystem::create_symlink("loop1.vn4", dir.path() / "loop2.vn4");
  std::filesystem::create_symlink("no/folder.vn4", dir.path() / "lost.vn4");
  const auto loop = writeFileAtomically(dir.file("loop1.vn4"), "new");
  ASSERT_TRUE(loop);
  EXPECT_EQ(renderFileError(*loop, Language::English),
            "The file \"" + dir.file("loop1.vn4") +
                "\" cannot be written: too many levels of symbolic links (system error 40). A previous file of that "
                "name is unchanged.");
  const auto lost = writeFileAtomically(dir.file("lost.vn4"), "new");
  ASSERT_TRUE(lost);
  EXPECT_EQ(lost->reason, SystemReason::NotFound);
  EXPECT_EQ(dir.entries(), 3u);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "lost.vn4"));
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

TEST(AtomicWrite, FailingWriteLeavesTheOldFileIntactAndNoTemporaryFile) {
  for (const auto step : {&halfThenDiskFull, &throughDevFull}) {
    TempDir dir;
    const std::string path = dir.file("plane.vn4");
    writeBytes(path, "the modeller's aircraft");
    const auto error = writeFileAtomically(path, std::string(100000, 'x'), step);
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
}

TEST(AtomicWrite, MissingFolderIsReported) {
  TempDir dir;
  const auto error = writeFileAtomically(dir.file("no/such/plane.vn4"), "x");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->reason, SystemReason::NotFound);
  EXPECT_EQ(renderFileError(*error, Language::German),
            "Die Datei \"" + dir.file("no/such/plane.vn4") +
                "\" kann nicht geschrieben werden: Datei oder Ordner nicht vorhanden.");  // there was none
}

TEST(AtomicWrite, FailureWhileWritingInPlacePutsThePreviousContentBackOrSaysWhereItIs) {
  // The write step fails once (the previous content then goes back in), or every time.
  for (const bool failsAgain : {false, true}) {
    SCOPED_TRACE(failsAgain ? "put back fails too" : "put back");
    TempDir dir;
    const std::string path = dir.file("plane.vn4"), link = dir.file("link.vn4");
    writeBytes(path, "the modeller's aircraft");
    std::filesystem::create_hard_link(path, link);  // written in place, so that the link sees it
    int calls = 0;
    const WriteStep step = [&](int fd, std::string_view bytes) {
      return ++calls == 1 || failsAgain ? halfThenDiskFull(fd, bytes) : writeAll(fd, bytes);
    };
    const auto error = writeFileAtomically(path, std::string(100000, 'x'), step);
    ASSERT_TRUE(error);
    if (!failsAgain) {
      EXPECT_EQ(*error, FileError::cannotWrite(path, ENOSPC, true));
      EXPECT_EQ(readBytes(link), "the modeller's aircraft");
      EXPECT_EQ(dir.entries(), 2u);  // the copy of the previous content is gone with the failure
      continue;
    }
    ASSERT_EQ(error->kind, FileErrorKind::WriteDamaged);
    EXPECT_EQ(readBytes(error->backup), "the modeller's aircraft");
    EXPECT_EQ(renderFileError(*error, Language::English),
              "The file \"" + path +
                  "\" could not be written completely: the disk is full. It may be damaged; its "
                  "previous content was kept in \"" +
                  error->backup + "\".");
    EXPECT_EQ(keptCopies(path), std::vector<std::string>{error->backup});
  }
}

TEST(AtomicWrite, LongNamesAreSavedAndOverLongOnesNamedAsSuch) {
  TempDir dir;
  const std::string longest = dir.file(std::string(251, 'a') + ".vn4");  // 255 bytes, the most a name may have
  ASSERT_FALSE(writeFileAtomically(longest, "new"))
      << renderFileError(*writeFileAtomically(longest, "new"), Language::English);
  EXPECT_EQ(readBytes(longest), "new");
  const std::string name244 = dir.file(std::string(240, 'b') + ".vn4");
  writeBytes(name244, "old");
  EXPECT_FALSE(writeFileAtomically(name244, "newer"));
  EXPECT_EQ(readBytes(name244), "newer");
  EXPECT_EQ(dir.entries(), 2u);

  const std::string tooLong = dir.file(std::string(252, 'c') + ".vn4");
  const auto error = writeFileAtomically(tooLong, "x");
  ASSERT_TRUE(error);
  EXPECT_EQ(renderFileError(*error, Language::English),
            "The file \"" + tooLong + "\" cannot be written: the file name is too long.");
  EXPECT_EQ(renderFileError(*error, Language::German),
            "Die Datei \"" + tooLong + "\" kann nicht geschrieben werden: der Dateiname ist zu lang.");
  EXPECT_EQ(dir.entries(), 2u);
}

// ---- A save stopped at any moment ----

Form formWithRemarks(char fill) {
  Form form = defaultForm();
  form.remarks.assign(300000, fill);  // long enough that half a write leaves a part of it
  return form;
}

// Saves `form` at `path` in a child process that is killed (SIGKILL) when the save reaches `stage`,
// or, with `midWrite`, once half the target's bytes are written. True when the child was killed.
bool killedSave(const std::string& path, const Form& form, std::optional<WriteStage> stage, bool midWrite) {
  const pid_t child = ::fork();
  if (child == 0) {
    detail::WriteHooks hooks;
    if (stage)
      hooks.reached = [at = *stage](WriteStage reached) {
        if (reached == at) ::raise(SIGKILL);
      };
    if (midWrite)
      hooks.write = [](int fd, std::string_view bytes) {
        writeAll(fd, bytes.substr(0, bytes.size() / 2));
        ::raise(SIGKILL);
        return false;
      };
    detail::setWriteHooks(hooks);
    (void)saveAircraft(path, form, std::nullopt);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

enum class Found { Old, New, RefusedNamingAWholeCopy, Other };

// What Open finds at `path` after a stopped save from the aircraft in `old` to remarks of 'n'.
Found whatOpens(const std::string& path, const std::string& old) {
  const AircraftLoad load = Load2(path, defaultForm(), {});
  if (const auto* loaded = std::get_if<LoadedAircraft>(&load)) {
    if (loaded->form.remarks == formWithRemarks('o').remarks) return Found::Old;
    return loaded->form.remarks == formWithRemarks('n').remarks ? Found::New : Found::Other;
  }
  const FileError& error = std::get<FileError>(load);
  if (error.kind == FileErrorKind::Incomplete && !error.backup.empty() && readBytes(error.backup) == old &&
      renderFileError(error, Language::English).find("kept in \"" + error.backup + "\"") != std::string::npos)
    return Found::RefusedNamingAWholeCopy;
  return Found::Other;
}

TEST(StoppedSave, LeavesTheOldOrTheNewFileOrARefusalNamingAWholeCopyOfTheOld) {
  struct Stop {
    std::optional<WriteStage> stage;
    bool midWrite;
    Found found;
  };
  // By rename (one name) the target changes in one step; in place (a second hard link) it is
  // emptied after the copy is kept, so that a part of the new content is never taken for a file.
  const std::vector<Stop> byRename{
      {WriteStage::TemporaryCreated, false, Found::Old}, {std::nullopt, true, Found::Old},
      {WriteStage::TemporaryWritten, false, Found::Old}, {WriteStage::TemporaryFlushed, false, Found::Old},
      {WriteStage::Renamed, false, Found::New},          {WriteStage::Completed, false, Found::New}};
  const std::vector<Stop> inPlace{{WriteStage::CopyWritten, false, Found::Old},
                                  {WriteStage::CopyKept, false, Found::Old},
                                  {WriteStage::Emptied, false, Found::RefusedNamingAWholeCopy},
                                  {std::nullopt, true, Found::RefusedNamingAWholeCopy},
                                  {WriteStage::InPlaceWritten, false, Found::New},
                                  {WriteStage::InPlaceFlushed, false, Found::New},
                                  {WriteStage::Completed, false, Found::New}};
  for (const bool hardLink : {false, true}) {
    for (const Stop& stop : hardLink ? inPlace : byRename) {
      SCOPED_TRACE(std::string(hardLink ? "in place" : "by rename") + ", stage " +
                   (stop.stage ? std::to_string(static_cast<int>(*stop.stage)) : "mid-write"));
      TempDir dir;
      const std::string path = dir.file("plane.vn4"), link = dir.file("link.vn4");
      ASSERT_TRUE(std::holds_alternative<SavedAircraft>(saveAircraft(path, formWithRemarks('o'), std::nullopt)));
      const std::string old = readBytes(path);
      if (hardLink) std::filesystem::create_hard_link(path, link);

      EXPECT_TRUE(killedSave(path, formWithRemarks('n'), stop.stage, stop.midWrite));
      EXPECT_EQ(whatOpens(path, old), stop.found);
      if (stop.found == Found::RefusedNamingAWholeCopy) {
        EXPECT_EQ(keptCopies(path).size(), 1u);
      }

      // The next completed save removes what the stopped one left behind.
      ASSERT_TRUE(std::holds_alternative<SavedAircraft>(saveAircraft(path, formWithRemarks('n'), std::nullopt)));
      EXPECT_EQ(whatOpens(path, old), Found::New);
      EXPECT_EQ(dir.entries(), hardLink ? 2u : 1u);
      EXPECT_TRUE(keptCopies(path).empty());
      if (hardLink) {
        EXPECT_EQ(readBytes(link), readBytes(path));
      }
    }
  }
}

// ---- Permissions, as an ordinary user would meet them ----

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

struct PermissionCase {
  std::string_view name;
  bool asNobody;      // else the save runs as the superuser
  mode_t folderMode;  // the folder belongs to root
  bool fileExists;
  uid_t owner;
  gid_t group;
  mode_t mode;
  bool hardLink;
  std::string_view message;  // "" for a completed save; %1 stands for the file's path
  bool replaced;             // the file holds the new content afterwards
};

std::string withPath(std::string_view pattern, const std::string& path) {
  std::string out(pattern);
  const std::size_t at = out.find("%1");
  if (at != std::string::npos) out.replace(at, 2, path);
  return out;
}

// Runs `save` in a child process that has dropped to the user and group 65534 and gives back its
// message ("" when it succeeded).
std::string inChildAsNobody(const std::function<std::optional<FileError>()>& save) {
  int channel[2];
  if (::pipe(channel) != 0) return "pipe failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    std::string out = "could not drop to the unprivileged user";
    if (::setgroups(0, nullptr) == 0 && ::setgid(kNogroup) == 0 && ::setuid(kNobody) == 0) {
      const auto error = save();
      out = error ? renderFileError(*error, Language::English) : "";
    }
    writeAll(channel[1], out);
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string message;
  char buffer[4096];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
    message.append(buffer, static_cast<std::size_t>(n));
  ::close(channel[0]);
  ::waitpid(child, nullptr, 0);
  return message;
}

constexpr std::string_view kRefused =
    "The file \"%1\" cannot be written: permission denied. A previous file of that name is unchanged.";

TEST(SavePermissions, FollowWhatOpeningForWritingAllows) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "needs the superuser to make files of other users and to drop to the unprivileged user";
  const PermissionCase cases[] = {
      {"own read-only file", true, 0777, true, kNobody, kNogroup, 0444, false, kRefused, false},
      {"root's file in the user's folder", true, 0777, true, 0, 0, 0644, false, kRefused, false},
      {"root's writable file keeps its owner", true, 0777, true, 0, 0, 0666, false, "", true},
      {"a group the user is not in is kept", true, 0777, true, kNobody, 0, 0664, false, "", true},
      {"a hard link sees the new content", true, 0777, true, kNobody, kNogroup, 0640, true, "", true},
      {"own file in a folder the user may not write", true, 0755, true, kNobody, kNogroup, 0600, false, "", true},
      {"neither file nor folder may be written", true, 0755, true, 0, 0, 0644, false,
       "The file \"%1\" cannot be written: neither the file nor its folder may be written. A previous file of that "
       "name is unchanged.",
       false},
      {"a new file in a folder the user may not write", true, 0755, false, 0, 0, 0, false,
       "The file \"%1\" cannot be written: the folder may not be written.", false},
      {"the superuser keeps the user's owner and group", false, 0755, true, kNobody, kNogroup, 0640, false, "", true}};
  for (const PermissionCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.file("plane.vn4"), link = dir.file("link.vn4");
    if (c.fileExists) {
      writeBytes(path, "old");
      ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
      ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
      if (c.hardLink) std::filesystem::create_hard_link(path, link);
    }
    ASSERT_EQ(::chmod(dir.path().c_str(), c.folderMode), 0);
    const std::size_t entriesBefore = dir.entries();

    const auto save = [&] { return writeFileAtomically(path, "new"); };
    std::string message;
    if (c.asNobody) {
      message = inChildAsNobody(save);
    } else if (const auto error = save()) {
      message = renderFileError(*error, Language::English);
    }
    EXPECT_EQ(message, withPath(c.message, path));
    EXPECT_EQ(dir.entries(), entriesBefore + (c.fileExists || !c.replaced ? 0 : 1));  // nothing left behind
    if (c.fileExists) {
      EXPECT_EQ(readBytes(path), c.replaced ? "new" : "old");
      if (c.hardLink) {
        EXPECT_EQ(readBytes(link), c.replaced ? "new" : "old");
      }
      struct stat info {};
      ASSERT_EQ(::stat(path.c_str(), &info), 0);
      EXPECT_EQ(info.st_uid, c.owner);
      EXPECT_EQ(info.st_gid, c.group);
      EXPECT_EQ(info.st_mode & 07777, c.mode);
    } else {
      EXPECT_EQ(std::filesystem::exists(path), c.replaced);
    }
  }
}

TEST(SavePermissions, HoldForEveryFileTheProgramWrites) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser to drop to the unprivileged user";
  TempDir dir;
  ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
  const std::string aircraft = dir.file("plane.vn4"), defaults = dir.file("Default.pa4"),
                    clipboard = dir.file("wingcopy.fl4");
  for (const std::string& path : {aircraft, defaults, clipboard}) {
    writeBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);  // root's, read-only for everybody else
  }
  const Form form = defaultForm();
  const std::vector<std::function<std::optional<FileError>()>> saves{
      [&] {
        const auto saved = saveAircraft(aircraft, form, std::nullopt);
        return std::holds_alternative<FileError>(saved) ? std::optional(std::get<FileError>(saved)) : std::nullopt;
      },
      [&] {
        return writeDefaults(defaults, Language::English, WindowBounds{800, 600, 10, 10});
      },
      [&] { return Save_Wing(clipboard, form, 1, std::nullopt); }};
  const std::string paths[] = {aircraft, defaults, clipboard};
  for (std::size_t i = 0; i < saves.size(); ++i) {
    EXPECT_EQ(inChildAsNobody(saves[i]), withPath(kRefused, paths[i]));
    EXPECT_EQ(readBytes(paths[i]), "old");
  }
}

}  // namespace
}  // namespace volantis4
