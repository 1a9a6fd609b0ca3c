#pragma once
// The stability report as readable lines in one language.

#include <string>
#include <vector>

#include "model/language.h"
#include "solver/stability_report.h"

namespace volantis4 {

/// The name of a proposed centre of gravity as the report writes it.
std::string cgName(CgTarget target, Language language);

/// The report's lines, with units on every number: neutral point, reference, the three centres of
/// gravity, the lattice accuracy, each surface and, when given, the balance.
std::vector<std::string> reportLines(const StabilityReport& report, Language language);

}  // namespace volantis4
