#pragma once
// A canvas over a QPainter of any device (printer, PDF) whose world transform maps the canvas's
// pixels onto the device: text stays text and pictures stay images at the device's resolution.

#include "views/canvas.h"

class QPainter;

namespace volantis4 {

/// Draws in canvas pixels through `painter`, which the caller keeps active as long as the canvas.
/// Text sizes convert points to canvas pixels at 96 dpi, as on the page image.
class PainterCanvas : public Canvas {
 public:
  PainterCanvas(QPainter& painter, int width, int height) : painter_(painter), width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  /// Only the size changes: the device keeps what was drawn.
  void resize(int width, int height) override;

  void fillRect(Rect rect) override;
  void polygon(const std::vector<Point>& points) override;
  void textOut(int x, int y, std::string_view text) override;
  /// Draws a QImageCanvas source; other sources are skipped.
  void stretchDraw(Rect target, const Canvas& source) override;

 protected:
  void drawLine(Point from, Point to) override;

 private:
  QPainter& painter_;
  int width_;
  int height_;
};

}  // namespace volantis4
