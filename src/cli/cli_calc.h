#pragma once
// `volantis4-cli calc`: the Calculate command on an aircraft, printed.

#include <iosfwd>
#include <string>

#include "model/document.h"

namespace volantis4 {

struct CalcOptions {
  bool json = false;
  Language language = Language::English;
  std::string marginText = "7.5";  // the manual margin, as typed into the margin field
};

/// Runs the calculation on the document and prints the panel, the per-wing aerodynamic centres and
/// the legend lines (or one JSON object). Returns 0 for a complete run, 1 when it failed.
int printCalculation(Document& doc, const CalcOptions& options, std::ostream& out);

}  // namespace volantis4
