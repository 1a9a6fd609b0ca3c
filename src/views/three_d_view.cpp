#include "views/three_d_view.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <numbers>

#include "model/numbers.h"
#include "solver/calculation_output.h"
#include "views/top_view.h"

namespace volantis4 {
namespace {

constexpr double kEyeDistance = 10000;
constexpr double kDegree = std::numbers::pi / 180;

Matrix4 identity() {
  Matrix4 m{};
  for (std::size_t i = 0; i < 4; ++i) m[i][i] = 1;
  return m;
}

// Draws polylines through projected points, leaving out every segment with an end behind the eye.
class Pen {
 public:
  Pen(Canvas& canvas, const std::vector<Projection>& projections)
      : canvas_(canvas), projections_(projections), width_(canvas.width()), height_(canvas.height()) {}

  void path(std::initializer_list<int> indices) {
    const int* previous = nullptr;
    bool placed = false;
    for (const int& index : indices) {
      if (previous != nullptr) segment(*previous, index, placed);
      previous = &index;
    }
  }
  void segment(int from, int to, bool& placed) {
    const Projection& a = at(from);
    const Projection& b = at(to);
    if (a.behind || b.behind) {
      placed = false;
      return;
    }
    if (!placed) {
      const Point p = screenPoint(a, width_, height_);
      canvas_.moveTo(p.x, p.y);
    }
    const Point q = screenPoint(b, width_, height_);
    canvas_.lineTo(q.x, q.y);
    placed = true;
  }
  void line(int from, int to) {
    bool placed = false;
    segment(from, to, placed);
  }

 private:
  const Projection& at(int index) const { return projections_[static_cast<std::size_t>(index)]; }

