#include "analysis/stability_report.h"

#include <cmath>
#include <utility>

#include "solver/calculation_output.h"
#include "solver/lattice_run.h"

namespace volantis4 {
namespace {

constexpr int kMoveMm = 10;  // how far a wing moves forward and aft for the change figures

bool stopped(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

// The geometry with wing w moved along x by dx (mm): its position and its column of the section table.
AircraftGeometry movedAlongX(AircraftGeometry g, int w, int dx) {
  g.position(w).x += dx;
  fillSectionColumn(g.table, w, g.wing(w), g.position(w).x);
  return g;
}

// The neutral point of a run with wing w moved by dx, or nullopt when that run is not complete.
std::optional<double> movedNeutralPoint(const ReportBasis& basis, int w, int dx, const std::atomic<bool>* cancel,
                                        const SolveProgress& progress, bool& cancelled) {
  const LatticeRun run =
      runLattice(movedAlongX(basis.geometry, w, dx), basis.wingsInUse, LatticeLimits{}, cancel, progress);
  cancelled = run.evaluation.cancelled;
  if (!run.evaluation.complete) return std::nullopt;
  return run.evaluation.vortex.xnp;
}

}  // namespace

std::optional<ReportBasis> reportBasis(const Document& doc) {
  if (!doc.run.flags.results_valid || !doc.run.flags.grid_valid || !doc.output) return std::nullopt;
  return ReportBasis{doc.output->geometry, doc.output->lattice.wingsInUse, doc.output};
}

int extraRunCount(const ReportBasis& basis) { return 1 + 3 * basis.wingsInUse; }

ExtraRuns runExtraRuns(const ReportBasis& basis, const std::atomic<bool>* cancel, const ReportProgress& progress) {
  ExtraRuns out;
  const int total = extraRunSteps(basis);
  int runs = 0;   // runs ended
  int shown = 0;  // steps reported
  int order = 0;  // order of the running run's system, from its first countdown
  auto report = [&](int steps) {
    if (steps <= shown) return;
    shown = steps;
    if (progress) progress(shown, total);
  };
  // Within a run, the share of the elimination's work done: 1 − (remaining / n)³.
  const SolveProgress within = [&](int remaining) {
    if (order == 0) order = remaining + 1;
    const double left = static_cast<double>(remaining) / order;
    report(runs * kStepsPerRun + static_cast<int>((kStepsPerRun - 1) * (1 - left * left * left)));
  };
  auto finished = [&] {
    ++runs;
    order = 0;
    report(runs * kStepsPerRun);
  };
  auto stop = [&] {
    out.cancelled = true;
    return out;
  };
  if (stopped(cancel)) return stop();

  const LatticeRun fine = runLattice(basis.geometry, basis.wingsInUse, kFinerLattice, cancel, within);
  if (fine.evaluation.cancelled) return stop();
  out.fine.available = fine.evaluation.complete;
  if (out.fine.available) {
    out.fine.n_panels = fine.counts.n_panels;
    out.fine.xnp = fine.evaluation.vortex.xnp;
  } else {
    out.fine.messages = fine.report.messages;
  }
  finished();

  const Lattice& lattice = basis.output->lattice;
  for (int w = 1; w <= basis.wingsInUse; ++w) {
    if (stopped(cancel)) return stop();
    const Evaluation alone = evaluateAlone(lattice, w, basis.geometry, cancel, within);
    if (alone.cancelled) return stop();
    if (alone.complete) out.liftSlopeAlone[wingIndex(w)] = alone.vortex.wing(1).lift_slope;
    finished();
  }

  for (int w = 1; w <= basis.wingsInUse; ++w) {
    bool cancelled = false;
    if (stopped(cancel)) return stop();
    const std::optional<double> aft = movedNeutralPoint(basis, w, kMoveMm, cancel, within, cancelled);
    if (cancelled) return stop();
    finished();
    if (stopped(cancel)) return stop();
    const std::optional<double> forward = movedNeutralPoint(basis, w, -kMoveMm, cancel, within, cancelled);
    if (cancelled) return stop();
    finished();
    if (aft && forward) out.xnpPer10mm[wingIndex(w)] = (*aft - *forward) / 2;
  }
  return out;
}

double chordWeightedLeadingEdge(const WingLattice& wing) {
  if (wing.strips.empty()) return 0;
  double moment = 0;  // ∫ c·x_le dy
  double area = 0;    // ∫ c dy
  const StripEdge& root = wing.strips.front().inner;
  const double gap = root.y;
  if (gap != 0) {
    const double c = root.chord();
    moment += c * root.cornerX.front() * gap;
    area += c * gap;
  }
  for (const Strip& s : wing.strips) {
    const double dy = s.outer.y - s.inner.y;
    const double ci = s.inner.chord(), co = s.outer.chord();
    const double xi = s.inner.cornerX.front(), xo = s.outer.cornerX.front();
    // Both linear in y across the strip: the product integrates exactly.
    moment += dy * (2 * ci * xi + ci * xo + co * xi + 2 * co * xo) / 6;
    area += dy * (ci + co) / 2;
  }
  return moment / area;
}

StabilityReport makeReport(const ReportBasis& basis, const StabilityProposal& proposal, const ExtraRuns& extras,
                           const BalanceInputs* balance, const FuselageInput* fuselage) {
  StabilityReport r;
  const VortexResults& v = basis.output->vortex;
  r.xnp = v.xnp;
  r.lmue = v.lmue;
  r.sb = v.sb;
  r.refWing = v.ref_wing;
  r.panels = basis.output->counts.n_panels;
  r.refRootLeX = basis.geometry.position(v.ref_wing).x;
  r.xLeRef = chordWeightedLeadingEdge(basis.output->lattice.wing(v.ref_wing));
  r.npPercentMac = r.percentMac(r.xnp);
  r.npFromRootLe = r.xnp - r.refRootLeX;

  auto position = [&r](CgTarget name, double margin, double x) {
    return CgPosition{name, margin, x, x - r.refRootLeX, r.percentMac(x)};
  };
  r.cg = {position(CgTarget::Low, proposal.margins.low, proposal.x_cg_low),
          position(CgTarget::High, proposal.margins.high, proposal.x_cg_high),
          position(CgTarget::Manual, proposal.manual_margin, proposal.x_cg_manual)};

  r.fuselageEntered = fuselage != nullptr;
  if (fuselage) {
    FuselageReport& f = r.fuselage.emplace();
    f.input = *fuselage;
    f.figures =
        fuselageFigures(*fuselage, {basis.output->lattice, basis.output->gamma, basis.geometry, basis.wingsInUse, v});
    const double xnp = f.figures.xnp;
    const auto onFuselage = [&](CgTarget name, double margin) {
      return position(name, margin, centreOfGravity(xnp, r.lmue, margin));
    };
    f.cg = {onFuselage(CgTarget::Low, proposal.margins.low), onFuselage(CgTarget::High, proposal.margins.high),
            onFuselage(CgTarget::Manual, proposal.manual_margin)};
  }

  r.extrasPending = extras.pending;
  r.fine.available = extras.fine.available;
  r.fine.messages = extras.fine.messages;
  if (r.fine.available) {
    r.fine.n_panels = extras.fine.n_panels;
    r.fine.xnp = extras.fine.xnp;
    r.fine.xnpConverged = 2 * extras.fine.xnp - r.xnp;
    r.fine.bandMm = std::fabs(extras.fine.xnp - r.xnp);
    r.fine.bandPercentMac = 100 * r.fine.bandMm / r.lmue;
  }

  double totalLift = 0;
  for (int w = 1; w <= basis.wingsInUse; ++w) totalLift += v.wing(w).lift_slope * v.wing(w).S;
  const WingVortexResult& ref = v.wing(v.ref_wing);
  for (int w = 1; w <= basis.wingsInUse; ++w) {
    const WingVortexResult& wing = v.wing(w);
    const auto slot = wingIndex(w);
    SurfaceFigures f;
    f.wing = w;
    f.liftShare = wing.lift_slope * wing.S / totalLift;
    f.liftSlope = wing.lift_slope;
    f.liftSlopeAlone = extras.liftSlopeAlone[slot];
    if (f.liftSlopeAlone) f.effectiveness = wing.lift_slope / *f.liftSlopeAlone;
    if (w != v.ref_wing) f.volume = wing.S * (wing.ac_x - ref.ac_x) / (r.sb * r.lmue);
    f.xnpPer10mm = extras.xnpPer10mm[slot];
    r.wings.push_back(f);
  }

  if (balance) {
    // With a fuselage the advice aims at its centres of gravity and measures its neutral point.
    const auto& targets = r.fuselage ? r.fuselage->cg : r.cg;
    const double xnp = r.fuselage ? r.fuselage->figures.xnp : r.xnp;
    const double targetX = targets[static_cast<std::size_t>(balance->target)].x;
    r.balance = balanceOf(*balance, r.refRootLeX, xnp, r.lmue, targetX);
  }
  return r;
}

StabilityReport fullReport(const ReportBasis& basis, const Document& doc) {
  const StabilityProposal proposal = proposalOf(doc);
  return makeReport(basis, proposal, runExtraRuns(basis), doc.balance ? &*doc.balance : nullptr,
                    doc.fuselage ? &*doc.fuselage : nullptr);
}

}  // namespace volantis4
