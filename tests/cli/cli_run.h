#pragma once
// volantis4-cli run in the test process: its exit status and what it wrote.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace volantis4::testing_support {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

/// Runs the command line `volantis4-cli args…`.
inline CliResult runCliWith(std::vector<const char*> args) {
  args.insert(args.begin(), "volantis4-cli");
  std::ostringstream out, err;
  const int status = runCli(static_cast<int>(args.size()), args.data(), out, err);
  return {status, out.str(), err.str()};
}

}  // namespace volantis4::testing_support
