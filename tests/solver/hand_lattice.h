#pragma once
// Small lattices built by hand for the equation tests: straight-tapered, possibly swept half wings
// panelled the way the lattice builder does it (bound vortex at the panels' quarter chord, control
// point at three quarters, both on the strip's centre line).

#include <vector>

#include "solver/lattice.h"

namespace volantis4::handmade {

/// One trapezoidal half wing from span station yRoot to yTip (mm), leading edge and chord varying
/// linearly in between, nStrips equal strips of nChord rows, in the plane z.
struct HandWing {
  double yRoot = 0, yTip = 1000;
  double xLeRoot = 0, xLeTip = 0;
  double chordRoot = 200, chordTip = 200;
  int nStrips = 4, nChord = 2;
  double z = 0;
};

inline StripEdge handEdge(const HandWing& w, double eta) {
  StripEdge e;
  const double xLe = w.xLeRoot + (w.xLeTip - w.xLeRoot) * eta;
  const double c = w.chordRoot + (w.chordTip - w.chordRoot) * eta;
  e.y = w.yRoot + (w.yTip - w.yRoot) * eta;
  for (int k = 1; k <= w.nChord + 1; ++k) e.cornerX.push_back(xLe + c * (k - 1) / w.nChord);
  for (int k = 1; k <= w.nChord; ++k) e.boundX.push_back(xLe + c * (k - 0.75) / w.nChord);
  return e;
}

inline WingLattice handWingLattice(const HandWing& w) {
  WingLattice wl;
  wl.n_chord = w.nChord;
  wl.z = w.z;
  for (int s = 0; s < w.nStrips; ++s) {
    Strip strip;
    strip.inner = handEdge(w, static_cast<double>(s) / w.nStrips);
    strip.outer = handEdge(w, static_cast<double>(s + 1) / w.nStrips);
    strip.controlY = (strip.inner.y + strip.outer.y) * 0.5;
    const auto n = static_cast<std::size_t>(w.nChord);
    strip.centreX.push_back((strip.inner.cornerX[0] + strip.outer.cornerX[0]) / 2);
    for (std::size_t k = 0; k < n; ++k) {
      strip.centreX.push_back(0.125 * (strip.inner.cornerX[k] + strip.outer.cornerX[k]) +
                              0.375 * (strip.inner.cornerX[k + 1] + strip.outer.cornerX[k + 1]));
    }
    strip.centreX.push_back((strip.inner.cornerX[n] + strip.outer.cornerX[n]) / 2);
    strip.chord = strip.centreX.back() - strip.centreX.front();
    wl.strips.push_back(strip);
  }
  return wl;
}

/// A lattice of the given wings (1 … 5), with n_panels counted.
inline Lattice handLattice(const std::vector<HandWing>& wings) {
  Lattice lattice;
  lattice.wingsInUse = static_cast<int>(wings.size());
  for (int w = 1; w <= lattice.wingsInUse; ++w) {
    lattice.wing(w) = handWingLattice(wings[wingIndex(w)]);
    lattice.n_panels += wings[wingIndex(w)].nStrips * wings[wingIndex(w)].nChord;
  }
  return lattice;
}

}  // namespace volantis4::handmade
