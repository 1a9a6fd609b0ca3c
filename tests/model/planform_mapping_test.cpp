#include "model/planform_mapping.h"

#include <gtest/gtest.h>

#include <limits>

namespace volantis4 {
namespace {

// Scale and extent of drawn wings are checked with the planform drawing; here what it does not show.
TEST(PlanformMapping, ChordExtentCountsOnlySectionsInUse) {
  Wing w;
  w.wingsections = 2;
  w.y = {0, 100, 200, 300, 400};
  w.x = {0, 10, 500, 0, 0};
  w.chord = {120, 100, 400, 0, 0};
  EXPECT_EQ(planformMapping(w, 489, 273).chordExtent, 120);
  EXPECT_FALSE(planformMapping(w, 0, 273).drawable());  // an image without width
}

TEST(PlanformPixel, EachProductRoundsHalfToEvenAndTheSumSaturates) {
  EXPECT_EQ(planformPixel(91, 25, 0.5), 91 + 12);   // 12.5
  EXPECT_EQ(planformPixel(91, 35, 0.5), 91 + 18);   // 17.5
  EXPECT_EQ(planformPixel(91, -25, 0.5), 91 - 12);  // -12.5
  EXPECT_EQ(planformPixel(std::numeric_limits<int>::max(), 1e12, 1.0), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace volantis4
