#include "print/balance_template.h"

#include <QBuffer>
#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "analysis/stability_report.h"
#include "model/document.h"
#include "model/numbers.h"
#include "model/text_fill.h"
#include "print/page_file.h"
#include "solver/stabil.h"

namespace volantis4 {
namespace {

// The drawing (mm on the page) takes the page's height: the root section on its left line; the
// notes, the marks' list and the ruler stand in the column to its right.
constexpr double kLeft = 12, kRight = 128, kTop = 24, kBottom = 287;
constexpr double kColumn = 136, kColumnRight = 200;
constexpr double kLeadMm = 10;  // space ahead of the foremost point
constexpr double kRulerX = 140, kRulerTop = 182;

const QColor kCgInk(0, 0, 255);
const QColor kNeutralPointInk(255, 0, 0);
const QColor kCgBand(215, 225, 255);
const QColor kOutlineInk(96, 96, 96);
const QColor kOutlineFill(242, 242, 242);

std::string mm(double v) { return formatFixed(v, 0, 1); }

// The short label on a mark's line.
std::string lineLabel(const TemplateInput& in, const TemplateMark& m, Language language) {
  const double from = m.x - in.rootLeX;
  switch (m.kind) {
    case MarkKind::RootLeadingEdge:
      return std::string(text(TextId::TemplateLineRootLe, language));
    case MarkKind::CgForward:
      return filledText(TextId::TemplateLineCg, language, {formatFixed(in.forward.margin, 0, 1), mm(from)});
    case MarkKind::CgAft:
      return filledText(TextId::TemplateLineCg, language, {formatFixed(in.aft.margin, 0, 1), mm(from)});
    case MarkKind::CgManual:
      return filledText(TextId::TemplateLineCg, language, {formatFixed(in.manual->margin, 0, 1), mm(from)});
    case MarkKind::NeutralPoint:
      break;
  }
  return filledText(TextId::TemplateLineNeutralPoint, language, {mm(from)});
}

// The label of a mark in the list: what it is and how far aft of the root leading edge.
std::string markLabel(const TemplateInput& in, const TemplateMark& m, Language language) {
  const double from = m.x - in.rootLeX;
  std::string label;
  switch (m.kind) {
    case MarkKind::RootLeadingEdge:
      label = text(TextId::TemplateRootLe, language);
      break;
    case MarkKind::CgForward:
      label = filledText(TextId::TemplateCgForward, language, {formatFixed(in.forward.margin, 0, 1), mm(from)});
      break;
    case MarkKind::CgAft:
      label = filledText(TextId::TemplateCgAft, language, {formatFixed(in.aft.margin, 0, 1), mm(from)});
      break;
    case MarkKind::CgManual:
      label = filledText(TextId::TemplateCgManual, language, {formatFixed(in.manual->margin, 0, 1), mm(from)});
      break;
    case MarkKind::NeutralPoint:
      label = filledText(TextId::TemplateNeutralPoint, language, {mm(from)});
      break;
  }
  return m.onPage ? label : filledText(TextId::TemplateOffPage, language, {label});
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

std::optional<TemplateInput> templateInputOf(const Document& doc, bool manualChoice) {
  const std::optional<ReportBasis> basis = reportBasis(doc);
  if (!basis) return std::nullopt;
  const StabilityProposal proposal = proposalOf(doc);
  const StabilityReport r = makeReport(*basis, proposal, ExtraRuns{}, nullptr, doc.fuselage ? &*doc.fuselage : nullptr);
  // With a fuselage the marks are those with it: the neutral point and centres of gravity to balance by.
  const auto& cg = r.fuselage ? r.fuselage->cg : r.cg;

  TemplateInput in;
  in.wing = r.refWing;
  in.rootLeX = r.refRootLeX;
  in.xnp = r.fuselage ? r.fuselage->figures.xnp : r.xnp;
  in.withFuselage = r.fuselage.has_value();
  in.lmue = r.lmue;
  in.xLeRef = r.xLeRef;
  const AircraftGeometry& g = basis->geometry;
  const double rootY = g.table.y(1, r.refWing);
  for (int s = 1; s <= g.wing(r.refWing).wingsections; ++s)
    in.sections.push_back(
        {std::fabs(g.table.y(s, r.refWing) - rootY), g.table.x(s, r.refWing), g.table.c(s, r.refWing)});
  in.aft = {cg[0].margin, cg[0].x};
  in.forward = {cg[1].margin, cg[1].x};
  if (manualChoice) in.manual = TemplateCg{cg[2].margin, cg[2].x};
  in.fileName = doc.fileName;
  return in;
}

TemplateLayout templateLayout(const TemplateInput& in) {
  TemplateLayout l;
  l.left = kLeft;
  l.right = kRight;
  l.top = kTop;
  l.bottom = kBottom;
  l.rulerX = kRulerX;
  l.rulerTop = kRulerTop;

  l.marks.push_back({MarkKind::RootLeadingEdge, in.rootLeX});
  if (in.manual) {
    l.marks.push_back({MarkKind::CgManual, in.manual->x});
  } else {
    l.marks.push_back({MarkKind::CgForward, in.forward.x});
    l.marks.push_back({MarkKind::CgAft, in.aft.x});
  }
  l.marks.push_back({MarkKind::NeutralPoint, in.xnp});

  // The foremost point: the leading edge within the drawing's span (its sections and where it
  // crosses the right line) and the marks.
  const double span = l.right - l.left;
  double front = in.rootLeX;
  for (std::size_t i = 0; i < in.sections.size(); ++i) {
    const OutlineSection& s = in.sections[i];
    if (s.y <= span) front = std::min(front, s.xLe);
    if (i + 1 < in.sections.size()) {
      const OutlineSection& n = in.sections[i + 1];
      if ((s.y - span) * (n.y - span) < 0)
        front = std::min(front, s.xLe + (span - s.y) / (n.y - s.y) * (n.xLe - s.xLe));
    }
  }
  for (const TemplateMark& m : l.marks) front = std::min(front, m.x);
  l.xAtTop = front - kLeadMm;

  for (TemplateMark& m : l.marks) {
    m.pageY = l.pageY(m.x);
    m.onPage = m.pageY >= l.top && m.pageY <= l.bottom;
  }
  for (const OutlineSection& s : in.sections) l.outline.push_back({l.pageX(s.y), l.pageY(s.xLe)});
  for (auto s = in.sections.rbegin(); s != in.sections.rend(); ++s)
    l.outline.push_back({l.pageX(s->y), l.pageY(s->xLe + s->chord)});
  return l;
}

void drawBalanceTemplate(QPainter& p, int dpi, const TemplateInput& in, Language language) {
  const TemplateLayout l = templateLayout(in);
  const double k = dpi / 25.4;  // device pixels per mm
  const auto at = [k](double x, double y) { return QPointF(x * k, y * k); };
  const auto pen = [&p, k](const QColor& colour, double widthMm) {
    QPen line(colour);
    line.setWidthF(widthMm * k);
    line.setCapStyle(Qt::FlatCap);
    p.setPen(line);
  };
  const auto font = [&p](double points, bool bold = false) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setPointSizeF(points);
    f.setBold(bold);
    p.setFont(f);
  };
  // Text with its baseline at page y, starting at x (or ending there when `rightAligned`).
  const auto write = [&](double x, double y, const std::string& s, bool rightAligned = false) {
    const QString t = qs(s);
    const double w = rightAligned ? QFontMetricsF(p.font(), p.device()).horizontalAdvance(t) : 0;
    p.drawText(QPointF(x * k - w, y * k), t);
  };

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // Title and file name above the drawing; the notes in the column.
  p.setPen(Qt::black);
  font(15, true);
  write(kLeft, 14, std::string(text(TextId::TemplateTitle, language)));
  const QString file = QFontMetricsF(QFont(QStringLiteral("Sans Serif"), 10), p.device())
                           .elidedText(QFileInfo(qs(in.fileName)).fileName(), Qt::ElideMiddle, 70 * k);
  font(10);
  write(kColumnRight, 14, file.toStdString(), true);
  font(8.5);
  const auto paragraph = [&](double top, double height, const std::string& s) {
    const QRectF box(at(kColumn, top), at(kColumnRight, top + height));
    QRectF used;
    p.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, qs(s), &used);
    return top + used.height() / k;
  };
  double y = paragraph(kTop, 40, filledText(TextId::TemplateDistances, language, {formatInt(in.wing)}));
  y = paragraph(y + 3, 40, std::string(text(TextId::TemplateScale, language)));
  if (in.withFuselage) y = paragraph(y + 3, 40, std::string(text(TextId::TemplateWithFuselage, language)));

