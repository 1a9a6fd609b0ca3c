#include "print/pdf_export.h"

#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "model/numbers.h"
#include "model/text_fill.h"
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

// One line of the report where it stands: its page (0 the first report page), baseline and font.
struct PlacedLine {
  int page = 0;
  QPointF baseline;
  QString text;
  QFont font;
};

// Lines of text down the report's pages, 20 mm from the paper's edges, a new page when one is full.
// They are placed first and drawn when the number of pages is known.
class ReportColumn {
 public:
  ReportColumn(QPdfWriter& writer, Paper paper)
      : writer_(writer),
        width_((paperWidthMm(paper) - 2 * kMarginMm) * kPixelsPerMm),
        bottom_((paperHeightMm(paper) - kMarginMm) * kPixelsPerMm),
        y_(bottom_) {}

  // `line` in `font`, broken at blanks to the column's width; `keepLines` lines of this font must
  // fit below it, or it starts a new page (a heading stays with its first line).
  void write(const QString& line, const QFont& font, int keepLines = 1) {
    const QFontMetricsF metrics(font, &writer_);
    bool first = true;
    for (const QString& piece : wrapped(line, metrics, width_)) {
      const int needed = first ? keepLines : 1;
      if (y_ + needed * metrics.lineSpacing() - metrics.leading() > bottom_) newPage();
      lines_.push_back({page_, QPointF(kLeft, y_ + metrics.ascent()), piece, font});
      y_ += metrics.lineSpacing();
      first = false;
    }
  }
  // An empty line's worth of space in `font`, left out at the top of a page.
  void space(const QFont& font) {
    if (y_ > kTop) y_ += QFontMetricsF(font, &writer_).lineSpacing();
  }

  const std::vector<PlacedLine>& lines() const { return lines_; }
  int pages() const { return page_ + 1; }

 private:
  static constexpr double kPixelsPerMm = kDpi / 25.4;
  static constexpr double kMarginMm = 20;
  static constexpr double kLeft = kMarginMm * kPixelsPerMm, kTop = kMarginMm * kPixelsPerMm;

  void newPage() {
    if (!lines_.empty()) ++page_;
    y_ = kTop;
  }

  QPdfWriter& writer_;
  double width_, bottom_;
  double y_;  // at the bottom: a new page before the first line
  int page_ = 0;
  std::vector<PlacedLine> lines_;
};

QFont reportFont(double points, bool bold) {
  QFont font(QStringLiteral("Liberation Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// The foot of report page `number` of `count` (the summary counted): file name on the left, date
// in the middle, page number on the right, on a baseline 12 mm above the paper's lower edge.
void drawFoot(QPainter& painter, Paper paper, const ReportPages& report, int number, int count) {
  constexpr double kPixelsPerMm = kDpi / 25.4;
  const QFont font = reportFont(8, false);
  const QFontMetricsF metrics(font, painter.device());
  const double left = 20 * kPixelsPerMm, right = (paperWidthMm(paper) - 20) * kPixelsPerMm;
  const double baseline = (paperHeightMm(paper) - 12) * kPixelsPerMm;
  const QString date =
      report.date.empty() ? QDate::currentDate().toString(Qt::ISODate) : QString::fromStdString(report.date);
  const QString page = QString::fromStdString(
      filledText(TextId::ReportPageNumber, report.language, {formatInt(number), formatInt(count)}));
  // The file name keeps clear of the date: shortened in its middle when long.
  const double middle = (left + right) / 2;
  const double dateLeft = middle - metrics.horizontalAdvance(date) / 2;
  const QString file = metrics.elidedText(QFileInfo(QString::fromStdString(report.fileName)).fileName(),
                                          Qt::ElideMiddle, dateLeft - left - 4 * kPixelsPerMm);
  painter.setFont(font);
  painter.drawText(QPointF(left, baseline), file);
  painter.drawText(QPointF(dateLeft, baseline), date);
  painter.drawText(QPointF(right - metrics.horizontalAdvance(page), baseline), page);
}

// The report in a fixed-width face: the title, then each part under its heading in bold, on pages
// after the summary, each with its foot.
void drawReportPages(QPdfWriter& writer, QPainter& painter, const ReportPages& report, Paper paper) {
  const QFont title = reportFont(12, true), heading = reportFont(9, true), body = reportFont(9, false);
  ReportColumn column(writer, paper);
  column.write(QString::fromStdString(report.title), title, 2);
  for (const ReportBlock& part : report.parts) {
    column.space(body);
    if (!part.heading.empty()) column.write(QString::fromStdString(part.heading), heading, 2);
    for (const std::string& line : part.lines) column.write(QString::fromStdString(line), body);
  }
  painter.setPen(Qt::black);
  const int count = 1 + column.pages();
  int page = -1;
  for (const PlacedLine& line : column.lines()) {
    if (line.page != page) {
      writer.newPage();
      page = line.page;
      drawFoot(painter, paper, report, page + 2, count);
    }
    painter.setFont(line.font);
    painter.drawText(line.baseline, line.text);
  }
}

}  // namespace

std::optional<FileError> exportSummaryPdf(const PageDrawing& page, int solverWingsCount, const QString& path,
                                          const ReportPages& report, const WriteStep& write, Paper paper) {
  QByteArray bytes;
  std::optional<QByteArray> pdf;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setTitle(QStringLiteral("Volantis4"));
    writer.setCreator(QStringLiteral("Volantis4"));
    writer.setPageLayout(QPageLayout(pageSizeOf(paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (painter.begin(&writer)) {
      drawPageOnPainter(painter, pagePlacement(kDpi, solverWingsCount), page);
      if (!report.parts.empty()) drawReportPages(writer, painter, report, paper);
      if (painter.end() && isWholePdf(bytes)) pdf = bytes;
    }
  }
  return writePageFile(path, pdf, write);
}

}  // namespace volantis4
