#include "files/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "file_test_support.h"

namespace volantis4 {
namespace {

TEST(SplitLines, LineEndsOfEveryKind) {
  using Lines = std::vector<std::string_view>;
  const std::pair<std::string_view, Lines> cases[] = {{"", {""}},
                                                      {"\r\n", {""}},
                                                      {"a", {"a"}},
                                                      {"a\r\nb\r\n", {"a", "b"}},
                                                      {"a\r\n\r\n", {"a", ""}},
                                                      {"a\nb\rc\r\n d", {"a", "b", "c", " d"}},
                                                      {"\r\r\n", {"", ""}},
                                                      {"a\n\rb", {"a", "", "b"}}};
  for (const auto& [text, lines] : cases) EXPECT_EQ(splitLines(text), lines) << ::testing::PrintToString(text);
}

TEST(ReadReal, DecimalNumbersAndTheirEdges) {
  const std::pair<std::string_view, double> cases[] = {
      {"1234.5", 1234.5}, {"  -3.25", -3.25}, {"+7", 7},   {" 3.5</sb>", 3.5}, {".5", 0.5}, {"5.", 5},
      {"1.5e3", 1500},    {"2e", 2},          {"2e+x", 2}, {"3,5", 3},         {"", 0},     {"-", 0},
      {"abc", 0},         {"nan", 0},         {"inf", 0},  {"1e999", 0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(readReal(text), value) << text;
}

TEST(ReadTextFile, RefusesWhatIsNoTextFileAndNamesTheReason) {
  testing_support::TempDir dir;
  const std::string ok = dir.file("ok.vn4"), nul = dir.file("nul.vn4"), big = dir.file("big.vn4");
  const std::string limit = dir.file("limit.vn4"), fifo = dir.file("fifo.vn4");
  testing_support::writeBytes(ok, "Fl\xFCgel\r\n");
  testing_support::writeBytes(nul, std::string("a\0b", 3));
  testing_support::writeBytes(big, "");
  std::filesystem::resize_file(big, kMaxTextFileBytes + 1);
  testing_support::writeBytes(limit, std::string(kMaxTextFileBytes, '\n'));
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  EXPECT_EQ(std::get<std::string>(readTextFile(ok)), "Fl\xFCgel\r\n");
  EXPECT_EQ(std::get<std::string>(readTextFile(limit)).size(), kMaxTextFileBytes);
  EXPECT_EQ(std::get<FileError>(readTextFile(nul)), FileError::notText(nul));
  EXPECT_EQ(std::get<FileError>(readTextFile(big)), FileError::tooLarge(big));
  EXPECT_EQ(std::get<FileError>(readTextFile(fifo)).reason, SystemReason::NotRegular);
  EXPECT_EQ(std::get<FileError>(readTextFile(dir.path().string())).reason, SystemReason::IsFolder);
}

struct Rendering {
  FileError error;
  std::string_view english;
  std::string_view german;
};

TEST(FileErrorText, NamesTheFileAndTheReasonInBothLanguages) {
  const Rendering cases[] = {
      {FileError::sectionCount("a.vn4", 2, 7), "The file \"a.vn4\" is refused: wing 2 has 7 sections, not 2 to 5.",
       "Die Datei \"a.vn4\" wird abgelehnt: Flügel 2 hat 7 Profilschnitte statt 2 bis 5."},
      {FileError::sectionCount("a.vn4", 1, 1), "The file \"a.vn4\" is refused: wing 1 has 1 section, not 2 to 5.",
       "Die Datei \"a.vn4\" wird abgelehnt: Flügel 1 hat 1 Profilschnitt statt 2 bis 5."},
      {FileError::wingCountRange("h.vn4", 99999999, "99999999999"),
       "The file \"h.vn4\" is refused: its wing count 99999999999 is not from 1 to 5.",
       "Die Datei \"h.vn4\" wird abgelehnt: ihre Flügelanzahl 99999999999 liegt nicht "
       "zwischen 1 und 5."},
      {FileError::legacyTrapezia("o.da4", 3, 1, "+1"),
       "The old data file \"o.da4\" is refused: wing 3 has +1 trapezium, not 1 to 4.",
       "Die alte Datendatei \"o.da4\" wird abgelehnt: Flügel 3 hat +1 Trapez statt 1 bis 4."},
      {FileError::incomplete("c.vn4"),
       "The file \"c.vn4\" is refused: it is incomplete (it does not end with </aircraft>).",
       "Die Datei \"c.vn4\" wird abgelehnt: sie ist unvollständig (sie endet nicht mit "
       "</aircraft>)."},
      {FileError::cannotWrite("n.vn4", EACCES, false), "The file \"n.vn4\" cannot be written: permission denied.",
       "Die Datei \"n.vn4\" kann nicht geschrieben werden: keine Berechtigung."},
      // Reasons without words of their own are said in the system's words, with the number.
      {FileError::cannotRead("c.vn4", EIO), "The file \"c.vn4\" cannot be read: input/output error (system error 5).",
       "Die Datei \"c.vn4\" kann nicht gelesen werden: input/output error (Systemfehler 5)."},
      {FileError::cannotOpen("Flügel.vn4", EACCES), "The file \"Flügel.vn4\" cannot be opened: permission denied.",
       "Die Datei \"Flügel.vn4\" kann nicht geöffnet werden: keine Berechtigung."}};
  for (const Rendering& c : cases) {
    EXPECT_EQ(renderFileError(c.error, Language::English), c.english);
    EXPECT_EQ(renderFileError(c.error, Language::German), c.german);
  }
}

TEST(FileErrorText, ReplacedCharactersNoticeIsSingularForOne) {
  EXPECT_EQ(renderReplacedCharacters("p.vn4", 2, Language::English),
            "The file \"p.vn4\" cannot hold 2 characters of the remarks; they were written as \"?\".");
  EXPECT_EQ(renderReplacedCharacters("p.vn4", 1, Language::English),
            "The file \"p.vn4\" cannot hold 1 character of the remarks; it was written as \"?\".");
  EXPECT_EQ(renderReplacedCharacters("p.vn4", 1, Language::German),
            "Die Datei \"p.vn4\" kann 1 Zeichen der Bemerkungen nicht aufnehmen; es wurde als \"?\" geschrieben.");
}

}  // namespace
}  // namespace volantis4
