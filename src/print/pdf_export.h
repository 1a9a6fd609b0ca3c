#pragma once
// The summary page as a PDF on A4 or Letter, placed as on paper from a 600-dpi printer, optionally
// followed by the stability report's pages.

#include <QLocale>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "analysis/report_lines.h"
#include "files/atomic_write.h"
#include "files/file_error.h"
#include "model/language.h"
#include "print/page_drawing.h"
#include "print/paper.h"

namespace volantis4 {

/// Text that follows the summary on pages of its own: a title, then parts, each under its heading.
/// Each of its pages carries in its foot the aircraft's file name, the date and "Page n of m"
/// (the summary being page 1) in `language`.
struct ReportPages {
  std::string title;
  std::vector<ReportBlock> parts;
  std::string fileName = {};  // the aircraft's file; its folders are left out in the foot
  std::string date = {};      // as printed; "" for today's, YYYY-MM-DD
  Language language = Language::English;
};

/// Writes `page` into a one-page PDF at `path` on `paper` (600 dpi, the page at pagePlacement(600,
/// solverWingsCount) from the paper's corner, text as text). A report with parts follows on pages
/// of its own. The file is written whole or not at all (print/page_file.h); the error says which
/// file and why. `write` replaces the write step (tests).
std::optional<FileError> exportSummaryPdf(const PageDrawing& page, int solverWingsCount, const QString& path,
                                          const ReportPages& report = {}, const WriteStep& write = {},
                                          Paper paper = paperOfLocale(QLocale()));

}  // namespace volantis4
