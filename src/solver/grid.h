#pragma once
// Sizing the vortex lattice: panels per wing, rows per strip, strips per trapezium.

#include "model/aircraft_geometry.h"
#include "model/run_state.h"
#include "solver/lattice.h"

namespace volantis4 {

/// What GRID leaves: the counts and its panel lines (the strip limit of wings 1–3).
struct GridResult {
  LatticeCounts counts;
  StageReport report;
};

/// The wing (1–3) whose area sets the panel budget among the first `wingsInUse` wings.
int panelBudgetWing(const AircraftGeometry& geometry, int wingsInUse);

/// GRID: counts for wings 1 … wingsInUse from the section table and the areas S of the geometry:
/// the panel budget (400) on the reference half wing, the others in proportion to area, panels
/// roughly square. A wing without area or span (or with a reference area of 0) gets zero counts;
/// counts saturate at the int32 range. Wings 1–3 with more strips than the limits allow (300 or
/// more) fail the report with the aspect-ratio lines.
GridResult GRID(const AircraftGeometry& geometry, int wingsInUse, const LatticeLimits& limits = {});

/// The refusals that must come before a lattice is written: a wing in use without span or area,
/// wings 4 and 5 with 300 strips or more (GRID reports wings 1–3), n_chord above 299, and, when
/// every wing passed, more than 3000 panels (the numbers of the standard limits). Each refusal
/// adds its two lines and fails the report.
StageReport checkLatticeCapacity(const LatticeCounts& counts, const AircraftGeometry& geometry, int wingsInUse,
                                 const LatticeLimits& limits = {});

}  // namespace volantis4
