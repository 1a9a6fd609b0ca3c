#pragma once
// `volantis4-cli report`: the stability report of an aircraft, printed.

#include <CLI/CLI.hpp>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "analysis/balance.h"
#include "cli/run_options.h"
#include "model/document.h"

namespace volantis4 {

struct ReportOptions : RunOptions {
  std::optional<BalanceInputs> balance;  // the weighing used: the options', else the aircraft's
  // --target, --ballast-at and --move-mass as given; without a weighing option they change the
  // aircraft's balance inputs (see withFileBalance)
  std::optional<CgTarget> target;
  std::optional<double> ballastAt, moveMass;
  // --fuselage stations and --fuselage-z as given; they replace the aircraft's (see withFileFuselage)
  std::vector<FuselageStation> fuselageStations;
  std::optional<std::int32_t> fuselageZ;
};

/// The report subcommand's options as parsed.
struct ReportCommand {
  CLI::App* app = nullptr;
  std::string file;
  bool json = false;
  std::string language = "en";
  std::string marginText = "7.5";
  std::optional<std::string> cg, mass, ballastAt, moveMass;  // numbers as the file reader takes them
  std::vector<std::string> supports;                         // "X:G"
  std::string target = "manual";
  std::string templateFile;
  std::vector<std::string> fuselage;  // "X:W"
  std::optional<std::string> fuselageZ;
};

/// Adds `report` to the command line; `marginNumber` checks --margin as calc does.
ReportCommand& addReportCommand(CLI::App& app, const CLI::Validator& marginNumber, ReportCommand& command);

/// The options of a parsed report command; nullopt with `problem` set when they do not fit
/// together, or when a weighing number is not one the file reader would take or lies beyond the
/// weighing limits (model/balance_inputs.h): `problem` names the option and the value.
std::optional<ReportOptions> reportOptionsOf(const ReportCommand& command, std::string& problem);

/// The options with the balance inputs of the aircraft `doc` (loaded from its file) when no
/// weighing option was given, --target, --ballast-at and --move-mass overriding theirs. Nullopt
/// with `problem` set when those three are given and nothing was weighed.
std::optional<ReportOptions> withFileBalance(ReportOptions options, const Document& doc, std::string& problem);

/// Gives the document the fuselage the report takes: the aircraft's, its stations replaced by
/// --fuselage and its axis height by --fuselage-z. False with `problem` set (the document unchanged)
/// when the options give no usable fuselage.
bool takeOptionFuselage(const ReportOptions& options, Document& doc, std::string& problem);

/// Runs the calculation and the report's extra runs on the document and prints the report (or one
/// JSON object), with the document's fuselage when it has one. Returns 0 for a complete run, 1 when the run failed (its
/// lines are printed, on the error stream with --json), 2 with nothing printed and `problem` set when the manual margin
/// puts the centre of gravity beyond any finite number.
int printReport(Document& doc, const ReportOptions& options, std::ostream& out, std::ostream& err,
                std::string& problem);

/// Why the manual margin `marginText` cannot be used for a complete run whose figures are
/// `figures` (the manual centre of gravity: x, from the root leading edge, percent MAC), or "".
std::string manualMarginProblem(const std::string& marginText, std::initializer_list<double> figures);

}  // namespace volantis4
