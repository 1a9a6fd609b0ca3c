#pragma once
// The fuselage's pitching moment from the flow of the solved lattice (slender-body theory with the
// local flow angle the wings induce along the fuselage axis), the neutral point it gives, and the
// classic chart estimate beside it as a cross-check.

#include <span>
#include <vector>

#include "model/aircraft_geometry.h"
#include "model/fuselage_input.h"
#include "solver/lattice.h"
#include "solver/wirbel_erg.h"

namespace volantis4 {

/// One part of the fuselage for the midpoint rule: its middle, its width there and its length.
struct FuselageSample {
  double x = 0;          // mm, aircraft x
  double width = 0;      // full width at x, mm
  double length = 0;     // Δ, mm
  bool covered = false;  // inside the root chord of a wing that reaches the fuselage: no moment
  double gradient = 0;   // dβ/dα, the local flow angle per unit angle of attack (0 where covered)
};

/// The chart estimate (the Gilruth–White chart as commonly fitted).
struct FuselageChart {
  double xQuarterChord = 0;  // (reference wing's root quarter chord − nose) / length
  bool inRange = false;      // 0.1 ≤ xQuarterChord ≤ 0.62; the figures below only then
  double kF = 0;             // per degree
  double cmAlpha = 0;        // per radian
  double shiftMm = 0;        // mm, negative: forward
};

/// What the fuselage does to the aircraft.
struct FuselageFigures {
  std::vector<FuselageSample> samples;
  double length = 0;    // last station − first station, mm
  double maxWidth = 0;  // widest station, mm
  double cmAlpha = 0;   // per radian on sb and lmue, positive nose-up (destabilising)
  double clAlpha = 0;   // the aircraft's lift slope on sb, per radian
  double shiftMm = 0;   // −lmue · cmAlpha / clAlpha, mm (negative: forward)
  double xnp = 0;       // the neutral point with the fuselage, mm, aircraft x
  FuselageChart chart;
  bool chartLayout = true;        // a wing alone or with a smaller tail behind it: the chart's kind
  std::vector<int> suspectWings;  // wings that look like a fuselage drawn as a wing
};

/// What the fuselage needs of a complete run.
struct FuselageRunInputs {
  const Lattice& lattice;            // the run's lattice (heights as the overlap rule left them)
  std::span<const double> gamma;     // its circulations, panel order
  const AircraftGeometry& geometry;  // positions, sections and planform figures
  int wingsInUse = 0;
  const VortexResults& vortex;  // lift slopes, lattice areas, xnp, sb, lmue, reference wing
};

/// The parts the fuselage is cut into: break points at the stations and at every wing's root leading
/// and trailing edge between the first and last station; each interval in equal parts of at most 5 mm;
/// covered parts marked. The gradients are left 0.
std::vector<FuselageSample> fuselageSamples(const FuselageInput& fuselage, const AircraftGeometry& geometry,
                                            int wingsInUse);

/// The fuselage's figures for a complete run (the fuselage passes checkFuselage).
FuselageFigures fuselageFigures(const FuselageInput& fuselage, const FuselageRunInputs& run);

}  // namespace volantis4
