#pragma once
// `volantis4-cli calc`: the Calculate command on an aircraft, printed.

#include <iosfwd>
#include <string>

#include "cli/run_options.h"
#include "model/document.h"

namespace volantis4 {

/// calc takes exactly what every run takes.
using CalcOptions = RunOptions;

/// Runs the calculation on the document and prints the panel, the per-wing aerodynamic centres and
/// the legend lines (or one JSON object). Returns 0 for a complete run, 1 when it failed.
int printCalculation(Document& doc, const CalcOptions& options, std::ostream& out);

}  // namespace volantis4