  Canvas& canvas_;
  const std::vector<Projection>& projections_;
  int width_, height_;
};

void drawWing(Pen& pen, int w, int sections) {
  auto le = [w](int side, int section) { return wingPointIndex(w, side, section, false); };
  auto te = [w](int side, int section) { return wingPointIndex(w, side, section, true); };
  for (int side : {0, 1}) pen.path({le(side, 1), le(side, 2), te(side, 2), te(side, 1), le(side, 1)});
  for (int outer = 3; outer <= sections; ++outer)
    for (int side : {0, 1}) pen.path({le(side, outer - 1), le(side, outer), te(side, outer), te(side, outer - 1)});
}

}  // namespace

Matrix4 MulMatrix(const Matrix4& a, const Matrix4& b) {
  Matrix4 out{};
  for (std::size_t i = 0; i < 4; ++i)
    for (std::size_t j = 0; j < 4; ++j) {
      double sum = 0;
      for (std::size_t k = 0; k < 4; ++k) sum += a[i][k] * b[k][j];
      out[i][j] = sum;
    }
  return out;
}

ViewAngles viewAngles(int tilt, int turn) { return {90.0 - tilt, 360.0 - turn}; }

Matrix4 viewingMatrix(int tilt, int turn) {
  const ViewAngles angles = viewAngles(tilt, turn);
  const double a = angles.a * kDegree, b = angles.b * kDegree;
  Matrix4 rz = identity();
  rz[0][0] = std::cos(b);
  rz[0][1] = std::sin(b);
  rz[1][0] = -std::sin(b);
  rz[1][1] = std::cos(b);
  Matrix4 rx = identity();
  rx[1][1] = std::cos(a);
  rx[1][2] = std::sin(a);
  rx[2][1] = -std::sin(a);
  rx[2][2] = std::cos(a);
  Matrix4 p = identity();
  p[1][3] = 1 / kEyeDistance;
  return MulMatrix(MulMatrix(rz, rx), p);
}

void Trans(const Matrix4& t, std::span<const Point3> points, std::vector<Projection>& projections) {
  projections.resize(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point3& p = points[i];
    const double e1 = p.p0 * t[0][0] + p.p1 * t[1][0] + p.p2 * t[2][0] + t[3][0];
    const double e3 = p.p0 * t[0][2] + p.p1 * t[1][2] + p.p2 * t[2][2] + t[3][2];
    const double w = p.p0 * t[0][3] + p.p1 * t[1][3] + p.p2 * t[2][3] + t[3][3];
    Projection& out = projections[i];
    if (w > 0) {
      out.u = e1 / w;
      out.v = e3 / w;
      out.behind = false;
    } else {
      out.behind = true;
    }
  }
}

Point screenPoint(const Projection& p, int width, int height) {
  // Near the eye u and v grow without bound; the difference is kept inside the int range.
  auto pixel = [](int centre, double offset) {
    const std::int64_t v = static_cast<std::int64_t>(centre) - truncToInt(offset);
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return {pixel(width / 2, p.u), pixel(height / 2, p.v)};
}

double ScrollBar4Scale(int position, double topViewScale) {
  const double s3 = (100 - position) * topViewScale * 0.04;
  return s3 > 0 ? s3 : 0.0001;
}

int wingPointIndex(int wing, int side, int section, bool trailing) {
  return ((wing - 1) * 2 + side) * 10 + (section - 1) * 2 + (trailing ? 1 : 0);
}

std::vector<Point3> pointTable(const AircraftGeometry& geometry, double s3) {
  std::vector<Point3> table(kPointTableSize);
  for (int w = 1; w <= kWingCount; ++w) {
    const Wing& wing = geometry.wing(w);
    const WingPosition& pos = geometry.position(w);
    for (int side : {0, 1}) {
      const double sigma = side == 0 ? 1 : -1;
      for (int section = 1; section <= kSectionCount; ++section) {
        const auto k = wingIndex(section);
        const std::int64_t le = static_cast<std::int64_t>(pos.x) + (section == 1 ? 0 : wing.x[k]);
        const double y = sigma * static_cast<double>(wing.y[k]) * s3;
        const double z = static_cast<double>(pos.z) * s3;
        table[static_cast<std::size_t>(wingPointIndex(w, side, section, false))] = {y, static_cast<double>(le) * s3, z};
        table[static_cast<std::size_t>(wingPointIndex(w, side, section, true))] = {
            y, static_cast<double>(le + wing.chord[k]) * s3, z};
      }
    }
  }
  const std::array<Point3, 10> fixed{{{4000, 0, 0},
                                      {-4000, 0, 0},
                                      {0, 4000, 0},
                                      {0, -4000, 0},
                                      {20, -100, 2},
                                      {20, -64, 2},
                                      {22, -91, 2},
                                      {18, -90, 2},
                                      {20, -91, 4},
                                      {20, -90, 0}}};
  std::copy(fixed.begin(), fixed.end(), table.begin() + kAxisPoints);
  return table;
}

std::vector<Point3> pressureTable(const CalculationOutput& output, double s3, int exaggeration) {
  std::vector<Point3> table;
  table.reserve(static_cast<std::size_t>(std::max(output.lattice.n_panels, 0)) * 2);
  for (int w = 1; w <= kWingCount; ++w) {
    const WingLattice& lattice = output.lattice.wing(w);
    const std::vector<double>& dcp = output.vortex.wing(w).panel_dcp;
    std::size_t panel = 0;
    for (const Strip& strip : lattice.strips) {
      for (int k = 1; k <= lattice.n_chord; ++k, ++panel) {
        const double x =
            static_cast<std::size_t>(k) < strip.centreX.size() ? strip.centreX[static_cast<std::size_t>(k)] : 0;
        const double P = panel < dcp.size() ? dcp[panel] : 0;
        table.push_back({strip.controlY * s3, x * s3, lattice.z * s3});
        table.push_back({strip.controlY * s3, x * s3, (lattice.z + exaggeration * P) * s3});
      }
    }
  }
  return table;
}

ThreeDInput threeDInput(const Document& doc, const SystemColours& colours, PressureDisplay pressure) {
  return {&doc.geometry,
          std::clamp(doc.form.wingsCount, 1, kWingCount),
          colours,
          doc.run.flags.results_valid,
          doc.run.flags.grid_valid,
          doc.output.get(),
          pressure};
}

bool d_3d(Canvas& canvas, Canvas& topView, ThreeDState& state, const TopViewState& view, const ThreeDInput& input) {
  const double s3 = view.scale3d;
  clearView(canvas, input.colours);
  const std::vector<Point3> points = pointTable(*input.geometry, s3);
  const bool pressure = input.pressure.on && input.output != nullptr;
  std::vector<Point3> needles;
  if (pressure) {
    if (input.output->lattice.n_panels > 0 && input.wingsCount > 0)
      needles = pressureTable(*input.output, s3, input.pressure.exaggeration);
    DrawGrid(topView, view, *input.output, input.pressure, input.colours);
  }

  const Matrix4 t = viewingMatrix(state.tilt, state.turn);
  Trans(t, points, state.points);
  if (pressure) Trans(t, needles, state.pressure);

  Pen pen(canvas, state.points);
  canvas.setPenColour(kBlack);
  pen.line(kAxisPoints, kAxisPoints + 1);
  pen.line(kAxisPoints + 2, kAxisPoints + 3);
  canvas.setPenColour(kRed);
  const int a = kArrowPoints;
  pen.line(a, a + 1);
  pen.path({a + 2, a, a + 3});
  pen.path({a + 4, a, a + 5});

  for (int w = 1; w <= std::min(input.wingsCount, kWingCount); ++w) {
    canvas.setPenColour(wingColour(w));
    drawWing(pen, w, std::clamp(input.geometry->wing(w).wingsections, 2, kSectionCount));
  }

  if (pressure && input.resultsValid && !needles.empty()) {
    Pen tips(canvas, state.pressure);
    canvas.setPenColour({200, 200, 200});
    const int panels = static_cast<int>(needles.size() / 2);
    for (int p = 0; p < panels; ++p) tips.line(2 * p, 2 * p + 1);
    canvas.setPenWidth(1);
    canvas.setPenColour({0, 255, 0});
    // Panel p of strip j, row i is the p-th pair; rows run fastest within a strip.
    std::vector<int> first(6, 0);  // first panel of each wing
    for (int w = 1; w <= kWingCount; ++w) {
      const WingLattice& l = input.output->lattice.wing(w);
      first[static_cast<std::size_t>(w)] =
          first[wingIndex(w)] + static_cast<int>(l.strips.size()) * std::max(l.n_chord, 0);
    }
    // Rows within each strip first, for every wing; then strip to strip.
    for (bool acrossStrips : {false, true}) {
      for (int w = 1; w <= kWingCount; ++w) {
        const WingLattice& l = input.output->lattice.wing(w);
        const int strips = static_cast<int>(l.strips.size());
        const int base = first[wingIndex(w)];
        if (first[static_cast<std::size_t>(w)] > panels) break;
        for (int j = 0; j + (acrossStrips ? 1 : 0) < strips; ++j)
          for (int i = 0; i + (acrossStrips ? 0 : 1) < l.n_chord; ++i) {
            const int p = base + j * l.n_chord + i;
            tips.line(2 * p + 1, 2 * (p + (acrossStrips ? l.n_chord : 1)) + 1);
          }
      }
    }
  }
  canvas.setPenWidth(1);
  return input.gridValid;
}

void Image3MouseDown(ThreeDState& state, Point at) {
  state.last = at;
  state.dragInactive = false;
}

void Image3MouseUp(ThreeDState& state, Point at) {
  state.last = at;
  state.dragInactive = true;
}

bool Image3MouseMove(ThreeDState& state, Point at, bool leftButton, bool rightButton) {
  if (state.dragInactive || (!leftButton && !rightButton)) return false;
  const int up = (state.last.y - at.y) / 3;
  const int right = (at.x - state.last.x) / 3;
  const int tilt = state.tilt, turn = state.turn, magnification = state.magnification;
  if (leftButton) {
    state.tilt = std::clamp(state.tilt + up, 0, 90);
  } else {
    state.magnification = std::clamp(state.magnification + up, 10, 97);
  }
  state.turn = std::clamp(state.turn + right, 0, 360);
  state.last = at;
  return state.tilt != tilt || state.turn != turn || state.magnification != magnification;
}

}  // namespace volantis4
