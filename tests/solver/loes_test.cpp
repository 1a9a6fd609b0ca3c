#include "solver/loes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "geometry_fixture.h"
#include "hand_lattice.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"
#include "solver/lattice_run.h"
#include "solver/refined_solve.h"

namespace volantis4 {
namespace {

using fixture::rectangle;
using handmade::handLattice;
using handmade::HandWing;

LoesResult solve(const Lattice& lattice, const SolveProgress& progress = {}) {
  SolveWorkspace workspace;
  EinflussResult influence = EINFLUSS(lattice, workspace);
  EXPECT_FALSE(influence.report.failed);
  return LOES(influence.matrix, progress);
}

// One strip at the root, one row: with its mirror image a single horseshoe from y = −2 to 2 (the
// two root legs cancel), bound vortex at x = 1, control point (3, 1, 0). By hand: segment seen at
// distance 2 with end cosines 3/√13 and 1/√5, legs at lateral distances 3 and 1, 2 downstream.
TEST(Loes, SinglePanelByHand) {
  const double s13 = std::sqrt(13.0);
  const double s5 = std::sqrt(5.0);
  const double m = -((3.0 / s13 + 1.0 / s5) / 2.0 + (1.0 + 2.0 / s13) / 3.0 + (1.0 + 2.0 / s5));
  const LoesResult r = solve(handLattice({HandWing{0, 2, 0, 0, 4, 4, 1, 1, 0}}));
  ASSERT_TRUE(r.solved);
  ASSERT_EQ(r.gamma.size(), 1u);
  EXPECT_NEAR(r.gamma[0], -1.0 / (0.0795775 * m), 1e-12);
  EXPECT_TRUE(r.report.messages.empty());
}

// Downwash on its own control points makes every circulation of a lone flat wing positive; without
// a gap the span loading falls from root to tip (a gap is a free edge that unloads the root).
TEST(Loes, CirculationsPositiveAndFallingTowardsTheTip) {
  const std::pair<HandWing, bool> cases[] = {{HandWing{0, 900, 0, 0, 300, 300, 12, 4, 0}, true},  // (wing, no gap)
                                             {HandWing{0, 1200, 0, 200, 280, 140, 14, 4, 0}, true},
                                             {HandWing{60, 700, 0, 0, 200, 150, 10, 3, 0}, false}};
  for (const auto& [hand, closedRoot] : cases) {
    SCOPED_TRACE(hand.yTip);
    const Lattice lattice = handLattice({hand});
    const LoesResult r = solve(lattice);
    ASSERT_TRUE(r.solved);
    ASSERT_EQ(r.gamma.size(), static_cast<std::size_t>(lattice.n_panels));
    for (double g : r.gamma) EXPECT_GT(g, 0.0);
    if (!closedRoot) continue;
    const WingLattice& wing = lattice.wing(1);
    double previous = HUGE_VAL;
    std::size_t i = 0;
    for (const Strip& s : wing.strips) {
      double strip = 0;
      for (int k = 0; k < wing.n_chord; ++k) strip += r.gamma[i++];
      EXPECT_LT(strip, previous) << "strip at y " << s.controlY;
      previous = strip;
    }
  }
}

// A wing repeated with the same panels at the same place gives identical rows: singular, also in
// single precision, so the double-precision elimination decides. A wing of 120 panels spans more
// than one block of the elimination.
TEST(Loes, SingularSystemIsReportedAndGammaReturned) {
  for (const HandWing& w : {HandWing{0, 400, 0, 0, 100, 100, 2, 2, 0}, HandWing{0, 900, 0, 0, 200, 200, 30, 4, 0}}) {
    SCOPED_TRACE(w.nStrips);
    const LoesResult r = solve(handLattice({w, w}));
    EXPECT_FALSE(r.solved);
    EXPECT_FALSE(r.refined);
    EXPECT_TRUE(r.report.failed);
    ASSERT_EQ(r.report.messages.size(), 1u);
    EXPECT_EQ(r.report.messages[0].id, MessageId::SolveSingular);
    EXPECT_EQ(r.gamma, std::vector<double>(static_cast<std::size_t>(2 * w.nStrips * w.nChord), -1.0));
  }
}

// The single-precision elimination counts down once per block of columns.
TEST(Loes, PassesTheCountdownOnPerBlock) {
  std::vector<int> seen;
  const LoesResult r = solve(handLattice({HandWing{0, 3000, 0, 0, 300, 300, 100, 6, 0}}),
                             [&](int remaining) { seen.push_back(remaining); });
  ASSERT_TRUE(r.refined);
  std::vector<int> blocks;
  for (int done = detail::kSingleBlockWidth; done < 600; done += detail::kSingleBlockWidth)
    blocks.push_back(600 - done);
  blocks.push_back(0);
  EXPECT_EQ(seen, blocks);
}

// A cancel stops the solve at the next block: nothing solved, nothing reported.
TEST(Loes, CancelStopsAtTheNextBlock) {
  std::atomic<bool> cancel{false};
  std::vector<int> seen;
  SolveWorkspace workspace;
  const InfluenceMatrix m = EINFLUSS(handLattice({HandWing{0, 3000, 0, 0, 300, 300, 100, 6, 0}}), workspace).matrix;
  const LoesResult r = LOES(
      m,
      [&](int remaining) {
        seen.push_back(remaining);
        cancel = true;
      },
      &cancel);
  EXPECT_TRUE(r.cancelled);
  EXPECT_FALSE(r.solved);
  EXPECT_TRUE(r.report.messages.empty());
  EXPECT_EQ(seen, (std::vector<int>{600 - detail::kSingleBlockWidth}));
}

// A thread's workspace keeps the blocks of a standard system for the next run and gives back
// those of a larger one (the finer lattice's) after its run.
TEST(Loes, WorkspaceKeepsAtMostTheStandardCapacity) {
  std::size_t afterLarge = 1, afterStandard = 0;
  std::thread([&] {
    const AircraftGeometry geometry = geometryOf(defaultForm());
    class Ignore final : public StageSink {
      void report(const StageReport&) override {}
    } sink;
    EXPECT_TRUE(
        evaluateLattice(handLattice({HandWing{0, 5050, 0, 0, 300, 300, 101, 30, 0}}), geometry, 6000, sink).complete);
    afterLarge = SolveWorkspace::ofThisThread().capacity();
    EXPECT_TRUE(
        evaluateLattice(handLattice({HandWing{0, 1000, 0, 0, 200, 200, 20, 5, 0}}), geometry, 6000, sink).complete);
    afterStandard = SolveWorkspace::ofThisThread().capacity();
  }).join();
  EXPECT_EQ(afterLarge, 0u);
  EXPECT_EQ(afterStandard, 100u * 100u);
}

// --- Single precision refined against the double-precision elimination ---------------------------

// Five wings near the panel limit: the default aircraft with wings 4 and 5 made large rectangles
// well below the others (2972 panels).
Document nearThePanelLimit() {
  Document doc;
  for (int w : {4, 5}) {
    WingFields& f = doc.form.wing(w);
    f.checkedTrapezia = 1;
    f.gap = "0";
    f.widths[0] = "1000";
    f.offsets[0] = "0";
    f.chords[0] = f.chords[1] = "940";
    f.positionZ = w == 4 ? "-1000" : "-2000";
  }
  Calc(doc);
  return doc;
}

// Every circulation within a relative 1e-12 of SIMQ902's on the scaled matrix, without falling back.
TEST(Loes, RefinedCirculationsMatchTheDoublePrecisionElimination) {
  // Wings 1 mm apart over one span: the overlap move separates them.
  Document stacked;
  for (int w = 1; w <= kWingCount; ++w) stacked.form.wing(w).positionZ = std::to_string(w - 1);
  Calc(stacked);
  // A wing and its outer panel 1 mm above it, joined tip to root: spans that only touch stay.
  Document joined = fixture::documentOf(
      {rectangle({.halfSpan = 600, .chord = 200}), rectangle({.halfSpan = 1000, .chord = 200, .gap = 600, .z = 1})});
  const std::pair<const char*, Document> cases[] = {{"default aircraft", Document{}},
                                                    {"near the panel limit", nearThePanelLimit()},
                                                    {"stacked", stacked},
                                                    {"joined", joined}};
  for (const auto& [name, form] : cases) {
    SCOPED_TRACE(name);
    Document doc = form;
    ASSERT_TRUE(Button4Click(doc));  // the lattice after the overlap move
    SolveWorkspace workspace;
    const InfluenceMatrix m = EINFLUSS(doc.output->lattice, workspace).matrix;
    std::vector<double> scaled(m.values.begin(), m.values.end());
    for (double& v : scaled) v *= 0.0795775;
    std::vector<double> expected(static_cast<std::size_t>(m.n), -1.0);
    ASSERT_TRUE(SIMQ902(scaled, expected, m.n));

    const LoesResult r = LOES(m);
    ASSERT_TRUE(r.solved);
    EXPECT_TRUE(r.refined);
    ASSERT_EQ(r.gamma.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      ASSERT_NEAR(r.gamma[i], expected[i], 1e-12 * std::fabs(expected[i])) << "panel " << i;
    }
    if (std::string(name) == "joined") {
      EXPECT_FALSE(doc.run.flags.wings_moved);
      EXPECT_EQ(doc.geometry.position(2).z - doc.geometry.position(1).z, 1);
    }
  }
}

// The solved lattice's own flow meets its flow condition: at every control point the induced normal
// velocity cancels the unit one, Σ Γ_i · M[j][i] · 0.0795775 = −1. Between the wings it does not.
TEST(Loes, InducedFlowCancelsTheFreeStreamAtEveryControlPoint) {
  const Lattice lattice =
      handLattice({HandWing{0, 700, 0, 60, 220, 140, 7, 3, 0}, HandWing{25, 250, 600, 620, 100, 70, 4, 2, 60}});
  const LoesResult r = solve(lattice);
  ASSERT_TRUE(r.solved);
  std::vector<Vec3> controls;
  for (int w = 1; w <= lattice.wingsInUse; ++w)
    for (const Strip& s : lattice.wing(w).strips)
      for (int k = 1; k <= lattice.wing(w).n_chord; ++k)
        controls.push_back({s.centreX[static_cast<std::size_t>(k)], s.controlY, lattice.wing(w).z});
  controls.push_back({400, 0, 30});  // between the wing and the tail
  const std::vector<double> induced = inducedZ(lattice, r.gamma, controls);
  ASSERT_EQ(induced.size(), controls.size());
  for (std::size_t j = 0; j + 1 < controls.size(); ++j) EXPECT_NEAR(0.0795775 * induced[j], -1, 1e-10) << j;
  EXPECT_GT(0.0795775 * induced.back(), -1);
  EXPECT_LT(0.0795775 * induced.back(), 0);  // downwash behind the wing, weaker than at its surface
}

}  // namespace
}  // namespace volantis4
