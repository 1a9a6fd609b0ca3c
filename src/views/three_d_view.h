#pragma once
// The turnable wire-frame perspective of the aircraft (Image3): point table, viewing matrix
// (Calc3D, MulMatrix), projection (Trans, Trans2), drawing (d_3d) and the mouse rotation.

#include <array>
#include <span>
#include <vector>

#include "model/aircraft_geometry.h"
#include "model/document.h"
#include "views/canvas.h"
#include "views/lattice_display.h"

namespace volantis4 {

struct CalculationOutput;
struct TopViewState;

/// A model point (span y, longitudinal x positive aft, vertical z up), already scaled (px).
struct Point3 {
  double p0 = 0, p1 = 0, p2 = 0;
};

/// A projected point; `behind` when its last projection had w ≤ 0 and kept the earlier (u, v).
struct Projection {
  double u = 0, v = 0;
  bool behind = false;
};

using Matrix4 = std::array<std::array<double, 4>, 4>;

/// out = A × B.
Matrix4 MulMatrix(const Matrix4& a, const Matrix4& b);

/// Elevation a = 90 − tilt and azimuth b = 360 − turn, degrees.
struct ViewAngles {
  double a = 0, b = 0;
};
ViewAngles viewAngles(int tilt, int turn);

/// Calc3D's viewing matrix T = Rz(b) × Rx(a) × P (eye distance 10000) for row vectors.
Matrix4 viewingMatrix(int tilt, int turn);

/// Trans / Trans2: projects `points` into `projections` (resized to match, new entries at (0, 0));
/// a point with w ≤ 0 keeps its earlier projection and is marked behind.
void Trans(const Matrix4& t, std::span<const Point3> points, std::vector<Projection>& projections);

/// Screen pixel of a projection: (trunc(W/2) − trunc(u), trunc(H/2) − trunc(v)).
Point screenPoint(const Projection& p, int width, int height);

/// s3 of ScrollBar4Change: (100 − position) · top-view current scale · 0.04, or 0.0001 when not above 0.
double ScrollBar4Scale(int position, double topViewScale);

/// Index of a wing point in the point table: wing 1-5, side 0 right / 1 left, section 1-5,
/// trailing edge or leading edge.
int wingPointIndex(int wing, int side, int section, bool trailing);
inline constexpr int kAxisPoints = 100;   // span axis ends 100, 101; longitudinal axis 102, 103
inline constexpr int kArrowPoints = 104;  // tip, tail, four barbs
inline constexpr int kPointTableSize = 110;

/// The point table of all five wings (scaled by s3), the axes and the arrow.
std::vector<Point3> pointTable(const AircraftGeometry& geometry, double s3);

/// The pressure table: per panel (wing, strip, row) its base and tip, k·P above the wing plane.
std::vector<Point3> pressureTable(const CalculationOutput& output, double s3, int exaggeration);

/// The scroll-bar positions of the view and the mouse drag.
struct ThreeDState {
  int tilt = 80;                   // ScrollBar1, 0 … 90
  int turn = 250;                  // ScrollBar2, 0 … 360
  int magnification = 75;          // ScrollBar4, 10 … 97
  std::vector<Projection> points;  // projections kept from one drawing to the next
  std::vector<Projection> pressure;
  Point last;
  bool dragInactive = true;
};

/// What d_3d reads besides the canvases and states.
struct ThreeDInput {
  const AircraftGeometry* geometry = nullptr;
  int wingsCount = kWingCount;
  SystemColours colours;
  bool resultsValid = false;
  bool gridValid = false;
  const CalculationOutput* output = nullptr;
  PressureDisplay pressure;
};

/// The input of a document.
ThreeDInput threeDInput(const Document& doc, const SystemColours& colours, PressureDisplay pressure);

/// d_3d: redraws the 3-D view with the top view's s3; while the pressure box is ticked also
/// repaints the top view's lattice in pressure colours on `topView`. No line is drawn with an
/// end behind the eye. Returns whether CheckBoxA and Label_Press are shown (grid_valid).
bool d_3d(Canvas& canvas, Canvas& topView, ThreeDState& state, const TopViewState& view, const ThreeDInput& input);

/// Image3MouseDown / Image3MouseUp: start and end a drag at `at`.
void Image3MouseDown(ThreeDState& state, Point at);
void Image3MouseUp(ThreeDState& state, Point at);
/// Image3MouseMove during a drag: left button turns and tilts, right button turns and magnifies,
/// by trunc(pixels / 3), clamped to the scroll-bar ranges. Returns true when a position changed
/// (the caller redraws through the scroll bars).
bool Image3MouseMove(ThreeDState& state, Point at, bool leftButton, bool rightButton);

}  // namespace volantis4
