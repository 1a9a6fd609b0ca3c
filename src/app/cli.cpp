#include "cli.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <sstream>

#include "cli_calc.h"
#include "cli_geometry.h"

namespace volantis4 {

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"Volantis4: longitudinal stability of model aircraft, from the terminal.", "volantis4-cli"};
  app.require_subcommand(1);

  bool geometryJson = false;
  CLI::App* geometry = app.add_subcommand("geometry", "Print each wing's planform figures and span stations as the wing pages show them");
  geometry->add_flag("--json", geometryJson, "Print one JSON object with full-precision numbers");

  CalcOptions calcOptions;
  std::string calcLanguage = "en";
  CLI::App* calc = app.add_subcommand("calc", "Run the calculation on the default aircraft and print its results");
  calc->add_flag("--json", calcOptions.json, "Print one JSON object with full-precision numbers");
  calc->add_option("--lang", calcLanguage, "Language of the messages and legend lines")
      ->check(CLI::IsMember({"en", "de"}))
      ->capture_default_str();
  calc->add_option("--margin", calcOptions.marginText, "Manual static margin in percent")
      ->check(CLI::Number)
      ->capture_default_str();

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return 0;
  } catch (const CLI::ParseError& e) {
    err << e.what() << "\n" << "Run with --help for the commands and options.\n";
    return 2;
  }

  if (geometry->parsed()) return printGeometry(defaultForm(), geometryJson, out);
  if (calc->parsed()) {
    calcOptions.language = calcLanguage == "de" ? Language::German : Language::English;
    Document doc;
    return printCalculation(doc, calcOptions, out);
  }
  return 2;
}

}  // namespace volantis4
