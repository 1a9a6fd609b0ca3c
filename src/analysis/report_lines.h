#pragma once
// The stability report as readable lines in one language.

#include <string>
#include <vector>

#include "analysis/report_figures.h"
#include "analysis/stability_report.h"
#include "model/language.h"

namespace volantis4 {

/// One part of the report: its heading and its lines.
struct ReportBlock {
  ReportSection section = ReportSection::Position;
  std::string heading;
  std::vector<std::string> lines;
};

/// The report's parts as described (report_figures.h), with units on every number: neutral point,
/// reference and the three centres of gravity; the lattice accuracy; each surface with what moving
/// it changes; and, when given, the balance. Figures of extra runs still being computed say so.
std::vector<ReportBlock> reportBlocks(const StabilityReport& report, Language language);

/// The report's lines: the title, then the lines of every part (without the headings).
std::vector<std::string> reportLines(const StabilityReport& report, Language language);

}  // namespace volantis4
