#include "solver/wirbel_erg.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"

namespace volantis4 {
namespace {

// Integral of c² over a strip whose chord runs linearly from cIn to cOut across dy (exact).
double chordSquaredIntegral(double cIn, double cOut, double dy) {
  return (cIn * cIn + cIn * cOut + cOut * cOut) / 3 * dy;
}

double edgeChord(const StripEdge& e) { return e.cornerX.back() - e.cornerX.front(); }

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

  bool zeroDivisor = false;
  auto divide = [&zeroDivisor](double numerator, double divisor) {
    if (divisor == 0) {
      zeroDivisor = true;
      return 0.0;
    }
    return numerator / divisor;
  };

  double totalLift = 0;
  double totalMoment = 0;
  std::size_t panel = 0;
  for (int w = 1; w <= wings; ++w) {
    const WingLattice& wing = lattice.wing(w);
    WingVortexResult& r = out.wings[static_cast<std::size_t>(w - 1)];
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
      const double cIn = edgeChord(strip.inner);
      const double cOut = edgeChord(strip.outer);
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
    totalLift += lift;
  }
  out.xnp = divide(-totalMoment, totalLift);

  // The widest wing is the reference; of wings equally wide to 0.1 mm the larger area wins.
  double bestHalfSpan = 0;
  double bestArea = 0;
  for (int w = 1; w <= wings; ++w) {
    const double h = latticeHalfSpan(lattice.wing(w));
    const double area = out.wing(w).S;
    if (h > bestHalfSpan ||
        (area > bestArea && roundHalfEvenToDouble(10 * h) == roundHalfEvenToDouble(10 * bestHalfSpan))) {
      out.ref_wing = w;
      bestHalfSpan = h;
      bestArea = area;
    }
  }

  if (out.ref_wing == 0) {
    zeroDivisor = true;  // no wing with span or area: nothing to refer the margin to
  } else {
    const int ref = out.ref_wing;
    const WingLattice& wing = lattice.wing(ref);
    out.lmue = out.wing(ref).lm;
    out.sb = out.wing(ref).S;
    const double gap = wing.strips.empty() ? 0 : wing.strips.front().inner.y;
    if (gap != 0) {
      const double rootChord = edgeChord(wing.strips.front().inner);
      out.sb += 2 * rootChord * gap;
      double integral = rootChord * rootChord * gap;
      for (const Strip& strip : wing.strips)
        integral += chordSquaredIntegral(edgeChord(strip.inner), edgeChord(strip.outer), strip.outer.y - strip.inner.y);
      out.lmue = divide(2 * integral, out.sb);
    }

    const SectionTable& t = geometry.table;
    const int sections = std::clamp(geometry.wing(ref).wingsections, 1, kSectionCount);
    RefOutline& o = out.ref_outline;
    o.count = 2 * sections + 2;
    const auto last = 2 * static_cast<std::size_t>(sections) + 1;
    o.points[0] = {t.x(1, ref), 0};
    o.points[last] = {t.x(1, ref) + t.c(1, ref), 0};
    for (int s = 1; s <= sections; ++s) {
      o.points[static_cast<std::size_t>(s)] = {t.x(s, ref), t.y(s, ref)};
      o.points[last - static_cast<std::size_t>(s)] = {t.x(s, ref) + t.c(s, ref), t.y(s, ref)};
    }
  }

  if (zeroDivisor || !allFinite(out, wings)) out.report.fail({MessageId::ResultNotFinite});
  return out;
}

}  // namespace volantis4