  // Flight direction: a red arrow pointing up, at the top of the column.
  pen(kNeutralPointInk, 0.4);
  p.drawLine(at(kColumn + 1.5, y + 14), at(kColumn + 1.5, y + 5));
  p.drawLine(at(kColumn + 1.5, y + 5), at(kColumn, y + 7.5));
  p.drawLine(at(kColumn + 1.5, y + 5), at(kColumn + 3, y + 7.5));
  p.setPen(kNeutralPointInk);
  font(8);
  write(kColumn + 5, y + 11, std::string(text(TextId::TemplateFlight, language)));
  y += 20;

  // The marks in full, those beyond the drawing as well.
  p.setPen(Qt::black);
  font(8.5);
  for (const TemplateMark& m : l.marks) y = paragraph(y, 30, markLabel(in, m, language)) + 2;

  // The drawing, clipped to its frame.
  p.save();
  p.setClipRect(QRectF(at(l.left, l.top), at(l.right, l.bottom)));
  QPolygonF outline;
  for (const PagePoint& q : l.outline) outline << at(q.x, q.y);
  pen(kOutlineInk, 0.35);
  p.setBrush(kOutlineFill);
  p.drawPolygon(outline);
  p.setBrush(Qt::NoBrush);
  if (!in.manual) {
    const double y1 = l.pageY(in.forward.x), y2 = l.pageY(in.aft.x);
    p.fillRect(QRectF(at(l.left, std::min(y1, y2)), at(l.right, std::max(y1, y2))), kCgBand);
  }
  for (const TemplateMark& m : l.marks) {
    const bool cg = m.kind == MarkKind::CgForward || m.kind == MarkKind::CgAft || m.kind == MarkKind::CgManual;
    const QColor ink = cg ? kCgInk : m.kind == MarkKind::NeutralPoint ? kNeutralPointInk : QColor(Qt::black);
    pen(ink, 0.3);
    p.drawLine(at(l.left, m.pageY), at(l.right, m.pageY));
    p.setPen(ink);
    font(8);
    // Centres of gravity labelled at the root, the others at the right end: close lines keep apart.
    if (cg)
      write(l.left + 4, m.pageY - 1, lineLabel(in, m, language));
    else
      write(l.right - 2, m.pageY - 1, lineLabel(in, m, language), true);
  }
  p.restore();

