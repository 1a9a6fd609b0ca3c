#include "solver/einfluss.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <vector>

#include "hand_lattice.h"
#include "solver/indu.h"
#include "vectors.h"

namespace volantis4 {
namespace {

using handmade::handLattice;
using handmade::HandWing;

// The panels of a lattice walked independently: wing, strip, row.
struct PanelPoints {
  Vec3 p1, p2, control;
};

std::vector<PanelPoints> walk(const Lattice& lattice) {
  std::vector<PanelPoints> panels;
  for (int w = 1; w <= lattice.wingsInUse; ++w) {
    const WingLattice& wing = lattice.wing(w);
    for (const Strip& s : wing.strips) {
      for (int k = 0; k < wing.n_chord; ++k) {
        const auto r = static_cast<std::size_t>(k);
        panels.push_back({{s.inner.boundX[r], s.inner.y, wing.z},
                          {s.outer.boundX[r], s.outer.y, wing.z},
                          {s.centreX[r + 1], s.controlY, wing.z}});
      }
    }
  }
  return panels;
}

// A lone rectangular wing; a swept wing and a tail with a gap; three mixed wings.
const std::vector<std::vector<HandWing>> kLattices{
    {HandWing{0, 1000, 0, 0, 200, 200, 5, 2, 0}},
    {HandWing{40, 900, 0, 150, 260, 120, 8, 5, -190}, HandWing{0, 300, 800, 840, 120, 80, 6, 4, 0}},
    {HandWing{0, 700, 0, 60, 220, 140, 7, 3, 0}, HandWing{25, 250, 600, 620, 100, 70, 4, 2, 60},
     HandWing{0, 200, -300, -280, 90, 60, 3, 3, -40}}};

Vec3 mirror(const Vec3& p) { return {p.x, -p.y, p.z}; }

// The lattices above, and the first with two strips no longer sharing an edge exactly (one end
// point moved by a unit in the last place), so that their horseshoes share no end.
std::vector<Lattice> entryCases() {
  std::vector<Lattice> cases;
  cases.reserve(kLattices.size() + 1);
  for (const std::vector<HandWing>& wings : kLattices) cases.push_back(handLattice(wings));
  Lattice moved = cases.front();
  double& x = moved.wing(1).strips[2].inner.boundX[1];
  x = std::nextafter(x, HUGE_VAL);
  cases.push_back(moved);
  return cases;
}

// Each entry is the horseshoe's own value plus, for the mirror image, the same horseshoe seen
// from the mirrored control point (x, −y, z): the reflection leaves the z velocity unchanged.
// Seen instead as the mirror-image horseshoe itself (ends reflected, swapped to keep the sense),
// one INDU at a time, every entry comes out bit for bit: the vectorised loop with its terms shared
// between horseshoes does the same IEEE operations, and so does its single-precision copy's rounding.
TEST(Einfluss, EntriesAreRightHalfPlusMirrorInPanelOrder) {
  for (const Lattice& lattice : entryCases()) {
    SCOPED_TRACE(lattice.n_panels);
    SolveWorkspace workspace;
    const EinflussResult r = EINFLUSS(lattice, workspace);
    const std::vector<PanelPoints> panels = walk(lattice);
    const int n = static_cast<int>(panels.size());
    ASSERT_EQ(r.matrix.n, n);
    ASSERT_EQ(r.matrix.values.size(), panels.size() * panels.size());
    EXPECT_FALSE(r.report.failed);
    EXPECT_TRUE(r.report.messages.empty());
    for (int j = 0; j < n; ++j) {
      const Vec3 p = panels[static_cast<std::size_t>(j)].control;
      const Vec3 mirrored{p.x, -p.y, p.z};
      for (int i = 0; i < n; ++i) {
        const PanelPoints& v = panels[static_cast<std::size_t>(i)];
        const double right = INDU(minus(p, v.p1), minus(p, v.p2));
        const double left = INDU(minus(mirrored, v.p1), minus(mirrored, v.p2));
        const double mirrorImage = INDU(minus(p, mirror(v.p2)), minus(p, mirror(v.p1)));
        const std::size_t e = static_cast<std::size_t>(j) * static_cast<std::size_t>(n) + static_cast<std::size_t>(i);
        const double got = r.matrix.values[e];
        ASSERT_NEAR(got, right + left, 1e-12 * (std::fabs(right) + std::fabs(left))) << "row " << j << " column " << i;
        ASSERT_EQ(got, right + mirrorImage) << "row " << j << " column " << i;
        ASSERT_EQ(r.matrix.single[e], static_cast<float>(got)) << "row " << j << " column " << i;
      }
    }
  }
}

// A tail in the wing's plane whose control point lies on the line of a wing leg (y = 100, z = 0).
TEST(Einfluss, ControlPointOnATrailingLegStaysFinite) {
  const Lattice lattice =
      handLattice({HandWing{0, 200, 0, 0, 100, 100, 2, 1, 0}, HandWing{0, 200, 300, 300, 60, 60, 1, 1, 0}});
  SolveWorkspace workspace;
  const EinflussResult r = EINFLUSS(lattice, workspace);
  ASSERT_EQ(r.matrix.n, 3);
  EXPECT_DOUBLE_EQ(lattice.wing(2).strips[0].controlY, lattice.wing(1).strips[0].outer.y);
  for (double v : r.matrix.values) EXPECT_TRUE(std::isfinite(v));
}

TEST(Einfluss, CountDisagreeingWithTheLatticeIsReportedAndTheMatrixKept) {
  Lattice lattice = handLattice({HandWing{0, 500, 0, 0, 100, 100, 3, 2, 0}});
  SolveWorkspace first, second;
  const EinflussResult good = EINFLUSS(lattice, first);
  lattice.n_panels = 7;
  const EinflussResult bad = EINFLUSS(lattice, second);
  EXPECT_TRUE(bad.report.failed);
  ASSERT_EQ(bad.report.messages.size(), 1u);
  EXPECT_EQ(bad.report.messages[0].id, MessageId::InfluenceCountMismatch);
  EXPECT_EQ(bad.matrix.n, 6);
  EXPECT_TRUE(std::ranges::equal(bad.matrix.values, good.matrix.values));
}

TEST(Einfluss, MalformedLatticeIsRefusedWithoutAMatrix) {
  using Spoil = void (*)(Lattice&);
  const std::pair<const char*, Spoil> cases[] = {
      {"bound row missing", [](Lattice& l) { l.wing(1).strips[1].outer.boundX.pop_back(); }},
      {"control row missing", [](Lattice& l) { l.wing(1).strips[2].centreX.resize(2); }},
      {"rows without points", [](Lattice& l) { l.wing(1).n_chord = 9; }},
      {"wing count beyond five", [](Lattice& l) { l.wingsInUse = 6; }}};
  for (const auto& [name, spoil] : cases) {
    SCOPED_TRACE(name);
    Lattice lattice = handLattice({HandWing{0, 500, 0, 0, 100, 100, 3, 2, 0}});
    spoil(lattice);
    SolveWorkspace workspace;
    const EinflussResult r = EINFLUSS(lattice, workspace);
    EXPECT_TRUE(r.report.failed);
    ASSERT_FALSE(r.report.messages.empty());
    EXPECT_EQ(r.report.messages[0].id, MessageId::InfluenceCountMismatch);
    EXPECT_EQ(r.matrix.n, 0);
    EXPECT_TRUE(r.matrix.values.empty());
  }
}

TEST(Einfluss, MoreThan3000PanelsAreRefusedBeforeAllocating) {
  SolveWorkspace workspace;
  const EinflussResult r = EINFLUSS(handLattice({HandWing{0, 5000, 0, 0, 300, 300, 101, 30, 0}}), workspace);
  EXPECT_TRUE(r.report.failed);
  ASSERT_EQ(r.report.messages.size(), 2u);
  EXPECT_EQ(r.report.messages[0].id, MessageId::TooManyPanels);
  EXPECT_EQ(r.report.messages[0].a, 3030);
  EXPECT_EQ(r.matrix.n, 0);
  EXPECT_EQ(workspace.capacity(), 0u);
}

// The workspace keeps an earlier, larger run's blocks and clears nothing: every entry in use is
// written again, whatever the blocks held.
TEST(Einfluss, ReusedWorkspaceGivesTheSameMatrix) {
  const Lattice lattice = handLattice(kLattices[1]);
  SolveWorkspace fresh;
  const EinflussResult expected = EINFLUSS(lattice, fresh);
  SolveWorkspace used;
  const std::size_t larger = static_cast<std::size_t>(expected.matrix.n) + 7;
  used.reserve(larger);
  std::ranges::fill(used.matrix(larger), std::numeric_limits<double>::quiet_NaN());
  std::ranges::fill(used.single(larger), std::numeric_limits<float>::quiet_NaN());
  const EinflussResult reused = EINFLUSS(lattice, used);
  EXPECT_EQ(used.capacity(), larger * larger);
  EXPECT_EQ(reused.matrix.values.data(), used.matrix(larger).data());
  EXPECT_TRUE(std::ranges::equal(reused.matrix.values, expected.matrix.values));
  EXPECT_TRUE(std::ranges::equal(reused.matrix.single, expected.matrix.single));
}

// The cancel flag is read before each block of rows: set beforehand, no row is written (the
// workspace's NaNs stay), and a flag that stays clear gives the whole matrix.
TEST(Einfluss, ACancelSetBeforehandWritesNoRow) {
  const Lattice lattice = handLattice({HandWing{.nStrips = 40, .nChord = 4}});  // 160 panels, several threads
  const std::size_t n = 160;
  SolveWorkspace workspace;
  workspace.reserve(n);
  std::ranges::fill(workspace.matrix(n), std::numeric_limits<double>::quiet_NaN());
  std::atomic<bool> cancel{true};
  const EinflussResult stopped = EINFLUSS(lattice, workspace, kMaxPanels, &cancel);
  ASSERT_EQ(stopped.matrix.values.size(), n * n);
  EXPECT_TRUE(std::ranges::all_of(stopped.matrix.values, [](double v) { return std::isnan(v); }));
  cancel = false;
  SolveWorkspace fresh;
  const std::vector<double> whole(EINFLUSS(lattice, fresh).matrix.values.begin(),
                                  EINFLUSS(lattice, fresh).matrix.values.end());
  EXPECT_TRUE(std::ranges::equal(EINFLUSS(lattice, workspace, kMaxPanels, &cancel).matrix.values, whole));
}

}  // namespace
}  // namespace volantis4
