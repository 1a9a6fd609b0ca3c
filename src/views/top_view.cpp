#include "views/top_view.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/stability_texts.h"
#include "model/numbers.h"
#include "solver/calculation_output.h"
#include "views/planform_view.h"

namespace volantis4 {
namespace {

// Row of aircraft x (mm) on the view: R(x·s + y0).
int rowOf(double x, const TopViewState& state) { return roundHalfEven(x * state.scale + state.y0); }

// The centre column of the marks, R(W / 2).
int markColumn(const Canvas& canvas) { return roundHalfEven(canvas.width() / 2.0); }

Rgb inkColour(LegendLine::Ink ink) {
  switch (ink) {
    case LegendLine::Ink::Blue:
      return kBlue;
    case LegendLine::Ink::Red:
      return kRed;
    case LegendLine::Ink::Black:
      break;
  }
  return kBlack;
}

// Extents of one wing for the layout: half span A, rear B and front C (mm, aircraft x).
struct Extent {
  std::int64_t span = 1, rear = 1, front = 0;
};

Extent extentOf(const Wing& wing, const WingPosition& position) {
  const auto n = static_cast<std::size_t>(std::clamp(wing.wingsections, 2, kSectionCount));
  std::int64_t aft = wing.chord[0];
  std::int64_t ahead = wing.x[1];
  for (std::size_t k = 1; k < n; ++k) {
    aft = std::max(aft, static_cast<std::int64_t>(wing.x[k]) + wing.chord[k]);
    ahead = std::min(ahead, static_cast<std::int64_t>(wing.x[k]));
  }
  return {wing.y[n - 1], position.x + aft, position.x + ahead};
}

}  // namespace

TopViewInput topViewInput(const Document& doc, const SystemColours& colours, PressureDisplay pressure) {
  TopViewInput in;
  in.geometry = &doc.geometry;
  in.wingsCount = std::clamp(doc.form.wingsCount, 1, kWingCount);
  in.language = doc.language;
  in.colours = colours;
  in.resultsValid = doc.run.flags.results_valid;
  in.gridValid = doc.run.flags.grid_valid;
  in.results = doc.results;
  in.proposal = proposalOf(doc);
  in.manualChoice = doc.stability.manual;
  in.output = doc.output.get();
  in.pressure = pressure;
  in.fuselage = doc.fuselage ? &*doc.fuselage : nullptr;
  return in;
}

std::array<int, kWingCount> drawingOrder(const AircraftGeometry& geometry) {
  std::array<int, kWingCount> rank{};
  for (int i = 1; i <= kWingCount; ++i) {
    int lower = 0;
    for (int j = 1; j <= kWingCount; ++j)
      if (geometry.position(j).z < geometry.position(i).z) ++lower;
    rank[wingIndex(i)] = 1 + lower;
  }
  return rank;
}

void topViewLayout(TopViewState& state, const AircraftGeometry& geometry, int wingsCount, int width, int height,
                   const FuselageInput* fuselage) {
  std::int64_t span = 0, rear = 0, front = 0;
  for (int w = 1; w <= kWingCount; ++w) {
    const Extent e = w <= wingsCount ? extentOf(geometry.wing(w), geometry.position(w)) : Extent{};
    span = w == 1 ? e.span : std::max(span, e.span);
    rear = w == 1 ? e.rear : std::max(rear, e.rear);
    front = w == 1 ? e.front : std::min(front, e.front);
  }
  front = std::min<std::int64_t>(front, geometry.position(1).x);
  if (fuselage != nullptr && !fuselage->stations.empty()) {
    front = std::min<std::int64_t>(front, fuselage->stations.front().x);
    rear = std::max<std::int64_t>(rear, fuselage->stations.back().x);
    for (const FuselageStation& s : fuselage->stations) span = std::max<std::int64_t>(span, (s.width + 1) / 2);
  }
  const double spanScale = span > 0 ? (width / 2.03) / static_cast<double>(span) : 1.0;
  const double depth = static_cast<double>(rear - front);
  const double depthScale = depth > 0 ? (height / 1.26) / depth : 1.0;
  const double s = std::min(spanScale, depthScale);
  state.baseScale = state.scale = state.scale3d = s;
  state.cx = roundHalfEven(width / 2.0);
  state.y0 = front < 0 ? roundHalfEven(height / 7.0 - static_cast<double>(front) * s) : roundHalfEven(height / 7.0);
}

void clearView(Canvas& canvas, const SystemColours& colours) {
  canvas.setBrushColour(colours.infoBackground);
  canvas.setPenColour(kGrey);
  canvas.fillRect({0, 0, canvas.width(), canvas.height()});
}

void d_1d(Canvas& canvas, TopViewState& state, const TopViewInput& input, bool layout) {
  const int W = canvas.width();
  const int H = canvas.height();
  if (layout) topViewLayout(state, *input.geometry, input.wingsCount, W, H, input.fuselage);
  const int cx = state.cx;
  const int y0 = state.y0;

  drawAxesAndFlightArrow(canvas, W, H, cx, y0);
  if (input.fuselage != nullptr) {
    canvas.setPenColour(kGrey);
    canvas.setPenWidth(1);
    const std::vector<Point> outline = fuselageOutline(*input.fuselage, state);
    if (!outline.empty()) canvas.moveTo(outline.front().x, outline.front().y);
    for (const Point& p : outline) canvas.lineTo(p.x, p.y);
  }

  canvas.setFontColour(kBlack);
  canvas.textOut(cx + 4, H - 20, text(TextId::AxisLabelX, input.language));
  canvas.textOut(W - 20, y0 - 16, text(TextId::AxisLabelY, input.language));

  state.rank = drawingOrder(*input.geometry);
  for (int r = 1; r <= kWingCount; ++r) {
    for (int w = 1; w <= input.wingsCount; ++w) {
      if (state.rank[wingIndex(w)] != r) continue;
      canvas.setPenColour(wingColour(w));
      canvas.setPenWidth(1);
      PlanformMapping origin;
      origin.cx = cx;
      origin.cy = rowOf(input.geometry->position(w).x, state);
      origin.scale = state.scale;
      drawWingOutline(canvas, input.geometry->wing(w), origin);
    }
  }

  canvas.setFontColour(kRed);
  canvas.textOut(cx + 27, 2, text(TextId::TopViewFlightDirection, input.language));
}

std::string drawResultOverlay(Canvas& canvas, TopViewState& state, const TopViewInput& input, bool layout,
                              bool fromOpen) {
  if (!input.resultsValid) return label21Caption(false, 0, input.proposal, input.language);
  const SystemColours& colours = input.colours;
  clearView(canvas, colours);
  // The lattice and reference wing are drawn at the scale d_1d is about to use.
  if (layout) topViewLayout(state, *input.geometry, input.wingsCount, canvas.width(), canvas.height(), input.fuselage);
  state.rank = drawingOrder(*input.geometry);
  const bool lattice = input.gridValid && !fromOpen && input.output != nullptr;
  if (lattice) {
    canvas.setPenWidth(1);
    canvas.setPenColour(colours.light3D);
    canvas.setBrushColour(colours.light3D);
    const RefOutline& outline = input.output->vortex.ref_outline;
    std::vector<Point> points;
    const int count = std::clamp(outline.count, 0, static_cast<int>(outline.points.size()));
    for (int i = 0; i < count; ++i) {
      const auto& p = outline.points[static_cast<std::size_t>(i)];
      points.push_back({roundHalfEven(canvas.width() / 2.0 - p[1] * state.scale), rowOf(p[0], state)});
    }
    if (!points.empty()) canvas.polygon(points);
  }
  canvas.setBrushColour(colours.infoBackground);
  if (lattice) DrawGrid(canvas, state, *input.output, input.pressure, colours);
  d_1d(canvas, state, input, false);

  const AircraftResults& r = input.results;
  for (const LegendLine& legend :
       legendLines(r.sb, r.lmue, r.xnp, input.proposal, input.manualChoice, input.language)) {
    const bool onLight = legend.y == 232 && input.gridValid;
    canvas.setBrushColour(onLight ? colours.light3D : colours.infoBackground);
    canvas.setFontColour(inkColour(legend.ink));
    canvas.textOut(9, legend.y, legend.text);
  }
  canvas.setBrushColour(colours.infoBackground);

  const int c = markColumn(canvas);
  canvas.setPenWidth(2);
  canvas.setPenColour(kRed);
  const int np = rowOf(r.xnp, state);
  canvas.line(c - 4, np, c + 4, np);
  canvas.setPenColour(kBlue);
  if (input.manualChoice) {
    const int row = rowOf(input.proposal.x_cg_manual, state);
    canvas.line(c - 3, row, c + 3, row);
  } else {
    const int low = rowOf(input.proposal.x_cg_low, state);
    const int high = rowOf(input.proposal.x_cg_high, state);
    canvas.line(c - 3, low, c + 3, low);
    canvas.line(c, low, c, high);
    canvas.line(c - 3, high, c + 3, high);
  }
  canvas.setPenWidth(1);
  return label21Caption(true, r.xnp, input.proposal, input.language);
}

void Zeiger(Canvas& canvas, const TopViewState& state, const TopViewInput& input) {
  const int end = markColumn(canvas) - 7;
  canvas.setPenColour(kBlue);
  if (input.manualChoice) {
    canvas.line(162, 290, 176, 290);
    canvas.lineTo(end, rowOf(input.proposal.x_cg_manual, state));
  } else {
    canvas.line(162, 274, 176, 274);
    canvas.lineTo(end, rowOf(input.proposal.x_cg_high, state));
    canvas.line(162, 290, 176, 290);
    canvas.lineTo(end, rowOf(input.proposal.x_cg_low, state));
  }
  canvas.setPenColour(kRed);
  canvas.line(162, 306, 176, 306);
  canvas.lineTo(end, rowOf(input.results.xnp, state));
}

std::vector<Point> fuselageOutline(const FuselageInput& fuselage, const TopViewState& state) {
  std::vector<Point> right, left;
  for (const FuselageStation& s : fuselage.stations) {
    const int row = rowOf(s.x, state);
    const int half = roundHalfEven(s.width / 2.0 * state.scale);
    right.push_back({state.cx + half, row});
    left.push_back({state.cx - half, row});
  }
  std::vector<Point> outline(right.begin(), right.end());
  outline.insert(outline.end(), left.rbegin(), left.rend());
  if (!outline.empty()) outline.push_back(outline.front());
  return outline;
}

double zoomedScale(double baseScale, int zoom) {
  const double s = baseScale * (1 + 0.04 * (100 - zoom));
  return s > baseScale ? s : baseScale;
}

void ScrollBar3Change(Canvas& canvas, TopViewState& state, const TopViewInput& input, int zoom) {
  state.zoom = zoom;
  state.scale = zoomedScale(state.baseScale, zoom);
  clearView(canvas, input.colours);
  d_1d(canvas, state, input, false);
  if (input.resultsValid) drawResultOverlay(canvas, state, input, false, false);
  if (state.scale > state.baseScale && input.resultsValid) Zeiger(canvas, state, input);
}

void Image4MouseDown(Canvas& canvas, TopViewState& state, const TopViewInput& input, Point at) {
  state.last = at;
  state.dragInactive = false;
  if (input.resultsValid) Zeiger(canvas, state, input);
}

void Image4MouseMove(Canvas& canvas, TopViewState& state, const TopViewInput& input, Point at, bool leftButton) {
  if (state.dragInactive || !leftButton) return;
  const int zoom = std::clamp(state.zoom + (state.last.y - at.y) / 3, 10, 100);
  if (zoom != state.zoom) ScrollBar3Change(canvas, state, input, zoom);
  state.last = at;
}

void Image4MouseUp(Canvas& canvas, TopViewState& state, const TopViewInput& input, Point at) {
  state.zoom = 100;
  state.last = at;
  state.dragInactive = true;
  clearView(canvas, input.colours);
  d_1d(canvas, state, input, true);
  if (input.resultsValid) drawResultOverlay(canvas, state, input, true, false);
}

std::string ScrollBar5Text(int position) { return formatFixed(30 - position / 2.0, 4, 1); }

}  // namespace volantis4
