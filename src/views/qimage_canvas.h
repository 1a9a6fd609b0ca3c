#pragma once
// The canvas over a QImage, painted with QPainter without antialiasing so that every pixel
// lands where the drawing rules put it.

#include <QImage>
#include <QPainter>
#include <memory>

#include "views/canvas.h"

class QPainter;

namespace volantis4 {

/// Pixel rules: a 1-pixel line covers its start pixel and not its end pixel, in whichever
/// direction it runs, one pixel per step of the longer axis, nearest to the exact line; wider
/// lines are flat-capped strokes centred on the line. A rectangle's 1-pixel border is its
/// outermost ring of pixels. Text sizes convert points to pixels at 96 dpi. A borrowed image
/// must have a 32-bit format.
///
/// Sizes and coordinates are logical pixels. At a device pixel ratio above 1 (a scaled screen)
/// the image holds ratio x as many device pixels and is painted with the same geometry at the
/// device's resolution, so that the picture stays sharp; at ratio 1 the rules above hold pixel
/// for pixel.
class QImageCanvas : public Canvas {
 public:
  /// A canvas owning a white image of width x height logical pixels at `devicePixelRatio`.
  explicit QImageCanvas(int width = 0, int height = 0, double devicePixelRatio = 1.0);
  /// A canvas painting on `target` (at its device pixel ratio), which the caller keeps alive as
  /// long as the canvas.
  explicit QImageCanvas(QImage* target);
  QImageCanvas(const QImageCanvas&) = delete;
  QImageCanvas& operator=(const QImageCanvas&) = delete;

  int width() const override { return width_; }
  int height() const override { return height_; }
  /// Keeps the top-left content; new pixels are white.
  void resize(int width, int height) override;

  double devicePixelRatio() const { return ratio_; }
  /// A new device pixel ratio; the content is kept, scaled, until the owner redraws it.
  void setDevicePixelRatio(double ratio);

  void fillRect(Rect rect) override;
  void polygon(const std::vector<Point>& points) override;
  void textOut(int x, int y, std::string_view text) override;
  void stretchDraw(Rect target, const Canvas& source) override;

  /// The picture as drawn so far.
  const QImage& image() const {
    finishPainting();
    return *image_;
  }

 protected:
  void drawLine(Point from, Point to) override;

 private:
  /// One painter for a run of drawing calls (beginning a painter for each of the thousands of
  /// panels of a lattice costs more than drawing them), finished before the image is read or
  /// written otherwise.
  QPainter& painting();
  void finishPainting() const { painter_.reset(); }
  void preparePen(QPainter& painter) const;
  bool scaled() const { return ratio_ != 1.0; }
  void drawScaledLine(Point from, Point to);
  void reallocate(int width, int height, double ratio);

  QImage owned_;
  QImage* image_;  // owned_ or the caller's image
  int width_ = 0, height_ = 0;
  double ratio_ = 1.0;
  mutable std::unique_ptr<QPainter> painter_;  // goes before the image it paints on
};

/// The system colours from the application's palette (tool-tip base, midlight).
SystemColours systemColoursFromPalette();

}  // namespace volantis4
