#include "model/field_reading.h"

#include <gtest/gtest.h>

#include <string>

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

// How each text was read: J junk ignored, S sign dropped, C clamped, N no digit.
struct ExplainCase {
  const char* text;
  int value;
  const char* how;
};

class ExplainField : public ::testing::TestWithParam<ExplainCase> {};

TEST_P(ExplainField, SaysHowTheTextWasRead) {
  const ExplainCase& c = GetParam();
  const FieldReading r = explainField(c.text);
  const std::string how = c.how;
  EXPECT_EQ(r.value, c.value);
  EXPECT_EQ(r.junkIgnored, how.find('J') != std::string::npos);
  EXPECT_EQ(r.signDropped, how.find('S') != std::string::npos);
  EXPECT_EQ(r.clamped, how.find('C') != std::string::npos);
  EXPECT_EQ(r.noDigit, how.find('N') != std::string::npos);
  EXPECT_EQ(r.whole(), how.empty());
  EXPECT_EQ(r.value, readField(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExplainField,
    ::testing::Values(ExplainCase{"220", 220, ""}, ExplainCase{" -220", -220, ""}, ExplainCase{"+35", 35, ""},
                      ExplainCase{"$1F", 31, ""}, ExplainCase{"", 0, ""}, ExplainCase{"   ", 0, ""},
                      ExplainCase{"99999999", 99999999, ""}, ExplainCase{"12a", 12, "J"}, ExplainCase{"3.9", 3, "J"},
                      ExplainCase{"12 ", 12, "J"}, ExplainCase{"-12a", 12, "JS"}, ExplainCase{"-12 ", 12, "JS"},
                      ExplainCase{"100000000", 99999999, "C"}, ExplainCase{"-123456789", -99999999, "C"},
                      ExplainCase{"-123456789x", 99999999, "CJS"}, ExplainCase{"abc", 0, "N"}, ExplainCase{"-", 0, "N"},
                      ExplainCase{"0x", 0, "N"}, ExplainCase{"--5", 0, "N"}));

}  // namespace
}  // namespace volantis4
