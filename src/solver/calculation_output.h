#pragma once
// What a complete calculation run leaves for the views, the summary page and the files.

#include <array>
#include <string>
#include <vector>

#include "model/aircraft_geometry.h"
#include "solver/lattice.h"
#include "solver/wirbel_erg.h"

namespace volantis4 {

struct CalculationOutput {
  LatticeCounts counts;
  Lattice lattice;
  std::vector<double> gamma;                      // circulations in panel order
  VortexResults vortex;                           // per-wing results, xnp, ref_wing, sb, lmue, ref_outline, panel_dcp
  std::array<std::string, kWingCount> anpLabels;  // Label_anp1 … Label_anp5: ac_x − wing_x, e.g. "62.3mm"
  AircraftGeometry geometry;                      // as the run computed it, moved heights included
};

}  // namespace volantis4
