#include "files/document_io.h"

#include <filesystem>

#include "files/aircraft_file.h"
#include "files/file_name.h"

namespace volantis4 {
namespace {

bool fileExists(const std::string& name) {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::path(name), ignored);
}

}  // namespace

std::optional<FileError> openDocument(Document& doc, const std::optional<std::string>& chosenName) {
  doc.results.sb = 0;
  std::optional<FileError> error;
  bool read = false;
  if (chosenName) {
    AircraftLoad load = Load2(*chosenName, doc.form, doc.results);
    if (auto* loaded = std::get_if<LoadedAircraft>(&load)) {
      doc.form = std::move(loaded->form);
      doc.results = loaded->results;
      doc.balance = std::move(loaded->balance);
      doc.fuselage = std::move(loaded->fuselage);
      doc.run.solver_wings_count = doc.form.wingsCount;
      doc.fileName = *chosenName;
      read = true;
    } else {
      error = std::get<FileError>(std::move(load));
    }
  }
  Calc(doc);
  doc.run.flags.grid_valid = false;
  doc.output.reset();
  if (doc.results.sb > 0) doc.run.flags.results_valid = true;
  if (read) {
    doc.savedForm = doc.form;
    doc.savedBalance = doc.balance;
    doc.savedFuselage = doc.fuselage;
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
