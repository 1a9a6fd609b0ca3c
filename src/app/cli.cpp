#include "cli.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <sstream>

#include "cli_calc.h"
#include "cli_geometry.h"
#include "files/document_io.h"
#include "solver/stabil.h"
#ifdef VOLANTIS4_HAVE_QT
#include "cli_print.h"
#endif

namespace volantis4 {

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  // A margin as the window takes it: a decimal number with a point or a comma.
  const CLI::Validator marginNumber(
      [](const std::string& text) {
        return manualMarginNumber(text) ? std::string() : "Value " + text + " is not a number";
      },
      "NUMBER");

  CLI::App app{"Volantis4: longitudinal stability of model aircraft, from the terminal.", "volantis4-cli"};
  app.require_subcommand(1);

  bool geometryJson = false;
  CLI::App* geometry = app.add_subcommand(
      "geometry", "Print each wing's planform figures and span stations as the wing pages show them");
  geometry->add_flag("--json", geometryJson, "Print one JSON object with full-precision numbers");
  std::string geometryFile;
  geometry->add_option("FILE", geometryFile,
                       "Aircraft file (.vn4) or legacy data file (.da4); default: the default aircraft");

  CalcOptions calcOptions;
  std::string calcLanguage = "en";
  CLI::App* calc = app.add_subcommand(
      "calc", "Run the calculation on an aircraft (without FILE, the default aircraft) and print its results");
  calc->add_flag("--json", calcOptions.json, "Print one JSON object with full-precision numbers");
  calc->add_option("--lang", calcLanguage, "Language of the messages and legend lines")
      ->check(CLI::IsMember({"en", "de"}))
      ->capture_default_str();
  calc->add_option("--margin", calcOptions.marginText, "Manual static margin in percent (12.5 or 12,5)")
      ->check(marginNumber)
      ->capture_default_str();
  std::string calcFile;
  calc->add_option("FILE", calcFile, "Aircraft file (.vn4) or legacy data file (.da4); default: the default aircraft");
  std::string saveFile;
  calc->add_option("--save", saveFile,
                   "Save the aircraft with the fresh results to OUT, as the Save command does (.da4 becomes .vn4, .vn4 "
                   "is added when missing)");

#ifdef VOLANTIS4_HAVE_QT
  PrintOptions printOptions;
  std::string printLanguage = "en";
  CLI::App* print = app.add_subcommand("print", "Run the calculation and write the one-page summary as PNG or PDF");
  print->add_option("FILE", printOptions.file, "Aircraft file (.vn4) or legacy data file (.da4)")->required();
  print->add_option("--lang", printLanguage, "Language of the page")
      ->check(CLI::IsMember({"en", "de"}))
      ->capture_default_str();
  print->add_option("--margin", printOptions.marginText, "Manual static margin in percent (12.5 or 12,5)")
      ->check(marginNumber)
      ->capture_default_str();
  CLI::Option_group* printOutput = print->add_option_group("output", "Where the page goes (one of them)");
  printOutput->add_option("--pdf", printOptions.pdf, "Write a one-page A4 PDF");
  printOutput->add_option("--png", printOptions.png, "Write the 807 x 1620 page image");
  printOutput->require_option(1);
#endif

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return 0;
  } catch (const CLI::ParseError& e) {
    err << e.what() << "\n"
        << "Run with --help for the commands and options.\n";
    return 2;
  }

  const Language language = calcLanguage == "de" ? Language::German : Language::English;
  // Loads FILE into a fresh document; a refused file is a usage error naming file and reason.
  auto load = [&](const std::string& file, Document& doc) {
    if (file.empty()) return true;
    if (auto error = openCommandLineFile(doc, file)) {
      err << renderFileError(*error, language) << "\n";
      return false;
    }
    return true;
  };

  if (geometry->parsed()) {
    Document doc;
    if (!load(geometryFile, doc)) return 2;
    return printGeometry(doc.form, geometryJson, out);
  }
  if (calc->parsed()) {
    calcOptions.language = language;
    Document doc;
    if (!load(calcFile, doc)) return 2;
    const int status = printCalculation(doc, calcOptions, out);
    if (!saveFile.empty()) {
      doc.fileName = saveFile;
      auto saved = saveDocument(doc);
      if (auto* error = std::get_if<FileError>(&saved)) {
        err << renderFileError(*error, language) << "\n";
        return 2;
      }
      const SavedDocument& done = std::get<SavedDocument>(saved);
      if (done.replacedCharacters > 0)
        err << renderReplacedCharacters(done.fileName, done.replacedCharacters, language) << "\n";
    }
    return status;
  }
#ifdef VOLANTIS4_HAVE_QT
  if (print->parsed()) {
    printOptions.language = printLanguage == "de" ? Language::German : Language::English;
    return runPrint(printOptions, out, err);
  }
#endif
  return 2;
}

}  // namespace volantis4
