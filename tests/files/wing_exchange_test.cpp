#include "files/wing_exchange.h"

#include <gtest/gtest.h>

#include <utility>

namespace volantis4 {
namespace {

struct ExchangeCase {
  ExchangeCommand command;
  WingPair pair;
  int fewestWings;
};

TEST(WingExchange, EachCommandSwapsItsPairExactlyAndIsOfferedFromItsWingCount) {
  const ExchangeCase cases[] = {{ExchangeCommand::chng1, {1, 2}, 2},
                                {ExchangeCommand::chng2, {1, 3}, 3},
                                {ExchangeCommand::chng3, {2, 3}, 3},
                                {ExchangeCommand::chng4, {4, 3}, 4},
                                {ExchangeCommand::chng5, {4, 5}, 5}};
  for (const ExchangeCase& c : cases) {
    SCOPED_TRACE(c.fewestWings);
    EXPECT_EQ(exchangePair(c.command), c.pair);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(exchangeEnabled(c.command, n), n >= c.fewestWings) << n;

    // Every text and the buttons of the two wings change places; nothing else changes.
    const auto [a, b] = c.pair;
    Form f = defaultForm();
    f.wing(a).gap = " +12 ";
    f.wing(a).chords[4] = "abc";
    f.wing(a).checkedTrapezia = 1;
    f.wing(b).positionZ = "-0x10";
    f.wing(b).checkedTrapezia = 3;
    Form expected = f;
    std::swap(expected.wing(a), expected.wing(b));
    EXPECT_EQ(exchangeWings(f, a, b), expected);
  }
}

}  // namespace
}  // namespace volantis4
