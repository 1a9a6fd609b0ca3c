#pragma once
// The wing clipboard "wingcopy.fl4": one wing's geometry, written by the copy commands and read
// into the wing of the active page by the insert commands; and the copied-wing flags.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "files/file_error.h"
#include "model/document.h"
#include "model/form.h"

namespace volantis4 {

/// The clipboard file's name, in the working directory.
inline constexpr std::string_view kClipboardFileName = "wingcopy.fl4";

/// The clipboard's 22 lines for wing w (1-5): "   0", the seventeen integers of the wing right-
/// justified in four characters, " ", then sb, lmue, xnp when `results` is given (pass them only
/// while results_valid is set), else "0" three times.
std::string wingClipboardText(const Form& form, int w, const std::optional<AircraftResults>& results);

/// `Save_Wing`: writes wing w's clipboard to `path` atomically; empty on success.
std::optional<FileError> Save_Wing(const std::string& path, const Form& form, int w,
                                   const std::optional<AircraftResults>& results);

/// Reads clipboard bytes into wing w: its trapezium button when lines 2 gives 1-4, and its
/// fourteen geometry fields from lines 3-16 right-justified in four characters (a missing line
/// gives 0). The wing's position and every other wing are kept.
Form readWingClipboardText(std::string_view bytes, const Form& form, int w);

/// `Load_Wing`: reads the clipboard file `path` into wing w, or tells why it cannot.
std::variant<Form, FileError> Load_Wing(const std::string& path, const Form& form, int w);

/// True when the clipboard file `path` can be opened for reading.
bool clipboardReadable(const std::string& path);

/// One flag per wing page; a copied wing may be inserted while a flag of pages 1-3 is set.
struct CopiedWingFlags {
  std::array<bool, kWingCount> copied{};

  bool operator==(const CopiedWingFlags&) const = default;
  bool insertAvailable() const { return copied[0] || copied[1] || copied[2]; }
};

/// After a successful copy: the first flag set.
CopiedWingFlags afterCopy(CopiedWingFlags flags);

/// The menu's "Copy Wing" on the page of wing w: flag w alone, before the copy runs.
CopiedWingFlags beforeMenuCopy(int w);

/// After the Open command and at start-up: the first flag follows whether the clipboard can be
/// opened (at start-up it is only ever set, the flags starting clear).
CopiedWingFlags afterClipboardCheck(CopiedWingFlags flags, bool readable);

}  // namespace volantis4
