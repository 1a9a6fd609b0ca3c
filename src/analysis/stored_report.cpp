#include "analysis/stored_report.h"

#include "model/numbers.h"
#include "solver/grid.h"
#include "solver/stabil.h"
#include "solver/trawy2.h"
#include "solver/wirbel_erg.h"

namespace volantis4 {
namespace {

// The reference wing as a run picks it: the widest half span, and of two within 0.05 mm of each
// other the larger area; the first of equals.
int referenceWing(const Lattice& lattice) {
  int ref = 0;
  double bestHalfSpan = 0, bestArea = 0;
  for (int w = 1; w <= lattice.wingsInUse; ++w) {
    const WingLattice& wing = lattice.wing(w);
    if (wing.strips.empty()) continue;
    const double h = wing.strips.back().outer.y - wing.strips.front().inner.y;
    double area = 0;
    for (const Strip& s : wing.strips) area += (s.inner.chord() + s.outer.chord()) * (s.outer.y - s.inner.y);
    if (takesReference(h, area, bestHalfSpan, bestArea)) {
      ref = w;
      bestHalfSpan = h;
      bestArea = area;
    }
  }
  return ref;
}

}  // namespace

std::optional<StabilityReport> storedReport(const Document& doc) {
  const RunFlags& f = doc.run.flags;
  if (!f.results_valid || f.grid_valid || !(doc.results.lmue > 0)) return std::nullopt;
  const int wings = doc.run.solver_wings_count;
  const GridResult grid = GRID(doc.geometry, wings);
  if (grid.report.failed) return std::nullopt;
  const Trawy2Result trawy = TRAWY2(doc.geometry, grid.counts, wings);
  const int ref = referenceWing(trawy.lattice);
  if (trawy.report.failed || ref == 0) return std::nullopt;

  StabilityReport r;
  r.fromFile = true;
  r.fuselageEntered = doc.fuselage.has_value();  // its flow needs a run's lattice
  r.xnp = doc.results.xnp;
  r.lmue = doc.results.lmue;
  r.sb = doc.results.sb;
  r.refWing = ref;
  r.refRootLeX = doc.geometry.position(ref).x;
  r.xLeRef = chordWeightedLeadingEdge(trawy.lattice.wing(ref));
  r.npPercentMac = r.percentMac(r.xnp);
  r.npFromRootLe = r.xnp - r.refRootLeX;
  const StabilityProposal p = proposalOf(doc);
  const auto position = [&r](CgTarget name, double margin, double x) {
    return CgPosition{name, margin, x, x - r.refRootLeX, r.percentMac(x)};
  };
  r.cg = {position(CgTarget::Low, p.margins.low, p.x_cg_low), position(CgTarget::High, p.margins.high, p.x_cg_high),
          position(CgTarget::Manual, p.manual_margin, p.x_cg_manual)};
  if (doc.balance) {
    const double targetX = r.cg[static_cast<std::size_t>(doc.balance->target)].x;
    r.balance = balanceOf(*doc.balance, r.refRootLeX, r.xnp, r.lmue, targetX);
  }
  return r;
}

}  // namespace volantis4
