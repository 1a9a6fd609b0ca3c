// The fuselage page: stations typed into the table become the aircraft's fuselage once they make
// one, the status line says why not before, and the aircraft's fuselage fills an empty page.
#include "ui/fuselage_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include "qt_app.h"

namespace volantis4 {
namespace {

class FuselagePageTest : public testing::Test, private testing_support::WithQtApp {
 protected:
  template <class T>
  T* child(const char* name) {
    return page.findChild<T*>(QString::fromLatin1(name));
  }
  void typeStation(int row, const char* x, const char* width) {
    auto* table = child<QTableWidget>("FuselageStations");
    if (table->rowCount() <= row) table->setRowCount(row + 1);
    table->setItem(row, 0, new QTableWidgetItem(QString::fromLatin1(x)));
    table->setItem(row, 1, new QTableWidgetItem(QString::fromLatin1(width)));
  }
  QString status() { return child<QLabel>("FuselageStatus")->text(); }

  FuselagePage page;
};

TEST_F(FuselagePageTest, StationsBecomeTheFuselageOnceTheyMakeOne) {
  QSignalSpy edited(&page, &FuselagePage::edited);
  EXPECT_FALSE(page.entered());
  EXPECT_TRUE(status().startsWith("No fuselage entered"));
  typeStation(0, "-330", "0");
  EXPECT_EQ(status(), "Not used yet: a fuselage needs at least 2 stations.");
  typeStation(1, " 900", "30");
  typeStation(2, "", "");  // a row not filled in yet
  child<QLineEdit>("FuselageAxisZ")->setText("-40");
  ASSERT_TRUE(page.entered());
  EXPECT_EQ(*page.entered(), (FuselageInput{{{-330, 0}, {900, 30}}, -40}));
  EXPECT_TRUE(status().startsWith("The fuselage is saved with the aircraft"));
  EXPECT_GT(edited.count(), 0);

  const std::pair<std::pair<const char*, const char*>, const char*> refused[] = {
      {{"12.5", "30"}, "Not used yet: station 2 holds \"12.5\", not a whole number of millimetres."},
      {{"900", "wide"}, "Not used yet: station 2 holds \"wide\", not a whole number of millimetres."},
      {{"-400", "30"}, "Not used yet: station 2 does not lie behind station 1."},
      {{"900", "-5"}, "Not used yet: station 2 has a width below 0 mm."}};
  for (const auto& [cells, message] : refused) {
    typeStation(1, cells.first, cells.second);
    EXPECT_FALSE(page.entered()) << message;
    EXPECT_EQ(status(), QString::fromUtf8(message));
  }
}

TEST_F(FuselagePageTest, TheAircraftsFuselageFillsThePageButAHalfTypedStationStays) {
  const FuselageInput body{{{-200, 0}, {0, 90}, {700, 20}}, 15};
  page.showFuselage(body);
  auto* table = child<QTableWidget>("FuselageStations");
  ASSERT_EQ(table->rowCount(), 3);
  EXPECT_EQ(table->item(1, 1)->text(), "90");
  EXPECT_EQ(child<QLineEdit>("FuselageAxisZ")->text(), "15");
  EXPECT_EQ(page.entered(), body);

  typeStation(3, "80", "");  // being typed: not a fuselage yet, so the aircraft keeps none meanwhile
  page.showFuselage(page.entered());
  EXPECT_EQ(table->rowCount(), 4);
  EXPECT_EQ(table->item(3, 0)->text(), "80");

  page.showFuselage(std::nullopt, true);  // another aircraft, without one
  EXPECT_EQ(table->rowCount(), 0);
  EXPECT_FALSE(child<QPushButton>("FuselageRemoveStation")->isEnabled());
}

TEST_F(FuselagePageTest, RemovingAStationIsAnEditAddingAnEmptyOneIsNot) {
  page.showFuselage(FuselageInput{{{-200, 0}, {0, 90}, {700, 20}}, 0});
  QSignalSpy edited(&page, &FuselagePage::edited);
  child<QPushButton>("FuselageAddStation")->click();
  EXPECT_EQ(child<QTableWidget>("FuselageStations")->rowCount(), 4);
  EXPECT_EQ(edited.count(), 0);
  child<QTableWidget>("FuselageStations")->setCurrentCell(1, 0);
  child<QPushButton>("FuselageRemoveStation")->click();
  EXPECT_GE(edited.count(), 1);
  EXPECT_EQ(page.entered(), (FuselageInput{{{-200, 0}, {700, 20}}, 0}));
}

}  // namespace
}  // namespace volantis4
