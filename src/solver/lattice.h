#pragma once
// The vortex lattice: panel counts from GRID and panel points from TRAWY2.

#include <array>
#include <vector>

#include "model/form.h"

namespace volantis4 {

inline constexpr int kMaxStripsPerWing = 299;  // a wing needs fewer than 300 strips
inline constexpr int kMaxChordRows = 299;      // n_chord; the trailing-edge row makes 300 corner rows
inline constexpr int kMaxPanels = 3000;        // unknowns of the equation system

/// The panel budget of GRID and the capacity a lattice must fit: the standard lattice, or a finer
/// one for checking how far the results still depend on the panel count.
struct LatticeLimits {
  int panelBudget = 400;                     // panels on the reference half wing
  int maxStripsPerWing = kMaxStripsPerWing;  // strips per wing, at most
  int maxChordRows = kMaxChordRows;          // n_chord, at most (the trailing edge adds a corner row)
  int maxPanels = kMaxPanels;                // unknowns of the equation system, at most
};

/// Twice the panel budget, every capacity scaled with it: fewer than 600 strips per wing, at most
/// 600 corner rows and at most 6000 panels.
inline constexpr LatticeLimits kFinerLattice{800, 599, 599, 6000};

/// Panel counts of the lattice (GRID).
struct LatticeCounts {
  std::array<int, kWingCount> panel_target{};
  std::array<int, kWingCount> n_chord{};
  std::array<std::array<int, kTrapeziumCount>, kWingCount> n_span{};  // [wing][trapezium]
  std::array<int, kWingCount> n_strips{};
  int n_panels = 0;  // N

  int chordRows(int w) const { return n_chord[wingIndex(w)]; }
  int strips(int w) const { return n_strips[wingIndex(w)]; }
};

/// One spanwise edge of a strip (mm, aircraft coordinates).
struct StripEdge {
  double y = 0;
  std::vector<double> cornerX;  // rows 1 … n_chord+1 at index 0 … n_chord (last = trailing edge)
  std::vector<double> boundX;   // bound-vortex x of rows 1 … n_chord at index 0 … n_chord−1

  /// The local chord: trailing edge minus leading edge.
  double chord() const { return cornerX.back() - cornerX.front(); }
};

/// One strip of a wing, root to tip.
struct Strip {
  StripEdge inner;
  StripEdge outer;
  double controlY = 0;  // mean of the two edge y
  std::vector<double>
      centreX;       // index 0: mean leading-edge x; 1 … n_chord: control points; n_chord+1: mean trailing-edge x
  double chord = 0;  // mean trailing-edge x − mean leading-edge x
};

/// The lattice of one wing (right half).
struct WingLattice {
  int n_chord = 0;
  std::vector<Strip> strips;
  double z = 0;  // wing_z as a float
};

/// The lattice of the aircraft; panel order is wing, strip root to tip, row front to back.
struct Lattice {
  std::array<WingLattice, kWingCount> wings;
  int wingsInUse = 0;
  int n_panels = 0;

  WingLattice& wing(int w) { return wings[wingIndex(w)]; }
  const WingLattice& wing(int w) const { return wings[wingIndex(w)]; }
};

}  // namespace volantis4
