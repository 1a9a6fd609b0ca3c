#include "solver/wirbel_erg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometry_fixture.h"
#include "solver/trawy2.h"

namespace volantis4 {
namespace {

using fixture::aircraftOf;
using fixture::rectangle;

// Counts for wings given as (n_chord, strips of trapezium 1).
LatticeCounts countsOf(std::initializer_list<std::array<int, 2>> wings) {
  LatticeCounts c;
  std::size_t w = 0;
  for (const auto& [rows, strips] : wings) {
    c.n_chord[w] = rows;
    c.n_span[w][0] = strips;
    c.n_strips[w] = strips;
    c.n_panels += rows * strips;
    ++w;
  }
  return c;
}

Lattice latticeOf(const AircraftGeometry& g, const LatticeCounts& counts, int wings) {
  Trawy2Result r = TRAWY2(g, counts, wings);
  EXPECT_FALSE(r.report.failed);
  return r.lattice;
}

TEST(WIRBEL_ERG, ConstantCirculationOnARectangle) {
  // Chord 100, half span 200 at x 1000: 2 strips of 100 mm, 2 rows. Γ = 1 on every panel:
  // panel lift 2·1·100 = 200, wing lift 2·(4·200) = 1600; bound vortices at 1012.5 and 1062.5.
  const AircraftGeometry g = aircraftOf({rectangle({.halfSpan = 200, .chord = 100, .x = 1000})});
  const Lattice lattice = latticeOf(g, countsOf({{2, 2}}), 1);
  const std::vector<double> gamma(4, 1.0);
  const VortexResults r = WIRBEL_ERG(lattice, gamma, g);
  EXPECT_FALSE(r.report.failed);
  const WingVortexResult& w = r.wing(1);
  EXPECT_DOUBLE_EQ(w.S, 40000);
  EXPECT_DOUBLE_EQ(w.b, 400);
  EXPECT_DOUBLE_EQ(w.lam, 4);
  EXPECT_DOUBLE_EQ(w.lm, 100);
  EXPECT_DOUBLE_EQ(w.lift_slope, 1600.0 / 40000);
  EXPECT_DOUBLE_EQ(w.ac_x, 1037.5);  // the mean of the bound-vortex lines
  EXPECT_DOUBLE_EQ(r.xnp, 1037.5);
  EXPECT_EQ(w.panel_dcp, (std::vector<double>{0.04, 0.04, 0.04, 0.04}));  // 2Γ / (100/2)
  EXPECT_EQ(r.ref_wing, 1);
  EXPECT_DOUBLE_EQ(r.sb, 40000);
  EXPECT_DOUBLE_EQ(r.lmue, 100);
  EXPECT_EQ(r.ref_outline.count, 6);
  const std::array<std::array<double, 2>, 6> outline{
      {{1000, 0}, {1000, 0}, {1000, 200}, {1100, 200}, {1100, 0}, {1100, 0}}};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(r.ref_outline.points[i], outline[i]) << "point " << i;
}

TEST(WIRBEL_ERG, GapIsFilledWithTheRootChordForTheReference) {
  // Gap 50, chord 200 → 100 over 200 mm, one panel. S = 300·200 = 60000; ∫c² = (200² + 200·100 + 100²)/3·200.
  // sb = 60000 + 2·200·50 = 80000; lmue = 2·(200²·50 + ∫c²)/80000 = 500/3.
  const AircraftGeometry g = aircraftOf({{50, {200}, {0}, {200, 100}, 0, 0}});
  const Lattice lattice = latticeOf(g, countsOf({{1, 1}}), 1);
  const std::vector<double> gamma{1.0};
  const VortexResults r = WIRBEL_ERG(lattice, gamma, g);
  const double integral = 70000.0 / 3 * 200;
  EXPECT_DOUBLE_EQ(r.wing(1).S, 60000);
  EXPECT_DOUBLE_EQ(r.wing(1).b, 500);
  EXPECT_DOUBLE_EQ(r.wing(1).lm, 2 * integral / 60000);
  EXPECT_DOUBLE_EQ(r.wing(1).ac_x, 37.5);  // bound vortex at a quarter of 200 and of 100
  EXPECT_DOUBLE_EQ(r.sb, 80000);
  EXPECT_DOUBLE_EQ(r.lmue, 500.0 / 3);
  EXPECT_EQ(r.ref_outline.points[1], (std::array<double, 2>{0, 50}));
  EXPECT_EQ(r.ref_outline.points[4], (std::array<double, 2>{200, 50}));
}

TEST(WIRBEL_ERG, NeutralPointIsTheLiftWeightedMeanOfTheWings) {
  // Wing 1 as the rectangle above at x 0 (lift 1600 at 37.5); wing 2: chord 50, half span 100 at
  // x 1000, one panel with Γ = 2 (lift 2·2·2·100 = 800 at 1012.5).
  const AircraftGeometry g =
      aircraftOf({rectangle({.halfSpan = 200, .chord = 100}), rectangle({.halfSpan = 100, .chord = 50, .x = 1000})});
  const Lattice lattice = latticeOf(g, countsOf({{2, 2}, {1, 1}}), 2);
  const std::vector<double> gamma{1, 1, 1, 1, 2};
  const VortexResults r = WIRBEL_ERG(lattice, gamma, g);
  EXPECT_DOUBLE_EQ(r.wing(2).ac_x, 1012.5);
  EXPECT_DOUBLE_EQ(r.wing(2).lift_slope, 800.0 / 10000);
  EXPECT_EQ(r.wing(2).panel_dcp, std::vector<double>{0.08});
  EXPECT_DOUBLE_EQ(r.xnp, (1600 * 37.5 + 800 * 1012.5) / 2400);
  EXPECT_EQ(r.ref_wing, 1);
  EXPECT_DOUBLE_EQ(r.wing(1).dcp(2, 1, 2), 0.04);
}

TEST(WIRBEL_ERG, ReferenceIsTheWidestAndOfEquallyWideTheLarger) {
  struct Case {
    const char* name;
    double halfSpan2;  // wing 1: chord 100, half span 200
    int chord2;
    int reference;
  };
  const Case cases[] = {{"wider by four hundredths wins with less area", 200.04, 50, 2},
                        {"equally wide to a tenth, larger area wins", 199.96, 120, 2},
                        {"same width and area keeps the earlier", 200, 100, 1},
                        {"narrower by a tenth loses", 199.9, 120, 1}};
  for (const Case& c : cases) {
    AircraftGeometry g = aircraftOf(
        {rectangle({.halfSpan = 200, .chord = 100}), rectangle({.halfSpan = 200, .chord = c.chord2, .z = 500})});
    g.table.Y[1][1] = c.halfSpan2;  // section 2 of wing 2, to a fraction of a millimetre
    const Lattice lattice = latticeOf(g, countsOf({{1, 1}, {1, 1}}), 2);
    EXPECT_EQ(WIRBEL_ERG(lattice, std::vector<double>{1, 1}, g).ref_wing, c.reference) << c.name;
  }
}

TEST(WIRBEL_ERG, UntrustworthyCirculationsFailTheReportWithoutNaN) {
  const AircraftGeometry g = aircraftOf({rectangle({.halfSpan = 200, .chord = 100})});
  const Lattice lattice = latticeOf(g, countsOf({{2, 2}}), 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // No lift at all (ac_x and xnp would be 0/0), a NaN from a failed solve, too few values.
  for (const std::vector<double>& gamma : std::vector<std::vector<double>>{{0, 0, 0, 0}, {1, nan, 1, 1}, {1, 1, 1}}) {
    const VortexResults r = WIRBEL_ERG(lattice, gamma, g);
    ASSERT_EQ(r.report.messages.size(), 1u);
    EXPECT_EQ(r.report.messages[0].id, MessageId::ResultNotFinite);
    EXPECT_TRUE(r.report.failed);
  }
  const VortexResults none = WIRBEL_ERG(lattice, std::vector<double>(4, 0.0), g);
  EXPECT_EQ(none.wing(1).ac_x, 0);
  EXPECT_EQ(none.xnp, 0);
  EXPECT_DOUBLE_EQ(none.sb, 40000);  // the geometry still counts
}

}  // namespace
}  // namespace volantis4
