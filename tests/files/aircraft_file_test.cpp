#include "files/aircraft_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "file_test_support.h"
#include "files/document_io.h"
#include "files/file_name.h"
#include "files/text_file.h"
#include "solver/calculation_output.h"
#include "test_data.h"

namespace volantis4 {
namespace {

using testing_support::crlf;
using testing_support::dataFile;
using testing_support::TempDir;
using testing_support::withoutCarriageReturns;

Form oneWingForm() {
  Form f = defaultForm();
  f.wingsCount = 1;
  WingFields& w = f.wing(1);
  w.checkedTrapezia = 1;
  w.gap = "0";
  w.widths[0] = "-750";  // widths are written as the model holds them: absolute
  w.offsets[0] = "120";
  w.chords[0] = " 250";
  w.chords[1] = "130";
  w.positionX = "-35";
  w.positionZ = "12";
  f.remarks = "Glider, one piece";
  return f;
}

// The 27-line file of a one-wing aircraft of one trapezium without results, with its CR LF line ends.
const std::string kOneWingFile = withoutCarriageReturns(dataFile("files/data/one_wing.vn4"));

LoadedAircraft loaded(const AircraftLoad& load) {
  if (const auto* e = std::get_if<FileError>(&load)) {
    ADD_FAILURE() << renderFileError(*e, Language::English);
    return {};
  }
  return std::get<LoadedAircraft>(load);
}

TEST(AircraftFileWriter, OneWingExampleIsTwentySevenExactLines) {
  const AircraftFileText text = aircraftFileText(oneWingForm(), std::nullopt);
  EXPECT_EQ(text.bytes, crlf(kOneWingFile));
  EXPECT_EQ(text.replacedCharacters, 0u);
}

// Five wings with results and an umlaut; three wings without results leave out wings 4 and 5.
TEST(AircraftFileWriter, DefaultAircraftWithFiveAndThreeWings) {
  Form f = defaultForm();
  f.remarks = "Flügel aus Balsa";
  EXPECT_EQ(aircraftFileText(f, AircraftResults{458230.0, 296.875, 5.5}).bytes,
            dataFile("files/data/default_with_results.vn4"));
  f.wingsCount = 3;
  f.remarks = "";
  EXPECT_EQ(aircraftFileText(f, std::nullopt).bytes, dataFile("files/data/default_three_wings.vn4"));
}

// Results are right-justified in four characters (rounding itself is the number module's).
TEST(AircraftFileWriter, ResultsAreFixedPointRightJustifiedInFour) {
  const std::string bytes = aircraftFileText(oneWingForm(), AircraftResults{3.5, 0, 0}).bytes;
  EXPECT_NE(bytes.find(crlf(" <sb> 3.5</sb>\n <lmue>0.00</lmue>\n <xnp>0.00</xnp>\n \n <comment>")), std::string::npos)
      << bytes;
}

TEST(AircraftFileWriter, CommentLinesLessThanAndUnencodableCharacters) {
  Form f = oneWingForm();
  f.remarks = "a < b\nα and ♥\n";
  const AircraftFileText text = aircraftFileText(f, std::nullopt);
  EXPECT_NE(text.bytes.find(" <comment>a &lt; b\r\n? and ?\r\n</comment>\r\n</aircraft>\r\n \r\n"), std::string::npos);
  EXPECT_EQ(text.replacedCharacters, 2u);
}

// ---- Round trips ----

TEST(AircraftRoundTrip, WriteReadWriteGivesTheSameBytesAndTheSameForm) {
  for (std::string_view remarks :
       {"", "one line", "Flügel äöü ÄÖÜ ß € „Zitat“ – ok", "CG < 50 mm, x<y>z", "first\nsecond\n\nfourth",
        "ends with a break\n", "\n", "\n\n", "&lt; written literally, &amp; too, & alone",
        "</comment> and <comment> inside", " leading and trailing blanks ", "tab\there"}) {
    SCOPED_TRACE(remarks);
    Form f = defaultForm();
    f.remarks = std::string(remarks);
    const std::string first = aircraftFileText(f, AircraftResults{458230.0, 296.88, 5.5}).bytes;
    const LoadedAircraft a = loaded(readAircraftText(first, "plane.vn4", defaultForm(), {}));
    EXPECT_EQ(a.form.remarks, remarks);
    EXPECT_EQ(a.results.sb, 458230.0);
    EXPECT_EQ(a.results.lmue, 296.88);
    EXPECT_EQ(a.results.xnp, 5.5);
    const std::string second = aircraftFileText(a.form, a.results).bytes;
    EXPECT_EQ(second, first);
    EXPECT_EQ(loaded(readAircraftText(second, "plane.vn4", defaultForm(), {})).form, a.form);
  }
}

TEST(AircraftRoundTrip, RemarkLineBreaksOfAnyKindReadBackAsNewlines) {
  Form f = oneWingForm();
  f.remarks = "a\r\nb\rc\nd";
  const std::string bytes = aircraftFileText(f, std::nullopt).bytes;
  EXPECT_EQ(loaded(readAircraftText(bytes, "b.vn4", defaultForm(), {})).form.remarks, "a\nb\nc\nd");
}

TEST(AircraftRoundTrip, LoadedFieldsAreRightJustifiedInFour) {
  const Form f = loaded(readAircraftText(crlf(kOneWingFile), "one.vn4", defaultForm(), {})).form;
  EXPECT_EQ(f.wingsCount, 1);
  EXPECT_EQ(f.wing(1), (WingFields{.gap = "   0",
                                   .widths = {" 750", "  10", "  10", "  10"},
                                   .offsets = {" 120", "  10", "  10", "  10"},
                                   .chords = {" 250", " 130", "  10", "  10", "  10"},
                                   .checkedTrapezia = 1,
                                   .positionX = " -35",
                                   .positionZ = "  12"}));
  EXPECT_EQ(f.remarks, "Glider, one piece");
}

// ---- Reader ----

TEST(AircraftFileReader, ReorderedLinesAreReadTagByTag) {
  const std::string file = crlf(dataFile("files/data/reordered_lines_are_read_tag_by_tag.vn4"));
  const Form f = loaded(readAircraftText(file, "re.vn4", defaultForm(), {})).form;
  EXPECT_EQ(f.wingsCount, 2);
  EXPECT_EQ(f.wing(2), (WingFields{.gap = "   5",
                                   .widths = {" 300", "  10", "  10", "  10"},
                                   .offsets = {"  25", "  10", "  10", "  10"},  // section 1's x is not read
                                   .chords = {" 150", "  90", "  10", "  10", "  10"},
                                   .checkedTrapezia = 1,
                                   .positionX = " 900",
                                   .positionZ = " -20"}));
  // A line is read by its first tag only: the position values on the wing_position line are lost.
  const WingFields& w1 = f.wing(1);
  EXPECT_EQ(w1.checkedTrapezia, 2);
  EXPECT_EQ(w1.positionX, "  10");
  EXPECT_EQ(w1.positionZ, "  10");
}

TEST(AircraftFileReader, PositionBlockAfterTheSectionsAlsoSetsTheLastSectionsX) {
  const std::string file =
      crlf(dataFile("files/data/position_block_after_the_sections_also_sets_the_last_sections_x.vn4"));
  const WingFields w = loaded(readAircraftText(file, "late.vn4", defaultForm(), {})).form.wing(1);
  EXPECT_EQ(w.positionX, " -60");
  EXPECT_EQ(w.positionZ, "  15");
  EXPECT_EQ(w.offsets[1], " -60");
}

TEST(AircraftFileReader, TwoWingFileSetsWingsThreeToFiveToTenAndKeepsTheirButtons) {
  Form start = defaultForm();
  start.wingsCount = 2;
  const std::string file = aircraftFileText(start, std::nullopt).bytes;
  const Form f = loaded(readAircraftText(file, "two.vn4", defaultForm(), {})).form;
  EXPECT_EQ(f.wingsCount, 2);
  WingFields ten;  // every text "  10"
  ten.gap = ten.positionX = ten.positionZ = "  10";
  ten.widths.fill("  10");
  ten.offsets.fill("  10");
  ten.chords.fill("  10");
  for (int w = 3; w <= 5; ++w) {
    ten.checkedTrapezia = defaultForm().wing(w).checkedTrapezia;
    EXPECT_EQ(f.wing(w), ten) << w;
  }
  EXPECT_EQ(f.wing(2).positionX, "1167");  // four characters or more are not padded
}

TEST(AircraftFileReader, ValuesAreReadAsFieldsAndReals) {
  const std::string file = crlf(dataFile("files/data/values_are_read_as_fields_and_reals.vn4"));
  const LoadedAircraft a = loaded(readAircraftText(file, "v.vn4", defaultForm(), {9, 8, 7}));
  EXPECT_EQ(a.form.wing(1).chords[0], "  31");
  EXPECT_EQ(a.form.wing(1).gap, "  12");  // the sign is not applied when reading stops early
  EXPECT_EQ(a.form.wing(1).chords[1], "   0");
  EXPECT_EQ(a.form.wing(1).widths[0], "   7");
  EXPECT_EQ(a.results.sb, 1234.5);
  EXPECT_EQ(a.results.lmue, 8);  // not in the file: kept
  EXPECT_EQ(a.results.xnp, -32.5);
}

TEST(AircraftFileReader, WingAndSectionNumbersOutsideTheirRangeAreSkipped) {
  const std::string file = crlf(dataFile("files/data/wing_and_section_numbers_outside_their_range_are_skipped.vn4"));
  const Form f = loaded(readAircraftText(file, "o.vn4", defaultForm(), {})).form;
  for (int w = 1; w <= kWingCount; ++w) {
    EXPECT_EQ(f.wing(w).positionZ, "  10");
    EXPECT_EQ(f.wing(w).gap, "  10");
    EXPECT_EQ(f.wing(w).chords[4], "  10");
  }
}

TEST(AircraftFileReader, CommentRunsToItsClosingTag) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      // An older file: a raw "<" is kept, no lines are added.
      {" <comment>CG < 50 mm\nsecond</comment>\n</aircraft>\n \n", "CG < 50 mm\nsecond"},
      {" <comment>&lt;b&gt; &amp;lt; &amp &lt</comment>\n</aircraft>\n", "<b&gt; &lt; &amp &lt"},
      {" <comment>a\nb</comment></aircraft>\n", "a\nb"},  // closing tag and end on one line
      {"<sb>1</sb>\n</aircraft>\n", "kept"}};             // no comment: the remarks stay
  Form start = defaultForm();
  start.remarks = "kept";
  for (const auto& [body, remarks] : cases) {
    const std::string file = crlf("<wings_count>1</wings_count>\n" + std::string(body));
    EXPECT_EQ(loaded(readAircraftText(file, "c.vn4", start, {})).form.remarks, remarks) << body;
  }
}

