#pragma once
// `volantis4-cli report`: the stability report of an aircraft, printed.

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "solver/balance.h"
#include "model/document.h"

namespace volantis4 {

struct ReportOptions {
  bool json = false;
  Language language = Language::English;
  std::string marginText = "7.5";        // the manual margin, as typed into the margin field
  std::optional<BalanceInputs> balance;  // when the user weighed the model
};

/// The report subcommand's options as parsed.
struct ReportCommand {
  CLI::App* app = nullptr;
  std::string file;
  bool json = false;
  std::string language = "en";
  std::string marginText = "7.5";
  std::optional<double> cg, mass, ballastAt, moveMass;
  std::vector<std::string> supports;  // "X:G"
  std::string target = "manual";
  std::string templateFile;
};

/// Adds `report` to the command line; `marginNumber` checks --margin as calc does.
ReportCommand& addReportCommand(CLI::App& app, const CLI::Validator& marginNumber, ReportCommand& command);

/// The options of a parsed report command; nullopt with `problem` set when they do not fit together.
std::optional<ReportOptions> reportOptionsOf(const ReportCommand& command, std::string& problem);

/// Runs the calculation and the report's extra runs on the document and prints the report (or one
/// JSON object). Returns 0 for a complete run, 1 when the run failed (its lines are printed, on the
/// error stream with --json).
int printReport(Document& doc, const ReportOptions& options, std::ostream& out, std::ostream& err);

}  // namespace volantis4
