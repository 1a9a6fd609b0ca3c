#pragma once
// The aircraft seen from above (Image2): layout, axes and wings (d_1d), the result overlay with
// the legend and the neutral-point and centre-of-gravity marks, the pointer (Zeiger), the zoom
// and the mouse drag that drives it.

#include <array>
#include <string>
#include <vector>

#include "model/aircraft_geometry.h"
#include "model/document.h"
#include "model/fuselage_input.h"
#include "model/language.h"
#include "solver/stabil.h"
#include "views/canvas.h"
#include "views/lattice_display.h"

namespace volantis4 {

struct CalculationOutput;

/// The view state shared with the lattice display and the 3-D view.
struct TopViewState {
  double baseScale = 1;  // px/mm, fitted by the layout
  double scale = 1;      // px/mm, base scale times the zoom factor
  double scale3d = 1;    // s3 of the 3-D view (px/mm); every layout resets it to the base scale
  int cx = 0;            // centre column of the wings, R(W / 2)
  int y0 = 0;            // row of aircraft x = 0
  int zoom = 100;        // ScrollBar3: 10 … 100, 100 = no magnification
  std::array<int, kWingCount> rank{1, 1, 1, 1, 1};  // drawing order of wings 1-5 by height, 1 = lowest
  Point last;                                       // last mouse position on the view
  bool dragInactive = true;
};

/// Everything the top view reads besides its canvas and state.
struct TopViewInput {
  const AircraftGeometry* geometry = nullptr;
  int wingsCount = kWingCount;  // 1-5
  Language language = Language::English;
  SystemColours colours;
  bool resultsValid = false;
  bool gridValid = false;
  AircraftResults results;                    // sb (mm²), lmue (mm), xnp (mm, positive aft)
  StabilityProposal proposal;                 // x_cg_low, x_cg_high, x_cg_manual and the margins
  bool manualChoice = false;                  // RadioButton16 checked
  const CalculationOutput* output = nullptr;  // ref_outline and lattice; null without a run
  PressureDisplay pressure;                   // CheckBoxA and the exaggeration of ScrollBar6
  const FuselageInput* fuselage = nullptr;    // drawn as a thin grey outline when entered
};

/// The input of a document: its geometry, flags, results and STABIL's proposal.
TopViewInput topViewInput(const Document& doc, const SystemColours& colours, PressureDisplay pressure);

/// Ranks 1-5 of the five wings: 1 + the number of wings (of all five) lower in z.
std::array<int, kWingCount> drawingOrder(const AircraftGeometry& geometry);

/// Layout step for a W x H image: base, current and 3-D scales, cx, y0. A zero span or depth
/// extent uses scale 1.0 for that direction. A fuselage, when given, is fitted in as well.
void topViewLayout(TopViewState& state, const AircraftGeometry& geometry, int wingsCount, int width, int height,
                   const FuselageInput* fuselage = nullptr);

/// The fuselage's outline from above: its right side nose to tail, then its left side back, closed
/// at the nose (image pixels for the state's scale).
std::vector<Point> fuselageOutline(const FuselageInput& fuselage, const TopViewState& state);

/// Clears a view: brush info background, pen grey, the whole image filled.
void clearView(Canvas& canvas, const SystemColours& colours);

/// d_1d: axes, arrow, labels and the wings in height order; with `layout` the layout step first
/// (every caller but the zoom). The caller has cleared the image.
void d_1d(Canvas& canvas, TopViewState& state, const TopViewInput& input, bool layout);

/// STABIL's drawing step: without valid results draws nothing; otherwise clears the view and
/// draws the filled reference wing and lattice (grid_valid and not `fromOpen`), the aircraft,
/// the legend and the marks. Returns the caption of Label21.
std::string drawResultOverlay(Canvas& canvas, TopViewState& state, const TopViewInput& input, bool layout,
                              bool fromOpen);

/// Zeiger: leader lines from the legend rows 274, 290 (blue) and 306 (red) to the marks.
void Zeiger(Canvas& canvas, const TopViewState& state, const TopViewInput& input);

/// Current scale for a zoom value (10 … 100): base · (1 + 0.04 · (100 − zoom)), never below base.
double zoomedScale(double baseScale, int zoom);

/// ScrollBar3Change: applies `zoom` and redraws without a new layout; the pointer when magnified.
void ScrollBar3Change(Canvas& canvas, TopViewState& state, const TopViewInput& input, int zoom);

/// Image4MouseDown: starts a drag; the pointer when results are valid.
void Image4MouseDown(Canvas& canvas, TopViewState& state, const TopViewInput& input, Point at);
/// Image4MouseMove: with the left button held during a drag, the zoom grows by trunc((last y − y) / 3)
/// (clamped to 10 … 100, redrawn only on a real change); the position is remembered.
void Image4MouseMove(Canvas& canvas, TopViewState& state, const TopViewInput& input, Point at, bool leftButton);
/// Image4MouseUp: zoom back to 100, drag ends, full redraw with a new layout.
void Image4MouseUp(Canvas& canvas, TopViewState& state, const TopViewInput& input, Point at);

/// The text ScrollBar5 writes into Edit_Mstab: 30 − position / 2, one decimal, width 4 (percent).
std::string ScrollBar5Text(int position);

}  // namespace volantis4