// ---- Refusals ----

// The reason `body` (written with CR LF line ends) is refused for; no error when it loads.
FileError refusal(std::string_view name, std::string_view body) {
  const AircraftLoad load = readAircraftText(crlf(body), std::string(name), defaultForm(), {});
  return std::holds_alternative<FileError>(load) ? std::get<FileError>(load) : FileError{};
}

struct Refusal {
  std::string_view name;
  std::string body;
  FileError expected;
};

TEST(AircraftFileRefusal, NamesTheReason) {
  const Refusal cases[] = {
      {"e.vn4", "</aircraft>\n", FileError::wingCountMissing("e.vn4")},
      {"e.vn4", "<wing_id>1</wing_id>\n<wingsections>3</wingsections>\n</aircraft>\n",
       FileError::wingCountMissing("e.vn4")},
      {"z.vn4", "<wings_count>0</wings_count>\n</aircraft>\n", FileError::wingCountRange("z.vn4", 0)},
      {"s.vn4", "<wings_count>6</wings_count>\n</aircraft>\n", FileError::wingCountRange("s.vn4", 6)},
      {"j.vn4", "<wings_count> five </wings_count>\n</aircraft>\n", FileError::wingCountRange("j.vn4", 0, "five")},
      // A refused value is quoted whole up to 40 characters, cut after them beyond.
      {"l.vn4", "<wings_count>" + std::string(40, 'w') + "</wings_count>\n</aircraft>\n",
       FileError::wingCountRange("l.vn4", 0, std::string(40, 'w'))},
      {"l.vn4", "<wings_count>" + std::string(41, 'w') + "</wings_count>\n</aircraft>\n",
       FileError::wingCountRange("l.vn4", 0, std::string(40, 'w') + "\u2026")},
      {"h.vn4", "<wings_count>99999999999</wings_count>\n</aircraft>\n",
       FileError::wingCountRange("h.vn4", 99999999, "99999999999")},
      {"t.vn4", "<wings_count>2</wings_count>\n<wing_id>2</wing_id>\n<wingsections>6</wingsections>\n</aircraft>\n",
       FileError::sectionCount("t.vn4", 2, 6)},
      {"o.vn4", "<wings_count>1</wings_count>\n<wing_id>1</wing_id>\n<wingsections>1</wingsections>\n</aircraft>\n",
       FileError::sectionCount("o.vn4", 1, 1)},
      {"b.vn4", std::string("<wings_count>1</wings_count>\n\0\n", 31), FileError::notText("b.vn4")},
      // Incomplete: the last line holding a tag must be "</aircraft>", and only it may follow the comment.
      {"i.vn4", "", FileError::incomplete("i.vn4")},
      {"i.vn4", "<aircraft>\n <wings_count>1</wings_count>\n <wing>\n  <wing_id>1</wing_id>\n",
       FileError::incomplete("i.vn4")},
      {"i.vn4", "<wings_count>1</wings_count>\n   <chord>180", FileError::incomplete("i.vn4")},
      {"i.vn4", "<wings_count>1</wings_count>\n <comment>abc\nmore\n</aircraft>\n", FileError::incomplete("i.vn4")},
      {"i.vn4", "<wings_count>1</wings_count>\n <comment>abc</comment>\n</aircr", FileError::incomplete("i.vn4")},
      // Anything holding a tag after the closing line is refused as such, naming the line.
      {"i.vn4", "<wings_count>1</wings_count>\n <comment></comment>\n</aircraft>\n<wings_count>1</wings_count>\n",
       FileError::trailingContent("i.vn4", 4, "<wings_count>1</wings_count>")},
      {"i.vn4", "<wings_count>1</wings_count>\n</aircraft>\n \n<sb>5</sb>\n",
       FileError::trailingContent("i.vn4", 4, "<sb>5</sb>")}};
  for (const Refusal& c : cases) EXPECT_EQ(refusal(c.name, c.body), c.expected) << c.body;
}

