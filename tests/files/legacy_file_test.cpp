#include "files/legacy_file.h"

#include <gtest/gtest.h>

#include "file_test_support.h"
#include "files/aircraft_file.h"

namespace volantis4 {
namespace {

using testing_support::crlf;

// Three wings; wing 3 of four trapezia, stored as the count 4.
constexpr std::string_view kHeader = "   3\n";
constexpr std::string_view kWing1 = "2\n300\n280\n200\n150\n100\n0\n400\n350\n30\n20\n10\n40\n60\n80\n0\n-50\n";
constexpr std::string_view kWing2 = "1\n150\n90\n80\n70\n60\n0\n300\n0\n0\n0\n25\n0\n0\n0\n900\n20\n";
constexpr std::string_view kWing3 = " 4\n 1850\n1550\n1100\n700\n20\n 5\n25\n50\n25\n15\n0\n10\n40\n70\n-400\n-60\n";
constexpr std::string_view kTail = "0\n \n123456.7\n210.55\n480.25\n \nOld <glider>\nsecond\n";

std::string legacyFile(std::string_view tail = kTail) {
  return crlf(std::string(kHeader) + std::string(kWing1) + std::string(kWing2) + std::string(kWing3) +
              std::string(tail));
}

Form startForm() {
  Form f = defaultForm();
  f.wing(4).positionX = "+12";
  f.wing(4).checkedTrapezia = 1;
  f.wing(5).gap = " 7 ";
  return f;
}

LoadedAircraft load(const std::string& bytes, const std::string& name, const AircraftResults& r = {5, 6, 7}) {
  const AircraftLoad l = readAircraftText(bytes, name, startForm(), r);
  if (const auto* e = std::get_if<FileError>(&l)) {
    ADD_FAILURE() << renderFileError(*e, Language::English);
    return {};
  }
  return std::get<LoadedAircraft>(l);
}

TEST(LegacyFile, ThreeWingsResultsAndCommentLinesTakenWhole) {
  const LoadedAircraft a = load(legacyFile(), "old.da4");
  EXPECT_EQ(a.form.wingsCount, 3);
  EXPECT_EQ(a.form.wing(1), (WingFields{.gap = "   0",
                                        .widths = {" 400", " 350", "  30", "  20"},
                                        .offsets = {"  10", "  40", "  60", "  80"},
                                        .chords = {" 300", " 280", " 200", " 150", " 100"},
                                        .checkedTrapezia = 2,
                                        .positionX = "   0",
                                        .positionZ = " -50"}));
  EXPECT_EQ(a.form.wing(2).checkedTrapezia, 1);
  EXPECT_EQ(a.form.wing(2).positionX, " 900");
  const WingFields& w3 = a.form.wing(3);
  EXPECT_EQ(w3.checkedTrapezia, 4);  // the count itself
  EXPECT_EQ(w3.chords[0], "1850");
  EXPECT_EQ(w3.gap, "   5");
  EXPECT_EQ(w3.positionX, "-400");
  // Wings 4 and 5 keep their texts and buttons.
  EXPECT_EQ(a.form.wing(4), startForm().wing(4));
  EXPECT_EQ(a.form.wing(5), startForm().wing(5));
  EXPECT_EQ(a.results.sb, 123456.7);
  EXPECT_EQ(a.results.lmue, 210.55);
  EXPECT_EQ(a.results.xnp, 480.25);
  EXPECT_EQ(a.form.remarks, "Old <glider>\nsecond");
}

TEST(LegacyFile, CapitalExtensionIsLegacyTooAndVn4InTheNameSetsWingsFourAndFive) {
  EXPECT_EQ(load(legacyFile(), "OLD.DA4").form, load(legacyFile(), "old.da4").form);
  const LoadedAircraft both = load(legacyFile(), "odd.da4.vn4");
  EXPECT_EQ(both.form.wing(4).positionX, "  10");
  EXPECT_EQ(both.form.wing(4).checkedTrapezia, 1);  // staged 10: no button
  EXPECT_EQ(both.form.wing(5).gap, "  10");
}

TEST(LegacyFile, ShortFileGivesZerosAndASingleBlankComment) {
  const LoadedAircraft a = load(crlf("1\n" + std::string(kWing1)), "short.da4");
  EXPECT_EQ(a.form.wingsCount, 1);
  EXPECT_EQ(a.form.wing(1).chords[0], " 300");
  EXPECT_EQ(a.form.wing(2).chords[0], "   0");
  EXPECT_EQ(a.form.wing(2).checkedTrapezia, 4);  // 0 trapezia: no button, and the wing is not in use
  EXPECT_EQ(a.form.wing(3).positionZ, "   0");
  EXPECT_EQ(a.form.remarks, " ");
  EXPECT_EQ(a.results.sb, 5);  // the Open command clears sb beforehand; Load2 alone keeps it
  EXPECT_EQ(a.results.lmue, 6);
  EXPECT_EQ(a.results.xnp, 7);
}

TEST(LegacyFile, ResultsWithoutCommentLeaveTheSingleBlank) {
  const LoadedAircraft a = load(legacyFile("0\n \n1.5\n2.5\n3.5\n"), "r.da4");
  EXPECT_EQ(a.results.sb, 1.5);
  EXPECT_EQ(a.results.xnp, 3.5);
  EXPECT_EQ(a.form.remarks, " ");
}

TEST(LegacyFile, CommentLinesInWindows1252BecomeUtf8) {
  const LoadedAircraft a = load(legacyFile("0\n \n1\n2\n3\n \nH\xF6he \x80 20\n"), "u.da4");
  EXPECT_EQ(a.form.remarks, "Höhe € 20");
}

struct LegacyRefusal {
  std::string body;
  FileError expected;
};

TEST(LegacyFileRefusal, NamesTheReason) {
  const LegacyRefusal cases[] = {
      {"4\n", FileError::legacyWingCount("r.da4", 4)},
      {"5\n" + std::string(kWing1), FileError::legacyWingCount("r.da4", 5)},
      {"", FileError::wingCountRange("r.da4", 0)},
      {"<aircraft>\n <wings_count>1</wings_count>\n", FileError::wingCountRange("r.da4", 0, "<aircraft>")},
      {"2\n" + std::string(kWing1), FileError::legacyTrapezia("r.da4", 2, 0)},
      {"99999999999\n", FileError::legacyWingCount("r.da4", 99999999, "99999999999")}};
  for (const LegacyRefusal& c : cases) {
    const AircraftLoad l = readAircraftText(crlf(c.body), "r.da4", startForm(), {});
    ASSERT_TRUE(std::holds_alternative<FileError>(l)) << c.body;
    EXPECT_EQ(std::get<FileError>(l), c.expected);
  }
}

TEST(LegacyFile, MixedCaseExtensionIsReadByTags) {
  const AircraftLoad l = readAircraftText(legacyFile(), "x.Da4", startForm(), {});
  ASSERT_TRUE(std::holds_alternative<FileError>(l));
  EXPECT_EQ(std::get<FileError>(l), FileError::incomplete("x.Da4"));  // no "</aircraft>": a cut aircraft file
}

}  // namespace
}  // namespace volantis4
