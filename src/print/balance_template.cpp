#include "print/balance_template.h"

#include <QBuffer>
#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
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
// notes, the steps and the ruler stand in the column to its right.
constexpr double kLeft = 12, kRight = 128, kTop = 24, kFootMargin = 10;
constexpr double kColumn = 136, kColumnRight = 200;
constexpr double kLeadMm = 10;  // space ahead of the foremost point
constexpr double kRulerX = 140, kRulerGap = 5;
// Labels on the drawing: from just right of the root line, leaving a strip at the right end where
// the lines run free of text.
constexpr double kLabelLeft = kLeft + 3, kLabelRight = kRight - 6;
constexpr double kLabelGap = 0.4;   // between a label and its line, and between two labels
constexpr double kLabelPoints = 7;  // the labels' font size
constexpr double kTitleBaseline = 14;

const QColor kCgInk(0, 0, 255);
const QColor kNeutralPointInk(255, 0, 0);
const QColor kMeanChordInk(90, 90, 90);
const QColor kCgBand(215, 225, 255);
const QColor kOutlineInk(96, 96, 96);
const QColor kOutlineFill(242, 242, 242);

QString qs(const std::string& s) { return QString::fromStdString(s); }

bool isCg(MarkKind kind) {
  return kind == MarkKind::CgForward || kind == MarkKind::CgAft || kind == MarkKind::CgManual;
}

QColor inkOf(MarkKind kind) {
  if (isCg(kind)) return kCgInk;
  if (kind == MarkKind::NeutralPoint) return kNeutralPointInk;
  return kind == MarkKind::MeanChordLeadingEdge ? kMeanChordInk : QColor(Qt::black);
}

QFont templateFont(double points, bool bold) {
  QFont f(QStringLiteral("Sans Serif"));
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

double pixelsPerMm(const QPaintDevice& device) { return device.logicalDpiY() / 25.4; }

// Measures `t` (its text, font and wrap width) on `device` and sets its extent from (left, top).
void place(TemplateText& t, double left, double top, const QPaintDevice& device) {
  const double k = pixelsPerMm(device);
  const QFontMetricsF metrics(templateFont(t.points, t.bold), &device);
  const QRectF used = t.wrapWidth > 0
                          ? metrics.boundingRect(QRectF(0, 0, t.wrapWidth * k, 1e7),
                                                 Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, qs(t.text))
                          : metrics.boundingRect(QRectF(0, 0, 1e7, 1e7), Qt::AlignLeft | Qt::AlignTop, qs(t.text));
  t.left = left;
  t.top = top;
  t.right = left + used.width() / k;
  t.bottom = top + used.height() / k;
}

// The mark lines' labels, each just above its line; where it would overlap the label before it or
// be crossed by another line, it moves down below them (a cluster of close lines gets its labels
// under it), and a stack that runs past the drawing's foot is pushed back up.
void placeLabels(std::vector<TemplateText>& labels, const std::vector<double>& lineY, const TemplateLayout& l) {
  std::vector<std::size_t> order(labels.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return lineY[a] < lineY[b]; });
  std::vector<double> lines = lineY;
  std::sort(lines.begin(), lines.end());
  double floor = l.top + kLabelGap;
  for (std::size_t i : order) {
    TemplateText& t = labels[i];
    const double height = t.bottom - t.top;
    double top = std::max(lineY[i] - kLabelGap - height, floor);
    for (double y : lines)
      if (y + kLabelGap > top && y - kLabelGap < top + height) top = y + kLabelGap;
    t.top = top;
    t.bottom = top + height;
    floor = t.bottom + kLabelGap;
  }
  double ceiling = l.bottom - kLabelGap;
  for (auto i = order.rbegin(); i != order.rend(); ++i) {
    TemplateText& t = labels[*i];
    if (t.bottom <= ceiling) break;
    const double height = t.bottom - t.top;
    t.bottom = ceiling;
    t.top = ceiling - height;
    ceiling = t.top - kLabelGap;
  }
}

