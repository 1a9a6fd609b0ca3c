#pragma once
// The planform image of a wing page: the wing to scale, both halves, with its axes, geometric
// centre, mean aerodynamic chord and, after a calculation, its own aerodynamic centre.

#include "model/aircraft_geometry.h"
#include "model/planform_mapping.h"
#include "model/wing.h"
#include "views/canvas.h"

namespace volantis4 {

/// What the planform drawing reads besides the canvas.
struct PlanformInput {
  int wing = 1;               // 1-5: the outline colour
  Wing shape;                 // the wing as read from its fields (mm)
  double r25 = 0;             // geometric centre, mm aft of the root leading edge
  double lm = 0;              // mean aerodynamic chord, mm
  bool resultsValid = false;  // results_valid: mark the aerodynamic centre
  double acFromWingX = 0;     // the wing's own aerodynamic centre behind its position x (mm, positive aft)
};

/// The input of wing w from the recomputed geometry and the run's results.
PlanformInput planformInput(const AircraftGeometry& geometry, int w, bool resultsValid, double acFromWingX);

/// Redraws the whole planform image with the pen, brush and font carried over from the previous
/// drawing; returns the mapping, whose scale (px/mm) the mouse editing keeps. A wing without
/// span or chord extent gets the axes, the arrow and the labels but no outline or marks, and
/// scale 0.
PlanformMapping drawPlanform(Canvas& canvas, const PlanformInput& input, const SystemColours& colours);

/// The wing's outline, both halves, in the pen in force: the point (y, x) of a half at
/// (origin.cx ± R(y·scale), origin.cy + R(x·scale)), trailing edges with R((x + c)·scale); the
/// root chords only with a gap. The top view reuses it with its own origin and scale.
void drawWingOutline(Canvas& canvas, const Wing& wing, const PlanformMapping& origin);

/// The axes of a view of W × H pixels crossing at column cx and row `row` (black, with arrowheads
/// at the bottom and the right) and the red flight-direction arrow above them.
void drawAxesAndFlightArrow(Canvas& canvas, int W, int H, int cx, int row);

}  // namespace volantis4
