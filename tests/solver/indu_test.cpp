#include "solver/indu.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "vectors.h"

namespace volantis4 {
namespace {

const double kRoot2 = std::sqrt(2.0);

// Horseshoe with its bound segment from (0, −1, 0) to (0, 1, 0), positive circulation along +y:
// its legs induce downwash between them. Expected values worked by hand from the Biot–Savart law:
// a segment seen at distance h under end angles gives (cos a1 + cos a2) / h, a semi-infinite leg
// (1 + cos a) / h, all times 4π.
TEST(Indu, UnitHorseshoeMatchesBiotSavartByHand) {
  const std::tuple<const char*, Vec3, double> cases[] = {
      // On the segment: no bound term; each leg at distance 1 from its start gives 1.
      {"segment_centre", {0, 0, 0}, -2.0},
      // One behind: segment seen under 45° at both ends, legs (1 + cos 45°) each.
      {"behind_centre", {1, 0, 0}, -2.0 - 2.0 * kRoot2},
      // One ahead: the segment gives upwash, the legs (1 − cos 45°) downwash each.
      {"ahead_of_centre", {-1, 0, 0}, 2.0 * kRoot2 - 2.0},
      // Straight above: the segment induces no z velocity; each leg 1/√2 at 45° below.
      {"above_centre", {0, 0, 1}, -1.0},
      // On the segment's line beyond its end (q = 0): legs at 3 and 1, opposite senses.
      {"segment_line_outboard", {0, 2, 0}, 1.0 - 1.0 / 3.0},
      // On the first leg, 2 downstream: that leg gives nothing, the segment and the other leg do.
      {"on_first_leg", {2, -1, 0}, -kRoot2 / 4.0 - (1.0 + 1.0 / kRoot2) / 2.0},
      // On the first leg's line, 2 upstream.
      {"first_leg_line_upstream", {-2, -1, 0}, kRoot2 / 4.0 - (1.0 - 1.0 / kRoot2) / 2.0},
      // On the second leg, 1 downstream: segment seen from its end at distance 1, first leg at 2.
      {"on_second_leg", {1, 1, 0}, -2.0 / std::sqrt(5.0) - (1.0 + 1.0 / std::sqrt(5.0)) / 2.0}};
  for (const auto& [name, point, expected] : cases) {
    const double v = INDU(minus(point, {0, -1, 0}), minus(point, {0, 1, 0}));
    EXPECT_TRUE(std::isfinite(v)) << name;
    EXPECT_NEAR(v, expected, 1e-14) << name;
  }
}

// Biot–Savart for a general horseshoe, written from the vector forms: finite segment
// (r1 × r2)/|r1 × r2|² · r0·(r1/|r1| − r2/|r2|), semi-infinite line from Q along e:
// (e × r)/|e × r|² · (1 + e·r/|r|).
double crossZ(const Vec3& a, const Vec3& b) { return a.x * b.y - a.y * b.x; }
double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double norm(const Vec3& a) { return std::sqrt(dot(a, a)); }
Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double segmentZ(const Vec3& p, const Vec3& from, const Vec3& to) {
  const Vec3 r1 = minus(p, from);
  const Vec3 r2 = minus(p, to);
  const Vec3 r0 = minus(to, from);
  const Vec3 c = cross(r1, r2);
  const double k = (dot(r0, r1) / norm(r1) - dot(r0, r2) / norm(r2)) / dot(c, c);
  return c.z * k;
}

double legToInfinityZ(const Vec3& p, const Vec3& start) {
  const Vec3 e{1, 0, 0};
  const Vec3 r = minus(p, start);
  const Vec3 c = cross(e, r);
  return crossZ(e, r) / dot(c, c) * (1.0 + r.x / norm(r));
}

TEST(InduGeneral, MatchesVectorBiotSavart) {
  // (p1, p2, point)
  const std::array<Vec3, 3> cases[] = {{{{0, 0, 0}, {0.5, 2, 0}, {0.7, 0.3, -0.4}}},
                                       {{{100, 50, 10}, {130, 150, 10}, {180, 75, 10}}},
                                       {{{100, 50, 10}, {130, 150, 10}, {20, 400, -190}}},
                                       {{{-3, 1, 2}, {-2.5, 4, 2}, {5, -6, 1.5}}}};
  for (const auto& [p1, p2, point] : cases) {
    const double expected = segmentZ(point, p1, p2) - legToInfinityZ(point, p1) + legToInfinityZ(point, p2);
    EXPECT_NEAR(INDU(minus(point, p1), minus(point, p2)), expected, 1e-12 * std::fabs(expected));
  }
}

// A field point on the extended line of a slanted bound segment, as round-number planforms make
// it (a rectangular panel's control point on a tapered neighbour's segment line, seen through the
// mirror): the point is built on the line in floating point, so it is off by rounding only, and
// the segment's term is the exact limit 0. Off the line (sine 1e-4) the term is kept.
TEST(InduGeneral, PointOnTheSegmentsExtendedLineUpToRoundingGetsNoSegmentTerm) {
  const Vec3 p1{178.83632959702837, 629.95505604457435, 0};
  const Vec3 p2{177.48261058657442, 650.26084120138376, 0};
  for (const double y : {-11.363636363636363, -250.0, 97.0, 1000.0 / 3.0}) {
    SCOPED_TRACE(y);
    const double t = (y - p1.y) / (p2.y - p1.y);
    const Vec3 onLine{p1.x + t * (p2.x - p1.x), y, 0};
    const double legsOnly = -legToInfinityZ(onLine, p1) + legToInfinityZ(onLine, p2);
    EXPECT_NEAR(INDU(minus(onLine, p1), minus(onLine, p2)), legsOnly, 1e-13 * std::fabs(legsOnly));

    const Vec3 nearLine{onLine.x + 1e-4 * norm(minus(onLine, p1)), y, 0};
    const double legs = -legToInfinityZ(nearLine, p1) + legToInfinityZ(nearLine, p2);
    const double segment = segmentZ(nearLine, p1, p2);
    EXPECT_NEAR(INDU(minus(nearLine, p1), minus(nearLine, p2)) - legs, segment, 1e-6 * std::fabs(segment));
  }
}

}  // namespace
}  // namespace volantis4
