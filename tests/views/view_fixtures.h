#pragma once
// Small hand-made aircraft and lattices for the top view, lattice and 3-D view tests.

#include <vector>

#include "model/aircraft_geometry.h"
#include "rectangle.h"
#include "solver/calculation_output.h"
#include "views/recording_canvas.h"

namespace volantis4::view_fixtures {

/// The wing of a rectangle.
inline Wing rectangle(const testing_support::Rectangle& r) {
  Wing w;
  w.wingsections = 2;
  w.gap = r.gap;
  w.y = {r.gap, r.halfSpan, r.halfSpan, r.halfSpan, r.halfSpan};
  w.chord = {r.chord, r.chord, r.chord, r.chord, r.chord};
  return w;
}

/// Wing 1: rectangle of half span 1000 and chord 500 at x = 100; the others as given or unused.
inline AircraftGeometry oneWingAt(int x, int z = 0) {
  AircraftGeometry g;
  g.wing(1) = rectangle({.halfSpan = 1000, .chord = 500});
  g.position(1) = {x, z};
  return g;
}

/// One strip per wing from y = 0 to `tip`, rows with corner x as given, loads per row.
inline void addWing(CalculationOutput& out, int w, double tip, const std::vector<double>& cornerX,
                    const std::vector<double>& dcp, double z = 0) {
  WingLattice& l = out.lattice.wing(w);
  l.n_chord = static_cast<int>(cornerX.size()) - 1;
  l.z = z;
  Strip s;
  s.inner.y = 0;
  s.outer.y = tip;
  s.inner.cornerX = s.outer.cornerX = cornerX;
  s.controlY = tip / 2;
  s.centreX.assign(cornerX.size() + 1, 0.0);
  for (std::size_t k = 0; k + 1 < cornerX.size(); ++k) s.centreX[k + 1] = (cornerX[k] + 3 * cornerX[k + 1]) / 4;
  l.strips.push_back(s);
  out.lattice.n_panels += l.n_chord;
  out.counts.n_panels += l.n_chord;
  out.counts.n_chord[wingIndex(w)] = l.n_chord;
  out.counts.n_strips[wingIndex(w)] = static_cast<int>(l.strips.size());
  out.vortex.wings[wingIndex(w)].panel_dcp = dcp;
}

using Segment = std::pair<Point, Point>;

/// The 1-pixel or wider lines drawn in `colour` (any width when width is 0).
inline std::vector<Segment> linesIn(const std::vector<DrawCall>& calls, Rgb colour, int width = 0) {
  std::vector<Segment> out;
  for (const DrawCall& c : calls)
    if (c.kind == DrawCall::Kind::Line && c.penColour == colour && (width == 0 || c.penWidth == width))
      out.push_back({c.points[0], c.points[1]});
  return out;
}

inline std::vector<DrawCall> callsOf(const std::vector<DrawCall>& calls, DrawCall::Kind kind) {
  std::vector<DrawCall> out;
  for (const DrawCall& c : calls)
    if (c.kind == kind) out.push_back(c);
  return out;
}

}  // namespace volantis4::view_fixtures
