#include "model/wing.h"

#include <gtest/gtest.h>

#include "model/field_names.h"

namespace volantis4 {
namespace {

TEST(ReadWing, WidthsAndChordsAreAbsoluteOffsetsSigned) {
  WingFields f = defaultForm().wing(1);
  Wing plain = readWing(f, 5);
  f.widths[0] = "-220";
  f.chords[2] = "-335";
  EXPECT_EQ(readWing(f, 5), plain);
  f.offsets[1] = "-220";
  EXPECT_EQ(readWing(f, 5).x[2], -220);
}

TEST(ReadWing, StationsAreRunningSumsFromTheGap) {
  WingFields f = defaultForm().wing(5);
  const Wing w = readWing(f, 5);
  EXPECT_EQ(w.y, (std::array<std::int32_t, 5>{300, 338, 376, 384, 389}));
  EXPECT_EQ(w.x, (std::array<std::int32_t, 5>{0, -80, 0, 200, 300}));
  EXPECT_EQ(w.wingsections, 3);
}

TEST(ReadWing, SectionCountFollowsTheButtonAndHiddenSectionsAreStillRead) {
  WingFields f = defaultForm().wing(1);
  f.checkedTrapezia = 1;
  const Wing one = readWing(f, 5);
  EXPECT_EQ(one.wingsections, 2);
  EXPECT_EQ(one.chord[4], 120);
  f.checkedTrapezia = 0;  // no button checked: the previous count stays
  EXPECT_EQ(readWing(f, 4).wingsections, 4);
}

TEST(ReadPosition, IsSigned) {
  WingFields f = defaultForm().wing(1);
  EXPECT_EQ(readPosition(f), (WingPosition{0, -190}));
}

TEST(FieldNames, EveryFieldHasOneDistinctNameThatMapsBack) {
  int count = 0;
  for (int w = 1; w <= kWingCount; ++w) {
    std::vector<FieldKey> keys{{w, FieldKind::Gap, 1}, {w, FieldKind::PositionX, 1}, {w, FieldKind::PositionZ, 1}};
    for (int i = 1; i <= 4; ++i) keys.push_back({w, FieldKind::Width, i});
    for (int i = 2; i <= 5; ++i) keys.push_back({w, FieldKind::Offset, i});
    for (int i = 1; i <= 5; ++i) keys.push_back({w, FieldKind::Chord, i});
    for (const FieldKey& k : keys) {
      const auto back = fieldByName(fieldName(k));
      ASSERT_TRUE(back.has_value()) << fieldName(k);
      EXPECT_EQ(*back, k) << fieldName(k);
      ++count;
    }
  }
  EXPECT_EQ(count, 80);
  // The overlapping names belong to different wings.
  EXPECT_EQ(fieldByName("Edit14")->wing, 2);
  EXPECT_EQ(fieldByName("Edit14x")->wing, 1);
  EXPECT_EQ(fieldByName("Edit44")->wing, 5);
  EXPECT_EQ(fieldByName("Edit44xx")->wing, 4);
  EXPECT_FALSE(fieldByName("Edit99").has_value());
}

}  // namespace
}  // namespace volantis4
