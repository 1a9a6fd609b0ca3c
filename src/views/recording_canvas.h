#pragma once
// A canvas that paints nothing and records every drawing call with the pen, brush and font
// in force, for tests that check coordinates and colours exactly.

#include <vector>

#include "views/canvas.h"

namespace volantis4 {

struct DrawCall {
  enum class Kind { Resize, FillRect, Line, Polygon, Text, StretchDraw };
  Kind kind = Kind::Line;
  // Resize: {width, height}; FillRect, StretchDraw: {left, top}, {right, bottom};
  // Line: {from}, {to}; Polygon: the vertices as given; Text: {x, y}.
  std::vector<Point> points;
  Rgb penColour;
  int penWidth = 1;
  Rgb brushColour;
  Font font;
  std::string text;  // Text: the text; StretchDraw: empty
  Point sourceSize;  // StretchDraw: the source canvas's width and height
  bool operator==(const DrawCall&) const = default;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(int width = 0, int height = 0) : width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  void resize(int width, int height) override;

  void fillRect(Rect rect) override;
  void polygon(const std::vector<Point>& points) override;
  void textOut(int x, int y, std::string_view text) override;
  void stretchDraw(Rect target, const Canvas& source) override;

  const std::vector<DrawCall>& calls() const { return calls_; }
  /// Forgets the recorded calls; size, pen, brush and font stay.
  void clearCalls() { calls_.clear(); }

 protected:
  void drawLine(Point from, Point to) override;

 private:
  DrawCall record(DrawCall::Kind kind, std::vector<Point> points);

  int width_;
  int height_;
  std::vector<DrawCall> calls_;
};

}  // namespace volantis4
