#include "cli.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <sstream>

#include "cli_geometry.h"

namespace volantis4 {

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"Volantis4: longitudinal stability of model aircraft, from the terminal.", "volantis4-cli"};
  app.require_subcommand(1);

  bool geometryJson = false;
  CLI::App* geometry = app.add_subcommand("geometry", "Print each wing's planform figures and span stations as the wing pages show them");
  geometry->add_flag("--json", geometryJson, "Print one JSON object with full-precision numbers");

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
  return 2;
}

}  // namespace volantis4
