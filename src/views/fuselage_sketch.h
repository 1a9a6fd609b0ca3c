#pragma once
// The fuselage page's drawing: the fuselage seen from above at true proportions, flight direction
// up, with the root chords of the wings in use where they meet it.

#include "model/aircraft_geometry.h"
#include "model/fuselage_input.h"
#include "views/canvas.h"

namespace volantis4 {

/// Where the sketch puts aircraft x and half-span y: a common scale fitted to the image.
struct FuselageSketchScale {
  double scale = 1;  // px/mm
  double x0 = 0;     // aircraft x at the top margin
  int centre = 0;    // column of the centre line
  int top = 0;       // row of x0

  Point at(double x, double y) const;
};

/// The scale that fits the fuselage's stations and the wings' root chords into a width × height
/// image with a margin of 10 pixels.
FuselageSketchScale fuselageSketchScale(const FuselageInput* fuselage, const AircraftGeometry& geometry, int wingsCount,
                                        int width, int height);

/// Clears the canvas and draws the centre line, the fuselage's outline (grey, light fill) and each
/// wing's root chord at its gap on both sides in the wing's colour; without a fuselage only the
/// root chords.
void drawFuselageSketch(Canvas& canvas, const FuselageInput* fuselage, const AircraftGeometry& geometry, int wingsCount,
                        const SystemColours& colours);

}  // namespace volantis4
