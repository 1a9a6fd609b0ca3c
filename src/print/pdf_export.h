#pragma once
// The summary page as an A4 PDF, placed as on paper from a 600-dpi printer, optionally followed
// by the stability report's pages.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "analysis/report_lines.h"
#include "files/atomic_write.h"
#include "files/file_error.h"
#include "print/page_drawing.h"

namespace volantis4 {

/// Text that follows the summary on pages of its own: a title, then parts, each under its heading.
struct ReportPages {
  std::string title;
  std::vector<ReportBlock> parts;
};

/// Writes `page` into a one-page A4 PDF at `path` (600 dpi, the page at pagePlacement(600,
/// solverWingsCount) from the paper's corner, text as text). A report with parts follows on pages
/// of its own. The file is written whole or not at all (print/page_file.h); the error says which
/// file and why. `write` replaces the write step (tests).
std::optional<FileError> exportSummaryPdf(const PageDrawing& page, int solverWingsCount, const QString& path,
                                          const ReportPages& report = {}, const WriteStep& write = {});

}  // namespace volantis4
