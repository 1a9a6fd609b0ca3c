#include "views/fuselage_sketch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/numbers.h"

namespace volantis4 {
namespace {

constexpr int kSketchMargin = 10;
constexpr Rgb kBodyFill{235, 235, 235};

}  // namespace

Point FuselageSketchScale::at(double x, double y) const {
  return {centre + roundHalfEven(y * scale), top + roundHalfEven((x - x0) * scale)};
}

FuselageSketchScale fuselageSketchScale(const FuselageInput* fuselage, const AircraftGeometry& geometry, int wingsCount,
                                        int width, int height) {
  double front = 0, rear = 0, halfWidth = 0;
  bool any = false;
  const auto take = [&](double x, double y) {
    front = any ? std::min(front, x) : x;
    rear = any ? std::max(rear, x) : x;
    halfWidth = std::max(halfWidth, std::fabs(y));
    any = true;
  };
  if (fuselage != nullptr)
    for (const FuselageStation& s : fuselage->stations) take(s.x, s.width / 2.0);
  for (int w = 1; w <= wingsCount; ++w) {
    take(geometry.position(w).x, geometry.wing(w).gap);
    take(geometry.position(w).x + geometry.wing(w).chord[0], geometry.wing(w).gap);
  }
  FuselageSketchScale s;
  const double length = std::max(rear - front, 1.0);
  const double usableHeight = std::max(height - 2 * kSketchMargin, 1);
  const double usableHalf = std::max(width / 2 - kSketchMargin, 1);
  s.scale = std::min(usableHeight / length, halfWidth > 0 ? usableHalf / halfWidth : usableHeight / length);
  s.x0 = front;
  s.centre = roundHalfEven(width / 2.0);
  s.top = kSketchMargin;
  return s;
}

void drawFuselageSketch(Canvas& canvas, const FuselageInput* fuselage, const AircraftGeometry& geometry, int wingsCount,
                        const SystemColours& colours) {
  canvas.setBrushColour(colours.infoBackground);
  canvas.setPenColour(kGrey);
  canvas.setPenWidth(1);
  canvas.fillRect({0, 0, canvas.width(), canvas.height()});
  const FuselageSketchScale s = fuselageSketchScale(fuselage, geometry, wingsCount, canvas.width(), canvas.height());
  canvas.line(s.centre, 0, s.centre, canvas.height());

  if (fuselage != nullptr && fuselage->stations.size() >= 2) {
    std::vector<Point> outline;
    for (const FuselageStation& st : fuselage->stations) outline.push_back(s.at(st.x, st.width / 2.0));
    for (auto st = fuselage->stations.rbegin(); st != fuselage->stations.rend(); ++st)
      outline.push_back(s.at(st->x, -st->width / 2.0));
    canvas.setBrushColour(kBodyFill);
    canvas.setPenColour(kGrey);
    canvas.polygon(outline);
  }
  for (int w = 1; w <= wingsCount; ++w) {
    const double le = geometry.position(w).x;
    const double te = le + geometry.wing(w).chord[0];
    const double gap = geometry.wing(w).gap;
    canvas.setPenColour(wingColour(w));
    canvas.setPenWidth(2);
    for (double side : {1.0, -1.0}) {
      const Point a = s.at(le, side * gap), b = s.at(te, side * gap);
      canvas.line(a.x, a.y, b.x, b.y);
    }
    canvas.setPenWidth(1);
    for (double x : {le, te}) {
      const Point a = s.at(x, -gap), b = s.at(x, gap);
      canvas.line(a.x - 6, a.y, b.x + 6, b.y);
    }
  }
  canvas.setPenWidth(1);
}

}  // namespace volantis4
