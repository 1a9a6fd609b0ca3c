#include "solver/konflikt2.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/numbers.h"

namespace volantis4 {
namespace {

constexpr double kClearanceFactor = 0.6;
constexpr std::array<std::pair<int, int>, 10> kPairs{
    {{1, 2}, {1, 3}, {2, 3}, {1, 4}, {2, 4}, {3, 4}, {1, 5}, {2, 5}, {3, 5}, {4, 5}}};

struct SpanInterval {
  double root = 0;
  double tip = 0;
};

SpanInterval spanOf(const AircraftGeometry& g, int w) {
  const int sections = std::clamp(g.wing(w).wingsections, 1, kSectionCount);
  return {g.table.y(1, w), g.table.y(sections, w)};
}

double clearanceOf(const AircraftGeometry& g, const LatticeCounts& counts, int wings) {
  double clearance = 0;
  for (int w = 1; w <= wings; ++w) {
    const int strips = counts.n_strips[wingIndex(w)];
    if (strips <= 0) continue;  // no strips, no width: such a wing is refused before the lattice
    const double candidate = kClearanceFactor * ((g.figure(w).b / 2 - g.table.y(1, w)) / strips);
    if (candidate > clearance) clearance = candidate;
  }
  return clearance;
}

// Wing b walks from z0 in 1 mm steps (direction ±1) until it is clear of wings 1 … b−1. The walk
// is taken in jumps: the steps that keep one wing c in conflict form one run of consecutive step
// counts (the distance is V-shaped in the step count), so the first step count after that run is
// found by doubling and bisection. Heights stay whole numbers, so z0 + direction·k is exactly the
// height after k single steps.
double walkClear(const std::array<double, kWingCount>& zf, const std::array<bool, kWingCount>& overlaps, int b,
                 double z0, double direction, double clearance) {
  auto conflict = [&](int c, long long k) {
    const double z = z0 + direction * static_cast<double>(k);
    return overlaps[wingIndex(c)] && !(std::fabs(zf[wingIndex(c)] - z) > clearance);
  };
  long long k = 1;
  for (bool moved = true; moved;) {
    moved = false;
    for (int c = 1; c < b; ++c) {
      if (!conflict(c, k)) continue;
      long long inside = k;
      long long span = 1;
      while (conflict(c, k + span)) {
        inside = k + span;
        span *= 2;
      }
      long long outside = k + span;
      while (outside - inside > 1) {
        const long long mid = inside + (outside - inside) / 2;
        (conflict(c, mid) ? inside : outside) = mid;
      }
      k = outside;
      moved = true;
    }
  }
  return z0 + direction * static_cast<double>(k);
}

}  // namespace

bool UEBERSCHNEID(double a1, double a2, double b1, double b2) { return b2 > a1 && b1 < a2; }

Konflikt2Result KONFLIKT2(const AircraftGeometry& g, const LatticeCounts& counts, int wingsInUse) {
  Konflikt2Result out;
  const int wings = std::clamp(wingsInUse, 0, kWingCount);
  for (int w = 1; w <= kWingCount; ++w) out.zf[wingIndex(w)] = g.position(w).z;
  out.z_clearance = clearanceOf(g, counts, wings);
  const double clearance = out.z_clearance;
  auto& zf = out.zf;

  auto intersect = [&](int c, int w) {
    const SpanInterval sc = spanOf(g, c);
    const SpanInterval sw = spanOf(g, w);
    return UEBERSCHNEID(sc.root, sc.tip, sw.root, sw.tip);
  };

  for (const auto& [a, b] : kPairs) {
    if (b > wings) continue;
    if (!(std::fabs(zf[wingIndex(a)] - zf[wingIndex(b)]) < clearance) || !intersect(a, b)) continue;

    if (b == 2) {
      zf[1] = zf[0] >= zf[1] ? zf[0] - clearance : zf[0] + clearance;
    } else {
      std::array<bool, kWingCount> overlaps{};
      for (int c = 1; c < b; ++c) overlaps[wingIndex(c)] = intersect(c, b);
      const double direction = zf[wingIndex(a)] >= zf[wingIndex(b)] ? -1.0 : 1.0;
      zf[wingIndex(b)] = walkClear(zf, overlaps, b, zf[wingIndex(b)], direction, clearance);
    }
    const double z = zf[wingIndex(b)];
    out.moves.push_back({b, z, roundHalfEven(z), formatFixed(z, 0, 0)});
    out.wings_moved = true;
  }
  return out;
}

}  // namespace volantis4
