#pragma once
// Opening and saving the whole document: the aircraft file operations with the recomputations,
// the flags and the file name that follow them. The window and the CLI both call these; the
// window adds its dialogs and shows the document again.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "files/file_error.h"
#include "model/document.h"

namespace volantis4 {

/// The model side of the Open command: sb := 0; with a chosen name `Load2` on it, which on success
/// replaces form and results and makes it the current file name (and the saved form). Then `Calc`;
/// the lattice and the last run's output are gone, and the results are valid when the aircraft
/// now carries a reference area above 0. A refused file changes neither the form nor the file
/// name and gives the reason (the recomputation still runs).
std::optional<FileError> openDocument(Document& doc, const std::optional<std::string>& chosenName);

/// Opens the copy `copy` that an incomplete save of the file `name` kept (FileError::backup of
/// its refusal) as Open would open `name`, and makes `name` the current file name again, so that
/// Save writes the recovered aircraft back over the incomplete file. Until then the aircraft counts
/// as not saved. A copy that cannot be read is refused under its own name and changes nothing.
std::optional<FileError> openKeptCopy(Document& doc, const std::string& name, const std::string& copy);

/// The file a command-line argument names: the argument as given; only when no such file exists
/// and the one with the file part lower-cased does, that one.
std::string commandLineFileName(const std::string& argument);

/// The command-line start's load (window and CLI alike): openDocument on commandLineFileName.
std::optional<FileError> openCommandLineFile(Document& doc, const std::string& argument);

/// What Save does even when nothing is written (Save As cancelled): the solver's wing count
/// follows the form and the current file name is adjusted (.da4 → .vn4, ".vn4" appended when
/// missing).
void adjustForSave(Document& doc);

/// A completed save: the adjusted name written to, and the remark characters written as "?".
struct SavedDocument {
  std::string fileName;
  std::size_t replacedCharacters = 0;
};

/// The Save command's writing: adjustForSave, then the current file written atomically, with the
/// results block only while results_valid is set. On success the saved form is the form now. A
/// name Open would refuse as one of its dialog's patterns ("*.vn4" …) is refused before anything is
/// written.
std::variant<SavedDocument, FileError> saveDocument(Document& doc);

}  // namespace volantis4
