#include "files/wing_exchange.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

struct ExchangeCase {
  ExchangeCommand command;
  WingPair pair;
  int fewestWings;
};

class WingExchange : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(WingExchange, PairAndOfferFollowTheCommand) {
  const ExchangeCase& c = GetParam();
  EXPECT_EQ(exchangePair(c.command), c.pair);
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(exchangeEnabled(c.command, n), n >= c.fewestWings) << n;
}

TEST_P(WingExchange, SwapsEveryTextExactlyAndTheButtonsAndNothingElse) {
  const auto [a, b] = GetParam().pair;
  Form f = defaultForm();
  f.wing(a).gap = " +12 ";
  f.wing(a).chords[4] = "abc";
  f.wing(a).checkedTrapezia = 1;
  f.wing(b).positionZ = "-0x10";
  f.wing(b).checkedTrapezia = 3;
  const Form swapped = exchangeWings(f, a, b);
  EXPECT_EQ(swapped.wing(a), f.wing(b));
  EXPECT_EQ(swapped.wing(b), f.wing(a));
  EXPECT_EQ(swapped.wing(a).checkedTrapezia, 3);
  EXPECT_EQ(swapped.wing(b).gap, " +12 ");
  for (int w = 1; w <= kWingCount; ++w) {
    if (w != a && w != b) {
      EXPECT_EQ(swapped.wing(w), f.wing(w));
    }
  }
  EXPECT_EQ(swapped.remarks, f.remarks);
  EXPECT_EQ(swapped.wingsCount, f.wingsCount);
  EXPECT_EQ(exchangeWings(swapped, a, b), f);
}

INSTANTIATE_TEST_SUITE_P(Commands, WingExchange,
                         ::testing::Values(ExchangeCase{ExchangeCommand::chng1, {1, 2}, 2},
                                           ExchangeCase{ExchangeCommand::chng2, {1, 3}, 3},
                                           ExchangeCase{ExchangeCommand::chng3, {2, 3}, 3},
                                           ExchangeCase{ExchangeCommand::chng4, {4, 3}, 4},
                                           ExchangeCase{ExchangeCommand::chng5, {4, 5}, 5}));

}  // namespace
}  // namespace volantis4
