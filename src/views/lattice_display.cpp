#include "views/lattice_display.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "model/numbers.h"
#include "solver/calculation_output.h"
#include "views/three_d_view.h"
#include "views/top_view.h"

namespace volantis4 {
namespace {

int offsetPixel(int origin, double mm, double scale) { return origin + roundHalfEven(mm * scale); }

double panelLoad(const WingVortexResult& result, std::size_t index) {
  return index < result.panel_dcp.size() ? result.panel_dcp[index] : 0.0;
}

}  // namespace

int pressureExaggeration(int scrollBar6Position) { return 100 - scrollBar6Position; }

std::optional<Rgb> pressureColour(double P, int k) {
  const double t = k * P * 10000;
  if (P >= 0 && t > 0) {
    const int c = std::max(255 - roundHalfEven(std::pow(t, 0.35)), 0);
    return Rgb{255, c, c};
  }
  if (P < 0) {
    const int c = std::max(255 - roundHalfEven(std::pow(-t, 0.35)), 0);
    return Rgb{c, c, 255};
  }
  return std::nullopt;  // P = 0 (or not a number)
}

void DrawGrid1(Canvas& canvas, const TopViewState& view, const CalculationOutput& output, int wing,
               PressureDisplay pressure, const SystemColours& colours) {
  const WingLattice& lattice = output.lattice.wing(wing);
  const WingVortexResult& result = output.vortex.wing(wing);
  const int cxg = canvas.width() / 2;
  const double s = view.scale;
  const auto rows = static_cast<std::size_t>(std::max(lattice.n_chord, 0));
  std::vector<Point> corners(4);
  std::size_t panel = 0;
  for (const Strip& strip : lattice.strips) {
    const int X1 = offsetPixel(cxg, strip.inner.y, s);
    const int X2 = offsetPixel(cxg, strip.outer.y, s);
    for (std::size_t k = 0; k < rows; ++k, ++panel) {
      if (k + 1 >= strip.inner.cornerX.size() || k + 1 >= strip.outer.cornerX.size()) continue;
      canvas.setPenColour(wingColour(wing));
      if (pressure.on) {
        if (const auto colour = pressureColour(panelLoad(result, panel), pressure.exaggeration)) {
          canvas.setBrushColour(*colour);
          canvas.setPenColour(*colour);
        }
      }
      corners[0] = {X1, offsetPixel(view.y0, strip.inner.cornerX[k], s)};
      corners[1] = {X2, offsetPixel(view.y0, strip.outer.cornerX[k], s)};
      corners[2] = {X2, offsetPixel(view.y0, strip.outer.cornerX[k + 1], s)};
      corners[3] = {X1, offsetPixel(view.y0, strip.inner.cornerX[k + 1], s)};
      canvas.polygon(corners);
    }
  }
  canvas.setBrushColour(colours.infoBackground);
}

void DrawGrid(Canvas& canvas, const TopViewState& view, const CalculationOutput& output, PressureDisplay pressure,
              const SystemColours& colours) {
  for (int r = 1; r <= kWingCount; ++r)
    for (int w = 1; w <= kWingCount; ++w)
      if (view.rank[wingIndex(w)] == r) DrawGrid1(canvas, view, output, w, pressure, colours);
}

bool CheckBoxAClick(const Document& doc, Canvas& topView, Canvas& image3, TopViewState& view, ThreeDState& three,
                    PressureDisplay pressure, const SystemColours& colours) {
  const TopViewInput input = topViewInput(doc, colours, pressure);
  clearView(topView, colours);
  d_1d(topView, view, input, true);
  drawResultOverlay(topView, view, input, true, false);
  d_3d(image3, topView, three, view, threeDInput(doc, colours, pressure));
  return pressure.on;
}

}  // namespace volantis4