// The column's paragraphs from the drawing's top: the notes, the numbered steps, the flight
// direction and the marks beyond the page, in `points`; the bottom of the last one.
double placeColumn(std::vector<TemplateText>& texts, const std::vector<std::string>& notes,
                   const std::vector<std::string>& steps, const std::vector<std::pair<MarkKind, std::string>>& offPage,
                   const std::string& flight, double points, const QPaintDevice& device) {
  double y = kTop;
  const auto paragraph = [&](TemplateText::Role role, const std::string& s, double before, MarkKind mark) {
    TemplateText t{role, mark, s, points, false};
    t.wrapWidth = kColumnRight - kColumn;
    place(t, kColumn, y + before, device);
    y = t.bottom;
    texts.push_back(t);
  };
  for (const std::string& note : notes) paragraph(TemplateText::Role::Note, note, y > kTop ? 2 : 0, {});
  for (std::size_t i = 0; i < steps.size(); ++i)
    paragraph(TemplateText::Role::Step, formatInt(static_cast<long long>(i) + 1) + ". " + steps[i], 1.5, {});
  // Room for the arrow (9 mm) above the flight direction's words.
  TemplateText arrow{TemplateText::Role::Flight, {}, flight, points, false};
  place(arrow, kColumn + 5, y + 10, device);
  texts.push_back(arrow);
  y = arrow.bottom + 2;
  for (const auto& [mark, label] : offPage) paragraph(TemplateText::Role::OffPageMark, label, 1.5, mark);
  return y;
}

}  // namespace

std::string markLabel(const TemplateInput& in, const TemplateMark& m, Language language) {
  const double from = m.x - in.rootLeX;
  const std::string distance = formatFixed(std::fabs(from), 0, 1);
  // A distance that shows as 0.0 is behind, never "0.0 mm ahead of".
  const std::string direction(
      text(from < 0 && distance != formatFixed(0, 0, 1) ? TextId::TemplateAhead : TextId::TemplateBehind, language));
  const std::string mac = formatFixed(in.lmue > 0 ? (m.x - in.xLeRef) / in.lmue * 100 : 0, 0, 1);
  const auto cg = [&](const TemplateCg& c) {
    return filledText(TextId::TemplateLineCg, language, {formatTrimmed(c.margin, 1), distance, direction, mac});
  };
  switch (m.kind) {
    case MarkKind::RootLeadingEdge:
      return std::string(text(TextId::TemplateLineRootLe, language));
    case MarkKind::MeanChordLeadingEdge:
      return filledText(TextId::TemplateLineMeanChordLe, language, {distance, direction});
    case MarkKind::CgForward:
      return cg(in.forward);
    case MarkKind::CgAft:
      return cg(in.aft);
    case MarkKind::CgManual:
      return cg(in.manual.value_or(TemplateCg{}));
    case MarkKind::NeutralPoint:
      break;
  }
  return filledText(TextId::TemplateLineNeutralPoint, language, {distance, direction, mac});
}

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

