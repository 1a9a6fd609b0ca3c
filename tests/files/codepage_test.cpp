#include "files/codepage.h"

#include <gtest/gtest.h>

namespace volantis4 {
namespace {

TEST(Windows1252, EncodesAndDecodes) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"plain <ASCII>\r\n", "plain <ASCII>\r\n"},
      {"Flügel Äöüß", "Fl\xFCgel \xC4\xF6\xFC\xDF"},
      {"€", "\x80"},
      {"„Höhe“ – ‰ ™ Œ ž Ÿ", "\x84H\xF6he\x93 \x96 \x89 \x99 \x8C \x9E \x9F"},
      {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},
      {"\xC2\x81\xC2\x9D", "\x81\x9D"}};  // unassigned bytes keep their C1 control
  for (const auto& [utf8, bytes] : cases) {
    const Windows1252Text t = toWindows1252(utf8);
    EXPECT_EQ(t.bytes, bytes) << utf8;
    EXPECT_EQ(t.replaced, 0u);
    EXPECT_EQ(fromWindows1252(bytes), utf8);
  }
}

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

TEST(Windows1252Replacement, BecomesQuestionMarksAndIsCounted) {
  const Unencodable cases[] = {{"Ω = 1", "? = 1", 1},      {"a😀b", "a?b", 1},
                               {"\xC3", "?", 1},           {"\xC3(", "?(", 1},
                               {"\xE0\x80\x80x", "?x", 1},  // overlong form
                               {"\xED\xA0\x80", "?", 1},    // surrogate
                               {"\xFF\xFE", "??", 2},      {std::string_view("a\0b", 3), "a?b", 1}};
  for (const Unencodable& c : cases) {
    const Windows1252Text t = toWindows1252(c.utf8);
    EXPECT_EQ(t.bytes, c.bytes) << c.utf8;
    EXPECT_EQ(t.replaced, c.replaced) << c.utf8;
  }
}

}  // namespace
}  // namespace volantis4
