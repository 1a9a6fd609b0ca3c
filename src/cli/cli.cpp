#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "analysis/validation.h"
#include "cli/cli_calc.h"
#include "cli/cli_geometry.h"
#include "cli/cli_print.h"
#include "cli/cli_refusal.h"
#include "cli/cli_report.h"
#include "files/document_io.h"
#include "files/file_name.h"
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

// Loads FILE into a fresh document as the window's start does; a refused file is refused naming
// file and reason. Without FILE the document keeps the default aircraft.
std::optional<Refusal> loadInto(Document& doc, const std::string& file, Language language) {
  if (file.empty()) return std::nullopt;
  if (auto error = openCommandLineFile(doc, file)) return Refusal{RefusalKind::File, renderFileError(*error, language)};
  return std::nullopt;
}

// An output option given with an empty name: a usage error, as nothing could be written.
std::optional<Refusal> emptyOutputName(const CLI::App& app, const char* option, const std::string& name) {
  if (app.count(option) == 0 || !name.empty()) return std::nullopt;
  return Refusal{RefusalKind::Usage, std::string(option) + ": the output file name is empty"};
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
            if (const auto refusal = loadInto(doc, options->file, Language::English))
              return refuse(*refusal, options->json, out, err);
            return printGeometry(doc.form, options->json, out);
          }};
}

// Saves the calculated document to `name` as the Save command does; why not, when it is not.
std::optional<Refusal> saveAs(Document& doc, const std::string& name, Language language, std::ostream& err) {
  doc.fileName = name;
  auto saved = saveDocument(doc);
  if (auto* error = std::get_if<FileError>(&saved))
    return Refusal{RefusalKind::Write, renderFileError(*error, language)};
  const SavedDocument& done = std::get<SavedDocument>(saved);
  if (done.replacedCharacters > 0)
    err << renderReplacedCharacters(done.fileName, done.replacedCharacters, language) << "\n";
  return std::nullopt;
}

struct CalcCommand {
  CLI::App* app = nullptr;
  CalcOptions calc;
  std::string language = "en";
  std::string file;
  std::string save;
};

int runCalc(const CalcCommand& command, std::ostream& out, std::ostream& err) {
  const Language language = languageOf(command.language);
  CalcOptions calcOptions = command.calc;
  calcOptions.language = language;
  const bool json = calcOptions.json;
  if (const auto refusal = emptyOutputName(*command.app, "--save", command.save))
    return refuse(*refusal, json, out, err);
  // A name Open never reads is refused before anything runs.
  if (const std::string saved = adjustFileName(command.save); !command.save.empty() && isFilterPattern(saved))
    return refuse({RefusalKind::Usage, renderFileError(FileError::savePattern(saved), language)}, json, out, err);
  Document doc;
  if (const auto refusal = loadInto(doc, command.file, language)) return refuse(*refusal, json, out, err);
  std::ostringstream results;
  const int status = printCalculation(doc, calcOptions, results);
  if (status == 0) {
    const StabilityProposal p = proposalOf(doc);
    if (std::string problem =
            manualMarginProblem(calcOptions.marginText, {p.x_cg_manual, doc.results.xnp - p.x_cg_manual});
        !problem.empty())
      return refuse({RefusalKind::Usage, std::move(problem)}, json, out, err);
  }
  std::optional<Refusal> refusal;
  if (!command.save.empty()) refusal = saveAs(doc, command.save, language, err);
  // With --json a refused save gives the error object alone: one object on the output.
  if (!refusal || !json) out << results.str();
  if (refusal) return refuse(*refusal, json, out, err);
  return status;
}

Subcommand addCalc(CLI::App& app) {
  auto options = std::make_shared<CalcCommand>();
  CLI::App* calc = app.add_subcommand(
      "calc", "Run the calculation on an aircraft (without FILE, the default aircraft) and print its results");
  options->app = calc;
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
  return {calc, [options](std::ostream& out, std::ostream& err) { return runCalc(*options, out, err); }};
}

Subcommand addReport(CLI::App& app) {
  auto command = std::make_shared<ReportCommand>();
  addReportCommand(app, marginNumber(), *command);
  return {command->app, [command](std::ostream& out, std::ostream& err) {
            const bool json = command->json;
            std::string problem;
            std::optional<ReportOptions> options = reportOptionsOf(*command, problem);
            if (!options) return refuse({RefusalKind::Usage, problem}, json, out, err);
            if (const auto refusal = emptyOutputName(*command->app, "--template", command->templateFile))
              return refuse(*refusal, json, out, err);
            Document doc;
            if (const auto refusal = loadInto(doc, command->file, options->language))
              return refuse(*refusal, json, out, err);
            options = withFileBalance(std::move(*options), doc, problem);
            if (options && !takeOptionFuselage(*options, doc, problem)) options.reset();
            if (!options) return refuse({RefusalKind::Usage, problem}, json, out, err);
            std::ostringstream report;
            const int status = printReport(doc, *options, report, err, problem);
            if (status == 2) return refuse({RefusalKind::Usage, problem}, json, out, err);
            // The template marks the manual centre of gravity when a margin is given, else the pair.
            std::optional<Refusal> refusal;
            if (status == 0 && !command->templateFile.empty())
              refusal = writeBalanceTemplate(doc, command->app->count("--margin") > 0, options->language,
                                             command->templateFile);
            // With --json a template not written gives the error object alone: one object on the output.
            if (!refusal || !json) out << report.str();
            if (refusal) return refuse(*refusal, json, out, err);
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
  printOutput->add_option("--pdf", options->print.pdf, "Write a one-page PDF (A4, or Letter where the locale uses it)");
  printOutput->add_option("--png", options->print.png, "Write the 807 x 1620 page image");
  printOutput->require_option(1);
  return {print, [options, printOutput](std::ostream& out, std::ostream& err) {
            for (const auto& [option, name] : {std::pair{"--pdf", options->print.pdf}, {"--png", options->print.png}})
              if (const auto refusal = emptyOutputName(*printOutput, option, name))
                return refuse(*refusal, false, out, err);
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
    // Scripts that asked for JSON get the refusal as JSON even when the options could not be read.
    const bool json = std::any_of(argv, argv + argc, [](const char* arg) { return std::string_view(arg) == "--json"; });
    return refuse({RefusalKind::Usage, e.what()}, json, out, err);
  }

  for (const Subcommand& s : subcommands)
    if (s.app->parsed()) return s.run(out, err);
  return 2;
}

}  // namespace volantis4
