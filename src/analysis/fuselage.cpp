#include "analysis/fuselage.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "solver/einfluss.h"

namespace volantis4 {
namespace {

// The factor LOES scales the influence entries with (1/(4π) to seven digits); the flow gradient uses
// the same, so that the lattice's own flow condition holds at its control points.
constexpr double kInfluenceScale = 0.0795775;
constexpr double kLongestPart = 5;  // mm

struct RootChord {
  double leading = 0;   // wing_x
  double trailing = 0;  // wing_x + root chord
  double gap = 0;       // the root's span station
};

std::vector<RootChord> rootChords(const AircraftGeometry& geometry, int wingsInUse) {
  std::vector<RootChord> roots;
  for (int w = 1; w <= wingsInUse; ++w) {
    const double x = geometry.position(w).x;
    roots.push_back({x, x + geometry.wing(w).chord[0], static_cast<double>(geometry.wing(w).gap)});
  }
  return roots;
}

// Whether a wing other than the reference makes the aircraft a layout the chart was not fitted to:
// ahead of the reference wing (canard), or as large as half of it (tandem).
bool chartFits(const VortexResults& v, int wingsInUse) {
  if (wingsInUse > 2) return false;
  const WingVortexResult& ref = v.wing(v.ref_wing);
  for (int w = 1; w <= wingsInUse; ++w) {
    if (w == v.ref_wing) continue;
    const WingVortexResult& other = v.wing(w);
    if (other.ac_x <= ref.ac_x || other.S >= 0.5 * ref.S) return false;
  }
  return true;
}

}  // namespace

std::vector<FuselageSample> fuselageSamples(const FuselageInput& fuselage, const AircraftGeometry& geometry,
                                            int wingsInUse) {
  std::vector<FuselageSample> samples;
  if (fuselage.stations.size() < 2) return samples;
  const double first = fuselage.stations.front().x, last = fuselage.stations.back().x;
  const std::vector<RootChord> roots = rootChords(geometry, wingsInUse);

  std::vector<double> breaks;
  for (const FuselageStation& s : fuselage.stations) breaks.push_back(s.x);
  for (const RootChord& r : roots)
    for (double edge : {r.leading, r.trailing})
      if (edge > first && edge < last) breaks.push_back(edge);
  std::sort(breaks.begin(), breaks.end());
  breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

  for (std::size_t k = 0; k + 1 < breaks.size(); ++k) {
    const double a = breaks[k], b = breaks[k + 1];
    const double parts = std::max(1.0, std::ceil((b - a) / kLongestPart));
    for (double j = 1; j <= parts; ++j) {
      FuselageSample s;
      s.x = a + (j - 0.5) * (b - a) / parts;
      s.length = (b - a) / parts;
      s.width = fuselageWidthAt(fuselage, s.x);
      s.covered = std::any_of(roots.begin(), roots.end(), [&s](const RootChord& r) {
        return r.leading < s.x && s.x < r.trailing && r.gap <= s.width / 2;
      });
      samples.push_back(s);
    }
  }
  return samples;
}

FuselageFigures fuselageFigures(const FuselageInput& fuselage, const FuselageRunInputs& run) {
  const VortexResults& v = run.vortex;
  FuselageFigures f;
  f.samples = fuselageSamples(fuselage, run.geometry, run.wingsInUse);

  // The local flow angle at every uncovered sample on the fuselage axis, from the solved lattice.
  std::vector<Vec3> points;
  for (const FuselageSample& s : f.samples)
    if (!s.covered) points.push_back({s.x, 0, static_cast<double>(fuselage.axisZ)});
  const std::vector<double> induced = inducedZ(run.lattice, run.gamma, points);
  double moment = 0;  // Σ w² · dβ/dα · Δ
  std::size_t next = 0;
  for (FuselageSample& s : f.samples) {
    if (s.covered) continue;
    s.gradient = 1 + kInfluenceScale * induced[next++];
    moment += s.width * s.width * s.gradient * s.length;
  }
  f.cmAlpha = std::numbers::pi / (2 * v.sb * v.lmue) * moment;

  double lift = 0;
  for (int w = 1; w <= run.wingsInUse; ++w) lift += v.wing(w).lift_slope * v.wing(w).S;
  f.clAlpha = lift / v.sb;
  f.shiftMm = -v.lmue * f.cmAlpha / f.clAlpha;
  f.xnp = v.xnp + f.shiftMm;

  const std::vector<FuselageStation>& stations = fuselage.stations;
  f.length = stations.back().x - stations.front().x;
  for (const FuselageStation& s : stations) f.maxWidth = std::max(f.maxWidth, static_cast<double>(s.width));

  const int ref = v.ref_wing;
  FuselageChart& c = f.chart;
  const double quarterChord = run.geometry.position(ref).x + run.geometry.wing(ref).chord[0] / 4.0;
  c.xQuarterChord = (quarterChord - stations.front().x) / f.length;
  c.inRange = c.xQuarterChord >= 0.1 && c.xQuarterChord <= 0.62;
  if (c.inRange) {
    c.kF = 0.01 - 0.063 * c.xQuarterChord + 0.211 * c.xQuarterChord * c.xQuarterChord;
    c.cmAlpha = c.kF * f.maxWidth * f.maxWidth * f.length / (v.lmue * v.sb) * 180 / std::numbers::pi;
    c.shiftMm = -v.lmue * c.cmAlpha / f.clAlpha;
  }
  f.chartLayout = chartFits(v, run.wingsInUse);

  for (int w = 1; w <= run.wingsInUse; ++w)
    if (run.geometry.wing(w).chord[0] > f.length / 2 || run.geometry.figure(w).lam < 1) f.suspectWings.push_back(w);
  return f;
}

}  // namespace volantis4
