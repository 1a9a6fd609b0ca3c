#include "solver/grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/numbers.h"

namespace volantis4 {
namespace {

constexpr long long kIntMax = std::numeric_limits<std::int32_t>::max();

int sectionsOf(const AircraftGeometry& g, int w) { return std::clamp(g.wing(w).wingsections, 1, kSectionCount); }

// Span of the half wing without the gap, both halves: 2·(y of the last section − y of section 1).
double latticeSpan(const AircraftGeometry& g, int w) { return 2 * (g.table.y(sectionsOf(g, w), w) - g.table.y(1, w)); }

bool hasSpanAndArea(const AircraftGeometry& g, int w) { return g.figure(w).S > 0 && latticeSpan(g, w) > 0; }

std::int32_t saturated(long long v) { return static_cast<std::int32_t>(std::min(v, kIntMax)); }

int inUse(int wingsInUse) { return std::clamp(wingsInUse, 0, kWingCount); }

}  // namespace

int panelBudgetWing(const AircraftGeometry& g, int wingsInUse) {
  if (wingsInUse <= 1) return 1;
  const double s1 = g.figure(1).S;
  const double s2 = g.figure(2).S;
  if (wingsInUse == 2) return s1 > s2 ? 1 : 2;
  const double s3 = g.figure(3).S;
  int ref = 1;
  if (s2 > s1 && s2 >= s3) ref = 2;
  if (s3 > s1 && s3 >= s2) ref = 3;
  return ref;
}

GridResult GRID(const AircraftGeometry& g, int wingsInUse, const LatticeLimits& limits) {
  GridResult out;
  LatticeCounts& counts = out.counts;
  const int wings = inUse(wingsInUse);
  const double referenceArea = wings > 0 ? g.figure(panelBudgetWing(g, wings)).S : 0;

  for (int w = 1; w <= wings; ++w) {
    const double area = g.figure(w).S;
    const double span = latticeSpan(g, w);
    if (!(referenceArea > 0) || !hasSpanAndArea(g, w)) continue;  // refused by checkLatticeCapacity

    const std::int32_t target = roundHalfEven(limits.panelBudget * area / referenceArea);
    const std::int32_t rows = std::max(roundHalfEven(std::sqrt(2.0 * target / (span * span / area))), 1);
    counts.panel_target[wingIndex(w)] = target;
    counts.n_chord[wingIndex(w)] = rows;

    long long strips = 0;
    for (int p = 1; p <= sectionsOf(g, w) - 1; ++p) {
      const double dy = g.table.y(p + 1, w) - g.table.y(p, w);
      if (!(dy > 0)) continue;
      const double meanChord = (g.table.c(p, w) + g.table.c(p + 1, w)) / 2;
      const std::int32_t across = std::max(roundHalfEven(rows * dy / meanChord), 1);  // zero chords saturate
      counts.n_span[wingIndex(w)][wingIndex(p)] = across;
      strips += across;
    }
    counts.n_strips[wingIndex(w)] = saturated(strips);
  }

  long long panels = 0;
  for (int w = 1; w <= wings; ++w)
    panels += std::min(static_cast<long long>(counts.n_strips[wingIndex(w)]) * counts.n_chord[wingIndex(w)], kIntMax);
  counts.n_panels = saturated(panels);

  for (int w = 1; w <= std::min(wings, 3); ++w) {
    if (counts.n_strips[wingIndex(w)] <= limits.maxStripsPerWing) continue;
    out.report.fail({MessageId::WingTooSlender, w});
    out.report.fail({MessageId::WingTooSlenderAdvice});
  }
  return out;
}

StageReport checkLatticeCapacity(const LatticeCounts& counts, const AircraftGeometry& g, int wingsInUse,
                                 const LatticeLimits& limits) {
  StageReport report;
  const int wings = inUse(wingsInUse);
  bool refused = false;
  for (int w = 1; w <= wings; ++w) {
    if (!hasSpanAndArea(g, w)) {
      report.fail({MessageId::WingWithoutArea, w});
      report.fail({MessageId::WingWithoutAreaAdvice});
      refused = true;
      continue;
    }
    if (counts.n_strips[wingIndex(w)] > limits.maxStripsPerWing) {
      refused = true;
      if (w >= 4) {  // GRID has written the lines of wings 1-3
        report.fail({MessageId::WingTooSlender, w});
        report.fail({MessageId::WingTooSlenderAdvice});
      }
    }
    if (counts.n_chord[wingIndex(w)] > limits.maxChordRows) {
      report.fail({MessageId::TooManyRows, w});
      report.fail({MessageId::TooManyRowsAdvice});
      refused = true;
    }
  }
  if (refused) return report;  // a refused wing makes the panel total meaningless

  // Counts that do not fit the geometry (not produced by GRID) must still not reach the lattice.
  for (int w = 1; w <= wings; ++w) {
    if (counts.n_strips[wingIndex(w)] > 0 && counts.n_chord[wingIndex(w)] > 0) continue;
    report.fail({MessageId::WingWithoutArea, w});
    report.fail({MessageId::WingWithoutAreaAdvice});
    refused = true;
  }
  if (!refused && counts.n_panels > limits.maxPanels) {
    report.fail({MessageId::TooManyPanels, counts.n_panels, limits.maxPanels});
    report.fail({MessageId::TooManyPanelsAdvice});
  }
  return report;
}

}  // namespace volantis4