TEST(AircraftFileReader, NothingAfterTheCommentChangesTheAircraft) {
  const std::string file = crlf(
      "<wings_count>2</wings_count>\n <comment>first</comment> <wings_count>4</wings_count>\n"
      " <wings_count>1</wings_count>\n<sb>5</sb>\n</aircraft>\n \n");
  const LoadedAircraft a = loaded(readAircraftText(file, "c.vn4", defaultForm(), {9, 8, 7}));
  EXPECT_EQ(a.form.remarks, "first");
  EXPECT_EQ(a.form.wingsCount, 2);
  EXPECT_EQ(a.results.sb, 9);
}

TEST(AircraftFileReader, BadCountsOfWingsNotInUseAndMissingCountsAreNotRefused) {
  const std::string file =
      crlf(dataFile("files/data/bad_counts_of_wings_not_in_use_and_missing_counts_are_not_refused.vn4"));
  const Form f = loaded(readAircraftText(file, "u.vn4", defaultForm(), {})).form;
  EXPECT_EQ(f.wing(2).checkedTrapezia, 4);  // no count given: the button stays
  EXPECT_EQ(f.wing(3).checkedTrapezia, 4);  // not in use: no button for 8 trapezia
}

TEST(AircraftFileRefusal, FilesThatCannotBeReadAreNamed) {
  TempDir dir;
  const std::string missing = dir.file("missing.vn4");
  const std::string pattern = dir.file("*.vn4");
  testing_support::writeBytes(pattern, crlf(kOneWingFile));

  const auto error = [](const std::string& path) {
    const AircraftLoad load = Load2(path, defaultForm(), {});
    return std::holds_alternative<FileError>(load) ? std::get<FileError>(load) : FileError{};
  };
  EXPECT_EQ(error(missing), FileError::cannotOpen(missing, ENOENT));
  EXPECT_EQ(error(pattern), FileError::filterPattern(pattern));
  EXPECT_EQ(renderFileError(error(missing), Language::English),
            "The file \"" + missing + "\" cannot be opened: no such file or folder.");
}

