#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace volantis4 {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.4999999), 2);
  EXPECT_EQ(roundHalfEven(2.5000001), 3);
  EXPECT_EQ(roundHalfEven(-7.6), -8);
}

TEST(RoundHalfEven, SaturatesInsteadOfOverflowing) {
  EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(roundHalfEven(-1e300), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(roundHalfEven(std::nan("")), 0);
  EXPECT_EQ(roundHalfEvenToDouble(1e12 + 0.5), 1e12);
}

TEST(Truncation, GoesTowardZero) {
  EXPECT_EQ(truncToInt(2.9), 2);
  EXPECT_EQ(truncToInt(-2.9), -2);
  EXPECT_EQ(truncToInt(1e20), std::numeric_limits<std::int32_t>::max());
}

struct FormatCase {
  double value;
  int width;
  int decimals;
  const char* expected;
};

class FormatFixed : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixed, RoundsDecimallyHalvesAwayFromZero) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(formatFixed(c.value, c.width, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixed,
    ::testing::Values(
        // Exact halves on the shortest digits go away from zero, though the binary value is below.
        FormatCase{0.15, 0, 1, "0.2"}, FormatCase{2.5, 0, 0, "3"}, FormatCase{-2.5, 0, 0, "-3"},
        FormatCase{1.005, 0, 2, "1.01"}, FormatCase{0.125, 0, 2, "0.13"}, FormatCase{-0.15, 0, 1, "-0.2"},
        // Width pads on the left only; longer values take what they need.
        FormatCase{6.74, 4, 1, " 6.7"}, FormatCase{5, 4, 1, " 5.0"}, FormatCase{62.3, 4, 1, "62.3"},
        FormatCase{2200, 4, 0, "2200"}, FormatCase{71.817, 4, 2, "71.82"}, FormatCase{3.5, 4, 1, " 3.5"},
        FormatCase{123456.789, 4, 2, "123456.79"},
        // Carries ripple through nines into a new digit.
        FormatCase{9.96, 0, 1, "10.0"}, FormatCase{99.5, 3, 0, "100"}, FormatCase{0.0096, 0, 2, "0.01"},
        // Tiny values, zero, and values rounding to zero carry no sign.
        FormatCase{0.0, 4, 1, " 0.0"}, FormatCase{-0.04, 0, 1, "0.0"}, FormatCase{-0.0, 0, 2, "0.00"},
        FormatCase{1e-20, 0, 3, "0.000"}, FormatCase{0.0004999, 0, 3, "0.000"}, FormatCase{0.0005, 0, 3, "0.001"},
        // Large values keep every integer digit.
        FormatCase{1e21, 0, 0, "1000000000000000000000"}));

// Trailing zeros of the decimals go, the integer's own zeros stay, and rounding is formatFixed's.
TEST(FormatTrimmed, DropsTrailingZerosOfTheDecimalsOnly) {
  EXPECT_EQ(formatTrimmed(16, 1), "16");
  EXPECT_EQ(formatTrimmed(100, 1), "100");
  EXPECT_EQ(formatTrimmed(7.5, 1), "7.5");
  EXPECT_EQ(formatTrimmed(33.25, 1), "33.3");  // the shortest digits' half, away from zero
  EXPECT_EQ(formatTrimmed(7.96, 1), "8");      // 8.0 after rounding
  EXPECT_EQ(formatTrimmed(-0.04, 1), "0");
  EXPECT_EQ(formatTrimmed(-12.50, 2), "-12.5");
  EXPECT_EQ(formatTrimmed(20, 0), "20");
}

TEST(FormatInt, PadsOnlyWithWidth) {
  EXPECT_EQ(formatInt(-190), "-190");
  EXPECT_EQ(formatInt(7, 2), " 7");
  EXPECT_EQ(formatInt(123, 2), "123");
}

}  // namespace
}  // namespace volantis4
