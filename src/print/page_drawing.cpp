#include "print/page_drawing.h"

#include <QPainter>

#include "model/numbers.h"
#include "print/painter_canvas.h"
#include "print/summary_page.h"

namespace volantis4 {

Rect pagePlacement(int xDpi, int solverWingsCount) {
  const double f = xDpi / 600.0 * (solverWingsCount <= 3 ? 4.9 : 3.9);
  return {roundHalfEven(100 * f), roundHalfEven(100 * f), roundHalfEven(900 * f), roundHalfEven(1800 * f)};
}

void drawPageOnPainter(QPainter& painter, Rect target, const PageDrawing& page) {
  painter.save();
  painter.translate(target.left, target.top);
  painter.scale(static_cast<double>(target.right - target.left) / kSummaryPageWidth,
                static_cast<double>(target.bottom - target.top) / kSummaryPageHeight);
  painter.setClipRect(0, 0, kSummaryPageWidth, kSummaryPageHeight);
  PainterCanvas canvas(painter, kSummaryPageWidth, kSummaryPageHeight);
  page(canvas);
  painter.restore();
}

}  // namespace volantis4
