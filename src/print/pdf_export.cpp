#include "print/pdf_export.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "print/print_layer.h"
#include "print/summary_page.h"

namespace volantis4 {
namespace {

constexpr int kDpi = 600;

// `line` broken at blanks into pieces no wider than `width`; the pieces after the first indented.
// A word wider than the page runs on past its edge.
std::vector<QString> wrapped(const QString& line, const QFontMetricsF& metrics, double width) {
  const QString indent = QStringLiteral("    ");
  std::vector<QString> pieces;
  QString rest = line;
  qsizetype start = 0;  // blanks of the indent are not places to break
  while (metrics.horizontalAdvance(rest) > width) {
    qsizetype cut = rest.indexOf(' ', start);
    if (cut < 0) break;
    for (qsizetype next = cut; next >= 0 && metrics.horizontalAdvance(rest.left(next)) <= width;
         next = rest.indexOf(' ', next + 1))
      cut = next;
    pieces.push_back(rest.left(cut));
    rest = indent + rest.mid(cut + 1);
    start = indent.size();
  }
  pieces.push_back(rest);
  return pieces;
}

// The report's lines in a fixed-width face, 20 mm from the paper's edges, as many pages as they need.
void drawReportPages(QPdfWriter& writer, QPainter& painter, const std::vector<std::string>& lines) {
  const double pixelsPerMm = kDpi / 25.4;
  QFont font(QStringLiteral("Liberation Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPointSizeF(9);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetricsF metrics(font, &writer);
  const double left = 20 * pixelsPerMm, top = 20 * pixelsPerMm, bottom = (297 - 20) * pixelsPerMm;
  const double width = (210 - 40) * pixelsPerMm;
  double y = bottom;  // a new page before the first line
  for (const std::string& line : lines) {
    for (const QString& piece : wrapped(QString::fromStdString(line), metrics, width)) {
      if (y + metrics.height() > bottom) {
        writer.newPage();
        y = top;
      }
      painter.drawText(QPointF(left, y + metrics.ascent()), piece);
      y += metrics.lineSpacing();
    }
  }
}

}  // namespace

bool exportSummaryPdf(const PageDrawing& page, int solverWingsCount, const QString& path,
                      const std::vector<std::string>& reportLines) {
  {
    QPdfWriter writer(path);
    writer.setResolution(kDpi);
    writer.setTitle(QStringLiteral("Volantis4"));
    writer.setCreator(QStringLiteral("Volantis4"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    drawPageOnPainter(painter, pagePlacement(kDpi, solverWingsCount), page);
    if (!reportLines.empty()) drawReportPages(writer, painter, reportLines);
    if (!painter.end()) return false;
  }
  // QPdfWriter reports an unwritable file only through an empty result.
  return QFile(path).size() > 0;
}

}  // namespace volantis4
