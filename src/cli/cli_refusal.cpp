#include "cli/cli_refusal.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace volantis4 {

const char* refusalKey(RefusalKind kind) {
  switch (kind) {
    case RefusalKind::File:
      return "file";
    case RefusalKind::Write:
      return "write";
    case RefusalKind::Unavailable:
      return "unavailable";
    case RefusalKind::Usage:
      break;
  }
  return "usage";
}

int refuse(const Refusal& refusal, bool json, std::ostream& out, std::ostream& err) {
  err << refusal.message << "\n";
  if (refusal.kind == RefusalKind::Usage) err << "Run with --help for the commands and options.\n";
  if (json)
    out << nlohmann::json{{"error", {{"kind", refusalKey(refusal.kind)}, {"message", refusal.message}}}}.dump() << "\n";
  return 2;
}

}  // namespace volantis4