TemplateLayout templateLayout(const TemplateInput& in, Paper paper) {
  TemplateLayout l;
  l.left = kLeft;
  l.right = kRight;
  l.top = kTop;
  l.bottom = paperHeightMm(paper) - kFootMargin;
  l.rulerX = kRulerX;
  l.rulerTop = l.bottom - kRulerGap - kRulerLengthMm;

  l.marks.push_back({MarkKind::RootLeadingEdge, in.rootLeX});
  l.marks.push_back({MarkKind::MeanChordLeadingEdge, in.xLeRef});
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

std::vector<TemplateText> templateTexts(const TemplateInput& in, const TemplateLayout& l, Language language,
                                        const QPaintDevice& device) {
  std::vector<TemplateText> texts;
  TemplateText title{TemplateText::Role::Title, {}, std::string(text(TextId::TemplateTitle, language)), 15, true};
  place(title, kLeft, 0, device);
  title.bottom -= title.top;  // the title stands on its baseline above the drawing
  title.top = kTitleBaseline - (title.bottom * 0.8);
  title.bottom += title.top;
  texts.push_back(title);

  // The file name right-aligned to the column's edge, shortened in the middle to 70 mm.
  const double k = pixelsPerMm(device);
  const QString name = QFontMetricsF(templateFont(10, false), &device)
                           .elidedText(QFileInfo(qs(in.fileName)).fileName(), Qt::ElideMiddle, 70 * k);
  TemplateText file{TemplateText::Role::FileName, {}, name.toStdString(), 10, false};
  place(file, 0, title.top, device);
  const double width = file.right - file.left;
  file.left = kColumnRight - width;
  file.right = kColumnRight;
  if (!name.isEmpty()) texts.push_back(file);

  std::vector<std::string> notes{filledText(TextId::TemplateDistances, language, {formatInt(in.wing)})};
  if (in.withFuselage) notes.emplace_back(text(TextId::TemplateWithFuselage, language));
  std::vector<std::string> steps;
  for (TextId id :
       {TextId::TemplateStepPrint, TextId::TemplateStepCut, TextId::TemplateStepLay, TextId::TemplateStepMark,
        in.manual ? TextId::TemplateStepBalanceManual : TextId::TemplateStepBalanceRange})
    steps.emplace_back(text(id, language));
  std::vector<std::pair<MarkKind, std::string>> offPage;
  for (const TemplateMark& m : l.marks)
    if (!m.onPage)
      offPage.emplace_back(m.kind, filledText(TextId::TemplateOffPage, language, {markLabel(in, m, language)}));
  // The column ends above the ruler: a long text (German, a fuselage, marks beyond the page) is
  // set smaller until it does.
  const std::string flight(text(TextId::TemplateFlight, language));
  const std::size_t before = texts.size();
  for (double points = 8; points >= 5; points -= 0.5) {
    texts.resize(before);
    if (placeColumn(texts, notes, steps, offPage, flight, points, device) <= l.rulerTop - 3) break;
  }

  std::vector<TemplateText> labels;
  std::vector<double> lineY;
  for (const TemplateMark& m : l.marks) {
    if (!m.onPage) continue;
    TemplateText t{TemplateText::Role::LineLabel, m.kind, markLabel(in, m, language), kLabelPoints, false};
    t.wrapWidth = kLabelRight - kLabelLeft;
    place(t, kLabelLeft, 0, device);
    labels.push_back(t);
    lineY.push_back(m.pageY);
  }
  placeLabels(labels, lineY, l);
  texts.insert(texts.end(), labels.begin(), labels.end());
  return texts;
}

void drawBalanceTemplate(QPainter& p, int dpi, const TemplateInput& in, Language language, Paper paper) {
  const TemplateLayout l = templateLayout(in, paper);
  const double k = dpi / 25.4;  // device pixels per mm
  const auto at = [k](double x, double y) { return QPointF(x * k, y * k); };
  const auto pen = [&p, k](const QColor& colour, double widthMm, Qt::PenStyle style = Qt::SolidLine) {
    QPen line(colour);
    line.setWidthF(widthMm * k);
    line.setCapStyle(Qt::FlatCap);
    line.setStyle(style);
    p.setPen(line);
  };
  const auto font = [&p](double points, bool bold = false) { p.setFont(templateFont(points, bold)); };
  const auto write = [&](double x, double y, const std::string& s) { p.drawText(QPointF(x * k, y * k), qs(s)); };
  const std::vector<TemplateText> texts = templateTexts(in, l, language, *p.device());

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

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
    pen(inkOf(m.kind), 0.3, m.kind == MarkKind::MeanChordLeadingEdge ? Qt::DashLine : Qt::SolidLine);
    p.drawLine(at(l.left, m.pageY), at(l.right, m.pageY));
  }
  // A label moved off its line is tied to it by a thin leader left of the text.
  for (const TemplateText& t : texts) {
    if (t.role != TemplateText::Role::LineLabel) continue;
    for (const TemplateMark& m : l.marks)
      if (m.kind == t.mark && (m.pageY < t.bottom - 0.2 || m.pageY > t.bottom + 2 * kLabelGap)) {
        pen(inkOf(m.kind), 0.15);
        const double middle = (t.top + t.bottom) / 2;
        p.drawLine(at(l.left + 1.5, m.pageY), at(l.left + 1.5, middle));
        p.drawLine(at(l.left + 1.5, middle), at(t.left - 0.3, middle));
      }
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

  // The texts where their layout put them; the flight direction under a red arrow pointing up.
  for (const TemplateText& t : texts) {
    QColor ink = Qt::black;
    if (t.role == TemplateText::Role::LineLabel) ink = inkOf(t.mark);
    if (t.role == TemplateText::Role::Flight) {
      ink = kNeutralPointInk;
      pen(ink, 0.4);
      const double x = kColumn + 1.5, tail = t.bottom, head = t.top - 8;
      p.drawLine(at(x, tail), at(x, head));
      p.drawLine(at(x, head), at(x - 1.5, head + 2.5));
      p.drawLine(at(x, head), at(x + 1.5, head + 2.5));
    }
    p.setPen(ink);
    font(t.points, t.bold);
    const int flags = t.wrapWidth > 0 ? Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop;
    const double right = t.wrapWidth > 0 ? t.left + t.wrapWidth : t.right + 1;
    p.drawText(QRectF(at(t.left, t.top), at(right, t.bottom + 1)), flags, qs(t.text));
  }

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
                                               const WriteStep& write, Paper paper) {
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
    writer.setPageLayout(QPageLayout(pageSizeOf(paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (painter.begin(&writer)) {
      drawBalanceTemplate(painter, kDpi, input, language, paper);
      if (painter.end() && isWholePdf(bytes)) pdf = bytes;
    }
  }
  return writePageFile(path, pdf, write);
}

}  // namespace volantis4
