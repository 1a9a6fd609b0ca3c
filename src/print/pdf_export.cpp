#include "print/pdf_export.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "print/print_layer.h"
#include "print/summary_page.h"

namespace volantis4 {

bool exportSummaryPdf(const PageDrawing& page, int solverWingsCount, const QString& path) {
  constexpr int kDpi = 600;
  {
    QPdfWriter writer(path);
    writer.setResolution(kDpi);
    writer.setTitle(QStringLiteral("Volantis4"));
    writer.setCreator(QStringLiteral("Volantis4"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    drawPageOnPainter(painter, pagePlacement(kDpi, solverWingsCount), page);
    if (!painter.end()) return false;
  }
  // QPdfWriter reports an unwritable file only through an empty result.
  return QFile(path).size() > 0;
}

}  // namespace volantis4
