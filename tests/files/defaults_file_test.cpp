#include "files/defaults_file.h"

#include <gtest/gtest.h>

#include "file_test_support.h"

namespace volantis4 {
namespace {

using testing_support::crlf;

struct DefaultsCase {
  std::string_view name;
  std::string_view text;
  Defaults expected;
};

constexpr Language kEn = Language::English;
constexpr Language kDe = Language::German;

TEST(DefaultsReading, LanguageAndBoundsFollowTheRangeRules) {
  const DefaultsCase cases[] = {{"all in range", "e\n830\n777\n542\n172\n", {kEn, 830, 777, 542, 172}},
                                {"german", "d\n830\n777\n542\n172\n", {kDe, 830, 777, 542, 172}},
                                {"lower e then anything", "english please\n", {kEn, {}, {}, {}, {}}},
                                {"capital E is German", "E\n", {kDe, {}, {}, {}, {}}},
                                {"empty file is German", "", {kDe, {}, {}, {}, {}}},
                                {"empty first line is German", "\n100\n", {kDe, 100, {}, {}, {}}},
                                {"largest width and height", "e\n2999\n1999\n999\n999\n", {kEn, 2999, 1999, 999, 999}},
                                {"too wide and too high are ignored", "e\n3000\n2000\n0\n0\n", {kEn, {}, {}, 0, 0}},
                                {"zero and negative sizes are ignored", "e\n0\n-5\n", {kEn, {}, {}, {}, {}}},
                                {"edges out of range become 0", "e\n800\n600\n1000\n-20\n", {kEn, 800, 600, 0, 0}},
                                {"empty edge lines give 0", "e\n800\n600\n\n\n", {kEn, 800, 600, 0, 0}},
                                {"digits before junk count", "e\n800px\n600\n", {kEn, 800, 600, {}, {}}}};
  for (const DefaultsCase& c : cases) EXPECT_EQ(readDefaultsText(crlf(c.text)), c.expected) << c.name;
}

TEST(DefaultsFile, WrittenAsFiveLinesAndReadBack) {
  testing_support::TempDir dir;
  const std::string path = dir.file(std::string(kDefaultsFileName));
  ASSERT_FALSE(writeDefaults(path, Language::German, {830, 777, -8, 1200}));
  EXPECT_EQ(testing_support::readBytes(path), "d\r\n830\r\n777\r\n-8\r\n1200\r\n");
  const auto read = readDefaults(path);
  ASSERT_TRUE(std::holds_alternative<Defaults>(read));
  EXPECT_EQ(std::get<Defaults>(read), (Defaults{kDe, 830, 777, 0, 0}));
}

TEST(DefaultsFile, MissingFileIsAnErrorTheCallerMayIgnore) {
  testing_support::TempDir dir;
  const auto read = readDefaults(dir.file("Default.pa4"));
  ASSERT_TRUE(std::holds_alternative<FileError>(read));
  EXPECT_EQ(std::get<FileError>(read).reason, SystemReason::NotFound);
}

}  // namespace
}  // namespace volantis4
