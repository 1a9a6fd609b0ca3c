#include "model/planform_editing.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/field_names.h"

namespace volantis4 {
namespace {

// A wing whose corners land on whole pixels at scale 1 in a 400 x 150 image (origin 200, 50):
// stations 10, 40, 80, 120, 160; offsets 0, 5, 20, -10, 30; chords 50, 40, 30, 20, 10.
Wing gridWing() {
  Wing w;
  w.wingsections = 5;
  w.gap = 10;
  w.y = {10, 40, 80, 120, 160};
  w.x = {0, 5, 20, -10, 30};
  w.chord = {50, 40, 30, 20, 10};
  return w;
}

// The default wing 1 as read from its fields.
Wing defaultWing1() {
  Wing w;
  w.wingsections = 5;
  w.gap = 0;
  w.y = {0, 220, 984, 1034, 1100};
  w.x = {0, 0, 131, 140, 215};
  w.chord = {335, 335, 335, 295, 120};
  return w;
}

constexpr int kW = 400, kH = 150, kCx = 200, kCy = 50;

struct Corner {
  HitCode code;
  int u, v;  // offset from the origin in pixels
};

// Every corner of gridWing(): (±y, leading edge) and (±y, leading edge + chord).
const Corner kGridCorners[] = {
    {1, 10, 0},    {2, -10, 0},    {3, 10, 50},   {4, -10, 50},   {5, 40, 5},    {6, -40, 5},    {7, 40, 45},
    {8, -40, 45},  {9, 80, 20},    {10, -80, 20}, {11, 80, 50},   {12, -80, 50}, {13, 120, -10}, {14, -120, -10},
    {15, 120, 10}, {16, -120, 10}, {17, 160, 30}, {18, -160, 30}, {19, 160, 40}, {20, -160, 40},
};

class HitEveryCorner : public testing::TestWithParam<Corner> {};

TEST_P(HitEveryCorner, WithinTwoPixelsButNotThree) {
  const Corner c = GetParam();
  const Wing w = gridWing();
  EXPECT_EQ(planformHit(w, 1.0, kW, kH, kCx + c.u, kCy + c.v), c.code);
  EXPECT_EQ(planformHit(w, 1.0, kW, kH, kCx + c.u + 2, kCy + c.v - 2), c.code);
  EXPECT_EQ(planformHit(w, 1.0, kW, kH, kCx + c.u - 2, kCy + c.v + 2), c.code);
  EXPECT_EQ(planformHit(w, 1.0, kW, kH, kCx + c.u + 3, kCy + c.v), 0);
  EXPECT_EQ(planformHit(w, 1.0, kW, kH, kCx + c.u, kCy + c.v - 3), 0);
}

INSTANTIATE_TEST_SUITE_P(GridWing, HitEveryCorner, testing::ValuesIn(kGridCorners));

TEST(PlanformHit, OriginFollowsTheImageSizeTruncated) {
  // 401 x 152: origin (200, 50) as for 400 x 150.
  EXPECT_EQ(planformHit(gridWing(), 1.0, 401, 152, kCx + 40, kCy + 5), 5);
  // Scale 0.5 halves every distance from the origin.
  EXPECT_EQ(planformHit(gridWing(), 0.5, kW, kH, kCx + 20, kCy + 22), 7);  // (40, 45) / 2, row 22.5
}

TEST(PlanformHit, LaterCornerWinsWhenTwoAreWithinTolerance) {
  Wing w = gridWing();
  w.y[3] = 82;  // section 4 leading edge at (82, 21) next to section 3's at (80, 20)
  w.x[3] = 21;
  EXPECT_EQ(planformHit(w, 1.0, kW, kH, kCx + 81, kCy + 20), 13);
  EXPECT_EQ(planformHit(w, 1.0, kW, kH, kCx + 78, kCy + 20), 9);  // 4 px from section 4
}

TEST(PlanformHit, RootLeadingEdgeOnTheCentreLineGivesCode2) {
  const Wing w = defaultWing1();
  EXPECT_EQ(planformHit(w, 0.5, 489, 273, 244, 91), 2);
  EXPECT_EQ(planformHit(w, 0.5, 489, 273, 244, 91 + 168), 4);  // root trailing edge at row 167.5
}

TEST(PlanformHit, HiddenSectionsAreHitToo) {
  Wing w = gridWing();
  w.wingsections = 2;
  EXPECT_EQ(planformHit(w, 1.0, kW, kH, kCx + 160, kCy + 40), 19);
}

TEST(PlanformPointer, ShapeByCornerKind) {
  EXPECT_EQ(planformPointer(0), PlanformPointer::Crosshair);
  for (HitCode c : {1, 2}) EXPECT_EQ(planformPointer(c), PlanformPointer::HorizontalArrows) << c;
  for (HitCode c : {3, 4, 7, 8, 11, 12, 15, 16, 19, 20})
    EXPECT_EQ(planformPointer(c), PlanformPointer::VerticalArrows) << c;
  for (HitCode c : {5, 6, 9, 10, 13, 14, 17, 18}) EXPECT_EQ(planformPointer(c), PlanformPointer::FourWayArrows) << c;
}

std::vector<std::string> names(const std::vector<FieldKey>& keys) {
  std::vector<std::string> out;
  out.reserve(keys.size());
  for (const FieldKey& k : keys) out.emplace_back(fieldName(k));
  return out;
}

using Names = std::vector<std::string>;

// Right-half corners have odd codes; the left-half twin (code + 1) highlights the same fields.
TEST(PlanformHighlight, FieldsOfEachCornerOfWing1) {
  EXPECT_TRUE(planformHighlight(1, 0, false).empty());
  const std::pair<HitCode, Names> cases[] = {{1, {"Edit01"}},
                                             {3, {"Edit4"}},
                                             {5, {"Edit1", "Edit8"}},
                                             {7, {"Edit5"}},
                                             {9, {"Edit2", "Edit9"}},
                                             {11, {"Edit6"}},
                                             {13, {"Edit3", "Edit10"}},
                                             {15, {"Edit7"}},
                                             {17, {"Edit14y", "Edit14xx"}},
                                             {19, {"Edit14x"}}};
  for (const auto& [code, expected] : cases) {
    EXPECT_EQ(names(planformHighlight(1, code, false)), expected) << code;
    EXPECT_EQ(names(planformHighlight(1, code + 1, false)), expected) << code + 1;
  }
}

TEST(PlanformHighlight, ShiftAloneAddsTheOutboardOffsets) {
  EXPECT_EQ(names(planformHighlight(1, 5, true)), (Names{"Edit1", "Edit8", "Edit9", "Edit10", "Edit14xx"}));
  EXPECT_EQ(names(planformHighlight(1, 10, true)), (Names{"Edit2", "Edit9", "Edit10", "Edit14xx"}));
  EXPECT_EQ(names(planformHighlight(1, 14, true)), (Names{"Edit3", "Edit10", "Edit14xx"}));
  EXPECT_EQ(names(planformHighlight(1, 17, true)), (Names{"Edit14y", "Edit14xx"}));
  EXPECT_EQ(names(planformHighlight(1, 7, true)), (Names{"Edit5"}));
  EXPECT_EQ(names(planformHighlight(1, 1, true)), (Names{"Edit01"}));
  EXPECT_EQ(names(planformHighlight(2, 5, true)), (Names{"Edit11", "Edit18", "Edit19", "Edit20", "Edit24xx"}));
  EXPECT_EQ(names(planformHighlight(4, 19, false)), (Names{"Edit44x"}));
}

std::vector<std::pair<std::string, std::string>> writes(const std::vector<FieldWrite>& ws) {
  std::vector<std::pair<std::string, std::string>> out;
  out.reserve(ws.size());
  for (const FieldWrite& w : ws) out.emplace_back(std::string(fieldName(w.field)), w.text);
  return out;
}

using Writes = std::vector<std::pair<std::string, std::string>>;

TEST(PlanformEdit, GapOnTheCentreLineMirrorsWhenTheFieldReadsZero) {
  // Code 2 released 20 px right at 0.5 px/mm: 0 - 40 = -40, mirrored to 40.
  EXPECT_EQ(writes(planformEdit(1, defaultWing1(), "0", 2, 0.5, 20, 0, false)), (Writes{{"Edit01", "40"}}));
  // The mirror needs the text exactly "0"; the right-half corner never mirrors.
  EXPECT_EQ(writes(planformEdit(1, defaultWing1(), " 0", 2, 0.5, 20, 0, false)), (Writes{{"Edit01", "0"}}));
  EXPECT_EQ(writes(planformEdit(1, defaultWing1(), "0", 1, 0.5, -20, 0, false)), (Writes{{"Edit01", "0"}}));
}

TEST(PlanformEdit, GapDraggedPastTheCentreLineBecomesZero) {
  Wing w = defaultWing1();
  w.gap = 100;
  EXPECT_EQ(writes(planformEdit(1, w, "100", 2, 0.5, 300, 0, false)), (Writes{{"Edit01", "0"}}));
  EXPECT_EQ(writes(planformEdit(1, w, "100", 1, 0.5, -300, 0, false)), (Writes{{"Edit01", "0"}}));
  EXPECT_EQ(writes(planformEdit(1, w, "100", 1, 0.5, 30, 7, true)), (Writes{{"Edit01", "160"}}));
  EXPECT_EQ(writes(planformEdit(1, w, "100", 2, 0.5, 30, 7, true)), (Writes{{"Edit01", "40"}}));
}

TEST(PlanformEdit, TrailingEdgeChangesOnlyTheChordAndMayGoNegative) {
  // Section 2 trailing edge (chord 335) dragged 700 px up at 0.5 px/mm.
  EXPECT_EQ(writes(planformEdit(1, defaultWing1(), "0", 7, 0.5, 13, -700, true)), (Writes{{"Edit5", "-1065"}}));
  EXPECT_EQ(writes(planformEdit(1, defaultWing1(), "0", 4, 0.5, 0, 10, false)), (Writes{{"Edit4", "355"}}));
  EXPECT_EQ(writes(planformEdit(3, defaultWing1(), "0", 20, 0.5, 0, 10, false)), (Writes{{"Edit34x", "140"}}));
}

TEST(PlanformEdit, LeadingEdgeMovesOffsetAndInboardWidthBySide) {
  const Wing w = defaultWing1();
  // Section 3 leading edge: x 131, width of trapezium 2 = 984 - 220 = 764.
  EXPECT_EQ(writes(planformEdit(1, w, "0", 9, 0.5, 10, 4, false)), (Writes{{"Edit9", "139"}, {"Edit2", "784"}}));
  EXPECT_EQ(writes(planformEdit(1, w, "0", 10, 0.5, 10, 4, false)), (Writes{{"Edit9", "139"}, {"Edit2", "744"}}));
  // Section 2 from the gap: width 220 - 0.
  EXPECT_EQ(writes(planformEdit(1, w, "0", 5, 0.5, -10, -4, false)), (Writes{{"Edit8", "-8"}, {"Edit1", "200"}}));
}

TEST(PlanformEdit, ShiftAloneMovesEveryOutboardOffsetAfterTheWidth) {
  const Wing w = defaultWing1();
  EXPECT_EQ(writes(planformEdit(1, w, "0", 5, 0.5, 2, 6, true)),
            (Writes{{"Edit8", "12"}, {"Edit1", "224"}, {"Edit9", "143"}, {"Edit10", "152"}, {"Edit14xx", "227"}}));
  EXPECT_EQ(writes(planformEdit(1, w, "0", 14, 0.5, 2, 6, true)),
            (Writes{{"Edit10", "152"}, {"Edit3", "46"}, {"Edit14xx", "227"}}));
  EXPECT_EQ(writes(planformEdit(1, w, "0", 17, 0.5, 2, 6, true)), (Writes{{"Edit14xx", "227"}, {"Edit14y", "70"}}));
}

TEST(PlanformEdit, HiddenSectionOfAOneTrapeziumWingIsEdited) {
  Wing w = defaultWing1();
  w.wingsections = 2;
  const HitCode code = planformHit(w, 0.5, 489, 273, 244 + 492, 91 + 66);  // section 3 leading edge
  ASSERT_EQ(code, 9);
  EXPECT_EQ(writes(planformEdit(1, w, "0", code, 0.5, -10, 2, false)), (Writes{{"Edit9", "135"}, {"Edit2", "744"}}));
}

TEST(PlanformEdit, WrittenValuesRoundHalfAwayFromZero) {
  Wing w = defaultWing1();
  w.chord[0] = 100;
  // At 2 px/mm one pixel is half a millimetre.
  EXPECT_EQ(writes(planformEdit(1, w, "0", 3, 2.0, 0, 1, false)), (Writes{{"Edit4", "101"}}));    // 100.5
  EXPECT_EQ(writes(planformEdit(1, w, "0", 3, 2.0, 0, -3, false)), (Writes{{"Edit4", "99"}}));    // 98.5
  EXPECT_EQ(writes(planformEdit(1, w, "0", 3, 2.0, 0, -201, false)), (Writes{{"Edit4", "-1"}}));  // -0.5
}

TEST(PlanformEdit, FarReleasesSaturateLikeTheFieldReading) {
  const Wing w = defaultWing1();
  EXPECT_EQ(writes(planformEdit(1, w, "0", 1, 0.001, 100000, 0, false)), (Writes{{"Edit01", "99999999"}}));
  EXPECT_EQ(writes(planformEdit(1, w, "0", 3, 1e-9, 0, -5, false)), (Writes{{"Edit4", "-99999999"}}));
  EXPECT_EQ(writes(planformEdit(1, w, "0", 6, 1e-9, std::numeric_limits<int>::max(), 0, false))[1],
            (std::pair<std::string, std::string>{"Edit1", "-99999999"}));
}

TEST(PlanformEdit, NothingForNoCornerOrUnusableScale) {
  for (double scale : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
    EXPECT_EQ(planformHit(gridWing(), scale, kW, kH, kCx + 10, kCy), 0) << scale;
  EXPECT_TRUE(planformEdit(1, defaultWing1(), "0", 0, 0.5, 10, 10, true).empty());
  EXPECT_TRUE(planformEdit(1, defaultWing1(), "0", 5, 0.0, 10, 10, true).empty());
  EXPECT_TRUE(planformEdit(1, defaultWing1(), "0", 5, std::numeric_limits<double>::quiet_NaN(), 1, 1, false).empty());
}

}  // namespace
}  // namespace volantis4
