#pragma once
// The influence matrix of the vortex lattice: z velocity at every control point from every horseshoe.

#include <span>

#include "model/run_state.h"
#include "solver/lattice.h"
#include "solver/solve_workspace.h"

namespace volantis4 {

/// An n × n matrix stored by rows in a workspace: entry [row][col] at row * n + col.
struct InfluenceMatrix {
  int n = 0;
  std::span<double> values;  // n * n entries
  std::span<float> single;   // the same entries rounded to single precision
};

/// What EINFLUSS produces.
struct EinflussResult {
  InfluenceMatrix matrix;
  StageReport report;
};

/// EINFLUSS: M[j][i] = 4π × z velocity at control point j from horseshoe i of unit circulation and
/// its mirror image in y = 0 (mm⁻¹, positive up). Rows and columns follow the panel order (wing
/// 1..wingsInUse, strip root to tip, row front to back); n is the number of panels walked, so the
/// matrix always matches the lattice. A walked count that disagrees with lattice.n_panels is reported
/// (InfluenceCountMismatch, failed) with the matrix kept; a malformed lattice or one above maxPanels
/// panels is refused with an empty matrix. The matrix is written into `workspace`, whose blocks it
/// shares with every later use of that workspace.
EinflussResult EINFLUSS(const Lattice& lattice, SolveWorkspace& workspace, int maxPanels = kMaxPanels);

}  // namespace volantis4