// ---- Balance inputs ----

// Two supports, the larger automatic margin's target, ballast and a battery: the block stands
// before the comment (files/data/one_wing_weighed.vn4).
BalanceInputs weighing() { return {{{95.5, 640}, {-120, 310.25}}, CgTarget::High, -40.0, 0.1}; }

TEST(AircraftFileBalance, WrittenBeforeTheCommentAndReadBackExactly) {
  const std::string bytes = aircraftFileText(oneWingForm(), std::nullopt, weighing()).bytes;
  EXPECT_EQ(bytes, dataFile("files/data/one_wing_weighed.vn4"));
  const LoadedAircraft a = loaded(readAircraftText(bytes, "w.vn4", defaultForm(), {}));
  EXPECT_EQ(a.balance, weighing());
  EXPECT_EQ(aircraftFileText(a.form, std::nullopt, a.balance).bytes, bytes);

  // One measured centre of gravity, the default target, nothing else.
  const BalanceInputs measured{{{80, 2000}}, CgTarget::Manual, std::nullopt, std::nullopt};
  const std::string one = aircraftFileText(oneWingForm(), std::nullopt, measured).bytes;
  EXPECT_EQ(one, dataFile("files/data/one_wing_measured.vn4"));
  EXPECT_EQ(loaded(readAircraftText(one, "m.vn4", defaultForm(), {})).balance, measured);
}

TEST(AircraftFileBalance, TheAircraftReadsAsIfTheBlockWereNotThere) {
  // The block's elements are tags the aircraft reader skips, wherever they stand: here also
  // between the sections of a wing, and with the results block before them.
  std::string file = kOneWingFile;
  file.insert(
      file.find("  <section>"),
      " <balance>\n  <cg_reading>\n   <reading_x_mm>95.5</reading_x_mm>\n   <reading_mass_g>640</reading_mass_g>\n"
      "  </cg_reading>\n </balance>\n");
  const std::string plain = crlf(kOneWingFile), withBlock = crlf(file);
  const LoadedAircraft a = loaded(readAircraftText(plain, "a.vn4", defaultForm(), {1, 2, 3}));
  const LoadedAircraft b = loaded(readAircraftText(withBlock, "a.vn4", defaultForm(), {1, 2, 3}));
  EXPECT_EQ(b.form, a.form);
  EXPECT_EQ(b.results.sb, a.results.sb);
  EXPECT_FALSE(a.balance);
  ASSERT_TRUE(b.balance);
  EXPECT_EQ(b.balance->readings, (std::vector<Support>{{95.5, 640}}));
  const std::string results = aircraftFileText(oneWingForm(), AircraftResults{10, 20, 30}, weighing()).bytes;
  EXPECT_EQ(loaded(readAircraftText(results, "r.vn4", defaultForm(), {})).results.xnp, 30);
}

// The refusal of a file whose line 1 gives the wing count, `body` follows from line 2 and
// "</aircraft>" closes it.
FileError balanceRefusal(std::string_view body) {
  return refusal("b.vn4", "<wings_count>1</wings_count>\n" + std::string(body) + "</aircraft>\n");
}

FileError layout(FileErrorKind kind, std::string tag, long long line, std::string within = {}) {
  return FileError::balanceLayout(kind, "b.vn4", std::move(tag), line, std::move(within));
}

