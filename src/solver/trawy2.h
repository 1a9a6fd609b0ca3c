#pragma once
// Building the vortex lattice: panel corners, bound vortices and control points of every wing.

#include "model/aircraft_geometry.h"
#include "model/run_state.h"
#include "solver/lattice.h"

namespace volantis4 {

/// What TRAWY2 leaves: the lattice and the strip-spacing lines of every trapezium.
struct Trawy2Result {
  Lattice lattice;
  StageReport report;
};

/// TRAWY2: the lattice of wings 1 … wingsInUse from the section table, the counts of GRID and the
/// heights wing_z as last read (after the overlap resolution); z is set for all five wings. Strip
/// edges within a trapezium come from TRAPEZ_TRIM; every wing and trapezium is built even after a
/// spacing failure. Counts beyond the capacity of the limits are refused without building (run
/// checkLatticeCapacity with the same limits first).
Trawy2Result TRAWY2(const AircraftGeometry& geometry, const LatticeCounts& counts, int wingsInUse,
                    const LatticeLimits& limits = {});

}  // namespace volantis4
