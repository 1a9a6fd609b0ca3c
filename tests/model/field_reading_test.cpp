#include "model/field_reading.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

struct ReadCase {
  const char* text;
  int expected;
};

class ReadField : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadField, FollowsTheReadingRules) { EXPECT_EQ(readField(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, ReadField,
                         ::testing::Values(ReadCase{"220", 220}, ReadCase{"-220", -220}, ReadCase{"+35", 35},
                                           ReadCase{"   42", 42}, ReadCase{"\t7", 7}, ReadCase{"", 0},
                                           ReadCase{"   ", 0}, ReadCase{"abc", 0}, ReadCase{"-", 0}, ReadCase{"+", 0},
                                           ReadCase{"--5", 0}, ReadCase{"007", 7},
                                           // Stopping early keeps the digits but not the sign.
                                           ReadCase{"12a", 12}, ReadCase{"-12a", 12}, ReadCase{"-12 ", 12},
                                           ReadCase{"3.9", 3}, ReadCase{"-3.9", 3}, ReadCase{"1 2", 1},
                                           // Hexadecimal with $ or 0x, either case, with a sign.
                                           ReadCase{"$1F", 31}, ReadCase{"0x1f", 31}, ReadCase{"0X10", 16},
                                           ReadCase{"-$10", -16}, ReadCase{"$", 0}, ReadCase{"$g", 0},
                                           ReadCase{"0x", 0}, ReadCase{"$ff!", 255}, ReadCase{"12f", 12},
                                           // Saturation: nothing downstream can overflow.
                                           ReadCase{"99999999", 99999999}, ReadCase{"99999999999", 99999999},
                                           ReadCase{"-99999999999", -99999999},
                                           ReadCase{"$FFFFFFFFFFFFFFFFFFFF", 99999999},
                                           ReadCase{"123456789012345678901234567890x", 99999999}));

}  // namespace
}  // namespace volantis4
