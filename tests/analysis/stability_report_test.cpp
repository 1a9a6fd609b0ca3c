#include "analysis/stability_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "geometry_fixture.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"
#include "solver/grid.h"
#include "solver/lattice_run.h"
#include "solver/trawy2.h"

namespace volantis4 {
namespace {

using fixture::rectangle;
using fixture::WingInput;

Lattice latticeOf(const std::vector<WingInput>& wings) {
  const AircraftGeometry g = fixture::aircraftOf(wings);
  const int n = static_cast<int>(wings.size());
  return TRAWY2(g, GRID(g, n).counts, n).lattice;
}

// A completed run of the given wings, with its basis and the report of its extra runs.
struct Reported {
  Document doc;
  ReportBasis basis;
  ExtraRuns extras;
  StabilityReport report;
};

Reported reportOf(const std::vector<WingInput>& wings) {
  Reported r;
  r.doc = fixture::documentOf(wings);
  EXPECT_TRUE(Button4Click(r.doc));
  r.basis = *reportBasis(r.doc);
  r.extras = runExtraRuns(r.basis);
  const StabilityProposal p = STABIL(r.doc.results.xnp, r.doc.results.lmue, r.doc.run.solver_wings_count, "7.5");
  r.report = makeReport(r.basis, p, r.extras);
  return r;
}

TEST(LeadingEdgeOfTheReferenceChord, QuarterChordBehindItIsTheGeometricCentre) {
  // Without a gap, x_le_ref + lmue/4 = ∫c(x_le + c/4)dy / ∫c dy, the planform's r25 point.
  const std::vector<WingInput> wings{{0, {300, 400}, {60, 250}, {320, 280, 90}, 40, 0}};
  Document doc = fixture::documentOf(wings);
  ASSERT_TRUE(Button4Click(doc));
  const double xLe = chordWeightedLeadingEdge(doc.output->lattice.wing(1));
  const double r25 = 40 + geometryOf(doc.form).figure(1).r25;
  EXPECT_NEAR(xLe + doc.output->vortex.lmue / 4, r25, 1e-9 * r25);
}

TEST(LeadingEdgeOfTheReferenceChord, GapIsFilledWithTheRootChord) {
  // Gap 100 filled with chord 200 at x 0; then c = 200 − 100t, x_le = 100t over 100 mm:
  // ∫c·x dy = 100·(10000 − 10000/3), ∫c dy = 20000 + 15000, ratio 400/21.
  const Lattice l = latticeOf({{100, {100}, {100}, {200, 100}, 0, 0}});
  EXPECT_NEAR(chordWeightedLeadingEdge(l.wing(1)), 400.0 / 21, 1e-12);
}

TEST(StabilityReport, OneWingIsFullyEffectiveAndMovesTheNeutralPointWithIt) {
  const Reported r = reportOf({{0, {300, 200}, {0, 80}, {250, 250, 120}, 30, 0}});
  ASSERT_EQ(r.report.wings.size(), 1u);
  const SurfaceFigures& w = r.report.wings[0];
  EXPECT_DOUBLE_EQ(w.liftShare, 1.0);
  ASSERT_TRUE(w.effectiveness);
  EXPECT_NEAR(*w.effectiveness, 1.0, 1e-12);
  EXPECT_FALSE(w.volume);  // the reference wing has none
  ASSERT_TRUE(w.xnpPer10mm);
  EXPECT_NEAR(*w.xnpPer10mm, 10.0, 1e-9);  // moving the only wing moves the neutral point as far
  EXPECT_EQ(r.report.refWing, 1);
  EXPECT_DOUBLE_EQ(r.report.refRootLeX, 30);
  // The finer lattice doubles the panel budget and stays close.
  ASSERT_TRUE(r.report.fine.available);
  EXPECT_GT(r.report.fine.n_panels, r.doc.output->counts.n_panels * 3 / 2);
  EXPECT_LT(r.report.fine.bandMm, 0.01 * r.report.lmue);
}

TEST(StabilityReport, VolumeSignFollowsThePositionAndSharesAddUp) {
  // A main wing with a tailplane behind it and a canard ahead, well apart in height.
  const Reported r =
      reportOf({rectangle({800, 200, 0, 0, 0}), rectangle({250, 100, 0, 700, 50}), rectangle({200, 80, 0, -500, -50})});
  ASSERT_EQ(r.report.wings.size(), 3u);
  EXPECT_EQ(r.report.refWing, 1);
  EXPECT_GT(*r.report.wings[1].volume, 0);
  EXPECT_LT(*r.report.wings[2].volume, 0);
  double shares = 0;
  for (const SurfaceFigures& s : r.report.wings) shares += s.liftShare;
  EXPECT_NEAR(shares, 1.0, 1e-12);
  // The tailplane sits in the main wing's downwash: it lifts less than alone.
  EXPECT_LT(*r.report.wings[1].effectiveness, 1.0);
  // Moving every wing 10 mm moves the neutral point 10 mm; the wings' shares of that add up.
  double moved = 0;
  for (const SurfaceFigures& s : r.report.wings) moved += *s.xnpPer10mm;
  EXPECT_NEAR(moved, 10.0, 1e-3);
}

TEST(StabilityReport, CentresOfGravityInPercentOfTheReferenceChord) {
  const Reported r = reportOf({rectangle({600, 200, 0, 100, 0})});
  // A rectangle's reference chord starts at its leading edge: percent MAC = 100·(x − 100)/200.
  EXPECT_DOUBLE_EQ(r.report.xLeRef, 100);
  for (const CgPosition& cg : r.report.cg) {
    EXPECT_NEAR(cg.percentMac, 100 * (cg.x - 100) / 200, 1e-9);
    EXPECT_NEAR(cg.x, r.report.xnp - 200 * cg.margin / 100, 1e-9);
  }
  EXPECT_EQ(r.report.cg[0].margin, 4);
  EXPECT_EQ(r.report.cg[1].margin, 8);
  EXPECT_EQ(r.report.cg[2].margin, 7.5);
}

TEST(ExtraRuns, ACancelledReportRunsNothing) {
  Document doc;
  ASSERT_TRUE(Button4Click(doc));
  std::atomic<bool> cancel{true};
  int progressCalls = 0;
  const ExtraRuns e = runExtraRuns(*reportBasis(doc), &cancel, [&](int, int) { ++progressCalls; });
  EXPECT_TRUE(e.cancelled);
  EXPECT_FALSE(e.fine.available);
  EXPECT_EQ(progressCalls, 0);
  for (const auto& v : e.xnpPer10mm) EXPECT_FALSE(v);
}

// Progress comes in steps, kStepsPerRun to a run, and advances inside a run as its elimination
// goes on: the first run (the finer lattice, the longest) reports steps of its own before it ends.
TEST(ExtraRuns, ProgressAdvancesWithinEachRun) {
  Document doc;
  ASSERT_TRUE(Button4Click(doc));
  const ReportBasis basis = *reportBasis(doc);
  std::vector<int> steps;
  int reportedTotal = 0;
  runExtraRuns(basis, nullptr, [&](int done, int total) {
    steps.push_back(done);
    reportedTotal = total;
  });
  EXPECT_EQ(reportedTotal, kStepsPerRun * (1 + 3 * 5));
  ASSERT_FALSE(steps.empty());
  EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));
  EXPECT_EQ(steps.back(), reportedTotal);
  EXPECT_GT(std::count_if(steps.begin(), steps.end(), [](int s) { return s > 0 && s < kStepsPerRun; }), 5);
}

TEST(LatticeRun, LimitsRefuseWithTheirOwnCapacity) {
  const AircraftGeometry g = fixture::aircraftOf({rectangle({600, 200, 0, 0, 0})});
  // 800 panels on the half wing of aspect ratio 6: rows R(sqrt(1600/6)) = 16, strips R(16·600/200) = 48.
  const LatticeRun run = runLattice(g, 1, LatticeLimits{800, 599, 599, 700}, nullptr);
  EXPECT_TRUE(run.report.failed);
  EXPECT_EQ(run.counts.n_panels, 16 * 48);
  ASSERT_EQ(run.report.messages.size(), 2u);
  EXPECT_EQ(renderMessage(run.report.messages[0], Language::English), "Can not calculate: 768 panels, at most 700. ");
  EXPECT_FALSE(runLattice(g, 1, kFinerLattice, nullptr).report.failed);
}

TEST(StabilityReport, NoBasisWithoutACompleteRun) {
  Document doc;
  EXPECT_FALSE(reportBasis(doc));
}

}  // namespace
}  // namespace volantis4
