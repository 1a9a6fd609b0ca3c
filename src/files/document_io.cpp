#include "files/document_io.h"

#include <filesystem>
#include <utility>

#include "files/aircraft_file.h"
#include "files/file_name.h"
#include "files/text_file.h"

namespace volantis4 {
namespace {

bool fileExists(const std::string& name) {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::path(name), ignored);
}

}  // namespace

namespace {

// Open's steps around the reading: sb := 0, `read` on the form and results (a loaded aircraft
// replaces them and makes `name` the current file name), then `Calc`, and the results valid when
// the aircraft carries a reference area. Whether it was read, and the refusal otherwise.
template <typename Read>
std::pair<bool, std::optional<FileError>> openWith(Document& doc, const std::optional<std::string>& name,
                                                   const Read& read) {
  doc.results.sb = 0;
  std::optional<FileError> error;
  bool taken = false;
  if (name) {
    AircraftLoad load = read(doc.form, doc.results);
    if (auto* loaded = std::get_if<LoadedAircraft>(&load)) {
      doc.form = std::move(loaded->form);
      doc.results = loaded->results;
      doc.balance = std::move(loaded->balance);
      doc.fuselage = std::move(loaded->fuselage);
      doc.run.solver_wings_count = doc.form.wingsCount;
      doc.fileName = *name;
      taken = true;
    } else {
      error = std::get<FileError>(std::move(load));
    }
  }
  Calc(doc);
  doc.run.flags.grid_valid = false;
  doc.output.reset();
  if (doc.results.sb > 0) doc.run.flags.results_valid = true;
  return {taken, error};
}

}  // namespace

std::optional<FileError> openDocument(Document& doc, const std::optional<std::string>& chosenName) {
  const auto [read, error] = openWith(doc, chosenName, [&chosenName](const Form& form, const AircraftResults& results) {
    return Load2(*chosenName, form, results);
  });
  if (read) {
    doc.savedForm = doc.form;
    doc.savedBalance = doc.balance;
    doc.savedFuselage = doc.fuselage;
  }
  return error;
}

std::optional<FileError> openKeptCopy(Document& doc, const std::string& name, const std::string& copy) {
  const auto bytes = readTextFile(copy);
  if (const auto* error = std::get_if<FileError>(&bytes)) return *error;
  const auto [read, error] = openWith(doc, name, [&](const Form& form, const AircraftResults& results) {
    AircraftLoad load = readAircraftText(std::get<std::string>(bytes), name, form, results);
    if (auto* refusal = std::get_if<FileError>(&load)) refusal->path = copy;
    return load;
  });
  if (read) {
    // The file of that name is still the incomplete one: the aircraft counts as not saved (a
    // loaded form always differs from the empty one).
    doc.savedForm = Form{};
    doc.savedBalance.reset();
  }
  return error;
}

std::string commandLineFileName(const std::string& argument) {
  if (fileExists(argument)) return argument;
  std::string lowered = withLowerCasedFilePart(argument);
  return fileExists(lowered) ? lowered : argument;
}

std::optional<FileError> openCommandLineFile(Document& doc, const std::string& argument) {
  return openDocument(doc, commandLineFileName(argument));
}

void adjustForSave(Document& doc) {
  doc.run.solver_wings_count = doc.form.wingsCount;
  doc.fileName = adjustFileName(doc.fileName);
}

std::variant<SavedDocument, FileError> saveDocument(Document& doc) {
  adjustForSave(doc);
  // A name Open never reads is refused before anything is written.
  if (isFilterPattern(doc.fileName)) return FileError::savePattern(doc.fileName);
  std::optional<AircraftResults> results;
  if (doc.run.flags.results_valid) results = doc.results;
  auto saved = saveAircraft(doc.fileName, doc.form, results, doc.balance, doc.fuselage);
  if (auto* error = std::get_if<FileError>(&saved)) return *error;
  doc.savedForm = doc.form;
  doc.savedBalance = doc.balance;
  doc.savedFuselage = doc.fuselage;
  return SavedDocument{doc.fileName, std::get<SavedAircraft>(saved).replacedCharacters};
}

}  // namespace volantis4
