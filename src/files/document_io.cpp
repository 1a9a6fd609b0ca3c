#include "files/document_io.h"

#include "files/aircraft_file.h"
#include "files/file_name.h"

namespace volantis4 {

std::optional<FileError> loadStartFile(Document& doc, const std::string& path) {
  std::optional<FileError> error;
  AircraftLoad load = Load2(path, doc.form, doc.results);
  if (auto* loaded = std::get_if<LoadedAircraft>(&load)) {
    doc.form = std::move(loaded->form);
    doc.results = loaded->results;
  } else {
    error = std::get<FileError>(load);
  }
  doc.run.solver_wings_count = doc.form.wingsCount;
  Calc(doc, Sender::Open);
  doc.run.flags.grid_valid = false;
  doc.output.reset();
  if (doc.results.sb > 0) doc.run.flags.results_valid = true;
  return error;
}

std::variant<SavedDocument, FileError> saveDocument(Document& doc, const std::string& name) {
  doc.run.solver_wings_count = doc.form.wingsCount;
  const std::string fileName = adjustFileName(name);
  std::optional<AircraftResults> results;
  if (doc.run.flags.results_valid) results = doc.results;
  auto saved = saveAircraft(fileName, doc.form, results);
  if (auto* error = std::get_if<FileError>(&saved)) return *error;
  return SavedDocument{fileName, std::get<SavedAircraft>(saved).replacedCharacters};
}

}  // namespace volantis4
