#pragma once
// How the command line refuses a run (exit status 2): the message on the error stream and, for a
// command given --json, one JSON object {"error": {"kind": …, "message": …}} on the output stream,
// so that scripts need not read the error stream.

#include <iosfwd>
#include <string>

namespace volantis4 {

/// What was refused: the options, an input file, an output file, or the page writer.
enum class RefusalKind { Usage, File, Write, Unavailable };

struct Refusal {
  RefusalKind kind = RefusalKind::Usage;
  std::string message;
};

/// The key of a kind in the JSON object: "usage", "file", "write", "unavailable".
const char* refusalKey(RefusalKind kind);

/// Shows `refusal` and returns the exit status 2. A usage refusal adds the line pointing to --help
/// on the error stream.
int refuse(const Refusal& refusal, bool json, std::ostream& out, std::ostream& err);

}  // namespace volantis4
