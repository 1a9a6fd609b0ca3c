#pragma once
// The influence matrix of the vortex lattice: z velocity at every control point from every horseshoe.

#include <atomic>
#include <span>
#include <vector>

#include "model/run_state.h"
#include "solver/indu.h"
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
/// shares with every later use of that workspace. `cancel`, when given, is read before each block of
/// rows: once set, the rows not begun stay unfilled.
EinflussResult EINFLUSS(const Lattice& lattice, SolveWorkspace& workspace, int maxPanels = kMaxPanels,
                        const std::atomic<bool>* cancel = nullptr);

/// The solved lattice's flow at other points: for each point, Σ_i Γ_i · (w_right + w_left), where
/// w_right + w_left is the entry EINFLUSS computes for horseshoe i at a control point there (4π × the
/// z velocity per unit circulation, the mirror image included, mm⁻¹). `gamma` in panel order. All 0
/// for a malformed lattice or too few circulations.
std::vector<double> inducedZ(const Lattice& lattice, std::span<const double> gamma, std::span<const Vec3> points);

}  // namespace volantis4
