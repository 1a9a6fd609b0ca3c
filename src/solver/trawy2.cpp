#include "solver/trawy2.h"

#include <algorithm>
#include <vector>

#include "solver/grid.h"
#include "solver/trapez_trim.h"

namespace volantis4 {
namespace {

bool fitsCapacity(const LatticeCounts& counts, int wings, const LatticeLimits& limits) {
  if (counts.n_panels < 0 || counts.n_panels > limits.maxPanels) return false;
  for (int w = 1; w <= wings; ++w) {
    const int rows = counts.n_chord[wingIndex(w)];
    const int strips = counts.n_strips[wingIndex(w)];
    if (rows < 1 || rows > limits.maxChordRows || strips < 1 || strips > limits.maxStripsPerWing) return false;
    for (int span : counts.n_span[wingIndex(w)])
      if (span < 0 || span > limits.maxStripsPerWing) return false;
  }
  return true;
}

// One trapezium of a wing: its inner section's values and the changes to the outer one.
struct TrapeziumRun {
  double x, y, c;     // inner section: leading-edge x, span station, chord
  double dx, dy, dc;  // outer minus inner
};

StripEdge edgeAt(const TrapeziumRun& t, double eta, const std::vector<double>& cornerFraction,
                 const std::vector<double>& boundFraction) {
  StripEdge e;
  const double leadingEdge = t.x + t.dx * eta;
  const double chord = t.c + t.dc * eta;
  e.y = t.y + t.dy * eta;
  e.cornerX.reserve(cornerFraction.size() + 1);
  for (double f : cornerFraction) e.cornerX.push_back(leadingEdge + chord * f);
  e.cornerX.push_back(leadingEdge + chord);  // trailing edge
  e.boundX.reserve(boundFraction.size());
  for (double f : boundFraction) e.boundX.push_back(leadingEdge + chord * f);
  return e;
}

// Centre line of a strip: mean leading and trailing edge, three-quarter-chord control points.
void finishStrip(Strip& s, int rows) {
  const auto n = static_cast<std::size_t>(rows);
  const double leading = (s.inner.cornerX[0] + s.outer.cornerX[0]) / 2;
  const double trailing = (s.inner.cornerX[n] + s.outer.cornerX[n]) / 2;
  s.centreX.assign(n + 2, 0.0);
  s.centreX[0] = leading;
  for (std::size_t k = 1; k <= n; ++k)
    s.centreX[k] =
        0.125 * (s.inner.cornerX[k - 1] + s.outer.cornerX[k - 1]) + 0.375 * (s.inner.cornerX[k] + s.outer.cornerX[k]);
  s.centreX[n + 1] = trailing;
  s.controlY = (s.inner.y + s.outer.y) * 0.5;
  s.chord = trailing - leading;
}

}  // namespace

Trawy2Result TRAWY2(const AircraftGeometry& g, const LatticeCounts& counts, int wingsInUse,
                    const LatticeLimits& limits) {
  Trawy2Result out;
  Lattice& lattice = out.lattice;
  const int wings = std::clamp(wingsInUse, 0, kWingCount);
  for (int w = 1; w <= kWingCount; ++w) lattice.wing(w).z = g.position(w).z;

  if (!fitsCapacity(counts, wings, limits)) {
    for (int w = 1; w <= std::min(wings, 3); ++w) {
      if (counts.n_strips[wingIndex(w)] <= limits.maxStripsPerWing) continue;
      out.report.fail({MessageId::WingTooSlender, w});
      out.report.fail({MessageId::WingTooSlenderAdvice});
    }
    out.report.append(checkLatticeCapacity(counts, g, wings, limits));
    out.report.failed = true;
    return out;
  }

  lattice.wingsInUse = wings;
  lattice.n_panels = counts.n_panels;
  for (int w = 1; w <= wings; ++w) {
    WingLattice& wing = lattice.wing(w);
    const int rows = counts.n_chord[wingIndex(w)];
    wing.n_chord = rows;
    wing.strips.reserve(static_cast<std::size_t>(counts.n_strips[wingIndex(w)]));

    std::vector<double> cornerFraction, boundFraction;  // rows 1 … n_chord
    for (int k = 1; k <= rows; ++k) {
      cornerFraction.push_back(static_cast<double>(k - 1) / rows);
      boundFraction.push_back((k - 0.75) / rows);
    }

    const int sections = std::clamp(g.wing(w).wingsections, 1, kSectionCount);
    for (int p = 1; p <= sections - 1; ++p) {
      const int across = counts.n_span[wingIndex(w)][wingIndex(p)];
      if (across == 0) continue;
      const TrapeziumRun t{g.table.x(p, w),
                           g.table.y(p, w),
                           g.table.c(p, w),
                           g.table.x(p + 1, w) - g.table.x(p, w),
                           g.table.y(p + 1, w) - g.table.y(p, w),
                           g.table.c(p + 1, w) - g.table.c(p, w)};
      std::vector<double> eta{0.0, 1.0};
      if (across > 1) {
        TrimResult trim = TRAPEZ_TRIM(w, p, {t.dy, t.c, g.table.c(p + 1, w)}, across, rows);
        out.report.append(trim.report);
        eta = std::move(trim.eta);
      }
      for (std::size_t i = 1; i < eta.size(); ++i) {
        Strip s;
        s.inner = edgeAt(t, eta[i - 1], cornerFraction, boundFraction);
        s.outer = edgeAt(t, eta[i], cornerFraction, boundFraction);
        finishStrip(s, rows);
        wing.strips.push_back(std::move(s));
      }
    }
  }
  return out;
}

}  // namespace volantis4