TEST(AircraftFileBalance, BadValuesAndIncompleteReadingsAreRefusedNamingTheElementAndLine) {
  const std::pair<std::string_view, FileError> cases[] = {
      {"<balance>\n<move_mass_g>0</move_mass_g>\n</balance>\n",
       FileError::balanceValue("b.vn4", "move_mass_g", "0", 3)},
      {"<balance>\n<cg_target>middle</cg_target>\n</balance>\n",
       FileError::balanceValue("b.vn4", "cg_target", "middle", 3)},
      {"<balance>\n<cg_reading>\n<reading_x_mm>12 mm</reading_x_mm>\n",
       FileError::balanceValue("b.vn4", "reading_x_mm", "12 mm", 4)},
      {"<balance>\n<cg_reading>\n<reading_x_mm>1</reading_x_mm>\n<reading_mass_g>-5</reading_mass_g>\n",
       FileError::balanceValue("b.vn4", "reading_mass_g", "-5", 5)},
      {"<balance>\n<ballast_at_mm></ballast_at_mm>\n</balance>\n",
       FileError::balanceValue("b.vn4", "ballast_at_mm", "", 3)},
      {"<balance>\n<cg_reading>\n<reading_x_mm>1</reading_x_mm>\n</cg_reading>\n</balance>\n",
       layout(FileErrorKind::BalanceMissing, "reading_mass_g", 3)},
      {"<balance>\n<cg_reading>\n<reading_mass_g>1</reading_mass_g>\n</cg_reading>\n</balance>\n",
       layout(FileErrorKind::BalanceMissing, "reading_x_mm", 3)},
      // A single reading of 0 g, and no reading at all, weigh nothing.
      {"<balance>\n<cg_reading>\n<reading_x_mm>1</reading_x_mm>\n<reading_mass_g>0</reading_mass_g>\n"
       "</cg_reading>\n</balance>\n",
       FileError::balanceReadings("b.vn4", 2)},
      {"<balance>\n<cg_target>low</cg_target>\n</balance>\n", FileError::balanceReadings("b.vn4", 2)},
      // Two readings of 600 kg each weigh more than the 1000 kg an aircraft may.
      {"<balance>\n<cg_reading>\n<reading_x_mm>1</reading_x_mm>\n<reading_mass_g>600000</reading_mass_g>\n"
       "</cg_reading>\n<cg_reading>\n<reading_x_mm>2</reading_x_mm>\n<reading_mass_g>600000</reading_mass_g>\n"
       "</cg_reading>\n</balance>\n",
       FileError::balanceReadings("b.vn4", 2)}};
  for (const auto& [body, expected] : cases) EXPECT_EQ(balanceRefusal(body), expected) << body;
}

TEST(AircraftFileBalance, NumbersBeyondTheLimitsOrNotInTheFilesNotationAreRefused) {
  // Every value of an element that is used lies within its stated limits, or the file is refused.
  const std::string huge = "1" + std::string(308, '0');  // 1e308 in fixed notation
  const struct {
    std::string_view tag;
    std::vector<std::string> refused, taken;
  } elements[] = {{"reading_x_mm",
                   {huge, "100000.5", "-100001", "nan", "inf", "-inf", "1e3", "0x10", "+5", "5,5", "--1"},
                   {"100000", "-100000", "0", "-0.25", "12."}},
                  {"reading_mass_g", {huge, "1000000.1", "-0.5", "nan", "1e2"}, {"1000000", "0.5"}},
                  {"ballast_at_mm", {huge, "100001", "inf"}, {"-100000", "99999.75"}},
                  {"move_mass_g", {huge, "0", "-1", "1000001", "nan"}, {"1000000", "0.001"}}};
  for (const auto& element : elements) {
    const std::string tag(element.tag);
    SCOPED_TRACE(tag);
    const bool inReading = tag.starts_with("reading_");
    for (const bool refused : {true, false}) {
      for (const std::string& value : refused ? element.refused : element.taken) {
        SCOPED_TRACE(value);
        std::string line = "<" + tag + ">";
        line += value;
        line += "</" + tag + ">\n";
        std::string body = "<balance>\n<cg_reading>\n";
        body += tag == "reading_x_mm" ? line : "<reading_x_mm>1</reading_x_mm>\n";
        body += tag == "reading_mass_g" ? line : "<reading_mass_g>500</reading_mass_g>\n";
        body += "</cg_reading>\n";
        if (!inReading) body += line;
        body += "</balance>\n";
        const long long at = tag == "reading_x_mm" ? 4 : tag == "reading_mass_g" ? 5 : 7;
        const std::string shown = value.size() > 40 ? value.substr(0, 40) + "\u2026" : value;
        EXPECT_EQ(balanceRefusal(body), refused ? FileError::balanceValue("b.vn4", tag, shown, at) : FileError{});
      }
    }
  }
}

