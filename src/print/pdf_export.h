#pragma once
// The summary page as a one-page A4 PDF, placed as on paper from a 600-dpi printer.

#include <QString>

#include "print/print_layer.h"

namespace volantis4 {

/// Writes `page` into a one-page A4 PDF at `path` (600 dpi, the page at pagePlacement(600,
/// solverWingsCount) from the paper's corner, text as text). False when the file cannot be written.
bool exportSummaryPdf(const PageDrawing& page, int solverWingsCount, const QString& path);

}  // namespace volantis4
