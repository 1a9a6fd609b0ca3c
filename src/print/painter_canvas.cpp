#include "print/painter_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "model/numbers.h"
#include "views/qimage_canvas.h"
#include "views/qt_font.h"

namespace volantis4 {

void PainterCanvas::resize(int width, int height) {
  width_ = width;
  height_ = height;
}

void PainterCanvas::fillRect(Rect rect) {
  const QRectF r(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  painter_.fillRect(r, toQColor(brushColour()));
  if (penColour() == brushColour()) return;  // the border would not show
  painter_.save();
  painter_.setPen(QPen(toQColor(penColour()), 1.0));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
  painter_.restore();
}

void PainterCanvas::polygon(const std::vector<Point>& points) {
  QPolygon poly;
  for (const Point& p : points) poly << QPoint(p.x, p.y);
  painter_.save();
  painter_.setPen(QPen(toQColor(penColour()), std::max(1, penWidth())));
  painter_.setBrush(toQColor(brushColour()));
  painter_.drawPolygon(poly);
  painter_.restore();
}

void PainterCanvas::textOut(int x, int y, std::string_view text) {
  if (text.empty()) return;
  const Font& f = font();
  QFont qfont = qtFontFor(f);
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetricsF metrics(qfont);
  painter_.save();
  painter_.fillRect(QRectF(x, y, metrics.horizontalAdvance(s), metrics.height()), toQColor(brushColour()));
  painter_.setFont(qfont);
  painter_.setPen(toQColor(f.colour));
  painter_.drawText(QPointF(x, y + metrics.ascent()), s);
  painter_.restore();
}

void PainterCanvas::stretchDraw(Rect target, const Canvas& source) {
  const auto* image = dynamic_cast<const QImageCanvas*>(&source);
  if (image == nullptr || image->image().isNull()) return;
  painter_.save();
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.drawImage(QRectF(target.left, target.top, target.right - target.left, target.bottom - target.top),
                     image->image());
  painter_.restore();
}

void PainterCanvas::drawLine(Point from, Point to) {
  painter_.save();
  painter_.setPen(QPen(toQColor(penColour()), std::max(1, penWidth()), Qt::SolidLine, Qt::FlatCap));
  painter_.drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
  painter_.restore();
}

}  // namespace volantis4
