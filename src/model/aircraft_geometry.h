#pragma once
// The geometry derived from the form: the integer wings, their positions, the section table
// and the stored planform figures. Rebuilt from the form by the recomputations below.

#include <array>

#include "model/form.h"
#include "model/planform.h"
#include "model/wing.h"

namespace volantis4 {

struct AircraftGeometry {
  std::array<Wing, kWingCount> wings{};
  std::array<WingPosition, kWingCount> positions{};  // wing_x, wing_z as last read
  SectionTable table{};
  std::array<PlanformFigures, kWingCount> figures{};  // r25 relative to the root leading edge

  Wing& wing(int w) { return wings[wingIndex(w)]; }
  const Wing& wing(int w) const { return wings[wingIndex(w)]; }
  WingPosition& position(int w) { return positions[wingIndex(w)]; }
  const WingPosition& position(int w) const { return positions[wingIndex(w)]; }
  PlanformFigures& figure(int w) { return figures[wingIndex(w)]; }
  const PlanformFigures& figure(int w) const { return figures[wingIndex(w)]; }
};

/// A wing's recomputation: reads wing w from the form, fills its column of the section table
/// with wing_x as last read, integrates and stores its figures with r25 made relative.
void recomputeWing(AircraftGeometry& geometry, const Form& form, int w);

/// Reads wing_x and wing_z of all five wings from their position fields.
void readPositions(AircraftGeometry& geometry, const Form& form);

/// The geometry of a form with its positions read first, so that the section table carries them.
AircraftGeometry geometryOf(const Form& form);

}  // namespace volantis4
