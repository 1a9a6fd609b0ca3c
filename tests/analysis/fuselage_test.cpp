// The fuselage's moment from the lattice's flow: where it is sampled, what is left out under a wing,
// Munk's slender-body limit far from the wings, the flow angle ahead of and behind a wing, the chart
// cross-check and the figures of the report built on it.
#include "analysis/fuselage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analysis/stability_report.h"
#include "geometry_fixture.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"

namespace volantis4 {
namespace {

using fixture::WingInput;

// A complete run and the fuselage's figures on it.
struct Flown {
  Document doc;
  FuselageFigures figures;
};

Flown fly(const std::vector<WingInput>& wings, const FuselageInput& fuselage) {
  Flown f;
  f.doc = fixture::documentOf(wings);
  EXPECT_TRUE(Button4Click(f.doc));
  const CalculationOutput& out = *f.doc.output;
  f.figures = fuselageFigures(fuselage, {out.lattice, out.gamma, f.doc.geometry, f.doc.form.wingsCount, out.vortex});
  return f;
}

// A wing of 1000 mm half span and 200 mm chord at x = 0, and a tail 800 mm behind it, 40 mm higher.
const std::vector<WingInput> kTrainer{{0, {1000}, {0}, {200, 200}, 0, 0}, {0, {300}, {0}, {120, 120}, 800, 40}};

TEST(FuselageSamples, BreakAtStationsAndRootEdgesIntoPartsOfAtMostFiveMillimetres) {
  // Stations −20 and 30 (10 mm wide); a wing from 0 to 12 that reaches the fuselage (gap 0) and one
  // from 20 to 40 whose gap of 6 mm lies beyond the half width: breaks −20, 0, 12, 20, 30.
  const AircraftGeometry g = fixture::aircraftOf({{0, {100}, {0}, {12, 12}, 0, 0}, {6, {100}, {0}, {20, 20}, 20, 0}});
  const FuselageInput fuselage{{{-20, 10}, {30, 10}}, 0};
  const std::vector<FuselageSample> samples = fuselageSamples(fuselage, g, 2);
  // 20 mm: 4 parts of 5; 12 mm: 3 parts of 4; 8 mm: 2 parts of 4; 10 mm: 2 parts of 5.
  const std::vector<double> middles{-17.5, -12.5, -7.5, -2.5, 2, 6, 10, 14, 18, 22.5, 27.5};
  ASSERT_EQ(samples.size(), middles.size());
  double length = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(samples[i].x, middles[i]);
    EXPECT_DOUBLE_EQ(samples[i].width, 10);
    EXPECT_EQ(samples[i].covered, middles[i] > 0 && middles[i] < 12);
    length += samples[i].length;
  }
  EXPECT_DOUBLE_EQ(length, 50);
}

TEST(FuselageSamples, WidthIsLinearBetweenStationsAndAGapBeyondTheHalfWidthLeavesTheFlow) {
  // A nose from width 0 at −10 to 40 at 10 (w = 2(x + 10)) under a wing from 0 to 10 with a gap of
  // 15: at 2.5 the half width 12.5 does not reach the gap, at 7.5 the half width 17.5 does.
  const AircraftGeometry g = fixture::aircraftOf({{15, {100}, {0}, {10, 10}, 0, 0}});
  const std::vector<FuselageSample> samples = fuselageSamples({{{-10, 0}, {10, 40}}, 0}, g, 1);
  ASSERT_EQ(samples.size(), 4u);  // breaks −10, 0, 10
  const double widths[] = {5, 15, 25, 35};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(samples[i].width, widths[i]);
  EXPECT_FALSE(samples[1].covered);  // ahead of the wing
  EXPECT_FALSE(samples[2].covered);
  EXPECT_TRUE(samples[3].covered);
}

TEST(FuselageMoment, FarAheadOfEveryWingItIsMunksSlenderBody) {
  // A cylinder 100 mm wide and 1 m long, 40 m ahead: the flow angle is the free stream's, and
  // cm_alpha · sb · lmue is twice its volume, π w² L / 2.
  const Flown f = fly(kTrainer, {{{-41000, 100}, {-40000, 100}}, 0});
  const double twiceVolume = std::numbers::pi * 100 * 100 * 1000 / 2;
  for (const FuselageSample& s : f.figures.samples) {
    EXPECT_GT(s.gradient, 1);
    EXPECT_LT(s.gradient, 1 + 1e-4);
  }
  const VortexResults& v = f.doc.output->vortex;
  EXPECT_NEAR(f.figures.cmAlpha * v.sb * v.lmue, twiceVolume, 1e-4 * twiceVolume);
  EXPECT_LT(f.figures.shiftMm, 0);  // destabilising: the neutral point moves forward
}

TEST(FuselageMoment, InsideAReachingWingsRootChordThereIsNone) {
  const Flown f = fly(kTrainer, {{{20, 60}, {180, 60}}, 0});
  for (const FuselageSample& s : f.figures.samples) EXPECT_TRUE(s.covered);
  EXPECT_EQ(f.figures.cmAlpha, 0);
  EXPECT_EQ(f.figures.xnp, f.doc.output->vortex.xnp);
}

TEST(FuselageMoment, UpwashAheadOfTheWingDownwashBehindIt) {
  const Flown f = fly(kTrainer, {{{-300, 80}, {700, 80}}, -20});
  double ahead = 0, behind = 0;
  for (const FuselageSample& s : f.figures.samples) {
    if (s.x < -100) ahead = std::max(ahead, s.gradient);
    if (s.x > 600) behind = s.gradient;
  }
  EXPECT_GT(ahead, 1);
  EXPECT_LT(behind, 1);
  EXPECT_GT(behind, 0);
}

TEST(FuselageChart, FactorFromTheQuarterChordPositionWithinTheChartOnly) {
  // Wing root from 0 to 200: quarter chord at 50. Nose at −250, tail at 750: x_q = 300/1000 = 0.3,
  // K_f = 0.01 − 0.063·0.3 + 0.211·0.09 = 0.01009 per degree.
  const Flown f = fly(kTrainer, {{{-250, 0}, {0, 90}, {750, 30}}, 0});
  const FuselageChart& c = f.figures.chart;
  EXPECT_DOUBLE_EQ(c.xQuarterChord, 0.3);
  ASSERT_TRUE(c.inRange);
  EXPECT_NEAR(c.kF, 0.01009, 1e-15);
  const VortexResults& v = f.doc.output->vortex;
  EXPECT_NEAR(c.cmAlpha, 0.01009 * 90 * 90 * 1000 / (v.lmue * v.sb) * 180 / std::numbers::pi, 1e-12);
  EXPECT_NEAR(c.shiftMm, -v.lmue * c.cmAlpha / f.figures.clAlpha, 1e-12);
  EXPECT_TRUE(f.figures.chartLayout);
  // The nose 50 mm behind the quarter chord's tenth: x_q = 50/1050 < 0.1.
  EXPECT_FALSE(fly(kTrainer, {{{0, 0}, {1050, 60}}, 0}).figures.chart.inRange);
}

TEST(FuselageChart, CanardsAndTandemsAreNotTheChartsKind) {
  const std::vector<WingInput> canard{{0, {300}, {0}, {120, 120}, -600, 30}, {0, {1000}, {0}, {200, 200}, 0, 0}};
  const std::vector<WingInput> tandem{{0, {900}, {0}, {200, 200}, 0, 0}, {0, {900}, {0}, {200, 200}, 700, 50}};
  const FuselageInput body{{{-700, 0}, {900, 60}}, 0};
  EXPECT_FALSE(fly(canard, body).figures.chartLayout);
  EXPECT_FALSE(fly(tandem, body).figures.chartLayout);
}

TEST(FuselageReport, CentresOfGravityAndBalanceStandOnTheNeutralPointWithTheFuselage) {
  Document doc = fixture::documentOf(kTrainer);
  ASSERT_TRUE(Button4Click(doc));
  const FuselageInput body{{{-300, 0}, {-200, 90}, {300, 90}, {1000, 20}}, 0};
  const BalanceInputs weighed{{{60, 1200}}, CgTarget::High, std::nullopt, std::nullopt};
  const StabilityProposal p = STABIL(doc.results.xnp, doc.results.lmue, 2, "7.5");
  const StabilityReport r = makeReport(*reportBasis(doc), p, ExtraRuns{}, &weighed, &body);
  ASSERT_TRUE(r.fuselage);
  const double xnp = r.fuselage->figures.xnp;
  EXPECT_DOUBLE_EQ(xnp, r.xnp + r.fuselage->figures.shiftMm);
  EXPECT_DOUBLE_EQ(r.fuselage->cg[0].x, xnp - 0.08 * r.lmue);
  EXPECT_DOUBLE_EQ(r.fuselage->cg[1].x, xnp - 0.16 * r.lmue);
  EXPECT_DOUBLE_EQ(r.fuselage->cg[2].x, xnp - 0.075 * r.lmue);
  ASSERT_TRUE(r.balance);
  EXPECT_DOUBLE_EQ(r.balance->targetX, r.fuselage->cg[1].x);
  EXPECT_DOUBLE_EQ(r.balance->staticMargin, 100 * (xnp - 60) / r.lmue);
  // The run's own proposal is unchanged beside it.
  EXPECT_DOUBLE_EQ(r.cg[1].x, r.xnp - 0.16 * r.lmue);
}

TEST(FuselageReport, AWingLongerThanHalfTheFuselageOrOfAspectRatioBelowOneIsSuspect) {
  // Wing 3: root chord 600 of a 1000 mm fuselage; wing 4: 200 mm span on 600 mm chord (0.33).
  std::vector<WingInput> wings = kTrainer;
  wings.push_back({0, {150}, {0}, {600, 600}, -100, 200});
  wings.push_back({0, {100}, {0}, {300, 300}, 100, -200});
  const Flown f = fly(wings, {{{-200, 0}, {800, 80}}, 0});
  EXPECT_EQ(f.figures.suspectWings, (std::vector<int>{3, 4}));
}

}  // namespace
}  // namespace volantis4
