#pragma once
// Planform figures of a wing and the section table that the solver takes as geometry.

#include <array>
#include <string>

#include "model/form.h"
#include "model/wing.h"

namespace volantis4 {

/// A wing's planform figures (mm, mm²).
struct PlanformFigures {
  double b = 0;    // span over both halves, gap included
  double S = 0;    // area of both halves, gap excluded
  double lm = 0;   // mean aerodynamic chord
  double r25 = 0;  // geometric centre (relative to the root leading edge once stored)
  double lam = 0;  // aspect ratio b²/S

  bool operator==(const PlanformFigures&) const = default;
};

/// Section table [section 0-4][wing 0-4]: leading-edge x in aircraft coordinates, span station, chord (mm).
struct SectionTable {
  std::array<std::array<double, kWingCount>, kSectionCount> X{}, Y{}, C{};

  double x(int section, int wing) const { return X[wingIndex(section)][wingIndex(wing)]; }
  double y(int section, int wing) const { return Y[wingIndex(section)][wingIndex(wing)]; }
  double c(int section, int wing) const { return C[wingIndex(section)][wingIndex(wing)]; }
};

/// Integrates wing w (1-5) over its trapezia 1 … n−1 from column w of the table;
/// r25 comes out in aircraft coordinates. An area of exactly 0 gives all zeros.
PlanformFigures NTRAP_SPEZIAL(int w, int n, const SectionTable& table);

/// Writes column w of the table from the wing and its wing_x, all five sections.
void fillSectionColumn(SectionTable& table, int w, const Wing& wing, int wingX);

/// The five result-label texts of wing w: span, area, mean chord, geometric centre, aspect ratio.
std::array<std::string, 5> resultLabels(const PlanformFigures& figures, int w);

/// The five station captions: y of sections 1-5 as whole numbers.
std::array<std::string, kSectionCount> stationCaptions(const Wing& wing);

}  // namespace volantis4
