#include "views/qimage_canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "model/numbers.h"
#include "views/qt_font.h"

namespace volantis4 {
namespace {

Rgb toRgb(const QColor& c) { return {c.red(), c.green(), c.blue()}; }

// Lines reaching this far out are clipped first, so that QPainter's fixed-point arithmetic and
// the line stepping below stay in range.
constexpr double kFar = 1'000'000;

// Liang-Barsky clipping of a segment to the square of half-side kFar; false when nothing is left.
bool clipFar(Point& from, Point& to) {
  const double x0 = from.x, y0 = from.y, dx = static_cast<double>(to.x) - x0, dy = static_cast<double>(to.y) - y0;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 + kFar, kFar - x0, y0 + kFar, kFar - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  from = {roundHalfEven(x0 + t0 * dx), roundHalfEven(y0 + t0 * dy)};
  to = {roundHalfEven(x0 + t1 * dx), roundHalfEven(y0 + t1 * dy)};
  return true;
}

bool isFar(Point p) { return std::abs(static_cast<double>(p.x)) > kFar || std::abs(static_cast<double>(p.y)) > kFar; }

}  // namespace

QImageCanvas::QImageCanvas(int width, int height, double devicePixelRatio) : image_(&owned_) {
  reallocate(width, height, devicePixelRatio);
}

QImageCanvas::QImageCanvas(QImage* target)
    : image_(target),
      width_(truncToInt(target->deviceIndependentSize().width() + 0.5)),
      height_(truncToInt(target->deviceIndependentSize().height() + 0.5)),
      ratio_(target->devicePixelRatio()) {}

// A white image of width x height logical pixels at `ratio`, with the old content drawn at its
// logical place.
void QImageCanvas::reallocate(int width, int height, double ratio) {
  finishPainting();
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  ratio_ = ratio > 0 ? ratio : 1.0;
  QImage next(static_cast<int>(std::ceil(width_ * ratio_)), static_cast<int>(std::ceil(height_ * ratio_)),
              QImage::Format_RGB32);
  next.setDevicePixelRatio(ratio_);
  next.fill(Qt::white);
  if (!image_->isNull() && !next.isNull()) {
    QPainter painter(&next);
    painter.drawImage(QPointF(0, 0), *image_);
  }
  *image_ = std::move(next);
}

void QImageCanvas::resize(int width, int height) { reallocate(width, height, ratio_); }

void QImageCanvas::setDevicePixelRatio(double ratio) {
  if (ratio != ratio_) reallocate(width_, height_, ratio);
}

QPainter& QImageCanvas::painting() {
  if (!painter_) painter_ = std::make_unique<QPainter>(image_);
  painter_->resetTransform();
  return *painter_;
}

void QImageCanvas::preparePen(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  QPen pen(toQColor(penColour()));
  pen.setWidth(std::max(penWidth(), 1));
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(toQColor(brushColour()));
}

void QImageCanvas::drawLine(Point from, Point to) {
  if (image_->isNull() || from == to) return;
  if ((isFar(from) || isFar(to)) && !clipFar(from, to)) return;
  if (scaled()) {
    drawScaledLine(from, to);
    return;
  }
  if (penWidth() > 1) {
    QPainter& painter = painting();
    preparePen(painter);
    painter.drawLine(from.x, from.y, to.x, to.y);
    return;
  }
  finishPainting();  // the pixels below go straight into the image
  // One-pixel lines are rasterised here: QPainter leaves out the end with the larger
  // coordinate whatever the direction, while a line must leave out its end point.
  const std::int64_t x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
  const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
  const std::int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
  const std::int64_t majorLength = std::abs(xMajor ? x1 - x0 : y1 - y0);
  const std::int64_t minorLength = std::abs(xMajor ? y1 - y0 : x1 - x0);
  const std::int64_t majorStep = (xMajor ? x1 - x0 : y1 - y0) < 0 ? -1 : 1;
  const std::int64_t minorStep = (xMajor ? y1 - y0 : x1 - x0) < 0 ? -1 : 1;
  const std::int64_t majorLimit = xMajor ? image_->width() : image_->height();
  const std::int64_t minorLimit = xMajor ? image_->height() : image_->width();
  // Only the steps whose major coordinate lies inside the image.
  std::int64_t first = 0, last = majorLength - 1;
  if (majorStep > 0) {
    first = std::max(first, -major0);
    last = std::min(last, majorLimit - 1 - major0);
  } else {
    first = std::max(first, major0 - (majorLimit - 1));
    last = std::min(last, major0);
  }
  const QRgb colour = qRgb(penColour().r, penColour().g, penColour().b);
  // Pixels of 32 bits are written straight into the image (a lattice of thousands of panels is
  // drawn while the window waits); other formats take the image's own setPixel.
  const QImage::Format format = image_->format();
  const bool direct = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                      format == QImage::Format_ARGB32_Premultiplied;
  uchar* const bits = direct ? image_->bits() : nullptr;
  const qsizetype bytesPerLine = image_->bytesPerLine();
  for (std::int64_t i = first; i <= last; ++i) {
    // Nearest pixel to the exact line; a tie moves away from the start.
    const std::int64_t minor = minor0 + minorStep * ((2 * i * minorLength + majorLength) / (2 * majorLength));
    const std::int64_t major = major0 + majorStep * i;
    if (minor < 0 || minor >= minorLimit) continue;
    const auto px = static_cast<int>(xMajor ? major : minor), py = static_cast<int>(xMajor ? minor : major);
    if (bits) {
      reinterpret_cast<QRgb*>(bits + py * bytesPerLine)[px] = colour;
    } else {
      image_->setPixel(px, py, colour);
    }
  }
}

// The same line at the device's resolution, covering what the aliased drawing covers at ratio 1:
// a 1-pixel line runs through the pixel centres, drawn back by half a pixel along its longer axis
// so that it covers the start pixel and stops where the end pixel begins; a wider flat-capped
// stroke runs between its end points, centred on the pixel centres across it when its width is odd.
void QImageCanvas::drawScaledLine(Point from, Point to) {
  QPainter& painter = painting();
  preparePen(painter);
  const double dx = static_cast<double>(to.x) - from.x, dy = static_cast<double>(to.y) - from.y;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  double shiftX = 0, shiftY = 0;
  if (penWidth() <= 1) {
    shiftX = xMajor ? (dx < 0 ? 1.0 : 0.0) : 0.5;
    shiftY = xMajor ? 0.5 : (dy < 0 ? 1.0 : 0.0);
  } else if (penWidth() % 2 == 1) {
    (xMajor ? shiftY : shiftX) = 0.5;
  }
  painter.drawLine(QPointF(from.x + shiftX, from.y + shiftY), QPointF(to.x + shiftX, to.y + shiftY));
}

void QImageCanvas::fillRect(Rect rect) {
  if (image_->isNull() || rect.right <= rect.left || rect.bottom <= rect.top) return;
  QPainter& painter = painting();
  preparePen(painter);
  if (scaled()) {
    const QRectF area(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    painter.fillRect(area, toQColor(brushColour()));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    return;
  }
  const QRect area(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
  painter.fillRect(area, toQColor(brushColour()));
  painter.setBrush(Qt::NoBrush);
  // A 1-pixel pen around (l, t, w-1, h-1) covers exactly the outermost ring.
  painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void QImageCanvas::polygon(const std::vector<Point>& points) {
  if (image_->isNull() || points.empty()) return;
  QPolygon shape;
  shape.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& p : points) shape << QPoint(p.x, p.y);
  QPainter& painter = painting();
  preparePen(painter);
  if (scaled()) painter.translate(0.5, 0.5);  // pixel centres, as the aliased drawing at ratio 1
  painter.drawPolygon(shape);
}

void QImageCanvas::textOut(int x, int y, std::string_view text) {
  if (image_->isNull() || text.empty()) return;
  const Font& f = font();
  QFont qfont = qtFontFor(f);
  qfont.setStyleStrategy(QFont::NoAntialias);
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));

  QPainter& painter = painting();
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(qfont);
  const QFontMetrics metrics(qfont);
  painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), toQColor(brushColour()));
  painter.setPen(toQColor(f.colour));
  painter.drawText(QPoint(x, y + metrics.ascent()), s);
}

void QImageCanvas::stretchDraw(Rect target, const Canvas& source) {
  const auto* other = dynamic_cast<const QImageCanvas*>(&source);
  if (image_->isNull() || other == nullptr || other->image().isNull()) return;
  const QSize size(target.right - target.left, target.bottom - target.top);
  if (size.isEmpty()) return;
  // Smooth scaling: a picture squeezed into fewer rows or columns blends them instead of dropping
  // whole pixel rows (which cuts letters in half).
  QImage scaled = other->image().scaled(size * ratio_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(ratio_);
  QPainter& painter = painting();
  painter.drawImage(QPoint(target.left, target.top), scaled);
}

SystemColours systemColoursFromPalette() {
  const QPalette palette = QGuiApplication::palette();
  return {toRgb(palette.color(QPalette::ToolTipBase)), toRgb(palette.color(QPalette::Midlight))};
}

}  // namespace volantis4
