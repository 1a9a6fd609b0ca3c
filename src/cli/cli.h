#pragma once
// The terminal front end: the same calculation as the window, printed.

#include <iosfwd>

namespace volantis4 {

/// Runs the command line; returns the process exit status (0 success, 1 run failed, 2 usage error).
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace volantis4
