#pragma once
// Loading and saving the whole document: the aircraft file operations with the recomputations
// and flags that follow them.

#include <optional>
#include <string>
#include <variant>

#include "files/file_error.h"
#include "solver/document.h"

namespace volantis4 {

/// The command-line start's load: `Load2` on `path`, then `Calc`; the lattice is gone and the
/// results are valid when the file carried a reference area above 0. A refused file changes
/// nothing of the form and gives the reason (the recomputation still runs).
std::optional<FileError> loadStartFile(Document& doc, const std::string& path);

/// A completed save: the adjusted name written to, and the remark characters written as "?".
struct SavedDocument {
  std::string fileName;
  std::size_t replacedCharacters = 0;
};

/// The Save command's writing: the solver's wing count follows the form, the name is adjusted
/// (.da4 → .vn4, ".vn4" appended when missing) and the file written atomically, with the
/// results block only while results_valid is set.
std::variant<SavedDocument, FileError> saveDocument(Document& doc, const std::string& name);

}  // namespace volantis4