  // Frame and root line.
  pen(QColor(160, 160, 160), 0.2);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(at(l.left, l.top), at(l.right, l.bottom)));
  pen(Qt::black, 0.5);
  p.drawLine(at(l.left, l.top), at(l.left, l.bottom));
  p.save();
  p.setPen(Qt::black);
  font(8);
  p.translate(at(l.left - 1.5, l.bottom - 2));
  p.rotate(-90);
  p.drawText(QPointF(0, 0), qs(std::string(text(TextId::TemplateRoot, language))));
  p.restore();

  // The ruler: 100 mm down the page, a tick every mm, longer every 5 and 10 mm, numbered every 10.
  pen(Qt::black, 0.25);
  p.drawLine(at(l.rulerX, l.rulerTop), at(l.rulerX, l.rulerTop + kRulerLengthMm));
  font(7);
  for (int i = 0; i <= static_cast<int>(kRulerLengthMm); ++i) {
    const double tickY = l.rulerTop + i;
    const double length = i % 10 == 0 ? 5 : i % 5 == 0 ? 3.5 : 2;
    pen(Qt::black, 0.15);
    p.drawLine(at(l.rulerX, tickY), at(l.rulerX + length, tickY));
    if (i % 10 == 0) {
      p.setPen(Qt::black);
      write(l.rulerX + 6.5, tickY + 1.2, formatInt(i));
    }
  }
  font(8);
  p.setPen(Qt::black);
  write(l.rulerX + 14, l.rulerTop + kRulerLengthMm / 2, "mm");
  p.restore();
}

std::optional<FileError> exportBalanceTemplate(const TemplateInput& input, Language language, const QString& path,
                                               const WriteStep& write) {
  constexpr int kDpi = 600;
  QByteArray bytes;
  std::optional<QByteArray> pdf;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setTitle(qs(std::string(text(TextId::TemplateTitle, language))));
    writer.setCreator(QStringLiteral("Volantis4"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (painter.begin(&writer)) {
      drawBalanceTemplate(painter, kDpi, input, language);
      if (painter.end() && isWholePdf(bytes)) pdf = bytes;
    }
  }
  return writePageFile(path, pdf, write);
}

}  // namespace volantis4
