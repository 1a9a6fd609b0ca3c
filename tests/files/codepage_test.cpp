#include "files/codepage.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

struct Pair {
  std::string_view utf8;
  std::string_view bytes;
};

class Windows1252 : public ::testing::TestWithParam<Pair> {};

TEST_P(Windows1252, EncodesAndDecodes) {
  const Windows1252Text t = toWindows1252(GetParam().utf8);
  EXPECT_EQ(t.bytes, GetParam().bytes);
  EXPECT_EQ(t.replaced, 0u);
  EXPECT_EQ(fromWindows1252(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Windows1252,
    ::testing::Values(Pair{"plain <ASCII>\r\n", "plain <ASCII>\r\n"}, Pair{"Flügel Äöüß", "Fl\xFCgel \xC4\xF6\xFC\xDF"},
                      Pair{"€", "\x80"}, Pair{"„Höhe“ – ‰ ™ Œ ž Ÿ", "\x84H\xF6he\x93 \x96 \x89 \x99 \x8C \x9E \x9F"},
                      Pair{"\xC2\xA0\xC3\xBF", "\xA0\xFF"},
                      Pair{"\xC2\x81\xC2\x9D", "\x81\x9D"}));  // unassigned bytes keep their C1 control

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const Windows1252Text back = toWindows1252(fromWindows1252(all));
  EXPECT_EQ(back.bytes, all);
  EXPECT_EQ(back.replaced, 0u);
}

struct Unencodable {
  std::string_view utf8;
  std::string_view bytes;
  std::size_t replaced;
};

class Windows1252Replacement : public ::testing::TestWithParam<Unencodable> {};

TEST_P(Windows1252Replacement, BecomesQuestionMarksAndIsCounted) {
  const Windows1252Text t = toWindows1252(GetParam().utf8);
  EXPECT_EQ(t.bytes, GetParam().bytes);
  EXPECT_EQ(t.replaced, GetParam().replaced);
}

INSTANTIATE_TEST_SUITE_P(Characters, Windows1252Replacement,
                         ::testing::Values(Unencodable{"Ω = 1", "? = 1", 1}, Unencodable{"a😀b", "a?b", 1},
                                           Unencodable{"\xC3", "?", 1}, Unencodable{"\xC3(", "?(", 1},
                                           Unencodable{"\xE0\x80\x80x", "?x", 1},  // overlong form
                                           Unencodable{"\xED\xA0\x80", "?", 1},    // surrogate
                                           Unencodable{"\xFF\xFE", "??", 2},
                                           Unencodable{std::string_view("a\0b", 3), "a?b", 1}));

}  // namespace
}  // namespace volantis4
