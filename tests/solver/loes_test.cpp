#include "solver/loes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "hand_lattice.h"

namespace volantis4 {
namespace {

using handmade::handLattice;
using handmade::HandWing;

LoesResult solve(const Lattice& lattice, const SolveProgress& progress = {}) {
  EinflussResult influence = EINFLUSS(lattice);
  EXPECT_FALSE(influence.report.failed);
  return LOES(std::move(influence.matrix), progress);
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

// A wing repeated with the same panels at the same place gives identical rows: singular.
TEST(Loes, SingularSystemIsReportedAndGammaReturned) {
  const HandWing w{0, 400, 0, 0, 100, 100, 2, 2, 0};
  const LoesResult r = solve(handLattice({w, w}));
  EXPECT_FALSE(r.solved);
  EXPECT_TRUE(r.report.failed);
  ASSERT_EQ(r.report.messages.size(), 1u);
  EXPECT_EQ(r.report.messages[0].id, MessageId::SolveSingular);
  EXPECT_EQ(r.gamma, std::vector<double>(8, -1.0));
  EXPECT_EQ(r.workspace.size(), 64u);
}

TEST(Loes, PassesTheCountdownOn) {
  std::vector<int> seen;
  const LoesResult r = solve(handLattice({HandWing{0, 500, 0, 0, 100, 100, 3, 2, 0}}),
                             [&](int remaining) { seen.push_back(remaining); });
  ASSERT_TRUE(r.solved);
  EXPECT_EQ(seen, (std::vector<int>{5, 4, 3, 2, 1, 0}));
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
