#include "solver/wirbel_erg.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"

namespace volantis4 {

bool takesReference(double halfSpan, double area, double bestHalfSpan, double bestArea) {
  return halfSpan > bestHalfSpan ||
         (area > bestArea && roundHalfEvenToDouble(10 * halfSpan) == roundHalfEvenToDouble(10 * bestHalfSpan));
}

namespace {

// Integral of c² over a strip whose chord runs linearly from cIn to cOut across dy (exact).
double chordSquaredIntegral(double cIn, double cOut, double dy) {
  return (cIn * cIn + cIn * cOut + cOut * cOut) / 3 * dy;
}

// Half span of a wing's lattice: outer y of its last strip − inner y of its first.
double latticeHalfSpan(const WingLattice& wing) {
  return wing.strips.empty() ? 0 : wing.strips.back().outer.y - wing.strips.front().inner.y;
}

bool allFinite(const VortexResults& r, int wings) {
  bool ok = std::isfinite(r.xnp) && std::isfinite(r.sb) && std::isfinite(r.lmue);
  for (int w = 1; w <= wings; ++w) {
    const WingVortexResult& v = r.wing(w);
    ok = ok && std::isfinite(v.S) && std::isfinite(v.b) && std::isfinite(v.lam) && std::isfinite(v.lm) &&
         std::isfinite(v.lift_slope) && std::isfinite(v.ac_x);
    ok = ok && std::all_of(v.panel_dcp.begin(), v.panel_dcp.end(), [](double d) { return std::isfinite(d); });
  }
  return ok;
}

// Division that yields 0 for a zero divisor and remembers that one occurred.
struct Division {
  bool zeroDivisor = false;
  double operator()(double numerator, double divisor) {
    if (divisor == 0) {
      zeroDivisor = true;
      return 0.0;
    }
    return numerator / divisor;
  }
};

// One wing's panel loads and figures from its circulations, starting at gamma[panel] (advanced
// past the wing). Each panel's moment is also added to `totalMoment` in panel order, which fixes
// the neutral point's last bit. Returns the wing's lift (both halves).
double integrateWing(const WingLattice& wing, std::span<const double> gamma, std::size_t& panel, WingVortexResult& r,
                     double& totalMoment, Division& divide) {
  const int n = std::max(wing.n_chord, 0);
  const auto rows = static_cast<std::size_t>(n);
  r.panel_dcp.reserve(wing.strips.size() * rows);

  double area = 0, lift = 0, moment = 0, chordSquared = 0;
  for (const Strip& strip : wing.strips) {
    const double dy = strip.outer.y - strip.inner.y;
    const double panelChord = strip.chord / n;
    double stripLift = 0;
    for (std::size_t k = 0; k < rows; ++k) {
      const double g = gamma[panel++];
      const double l = 2 * g * dy;
      stripLift += l;
      r.panel_dcp.push_back(divide(2 * g, panelChord));
      const double x = (strip.inner.boundX[k] + strip.outer.boundX[k]) * 0.5;
      totalMoment -= 2 * l * x;
      moment -= 2 * l * x;
    }
    const double cIn = strip.inner.chord();
    const double cOut = strip.outer.chord();
    chordSquared += chordSquaredIntegral(cIn, cOut, dy);
    area += (cIn + cOut) * dy;
    lift += 2 * stripLift;
  }

  r.S = area;
  r.lm = divide(2 * chordSquared, area);
  r.b = wing.strips.empty() ? 0 : 2 * wing.strips.back().outer.y;
  r.lam = divide(r.b * r.b, area);
  r.lift_slope = divide(lift, area);
  r.ac_x = divide(-moment, lift);
  return lift;
}

// The widest wing is the reference; of wings equally wide to 0.1 mm the larger area wins.
// 0 when no wing has span.
int referenceWing(const Lattice& lattice, const VortexResults& out, int wings) {
  int ref = 0;
  double bestHalfSpan = 0;
  double bestArea = 0;
  for (int w = 1; w <= wings; ++w) {
    const double h = latticeHalfSpan(lattice.wing(w));
    const double area = out.wing(w).S;
    if (takesReference(h, area, bestHalfSpan, bestArea)) {
      ref = w;
      bestHalfSpan = h;
      bestArea = area;
    }
  }
  return ref;
}

// The reference wing's area and mean chord, with a gap at the root filled by the root chord.
void referenceAreaAndChord(const WingLattice& wing, const WingVortexResult& r, VortexResults& out, Division& divide) {
  out.lmue = r.lm;
  out.sb = r.S;
  const double gap = wing.strips.empty() ? 0 : wing.strips.front().inner.y;
  if (gap == 0) return;
  const double rootChord = wing.strips.front().inner.chord();
  out.sb += 2 * rootChord * gap;
  double integral = rootChord * rootChord * gap;
  for (const Strip& strip : wing.strips)
    integral += chordSquaredIntegral(strip.inner.chord(), strip.outer.chord(), strip.outer.y - strip.inner.y);
  out.lmue = divide(2 * integral, out.sb);
}

// The reference wing's right half as a closed outline: root leading edge, the sections' leading
// edges outwards, their trailing edges back inwards, root trailing edge.
RefOutline referenceOutline(const AircraftGeometry& geometry, int ref) {
  const SectionTable& t = geometry.table;
  const int sections = std::clamp(geometry.wing(ref).wingsections, 1, kSectionCount);
  RefOutline o;
  o.count = 2 * sections + 2;
  const auto last = 2 * static_cast<std::size_t>(sections) + 1;
  o.points[0] = {t.x(1, ref), 0};
  o.points[last] = {t.x(1, ref) + t.c(1, ref), 0};
  for (int s = 1; s <= sections; ++s) {
    o.points[static_cast<std::size_t>(s)] = {t.x(s, ref), t.y(s, ref)};
    o.points[last - static_cast<std::size_t>(s)] = {t.x(s, ref) + t.c(s, ref), t.y(s, ref)};
  }
  return o;
}

}  // namespace

VortexResults WIRBEL_ERG(const Lattice& lattice, std::span<const double> gamma, const AircraftGeometry& geometry) {
  VortexResults out;
  const int wings = std::clamp(lattice.wingsInUse, 0, kWingCount);

  std::size_t panels = 0;
  for (int w = 1; w <= wings; ++w)
    panels += lattice.wing(w).strips.size() * static_cast<std::size_t>(std::max(lattice.wing(w).n_chord, 0));
  if (gamma.size() < panels) {
    out.report.fail({MessageId::ResultNotFinite});
    return out;
  }

  Division divide;
  double totalLift = 0;
  double totalMoment = 0;
  std::size_t panel = 0;
  for (int w = 1; w <= wings; ++w)
    totalLift += integrateWing(lattice.wing(w), gamma, panel, out.wings[wingIndex(w)], totalMoment, divide);
  out.xnp = divide(-totalMoment, totalLift);

  out.ref_wing = referenceWing(lattice, out, wings);
  if (out.ref_wing == 0) {
    divide.zeroDivisor = true;  // no wing with span or area: nothing to refer the margin to
  } else {
    referenceAreaAndChord(lattice.wing(out.ref_wing), out.wing(out.ref_wing), out, divide);
    out.ref_outline = referenceOutline(geometry, out.ref_wing);
  }

  if (divide.zeroDivisor || !allFinite(out, wings)) out.report.fail({MessageId::ResultNotFinite});
  return out;
}

}  // namespace volantis4