TEST(AircraftFileBalance, OneBlockEachElementOnceClosingTagsAndOneElementPerLine) {
  const std::string reading = "<cg_reading>\n<reading_x_mm>1</reading_x_mm>\n<reading_mass_g>5</reading_mass_g>\n";
  const std::pair<std::string, FileError> cases[] = {
      {"<balance>\n" + reading + "</cg_reading>\n</balance>\n<balance>\n</balance>\n",
       layout(FileErrorKind::BalanceSecondBlock, "", 8)},
      {"<balance>\n<cg_reading>\n<reading_x_mm>1</reading_x_mm>\n<reading_x_mm>2</reading_x_mm>\n",
       layout(FileErrorKind::BalanceRepeated, "reading_x_mm", 5)},
      {"<balance>\n" + reading + "</cg_reading>\n<cg_target>low</cg_target>\n<cg_target>high</cg_target>\n",
       layout(FileErrorKind::BalanceRepeated, "cg_target", 8)},
      {"<balance>\n" + reading + "</cg_reading>\n", layout(FileErrorKind::BalanceNotClosed, "balance", 2)},
      {"<balance>\n" + reading + "</balance>\n", layout(FileErrorKind::BalanceNotClosed, "cg_reading", 3)},
      {"<balance>\n" + reading + "<cg_reading>\n", layout(FileErrorKind::BalanceNotClosed, "cg_reading", 3)},
      {"<balance>\n<cg_reading>\n<reading_x_mm>1\n", layout(FileErrorKind::BalanceNotClosed, "reading_x_mm", 4)},
      {"<balance><cg_reading><reading_x_mm>1</reading_x_mm><reading_mass_g>5</reading_mass_g></cg_reading>"
       "</balance>\n",
       layout(FileErrorKind::BalanceCrowded, "balance", 2)},
      {"<balance>\n<cg_reading>\n<reading_x_mm>1</reading_x_mm><reading_mass_g>5</reading_mass_g>\n",
       layout(FileErrorKind::BalanceCrowded, "reading_x_mm", 4)},
      {"<cg_target>low</cg_target>\n", layout(FileErrorKind::BalanceOutside, "cg_target", 2, "balance")},
      {"<balance>\n<reading_x_mm>1</reading_x_mm>\n",
       layout(FileErrorKind::BalanceOutside, "reading_x_mm", 3, "cg_reading")},
      {"<cg_reading>\n", layout(FileErrorKind::BalanceOutside, "cg_reading", 2, "balance")},
      {"</balance>\n", layout(FileErrorKind::BalanceOutside, "/balance", 2, "balance")}};
  for (const auto& [body, expected] : cases) EXPECT_EQ(balanceRefusal(body), expected) << body;
}

TEST(AircraftFileBalance, RefusalsSayTheElementTheLineAndTheLimits) {
  const std::pair<FileError, std::string_view> cases[] = {
      {FileError::balanceValue("b.vn4", "reading_x_mm", "0x10", 4),
       "The file \"b.vn4\" is refused: its balance input <reading_x_mm> on line 4 holds \"0x10\", which is not a "
       "usable value. A position is a decimal number of mm from -100000 to 100000."},
      {FileError::balanceReadings("b.vn4", 2),
       "The file \"b.vn4\" is refused: the readings of its balance block on line 2 do not add up to a total mass "
       "above 0 g and at most 1000000 g."},
      {layout(FileErrorKind::BalanceCrowded, "balance", 12),
       "The file \"b.vn4\" is refused: line 12 holds more than the element <balance>; each balance element stands "
       "on a line of its own."},
      {FileError::trailingContent("b.vn4", 30, "<sb>5</sb>"),
       "The file \"b.vn4\" is refused: line 30 holds \"<sb>5</sb>\" after the closing </aircraft>."}};
  for (const auto& [error, english] : cases) EXPECT_EQ(renderFileError(error, Language::English), english);
  EXPECT_EQ(renderFileError(layout(FileErrorKind::BalanceOutside, "cg_target", 2, "balance"), Language::German),
            "Die Datei \"b.vn4\" wird abgelehnt: <cg_target> in Zeile 2 steht außerhalb eines <balance>-Blocks.");
}

// ---- Open command ----

// A document after a complete run of the default aircraft, as far as open and save look at it.
Document documentWithResults(const std::string& fileName) {
  Document doc;
  doc.fileName = fileName;
  doc.results = {5, 6, 7};
  doc.run.flags.results_valid = true;
  doc.run.flags.grid_valid = true;
  doc.output = std::make_shared<CalculationOutput>();
  return doc;
}

TEST(OpenDocument, CancelledDialogOnlyClearsTheReferenceAreaAndTheResults) {
  Document doc = documentWithResults("Unknown.da4");
  doc.form.remarks = "mine";
  EXPECT_FALSE(openDocument(doc, std::nullopt));
  EXPECT_EQ(doc.fileName, "Unknown.da4");
  EXPECT_EQ(doc.form.remarks, "mine");
  EXPECT_TRUE(hasUnsavedChanges(doc));
  EXPECT_EQ(doc.results.sb, 0);
  EXPECT_EQ(doc.results.lmue, 6);
  EXPECT_FALSE(doc.run.flags.results_valid);
  EXPECT_FALSE(doc.run.flags.grid_valid);
  EXPECT_FALSE(doc.output);
}

