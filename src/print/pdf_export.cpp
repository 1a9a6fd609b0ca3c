#include "print/pdf_export.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "print/page_drawing.h"
#include "print/page_file.h"
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

// Lines of text down the report's pages, 20 mm from the paper's edges, a new page when one is full.
class ReportColumn {
 public:
  ReportColumn(QPdfWriter& writer, QPainter& painter) : writer_(writer), painter_(painter) {}

  // `line` in `font`, broken at blanks to the column's width; `keepLines` lines of this font must
  // fit below it, or it starts a new page (a heading stays with its first line).
  void write(const QString& line, const QFont& font, int keepLines = 1) {
    const QFontMetricsF metrics(font, &writer_);
    painter_.setFont(font);
    bool first = true;
    for (const QString& piece : wrapped(line, metrics, kWidth)) {
      const int needed = first ? keepLines : 1;
      if (y_ + needed * metrics.lineSpacing() - metrics.leading() > kBottom) newPage();
      painter_.drawText(QPointF(kLeft, y_ + metrics.ascent()), piece);
      y_ += metrics.lineSpacing();
      first = false;
    }
  }
  // An empty line's worth of space in `font`, left out at the top of a page.
  void space(const QFont& font) {
    if (y_ > kTop) y_ += QFontMetricsF(font, &writer_).lineSpacing();
  }

 private:
  static constexpr double kPixelsPerMm = kDpi / 25.4;
  static constexpr double kLeft = 20 * kPixelsPerMm, kTop = 20 * kPixelsPerMm;
  static constexpr double kBottom = (297 - 20) * kPixelsPerMm, kWidth = (210 - 40) * kPixelsPerMm;

  void newPage() {
    writer_.newPage();
    y_ = kTop;
  }

  QPdfWriter& writer_;
  QPainter& painter_;
  double y_ = kBottom;  // a new page before the first line
};

QFont reportFont(double points, bool bold) {
  QFont font(QStringLiteral("Liberation Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// The report in a fixed-width face: the title, then each part under its heading in bold.
void drawReportPages(QPdfWriter& writer, QPainter& painter, const ReportPages& report) {
  const QFont title = reportFont(12, true), heading = reportFont(9, true), body = reportFont(9, false);
  painter.setPen(Qt::black);
  ReportColumn column(writer, painter);
  column.write(QString::fromStdString(report.title), title, 2);
  for (const ReportBlock& part : report.parts) {
    column.space(body);
    if (!part.heading.empty()) column.write(QString::fromStdString(part.heading), heading, 2);
    for (const std::string& line : part.lines) column.write(QString::fromStdString(line), body);
  }
}

}  // namespace

std::optional<FileError> exportSummaryPdf(const PageDrawing& page, int solverWingsCount, const QString& path,
                                          const ReportPages& report, const WriteStep& write) {
  QByteArray bytes;
  std::optional<QByteArray> pdf;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setTitle(QStringLiteral("Volantis4"));
    writer.setCreator(QStringLiteral("Volantis4"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (painter.begin(&writer)) {
      drawPageOnPainter(painter, pagePlacement(kDpi, solverWingsCount), page);
      if (!report.parts.empty()) drawReportPages(writer, painter, report);
      if (painter.end() && isWholePdf(bytes)) pdf = bytes;
    }
  }
  return writePageFile(path, pdf, write);
}

}  // namespace volantis4
