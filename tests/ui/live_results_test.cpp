// Analysis > Live results: a whole run after each geometry change once the event loop is idle,
// kept between runs of the program; off, typing leaves the results out of date as before.

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <cmath>

#include "ui/commands.h"
#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::OpenWindowTest;

class LiveResultsTest : public OpenWindowTest {
 protected:
  bool resultsShown() const { return !find<QLabel>("Label_anp1")->isHidden(); }
};

TEST_F(LiveResultsTest, TheAnalysisMenuFollowsEditWithTheCheckableItem) {
  const QList<QAction*> titles = window->menuBar()->actions();
  ASSERT_GE(titles.size(), 3);
  EXPECT_EQ(shownCaption(titles[2]->text()), "Analysis");
  QAction* live = action("LiveResults1");
  EXPECT_TRUE(live->isCheckable());
  EXPECT_FALSE(live->isChecked());  // off by default
  EXPECT_EQ(shownCaption(live->text()), "Live results");
  action("german1")->trigger();
  EXPECT_EQ(shownCaption(titles[2]->text()), "Analyse");
  EXPECT_EQ(shownCaption(live->text()), "Live-Ergebnisse");
}

TEST_F(LiveResultsTest, OnEveryKeystrokeIsFollowedByOneWholeRunOnTheSamePage) {
  find<QTabWidget>("PageControl1")->setCurrentIndex(1);
  type("Edit4", "300");  // off: the results stay out of date
  QApplication::processEvents();
  EXPECT_FALSE(resultsShown());
  EXPECT_FALSE(action("Print1")->isEnabled());

  action("LiveResults1")->trigger();  // on: the current geometry is calculated at once
  QApplication::processEvents();
  EXPECT_TRUE(resultsShown());
  const QString before = find<QLabel>("Label_anp1")->text();
  type("Edit4", "250");
  EXPECT_FALSE(resultsShown());  // the keystrokes themselves change only the geometry
  QApplication::processEvents();
  EXPECT_TRUE(resultsShown());
  EXPECT_TRUE(action("Print1")->isEnabled());
  EXPECT_NE(find<QLabel>("Label_anp1")->text(), before);           // a shorter root chord moves wing 1's centre
  EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 1);  // no jump to the Aircraft page
}

// Wing 1's tip trailing edge (half span 1100 mm, tip chord 120 mm behind an offset of 215 mm) on
// its planform image, and the image's scale (as the planform view lays wing 1 out).
struct TipCorner {
  QPoint at;
  double k;
};
TipCorner tipTrailingEdge(const QWidget* image) {
  const double k = std::min(image->width() / 2.03 / 1100, image->height() / 1.6 / 466);
  return {QPoint(image->width() / 2 + static_cast<int>(std::lround(1100 * k)),
                 image->height() / 3 + static_cast<int>(std::lround((215 + 120) * k))),
          k};
}

TEST_F(LiveResultsTest, OnEachMoveOfADragIsFollowedByARunReckonedFromThePress) {
  find<QTabWidget>("PageControl1")->setCurrentIndex(1);
  QWidget* image = find<QWidget>("Image1");
  const TipCorner tip = tipTrailingEdge(image);
  const auto chordAfter = [&](int dy) { return QString::number(120 + std::lround(dy / tip.k)); };

  QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, tip.at);  // off: a move changes nothing
  QTest::mouseMove(image, tip.at + QPoint(0, 10));
  QApplication::processEvents();
  EXPECT_EQ(edit("Edit14x")->text(), "120");
  QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, tip.at + QPoint(0, 10));
  EXPECT_EQ(edit("Edit14x")->text(), chordAfter(10));
  type("Edit14x", "120");

  action("LiveResults1")->trigger();
  QApplication::processEvents();
  QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, tip.at);
  QString shownBefore = find<QLabel>("Label_anp1")->text();
  for (const int dy : {10, 20}) {
    QTest::mouseMove(image, tip.at + QPoint(0, dy));
    EXPECT_EQ(edit("Edit14x")->text(), chordAfter(dy));  // from the press, not added to the last move
    QApplication::processEvents();
    EXPECT_TRUE(resultsShown());
    EXPECT_NE(find<QLabel>("Label_anp1")->text(), shownBefore) << dy;  // a longer tip chord moves the centre aft
    shownBefore = find<QLabel>("Label_anp1")->text();
  }
  QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, tip.at + QPoint(0, 20));
  EXPECT_EQ(edit("Edit14x")->text(), chordAfter(20));
}

TEST_F(LiveResultsTest, OnOpenIsFollowedByARun) {
  script->saveAnswer = script->openAnswer = path("plane.vn4");
  action("Save2")->trigger();  // no results: the file carries none
  action("LiveResults1")->trigger();
  QApplication::processEvents();
  script->changesAnswer = SaveAnswer::Discard;  // the run may have moved heights
  action("Open2")->trigger();
  EXPECT_FALSE(resultsShown());
  QApplication::processEvents();
  EXPECT_TRUE(resultsShown());
  EXPECT_TRUE(action("Print1")->isEnabled());
}

TEST_F(LiveResultsTest, TheChoiceIsKeptForTheNextStart) {
  action("LiveResults1")->trigger();
  window.reset();
  open();
  EXPECT_TRUE(action("LiveResults1")->isChecked());
  action("LiveResults1")->trigger();
  window.reset();
  open();
  EXPECT_FALSE(action("LiveResults1")->isChecked());
}

}  // namespace
}  // namespace volantis4
