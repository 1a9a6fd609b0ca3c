#include "model/aircraft_geometry.h"

namespace volantis4 {

void recomputeWing(AircraftGeometry& geometry, const Form& form, int w) {
  Wing& wing = geometry.wing(w);
  wing = readWing(form.wing(w), wing.wingsections);
  fillSectionColumn(geometry.table, w, wing, geometry.position(w).x);
  PlanformFigures figures = NTRAP_SPEZIAL(w, wing.wingsections, geometry.table);
  figures.r25 -= geometry.position(w).x;
  geometry.figure(w) = figures;
}

void readPositions(AircraftGeometry& geometry, const Form& form) {
  for (int w = 1; w <= kWingCount; ++w) geometry.position(w) = readPosition(form.wing(w));
}

AircraftGeometry geometryOf(const Form& form) {
  AircraftGeometry geometry;
  readPositions(geometry, form);
  for (int w = 1; w <= kWingCount; ++w) recomputeWing(geometry, form, w);
  return geometry;
}

}  // namespace volantis4