TEST(OpenDocument, ResultsAreValidExactlyWhenTheFileCarriesAPositiveArea) {
  TempDir dir;
  const std::string with = dir.file("with.vn4"), without = dir.file("without.vn4");
  testing_support::writeBytes(with, aircraftFileText(oneWingForm(), AircraftResults{1000, 90, 40}).bytes);
  testing_support::writeBytes(without, aircraftFileText(oneWingForm(), std::nullopt).bytes);

  Document doc = documentWithResults("Unknown.da4");
  EXPECT_FALSE(openDocument(doc, with));
  EXPECT_TRUE(doc.run.flags.results_valid);
  EXPECT_FALSE(doc.run.flags.grid_valid);
  EXPECT_EQ(doc.fileName, with);
  EXPECT_EQ(doc.results.sb, 1000);
  EXPECT_EQ(doc.results.xnp, 40);
  EXPECT_EQ(doc.run.solver_wings_count, 1);
  EXPECT_FALSE(hasUnsavedChanges(doc));

  EXPECT_FALSE(openDocument(doc, without));
  EXPECT_FALSE(doc.run.flags.results_valid);
  EXPECT_EQ(doc.fileName, without);
  EXPECT_EQ(doc.results.sb, 0);
  EXPECT_EQ(doc.results.lmue, 90);  // not in the file: the previous value stays
  EXPECT_EQ(doc.form.wing(1).positionX, " -35");
  EXPECT_EQ(doc.geometry.position(1).x, -35);  // the geometry follows the loaded form
}

TEST(OpenDocument, RefusedFileKeepsFormAndFileNameAndReportsTheReason) {
  TempDir dir;
  const std::string bad = dir.file("bad.vn4");
  testing_support::writeBytes(bad, crlf("<wings_count>7</wings_count>\n</aircraft>\n"));
  Document doc = documentWithResults("/work/plane.vn4");
  doc.form.remarks = "mine";
  const Form before = doc.form;
  const auto error = openDocument(doc, bad);
  EXPECT_EQ(doc.form, before);
  EXPECT_EQ(doc.fileName, "/work/plane.vn4");
  EXPECT_TRUE(hasUnsavedChanges(doc));
  EXPECT_EQ(doc.results.sb, 0);
  EXPECT_FALSE(doc.run.flags.results_valid);
  ASSERT_TRUE(error);
  EXPECT_EQ(*error, FileError::wingCountRange(bad, 7));
  EXPECT_EQ(renderFileError(*error, Language::German),
            "Die Datei \"" + bad + "\" wird abgelehnt: ihre Flügelanzahl 7 liegt nicht zwischen 1 und 5.");
}

TEST(OpenDocument, BalanceInputsComeWithTheFileAndCountAsUnsavedChanges) {
  TempDir dir;
  Document doc;
  doc.fileName = dir.file("weighed.vn4");
  EXPECT_FALSE(hasUnsavedChanges(doc));
  doc.balance = weighing();
  EXPECT_TRUE(hasUnsavedChanges(doc));
  ASSERT_TRUE(std::holds_alternative<SavedDocument>(saveDocument(doc)));
  EXPECT_FALSE(hasUnsavedChanges(doc));

  Document other;
  EXPECT_FALSE(openDocument(other, doc.fileName));
  EXPECT_EQ(other.balance, weighing());
  EXPECT_FALSE(hasUnsavedChanges(other));
  testing_support::writeBytes(dir.file("plain.vn4"), crlf(kOneWingFile));
  EXPECT_FALSE(openDocument(other, dir.file("plain.vn4")));
  EXPECT_FALSE(other.balance);
  EXPECT_FALSE(hasUnsavedChanges(other));
}

TEST(CommandLineFile, NameAsGivenElseTheLowerCasedFilePartWhenOnlyThatExists) {
  TempDir dir;
  testing_support::writeBytes(dir.file("plane.vn4"), aircraftFileText(oneWingForm(), std::nullopt).bytes);
  testing_support::writeBytes(dir.file("BOTH.VN4"), "");
  testing_support::writeBytes(dir.file("both.vn4"), "");
  testing_support::writeBytes(dir.file("flügel.vn4"), "");
  EXPECT_EQ(commandLineFileName(dir.file("PLANE.VN4")), dir.file("plane.vn4"));
  EXPECT_EQ(commandLineFileName(dir.file("BOTH.VN4")), dir.file("BOTH.VN4"));
  EXPECT_EQ(commandLineFileName(dir.file("FLÜGEL.VN4")), dir.file("flügel.vn4"));
  EXPECT_EQ(commandLineFileName(dir.file("MISSING.VN4")), dir.file("MISSING.VN4"));
  EXPECT_EQ(withLowerCasedFilePart("/Data/OLD/PLANE.VN4"), "/Data/OLD/plane.vn4");

  Document doc;
  EXPECT_FALSE(openCommandLineFile(doc, dir.file("PLANE.VN4")));
  EXPECT_EQ(doc.fileName, dir.file("plane.vn4"));
  EXPECT_EQ(doc.form.wingsCount, 1);
}

TEST(SaveDocument, NameIsAdjustedAndResultsAreWrittenOnlyWhileValid) {
  TempDir dir;
  Document doc = documentWithResults(dir.file("old.da4"));
  doc.run.solver_wings_count = 2;
  const auto saved = saveDocument(doc);
  ASSERT_TRUE(std::holds_alternative<SavedDocument>(saved));
  EXPECT_EQ(std::get<SavedDocument>(saved).fileName, dir.file("old.vn4"));
  EXPECT_EQ(doc.fileName, dir.file("old.vn4"));
  EXPECT_EQ(doc.run.solver_wings_count, 5);
  EXPECT_NE(testing_support::readBytes(dir.file("old.vn4")).find("<sb>"), std::string::npos);

  doc.run.flags.results_valid = false;
  doc.fileName = dir.file("plain");
  ASSERT_TRUE(std::holds_alternative<SavedDocument>(saveDocument(doc)));
  EXPECT_EQ(testing_support::readBytes(dir.file("plain.vn4")).find("<sb>"), std::string::npos);
}

