#pragma once
// The canvas over a QImage, painted with QPainter without antialiasing so that every pixel
// lands where the drawing rules put it.

#include <QImage>

#include "views/canvas.h"

class QPainter;

namespace volantis4 {

/// Pixel rules: a 1-pixel line covers its start pixel and not its end pixel, in whichever
/// direction it runs, one pixel per step of the longer axis, nearest to the exact line; wider
/// lines are flat-capped strokes centred on the line. A rectangle's 1-pixel border is its
/// outermost ring of pixels. Text sizes convert points to pixels at 96 dpi. A borrowed image
/// must have a 32-bit format.
class QImageCanvas : public Canvas {
 public:
  /// A canvas owning a white image of width x height.
  explicit QImageCanvas(int width = 0, int height = 0);
  /// A canvas painting on `target`, which the caller keeps alive as long as the canvas.
  explicit QImageCanvas(QImage* target);
  QImageCanvas(const QImageCanvas&) = delete;
  QImageCanvas& operator=(const QImageCanvas&) = delete;

  int width() const override { return image_->width(); }
  int height() const override { return image_->height(); }
  /// Keeps the top-left content; new pixels are white.
  void resize(int width, int height) override;

  void fillRect(Rect rect) override;
  void polygon(const std::vector<Point>& points) override;
  void textOut(int x, int y, std::string_view text) override;
  void stretchDraw(Rect target, const Canvas& source) override;

  const QImage& image() const { return *image_; }

 protected:
  void drawLine(Point from, Point to) override;

 private:
  void preparePen(QPainter& painter) const;

  QImage owned_;
  QImage* image_;  // owned_ or the caller's image
};

/// The system colours from the application's palette (tool-tip base, midlight).
SystemColours systemColoursFromPalette();

}  // namespace volantis4
