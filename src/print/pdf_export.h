#pragma once
// The summary page as an A4 PDF, placed as on paper from a 600-dpi printer, optionally followed
// by the stability report's lines.

#include <QString>
#include <string>
#include <vector>

#include "print/print_layer.h"

namespace volantis4 {

/// Writes `page` into a one-page A4 PDF at `path` (600 dpi, the page at pagePlacement(600,
/// solverWingsCount) from the paper's corner, text as text). Non-empty `reportLines` follow on
/// pages of their own. False when the file cannot be written.
bool exportSummaryPdf(const PageDrawing& page, int solverWingsCount, const QString& path,
                      const std::vector<std::string>& reportLines = {});

}  // namespace volantis4