TEST(SaveDocument, NamesOpenWouldRefuseAreRefusedBeforeAnythingIsWritten) {
  TempDir dir;
  const std::pair<const char*, const char*> names[] = {
      {"*.vn4", "*.vn4"}, {"*", "*.vn4"}, {"*.da4", "*.vn4"}, {"*.VN4", "*.VN4"}};  // as given, as adjusted
  for (const auto& [given, adjusted] : names) {
    Document doc;
    doc.fileName = dir.file(given);
    const auto saved = saveDocument(doc);
    ASSERT_TRUE(std::holds_alternative<FileError>(saved)) << given;
    EXPECT_EQ(std::get<FileError>(saved), FileError::savePattern(dir.file(adjusted)));
  }
  EXPECT_EQ(dir.entries(), 0u);
}

TEST(OpenDocument, AKeptCopyOpensUnderTheIncompleteFilesNameAndSavingPutsItBack) {
  TempDir dir;
  const std::string path = dir.file("plane.vn4");
  const std::string old = aircraftFileText(oneWingForm(), AircraftResults{1000, 90, 40}).bytes;
  const std::string copy = dir.file(".plane.vn4.previous-99999999-0");
  testing_support::writeBytes(copy, old);
  testing_support::writeBytes(path, old.substr(0, old.size() / 2));  // a save stopped part-way
  Document doc;
  const auto refused = openDocument(doc, path);
  ASSERT_TRUE(refused);
  EXPECT_EQ(*refused, FileError::incomplete(path, copy));
  EXPECT_EQ(renderFileError(*refused, Language::English),
            "The file \"" + path +
                "\" is refused: it is incomplete (it does not end with </aircraft>); a save of it did not complete. "
                "Its previous content was kept in \"" +
                copy + "\".");

  // A copy that cannot be read is refused under its own name.
  EXPECT_EQ(openKeptCopy(doc, path, dir.file("missing")), FileError::cannotOpen(dir.file("missing"), ENOENT));
  EXPECT_EQ(doc.fileName, "Unknown.da4");

  EXPECT_FALSE(openKeptCopy(doc, path, copy));
  EXPECT_EQ(doc.fileName, path);
  EXPECT_EQ(doc.form.wingsCount, 1);
  EXPECT_EQ(doc.results.xnp, 40);
  EXPECT_TRUE(doc.run.flags.results_valid);
  EXPECT_TRUE(hasUnsavedChanges(doc));  // the file of that name is still the incomplete one
  ASSERT_TRUE(std::holds_alternative<SavedDocument>(saveDocument(doc)));
  EXPECT_EQ(testing_support::readBytes(path), old);
  EXPECT_EQ(dir.entries(), 1u);  // the copy of a process that is gone goes with the completed save
}

TEST(SaveAircraft, WhatIsSavedOpensAgainAndLongerRemarksAreRefusedBeforeWriting) {
  TempDir dir;
  const std::string path = dir.file("plane.vn4");
  Form f = oneWingForm();
  const std::size_t frame = aircraftFileText(f, std::nullopt).bytes.size() - f.remarks.size();
  f.remarks.assign(kMaxTextFileBytes - frame, 'x');  // the file is exactly as large as a reader takes
  ASSERT_TRUE(std::holds_alternative<SavedAircraft>(saveAircraft(path, f, std::nullopt)));
  ASSERT_TRUE(std::holds_alternative<LoadedAircraft>(Load2(path, defaultForm(), {})));

  // Just under the limit in the window, but every line break becomes "\r\n" in the file.
  Form lines = oneWingForm();
  for (std::size_t i = 0; i < kMaxTextFileBytes / 2 - 8; ++i) lines.remarks += "a\n";
  testing_support::writeBytes(path, "old");
  const auto saved = saveAircraft(path, lines, std::nullopt);
  ASSERT_TRUE(std::holds_alternative<FileError>(saved));
  EXPECT_EQ(
      renderFileError(std::get<FileError>(saved), Language::English),
      "The file \"" + path + "\" is not written: the remarks are too long (the file would be larger than 16 MiB).");
  EXPECT_EQ(testing_support::readBytes(path), "old");
  EXPECT_EQ(dir.entries(), 1u);
}

TEST(SaveAircraft, FailureLeavesTheOldFileAndNoTemporaryFile) {
  TempDir dir;
  const std::string folder = dir.file("plane.vn4");
  std::filesystem::create_directory(folder);  // a folder where the file should go
  const auto result = saveAircraft(folder, oneWingForm(), std::nullopt);
  ASSERT_TRUE(std::holds_alternative<FileError>(result));
  EXPECT_EQ(std::get<FileError>(result).kind, FileErrorKind::CannotWrite);
  EXPECT_EQ(std::get<FileError>(result).reason, SystemReason::IsFolder);
  EXPECT_EQ(dir.entries(), 1u);
}

}  // namespace
}  // namespace volantis4
