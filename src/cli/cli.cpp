#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "analysis/validation.h"
#include "cli/cli_calc.h"
#include "cli/cli_geometry.h"
#include "cli/cli_print.h"
#include "cli/cli_report.h"
#include "files/document_io.h"
#include "solver/stabil.h"

namespace volantis4 {
namespace {

constexpr const char* kFileHelp = "Aircraft file (.vn4) or legacy data file (.da4); default: the default aircraft";

/// A subcommand as added to the parser, and what it runs once it is the one given.
struct Subcommand {
  CLI::App* app = nullptr;
  std::function<int(std::ostream& out, std::ostream& err)> run;
};

// A margin as the window takes it: a decimal number with a point or a comma.
const CLI::Validator& marginNumber() {
  static const CLI::Validator validator(
      [](const std::string& text) {
        return manualMarginNumber(text) ? std::string() : "Value " + text + " is not a number";
      },
      "NUMBER");
  return validator;
}

Language languageOf(const std::string& code) { return code == "de" ? Language::German : Language::English; }

// Loads FILE into a fresh document as the window's start does; a refused file is a usage error
// naming file and reason. Without FILE the document keeps the default aircraft.
bool loadInto(Document& doc, const std::string& file, Language language, std::ostream& err) {
  if (file.empty()) return true;
  if (auto error = openCommandLineFile(doc, file)) {
    err << renderFileError(*error, language) << "\n";
    return false;
  }
  return true;
}

Subcommand addGeometry(CLI::App& app) {
  struct Options {
    bool json = false;
    std::string file;
  };
  auto options = std::make_shared<Options>();
  CLI::App* geometry = app.add_subcommand(
      "geometry", "Print each wing's planform figures and span stations as the wing pages show them");
  geometry->add_flag("--json", options->json, "Print one JSON object with full-precision numbers");
  geometry->add_option("FILE", options->file, kFileHelp);
  return {geometry, [options](std::ostream& out, std::ostream& err) {
            Document doc;
            if (!loadInto(doc, options->file, Language::English, err)) return 2;
            return printGeometry(doc.form, options->json, out);
          }};
}

// Saves the calculated document to `name` as the Save command does; a failure is a usage error.
bool saveAs(Document& doc, const std::string& name, Language language, std::ostream& err) {
  doc.fileName = name;
  auto saved = saveDocument(doc);
  if (auto* error = std::get_if<FileError>(&saved)) {
    err << renderFileError(*error, language) << "\n";
    return false;
  }
  const SavedDocument& done = std::get<SavedDocument>(saved);
  if (done.replacedCharacters > 0)
    err << renderReplacedCharacters(done.fileName, done.replacedCharacters, language) << "\n";
  return true;
}

Subcommand addCalc(CLI::App& app) {
  struct Options {
    CalcOptions calc;
    std::string language = "en";
    std::string file;
    std::string save;
  };
  auto options = std::make_shared<Options>();
  CLI::App* calc = app.add_subcommand(
      "calc", "Run the calculation on an aircraft (without FILE, the default aircraft) and print its results");
  calc->add_flag("--json", options->calc.json, "Print one JSON object with full-precision numbers");
  calc->add_option("--lang", options->language, "Language of the messages and legend lines")
      ->check(CLI::IsMember({"en", "de"}))
      ->capture_default_str();
  calc->add_option("--margin", options->calc.marginText, "Manual static margin in percent (12.5 or 12,5)")
      ->check(marginNumber())
      ->capture_default_str();
  calc->add_option("FILE", options->file, kFileHelp);
  calc->add_option("--save", options->save,
                   "Save the aircraft with the fresh results to OUT, as the Save command does (.da4 becomes .vn4, .vn4 "
                   "is added when missing)");
  return {calc, [options](std::ostream& out, std::ostream& err) {
            const Language language = languageOf(options->language);
            CalcOptions calcOptions = options->calc;
            calcOptions.language = language;
            Document doc;
            if (!loadInto(doc, options->file, language, err)) return 2;
            const int status = printCalculation(doc, calcOptions, out);
            if (!options->save.empty() && !saveAs(doc, options->save, language, err)) return 2;
            return status;
          }};
}

Subcommand addReport(CLI::App& app) {
  auto command = std::make_shared<ReportCommand>();
  addReportCommand(app, marginNumber(), *command);
  return {command->app, [command](std::ostream& out, std::ostream& err) {
            std::string problem;
            std::optional<ReportOptions> options = reportOptionsOf(*command, problem);
            if (!options) {
              err << problem << "\n"
                  << "Run with --help for the commands and options.\n";
              return 2;
            }
            Document doc;
            if (!loadInto(doc, command->file, options->language, err)) return 2;
            options = withFileBalance(std::move(*options), doc, problem);
            if (options && !takeOptionFuselage(*options, doc, problem)) options.reset();
            if (!options) {
              err << problem << "\n"
                  << "Run with --help for the commands and options.\n";
              return 2;
            }
            const int status = printReport(doc, *options, out, err);
            // The template marks the manual centre of gravity when a margin is given, else the pair.
            if (status == 0 && !command->templateFile.empty())
              return writeBalanceTemplate(doc, command->app->count("--margin") > 0, options->language,
                                          command->templateFile, err);
            return status;
          }};
}

Subcommand addValidate(CLI::App& app) {
  CLI::App* validate = app.add_subcommand(
      "validate", "Compute classic planforms with published lift slopes and print published beside computed");
  return {validate, [](std::ostream& out, std::ostream&) {
            const std::vector<ValidationResult> results = runValidation();
            for (const std::string& line : validationLines(results, Language::English)) out << line << "\n";
            for (const ValidationResult& r : results)
              if (r.panels == 0) return 1;
            return 0;
          }};
}

Subcommand addPrint(CLI::App& app) {
  struct Options {
    PrintOptions print;
    std::string language = "en";
  };
  auto options = std::make_shared<Options>();
  CLI::App* print = app.add_subcommand("print", "Run the calculation and write the one-page summary as PNG or PDF");
  print->add_option("FILE", options->print.file, "Aircraft file (.vn4) or legacy data file (.da4)")->required();
  print->add_option("--lang", options->language, "Language of the page")
      ->check(CLI::IsMember({"en", "de"}))
      ->capture_default_str();
  print->add_option("--margin", options->print.marginText, "Manual static margin in percent (12.5 or 12,5)")
      ->check(marginNumber())
      ->capture_default_str();
  CLI::Option_group* printOutput = print->add_option_group("output", "Where the page goes (one of them)");
  printOutput->add_option("--pdf", options->print.pdf, "Write a one-page A4 PDF");
  printOutput->add_option("--png", options->print.png, "Write the 807 x 1620 page image");
  printOutput->require_option(1);
  return {print, [options](std::ostream& out, std::ostream& err) {
            PrintOptions printOptions = options->print;
            printOptions.language = languageOf(options->language);
            return runPrint(printOptions, out, err);
          }};
}

}  // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"Volantis4: longitudinal stability of model aircraft, from the terminal.", "volantis4-cli"};
  app.require_subcommand(1);
  std::vector<Subcommand> subcommands{addGeometry(app), addCalc(app), addReport(app), addValidate(app), addPrint(app)};

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

  for (const Subcommand& s : subcommands)
    if (s.app->parsed()) return s.run(out, err);
  return 2;
}

}  // namespace volantis4
