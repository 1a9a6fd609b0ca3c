#include "views/recording_canvas.h"

namespace volantis4 {

DrawCall RecordingCanvas::record(DrawCall::Kind kind, std::vector<Point> points) {
  DrawCall call;
  call.kind = kind;
  call.points = std::move(points);
  call.penColour = penColour();
  call.penWidth = penWidth();
  call.brushColour = brushColour();
  call.font = font();
  return call;
}

void RecordingCanvas::resize(int width, int height) {
  width_ = width;
  height_ = height;
  calls_.push_back(record(DrawCall::Kind::Resize, {{width, height}}));
}

void RecordingCanvas::fillRect(Rect rect) {
  calls_.push_back(record(DrawCall::Kind::FillRect, {{rect.left, rect.top}, {rect.right, rect.bottom}}));
}

void RecordingCanvas::polygon(const std::vector<Point>& points) {
  calls_.push_back(record(DrawCall::Kind::Polygon, points));
}

void RecordingCanvas::textOut(int x, int y, std::string_view text) {
  DrawCall call = record(DrawCall::Kind::Text, {{x, y}});
  call.text = std::string(text);
  calls_.push_back(std::move(call));
}

void RecordingCanvas::stretchDraw(Rect target, const Canvas& source) {
  DrawCall call = record(DrawCall::Kind::StretchDraw, {{target.left, target.top}, {target.right, target.bottom}});
  call.sourceSize = {source.width(), source.height()};
  calls_.push_back(std::move(call));
}

void RecordingCanvas::drawLine(Point from, Point to) { calls_.push_back(record(DrawCall::Kind::Line, {from, to})); }

}  // namespace volantis4
