#include "views/planform_view.h"

#include <cstdint>

#include "model/language.h"
#include "model/numbers.h"

namespace volantis4 {
namespace {

// A row of the centre column: R(mm · s + cy), the root row added before rounding.
int centreRow(double mm, const PlanformMapping& m) { return roundHalfEven(mm * m.scale + m.cy); }

// Pixel corners of one wing half (side +1 right, -1 left), products rounded one by one.
struct HalfMapper {
  const Wing& wing;
  const PlanformMapping& m;
  int side;

  int column(std::size_t s) const {
    const int offset = roundHalfEven(wing.y[s] * m.scale);
    return static_cast<int>(static_cast<std::int64_t>(m.cx) + side * static_cast<std::int64_t>(offset));
  }
  Point leading(std::size_t s) const { return {column(s), planformPixel(m.cy, s == 0 ? 0 : wing.x[s], m.scale)}; }
  Point trailing(std::size_t s) const {
    const std::int64_t aft = static_cast<std::int64_t>(s == 0 ? 0 : wing.x[s]) + wing.chord[s];
    return {column(s), planformPixel(m.cy, static_cast<double>(aft), m.scale)};
  }
};

void moveTo(Canvas& canvas, Point p) { canvas.moveTo(p.x, p.y); }
void lineTo(Canvas& canvas, Point p) { canvas.lineTo(p.x, p.y); }

}  // namespace

void drawAxesAndFlightArrow(Canvas& canvas, int W, int H, int cx, int row) {
  canvas.setPenColour(kBlack);
  canvas.line(W, row, 0, row);
  canvas.line(cx, 0, cx, H);
  canvas.lineTo(cx + 2, H - 10);
  canvas.line(cx, H, cx - 2, H - 10);
  canvas.line(W - 10, row + 2, W, row);
  canvas.lineTo(W - 10, row - 2);

  canvas.setPenColour(kRed);
  canvas.line(cx + 20, 30, cx + 20, 3);
  canvas.lineTo(cx + 18, 13);
  canvas.line(cx + 20, 3, cx + 22, 13);
}

void drawWingOutline(Canvas& canvas, const Wing& wing, const PlanformMapping& m) {
  const HalfMapper right{wing, m, 1};
  const HalfMapper left{wing, m, -1};
  const bool gap = wing.gap != 0;
  // Trapezium 1: the root chord only with a gap (otherwise it lies on the centre line).
  moveTo(canvas, right.leading(0));
  lineTo(canvas, right.leading(1));
  lineTo(canvas, right.trailing(1));
  lineTo(canvas, right.trailing(0));
  if (gap) lineTo(canvas, right.leading(0));
  moveTo(canvas, left.trailing(0));
  lineTo(canvas, left.trailing(1));
  lineTo(canvas, left.leading(1));
  lineTo(canvas, left.leading(0));
  if (gap) lineTo(canvas, left.trailing(0));

  for (std::size_t inner = 1; inner + 1 < static_cast<std::size_t>(wing.wingsections); ++inner) {
    for (const HalfMapper* half : {&right, &left}) {
      moveTo(canvas, half->leading(inner));
      lineTo(canvas, half->leading(inner + 1));
      lineTo(canvas, half->trailing(inner + 1));
      lineTo(canvas, half->trailing(inner));
    }
  }
}

PlanformInput planformInput(const AircraftGeometry& geometry, int w, bool resultsValid, double acFromWingX) {
  return {w, geometry.wing(w), geometry.figure(w).r25, geometry.figure(w).lm, resultsValid, acFromWingX};
}

PlanformMapping drawPlanform(Canvas& canvas, const PlanformInput& input, const SystemColours& colours) {
  const int W = canvas.width();
  const int H = canvas.height();
  const PlanformMapping m = planformMapping(input.shape, W, H);
  const int cx = m.cx;
  const int cy = m.cy;

  canvas.setBrushColour(colours.infoBackground);
  canvas.fillRect({0, 0, W, H});

  drawAxesAndFlightArrow(canvas, W, H, cx, cy);

  if (m.drawable()) {
    canvas.setPenWidth(2);
    const int centre = centreRow(input.r25, m);
    canvas.line(cx - 1, centre, cx + 2, centre);

    canvas.setPenWidth(1);
    const double a = input.r25 - input.lm / 4;
    canvas.line(cx, centreRow(a, m), cx, centreRow(a + input.lm, m));

    if (input.resultsValid) {
      canvas.setPenColour(kBlack);
      const int row = centreRow(input.acFromWingX, m);
      canvas.line(cx - 3, row, cx + 4, row);
    }

    canvas.setPenColour(wingColour(input.wing));
    canvas.setPenWidth(1);
    drawWingOutline(canvas, input.shape, m);
  }

  canvas.textOut(cx + 5, H - 20, text(TextId::AxisLabelX, Language::English));
  canvas.textOut(W - 18, cy - 17, text(TextId::AxisLabelY, Language::English));
  return m;
}

}  // namespace volantis4
