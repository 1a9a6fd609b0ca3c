#pragma once
// Vortex results: panel loads, per-wing lift slope and aerodynamic centre, the neutral point and
// the reference area and chord of the widest wing.

#include <array>
#include <span>
#include <vector>

#include "model/aircraft_geometry.h"
#include "model/run_state.h"
#include "solver/lattice.h"

namespace volantis4 {

/// Results of one wing, from the lattice (mm, mm², per radian).
struct WingVortexResult {
  double S = 0;                   // area of both halves, gap excluded
  double b = 0;                   // span, gap included: 2 × outer y of the last strip
  double lam = 0;                 // b² / S
  double lm = 0;                  // mean aerodynamic chord
  double lift_slope = 0;          // wing lift / S
  double ac_x = 0;                // aerodynamic centre, aircraft x (positive aft)
  std::vector<double> panel_dcp;  // 2Γ / panel chord, strip by strip (root to tip), row by row (front to back)

  /// Load coefficient of strip j (1-based), row k (1-based) in a wing of n_chord rows.
  double dcp(int j, int k, int n_chord) const {
    return panel_dcp[static_cast<std::size_t>(j - 1) * static_cast<std::size_t>(n_chord) +
                     static_cast<std::size_t>(k - 1)];
  }
};

/// The reference wing's right half as a closed outline: centre line, leading edge root to tip,
/// trailing edge tip to root, back to the centre line (aircraft mm, y ≥ 0).
struct RefOutline {
  int count = 0;                                   // 2 × sections + 2, at most 12
  std::array<std::array<double, 2>, 12> points{};  // (x, y)
};

/// What WIRBEL_ERG leaves.
struct VortexResults {
  std::array<WingVortexResult, kWingCount> wings{};  // wings not in use stay zero
  double xnp = 0;                                    // neutral point, aircraft x, mm
  int ref_wing = 0;                                  // 1-5; 0 when no wing has span
  double sb = 0;                                     // reference area with the gap filled by the root chord, mm²
  double lmue = 0;                                   // reference chord with the gap filled, mm
  RefOutline ref_outline;
  /// Fails with ResultNotFinite when a division had a zero divisor (a wing without area or lift,
  /// no total lift, a strip without chord: the value is then 0) or a result is not finite.
  StageReport report;

  const WingVortexResult& wing(int w) const { return wings[wingIndex(w)]; }
};

/// WIRBEL_ERG: evaluates the circulations Γ (per unit angle of attack, in panel order: wing, strip
/// root to tip, row front to back) on the lattice; the outline comes from the geometry's section
/// table and the reference wing's section count. Γ shorter than the lattice fails the report.
/// The reference wing's rule for one candidate: a wing of half span `halfSpan` and area `area` takes
/// the reference from the best so far when it is wider, or equally wide to 0.1 mm with a larger area.
bool takesReference(double halfSpan, double area, double bestHalfSpan, double bestArea);

VortexResults WIRBEL_ERG(const Lattice& lattice, std::span<const double> gamma, const AircraftGeometry& geometry);

/// Wing w's aerodynamic centre measured from the wing's own position x (ac_x − wing_x, mm): the
/// figure of Label_anp, the summary page and the CLI.
inline double acFromWingX(const VortexResults& vortex, const AircraftGeometry& geometry, int w) {
  return vortex.wing(w).ac_x - geometry.position(w).x;
}

}  // namespace volantis4
