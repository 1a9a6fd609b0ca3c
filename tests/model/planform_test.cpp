#include "model/planform.h"

#include <gtest/gtest.h>

#include "model/aircraft_geometry.h"

namespace volantis4 {
namespace {

// Column 1 of a table from explicit sections (x aircraft, y station, chord).
SectionTable tableOf(std::initializer_list<std::array<double, 3>> sections) {
  SectionTable t;
  std::size_t s = 0;
  for (const auto& sec : sections) {
    t.X[s][0] = sec[0];
    t.Y[s][0] = sec[1];
    t.C[s][0] = sec[2];
    ++s;
  }
  return t;
}

TEST(NTRAP_SPEZIAL, RectangleHasChordAsMeanChordAndQuarterChordCentre) {
  const PlanformFigures f = NTRAP_SPEZIAL(1, 2, tableOf({{0, 0, 100}, {0, 500, 100}}));
  EXPECT_DOUBLE_EQ(f.S, 100000);
  EXPECT_DOUBLE_EQ(f.lm, 100);
  EXPECT_DOUBLE_EQ(f.r25, 25);
  EXPECT_DOUBLE_EQ(f.b, 1000);
  EXPECT_DOUBLE_EQ(f.lam, 10);
}

TEST(NTRAP_SPEZIAL, UnsweptTaperGivesTheTextbookMeanChord) {
  const PlanformFigures f = NTRAP_SPEZIAL(1, 2, tableOf({{0, 0, 300}, {0, 400, 100}}));
  EXPECT_DOUBLE_EQ(f.S, 160000);
  EXPECT_NEAR(f.lm, 2.0 / 3.0 * (300.0 * 300 + 300 * 100 + 100 * 100) / 400, 1e-9);
}

TEST(NTRAP_SPEZIAL, ResultIsInAircraftCoordinatesAndGapCountsOnlyInSpan) {
  // Gap 300, one panel of 38 mm; the whole wing sits 1000 mm aft.
  const PlanformFigures f = NTRAP_SPEZIAL(1, 2, tableOf({{1000, 300, 100}, {1000, 338, 100}}));
  EXPECT_DOUBLE_EQ(f.b, 676);
  EXPECT_DOUBLE_EQ(f.S, 2 * 100 * 38);
  EXPECT_DOUBLE_EQ(f.r25, 1025);
}

TEST(NTRAP_SPEZIAL, ZeroAreaGivesZeros) {
  EXPECT_EQ(NTRAP_SPEZIAL(1, 3, tableOf({{0, 50, 0}, {0, 100, 0}, {0, 200, 0}})), PlanformFigures{});
  EXPECT_EQ(NTRAP_SPEZIAL(1, 3, tableOf({{0, 0, 80}, {0, 0, 80}, {0, 0, 80}})), PlanformFigures{});
  EXPECT_EQ(NTRAP_SPEZIAL(1, 1, tableOf({{0, 0, 80}, {0, 100, 80}})), PlanformFigures{});
}

TEST(DefaultAircraft, WingOneFiguresAreTheHandWorkedOnes) {
  const AircraftGeometry g = geometryOf(defaultForm());
  const PlanformFigures& f = g.figure(1);
  EXPECT_DOUBLE_EQ(f.b, 2200);
  EXPECT_DOUBLE_EQ(f.S, 718170);
  // Integrals worked by hand trapezium by trapezium (see the integration rules).
  EXPECT_NEAR(f.lm, 2 * 118407466.666666667 / 718170, 1e-9);
  EXPECT_NEAR(f.r25, 2 * 50857236.666666667 / 718170, 1e-9);
  EXPECT_NEAR(f.lam, 2200.0 * 2200 / 718170, 1e-12);
}

TEST(DefaultAircraft, WingFiveWithGapCountsThreeTrapezia) {
  const AircraftGeometry g = geometryOf(defaultForm());
  // Wing 5: 2 trapezia, gap 300, widths 38, 38: stations 300, 338, 376.
  EXPECT_EQ(g.wing(5).wingsections, 3);
  EXPECT_DOUBLE_EQ(g.figure(5).b, 752);
  EXPECT_DOUBLE_EQ(g.figure(5).S, (600.0 + 680) * 38 + (680.0 + 600) * 38);
  // The section table carries wing_x (-135) in its leading-edge x.
  EXPECT_DOUBLE_EQ(g.table.x(2, 5), -135 - 80);
  EXPECT_DOUBLE_EQ(g.table.y(1, 5), 300);
}

TEST(ResultLabels, WidthsDependOnTheWing) {
  const PlanformFigures f{100, 20000, 5.04, 5.06, 1.23};
  EXPECT_EQ(resultLabels(f, 3)[2], " 5.0mm");
  EXPECT_EQ(resultLabels(f, 4)[2], "5.0mm");
  EXPECT_EQ(resultLabels(f, 4)[3], "5.1mm");
  EXPECT_EQ(resultLabels(f, 4)[4], "1.2");
  EXPECT_EQ(resultLabels(f, 5)[4], "  1.2");
  EXPECT_EQ(resultLabels(f, 1)[1], "2.00dm^2");
  EXPECT_EQ(resultLabels(f, 1)[0], " 100mm");
}

TEST(Recompute, ZeroChordWingShowsMinusWingXAsCentre) {
  Form form = defaultForm();
  for (auto& c : form.wing(3).chords) c = "0";
  const AircraftGeometry g = geometryOf(form);
  EXPECT_EQ(g.figure(3).S, 0);
  EXPECT_EQ(g.figure(3).b, 0);
  EXPECT_DOUBLE_EQ(g.figure(3).r25, 135);  // -wing_x of wing 3
}

TEST(Recompute, MovingTheWingChangesTheTableNotTheCentre) {
  Form form = defaultForm();
  const AircraftGeometry before = geometryOf(form);
  form.wing(2).positionX = "2000";
  const AircraftGeometry after = geometryOf(form);
  EXPECT_NEAR(after.figure(2).r25, before.figure(2).r25, 1e-9);
  EXPECT_DOUBLE_EQ(after.table.x(1, 2) - before.table.x(1, 2), 2000 - 1167);
}

TEST(Recompute, HugeFieldsSaturateWithoutOverflow) {
  Form form = defaultForm();
  for (auto& w : form.wing(1).widths) w = "99999999999";
  form.wing(1).gap = "-99999999999";
  const AircraftGeometry g = geometryOf(form);
  EXPECT_EQ(g.wing(1).y[4], 5 * 99999999);
  EXPECT_DOUBLE_EQ(g.figure(1).b, 2.0 * 5 * 99999999);
  EXPECT_GT(g.figure(1).S, 0);
}

}  // namespace
}  // namespace volantis4
