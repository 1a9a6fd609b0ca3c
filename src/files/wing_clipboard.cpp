#include "files/wing_clipboard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/atomic_write.h"
#include "files/staging_record.h"
#include "files/text_file.h"
#include "model/field_reading.h"
#include "model/numbers.h"

namespace volantis4 {

std::string wingClipboardText(const Form& form, int w, const std::optional<AircraftResults>& results) {
  std::string out;
  const auto line = [&out](std::string_view text) {
    out += text;
    out += "\r\n";
  };
  line(formatInt(0, 4));
  for (std::int32_t v : modelWingRecord(form.wing(w)).valuesInRecordOrder()) line(formatInt(v, 4));
  line(" ");
  line(results ? formatFixed(results->sb, 4, 1) : "0");
  line(results ? formatFixed(results->lmue, 4, 2) : "0");
  line(results ? formatFixed(results->xnp, 4, 2) : "0");
  return out;
}

std::optional<FileError> Save_Wing(const std::string& path, const Form& form, int w,
                                   const std::optional<AircraftResults>& results) {
  return writeFileAtomically(path, wingClipboardText(form, w, results));
}

Form readWingClipboardText(std::string_view bytes, const Form& form, int w) {
  // Lines 1-18 as integers (a missing line gives 0); line 1 and the position (lines 17, 18) are
  // read and not used.
  LineCursor lines(bytes);
  std::array<std::int32_t, 18> values{};
  for (std::int32_t& v : values) v = readField(lines.next());

  WingRecord record;
  const auto targets = record.inRecordOrder();
  for (std::size_t i = 0; i < targets.size(); ++i) *targets[i] = values[i + 1];

  Form out = form;
  setWingGeometry(record, out.wing(w));
  return out;
}

std::variant<Form, FileError> Load_Wing(const std::string& path, const Form& form, int w) {
  auto bytes = readTextFile(path);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  return readWingClipboardText(std::get<std::string>(bytes), form, w);
}

bool clipboardReadable(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info {};
  const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  ::close(fd);
  return regular;
}

CopiedWingFlags afterCopy(CopiedWingFlags flags) {
  flags.copied[0] = true;
  return flags;
}

CopiedWingFlags beforeMenuCopy(int w) {
  CopiedWingFlags flags;
  flags.copied[wingIndex(w)] = true;
  return flags;
}

CopiedWingFlags afterClipboardCheck(CopiedWingFlags flags, bool readable) {
  flags.copied[0] = readable;
  return flags;
}

}  // namespace volantis4
