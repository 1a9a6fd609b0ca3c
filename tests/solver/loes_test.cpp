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

}  // namespace
}  // namespace volantis4
