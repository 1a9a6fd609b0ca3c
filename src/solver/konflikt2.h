#pragma once
// Wing overlap resolution: wings in nearly one plane over overlapping spans are moved apart in z.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/aircraft_geometry.h"
#include "solver/lattice.h"

namespace volantis4 {

/// UEBERSCHNEID: true when the open intervals (a1, a2) and (b1, b2) intersect; touching ones do not.
bool UEBERSCHNEID(double a1, double a2, double b1, double b2);

/// One height change, in the order made: the run writes `text` into the wing's z field
/// (Edit_z2 … Edit_z5) and reads the height back from it.
struct WingMove {
  int wing = 0;             // 2-5
  double zf = 0;            // new working height, mm, positive up
  std::int32_t wing_z = 0;  // R(zf)
  std::string text;         // zf with no decimals, as the field gets it
};

/// What KONFLIKT2 leaves.
struct Konflikt2Result {
  std::array<double, kWingCount> zf{};  // working heights of all five wings after the moves, mm
  double z_clearance = 0;               // 0.6 × the widest mean strip width of the wings in use, mm
  std::vector<WingMove> moves;          // a wing moved by several pairs appears once per move
  bool wings_moved = false;
};

/// KONFLIKT2: visits the pairs (1,2), (1,3), (2,3), (1,4) … (4,5) whose later wing is in use; a pair
/// closer than the clearance with intersecting spans moves its later wing: wing 2 to exactly one
/// clearance from wing 1 (below when level or lower), wings 3-5 in 1 mm steps away from the pair's
/// first wing until clear of every earlier wing. Span = (y of section 1, y of the last section);
/// wings without strips are left out of the clearance.
Konflikt2Result KONFLIKT2(const AircraftGeometry& geometry, const LatticeCounts& counts, int wingsInUse);

}  // namespace volantis4
