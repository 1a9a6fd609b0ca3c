#include "files/wing_clipboard.h"

#include <gtest/gtest.h>

#include "file_test_support.h"

namespace volantis4 {
namespace {

using testing_support::crlf;
using testing_support::TempDir;

// Wing 2 of the default aircraft: 4 trapezia, chords, gap, widths, offsets, position.
constexpr std::string_view kWing2Head =
    "   0\n   4\n 135\n 282\n 282\n 180\n  50\n   0\n 105\n 210\n  75\n  18\n   0\n   0\n  48\n 116\n1167\n   0\n \n";

TEST(WingClipboard, ResultsWhenValidAndModelValuesNotTexts) {
  Form f = defaultForm();
  f.wing(2).widths[0] = "-105";  // widths and chords are written as the model holds them
  f.wing(2).chords[4] = "50 mm";
  EXPECT_EQ(wingClipboardText(f, 2, AircraftResults{3.5, 296.875, -12.345}),
            crlf(std::string(kWing2Head) + " 3.5\n296.88\n-12.35\n"));
}

TEST(WingClipboard, TwentyTwoLinesWithoutResultsAndAllFiveSectionsWhateverTheCount) {
  const std::string text = wingClipboardText(defaultForm(), 5, std::nullopt);
  EXPECT_EQ(text,
            crlf("   0\n   2\n 600\n 680\n 600\n 300\n 100\n 300\n  38\n  38\n   8\n   5\n -80\n   0\n 200\n 300\n"
                 "-135\n-350\n \n0\n0\n0\n"));
}

TEST(WingClipboard, CopyWingTwoInsertWingFourKeepsWingFoursPosition) {
  TempDir dir;
  const std::string path = dir.file(std::string(kClipboardFileName));
  const Form start = defaultForm();
  ASSERT_FALSE(Save_Wing(path, start, 2, std::nullopt));
  const auto loaded = Load_Wing(path, start, 4);
  ASSERT_TRUE(std::holds_alternative<Form>(loaded));
  const Form& f = std::get<Form>(loaded);
  EXPECT_EQ(f.wing(4), (WingFields{.gap = "   0",
                                   .widths = {" 105", " 210", "  75", "  18"},
                                   .offsets = {"   0", "   0", "  48", " 116"},
                                   .chords = {" 135", " 282", " 282", " 180", "  50"},
                                   .checkedTrapezia = 4,
                                   .positionX = "-400",
                                   .positionZ = "-60"}));
  for (int w : {1, 2, 3, 5}) EXPECT_EQ(f.wing(w), start.wing(w)) << w;
}

TEST(WingClipboard, InsertIntoTheCopiedWingRestoresItsGeometryRightJustified) {
  Form start = defaultForm();
  start.wing(1).offsets[0] = "+0";
  start.wing(1).checkedTrapezia = 2;
  const Form f = readWingClipboardText(wingClipboardText(start, 1, std::nullopt), start, 1);
  EXPECT_EQ(f.wing(1).checkedTrapezia, 2);
  EXPECT_EQ(f.wing(1).offsets[0], "   0");
  EXPECT_EQ(f.wing(1).chords[4], " 120");
  EXPECT_EQ(wingClipboardText(f, 1, std::nullopt), wingClipboardText(start, 1, std::nullopt));
}

TEST(WingClipboard, ShortFileGivesZerosAndABadCountLeavesTheButton) {
  const Form f = readWingClipboardText(crlf("0\n9\n120\n"), defaultForm(), 3);
  EXPECT_EQ(f.wing(3).checkedTrapezia, 4);
  EXPECT_EQ(f.wing(3).chords[0], " 120");
  EXPECT_EQ(f.wing(3).chords[1], "   0");
  EXPECT_EQ(f.wing(3).offsets[3], "   0");
  EXPECT_EQ(f.wing(3).positionX, defaultForm().wing(3).positionX);
}

TEST(WingClipboard, MissingClipboardIsReportedAndNotReadable) {
  TempDir dir;
  const std::string path = dir.file(std::string(kClipboardFileName));
  EXPECT_FALSE(clipboardReadable(path));
  const auto loaded = Load_Wing(path, defaultForm(), 1);
  ASSERT_TRUE(std::holds_alternative<FileError>(loaded));
  EXPECT_EQ(std::get<FileError>(loaded).kind, FileErrorKind::CannotOpen);
  testing_support::writeBytes(path, "");
  EXPECT_TRUE(clipboardReadable(path));
  EXPECT_FALSE(clipboardReadable(dir.path().string()));  // a folder is no clipboard
}

TEST(CopiedWingFlags, CopyMenuCopyAndClipboardCheck) {
  EXPECT_FALSE(CopiedWingFlags{}.insertAvailable());
  // The menu copy on wing 4 marks wing 4 alone, the copy then marks the first page.
  const CopiedWingFlags menu = beforeMenuCopy(4);
  EXPECT_EQ(menu.copied, (std::array<bool, 5>{false, false, false, true, false}));
  EXPECT_FALSE(menu.insertAvailable());
  const CopiedWingFlags copied = afterCopy(menu);
  EXPECT_EQ(copied.copied, (std::array<bool, 5>{true, false, false, true, false}));
  EXPECT_TRUE(copied.insertAvailable());
  EXPECT_TRUE(beforeMenuCopy(3).insertAvailable());
  EXPECT_EQ(afterClipboardCheck(copied, false).copied, (std::array<bool, 5>{false, false, false, true, false}));
  EXPECT_TRUE(afterClipboardCheck(CopiedWingFlags{}, true).insertAvailable());
}

}  // namespace
}  // namespace volantis4
