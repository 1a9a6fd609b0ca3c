// The fuselage block of the aircraft file: written only when entered, read back exactly, skipped by
// the aircraft's reader, and refused by element and line when it is malformed.
#include "files/fuselage_block.h"

#include <gtest/gtest.h>

#include "file_test_support.h"
#include "files/aircraft_file.h"
#include "files/document_io.h"
#include "test_data.h"

namespace volantis4 {
namespace {

using testing_support::crlf;
using testing_support::dataFile;
using testing_support::TempDir;

const FuselageInput kBody{{{-330, 0}, {-250, 80}, {0, 110}, {900, 30}}, -15};

// A one-wing aircraft (the form is the default's first wing) around `middle`, CR LF line ends.
std::string aircraftWith(std::string_view middle) {
  return crlf("<aircraft>\n <wings_count>1</wings_count>\n" + std::string(middle) +
              " <comment>x</comment>\n</aircraft>\n");
}

AircraftLoad read(const std::string& bytes) { return readAircraftText(bytes, "f.vn4", defaultForm(), {}); }

TEST(FuselageBlock, WrittenBeforeTheCommentAfterTheBalanceAndReadBackExactly) {
  const Form form = defaultForm();
  const BalanceInputs weighed{{{80, 2000}}, CgTarget::Manual, std::nullopt, std::nullopt};
  const std::string bytes = aircraftFileText(form, std::nullopt, weighed, kBody).bytes;
  const std::string block = crlf(
      " <fuselage>\n  <axis_z_mm>-15</axis_z_mm>\n"
      "  <fuselage_station>\n   <station_x_mm>-330</station_x_mm>\n   <station_width_mm>0</station_width_mm>\n"
      "  </fuselage_station>\n"
      "  <fuselage_station>\n   <station_x_mm>-250</station_x_mm>\n   <station_width_mm>80</station_width_mm>\n"
      "  </fuselage_station>\n"
      "  <fuselage_station>\n   <station_x_mm>0</station_x_mm>\n   <station_width_mm>110</station_width_mm>\n"
      "  </fuselage_station>\n"
      "  <fuselage_station>\n   <station_x_mm>900</station_x_mm>\n   <station_width_mm>30</station_width_mm>\n"
      "  </fuselage_station>\n"
      " </fuselage>\n \n <comment>");
  EXPECT_NE(bytes.find(crlf(" </balance>\n \n") + block), std::string::npos);

  const AircraftLoad load = read(bytes);
  const auto* loaded = std::get_if<LoadedAircraft>(&load);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->fuselage, kBody);
  EXPECT_EQ(loaded->balance, weighed);
  EXPECT_EQ(aircraftFileText(loaded->form, std::nullopt, loaded->balance, loaded->fuselage).bytes, bytes);
  // Without a fuselage nothing of it is written (the golden files of the other blocks pin the rest).
  EXPECT_EQ(aircraftFileText(form, std::nullopt, weighed).bytes.find("fuselage"), std::string::npos);
}

TEST(FuselageBlock, TheAircraftReadsAsIfTheBlockWereNotThere) {
  const std::string plain = aircraftFileText(defaultForm(), AircraftResults{1, 2, 3}).bytes;
  const std::string with = aircraftFileText(defaultForm(), AircraftResults{1, 2, 3}, std::nullopt, kBody).bytes;
  const auto a = std::get<LoadedAircraft>(read(plain));
  const auto b = std::get<LoadedAircraft>(read(with));
  EXPECT_EQ(b.form, a.form);
  EXPECT_EQ(b.results.xnp, a.results.xnp);
  EXPECT_FALSE(a.fuselage);
}

TEST(FuselageBlock, MalformedBlocksAreRefusedNamingTheElementAndTheLine) {
  const std::string station =
      "  <fuselage_station>\n   <station_x_mm>0</station_x_mm>\n"
      "   <station_width_mm>50</station_width_mm>\n  </fuselage_station>\n";
  const std::string tail =
      "  <fuselage_station>\n   <station_x_mm>500</station_x_mm>\n"
      "   <station_width_mm>20</station_width_mm>\n  </fuselage_station>\n";
  // (block from line 3 on, the sentence after "…fuselage block, line ")
  const std::pair<std::string, std::string> cases[] = {
      {" <fuselage>\n  <axis_z_mm>ten</axis_z_mm>\n" + station + tail + " </fuselage>\n",
       "4: <axis_z_mm> holds \"ten\", not a whole number of millimetres."},
      {" <fuselage>\n  <axis_z_mm>1.5</axis_z_mm>\n" + station + tail + " </fuselage>\n",
       "4: <axis_z_mm> holds \"1.5\", not a whole number of millimetres."},
      {" <fuselage>\n  <axis_z_mm>0</axis_z_mm>\n  <axis_z_mm>5</axis_z_mm>\n" + station + tail + " </fuselage>\n",
       "5: <axis_z_mm> is given twice."},
      {" <fuselage>\n  <fuselage_station>\n   <station_x_mm>0</station_x_mm>\n   <station_x_mm>9</station_x_mm>\n",
       "6: <station_x_mm> is given twice."},
      {" <station_x_mm>0</station_x_mm>\n", "3: <station_x_mm> stands outside the <fuselage> block."},
      {" <fuselage>\n   <station_width_mm>50</station_width_mm>\n",
       "4: <station_width_mm> stands outside a <fuselage_station>."},
      {" <fuselage>\n" + station + tail + " </fuselage>\n <fuselage>\n", "13: a second <fuselage> block."},
      {" <fuselage>\n" + station + tail, "3: <fuselage> is not closed."},
      {" <fuselage>\n  <fuselage_station>\n   <station_x_mm>0</station_x_mm>\n </fuselage>\n",
       "4: <fuselage_station> is not closed."},
      {" <fuselage>\n  </fuselage_station>\n", "4: </fuselage_station> closes a station that was not opened."},
      {" <fuselage>\n  <fuselage_station>\n   <station_x_mm>0</station_x_mm>\n  </fuselage_station>\n",
       "6: a station ends without <station_x_mm> or <station_width_mm>."},
      {" <fuselage>\n" + station + " </fuselage>\n", "3: a fuselage needs at least 2 stations."},
      {" <fuselage>\n" + station + station + " </fuselage>\n", "3: station 2 does not lie behind station 1."},
      {" <fuselage>\n" + tail + station + " </fuselage>\n", "3: station 2 does not lie behind station 1."},
      {" <fuselage>\n" + station + tail.substr(0, tail.find("20")) + "-1</station_width_mm>\n  </fuselage_station>\n" +
           " </fuselage>\n",
       "3: station 2 has a width below 0 mm."}};
  for (const auto& [block, reason] : cases) {
    SCOPED_TRACE(block);
    const AircraftLoad load = read(aircraftWith(block));
    const auto* error = std::get_if<FileError>(&load);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(renderFileError(*error, Language::English),
              "The file \"f.vn4\" is refused: its fuselage block, line " + reason);
  }
}

TEST(FuselageBlock, ComesWithTheDocumentAndCountsAsAnUnsavedChange) {
  TempDir dir;
  Document doc;
  doc.fileName = dir.file("body.vn4");
  doc.fuselage = kBody;
  EXPECT_TRUE(hasUnsavedChanges(doc));
  ASSERT_TRUE(std::holds_alternative<SavedDocument>(saveDocument(doc)));
  EXPECT_FALSE(hasUnsavedChanges(doc));

  Document opened;
  ASSERT_FALSE(openDocument(opened, doc.fileName));
  EXPECT_EQ(opened.fuselage, kBody);
  EXPECT_FALSE(hasUnsavedChanges(opened));
  opened.fuselage->axisZ = 0;
  EXPECT_TRUE(hasUnsavedChanges(opened));
}

}  // namespace
}  // namespace volantis4
