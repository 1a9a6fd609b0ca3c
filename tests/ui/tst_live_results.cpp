// Analysis > Live results: a whole run after each geometry change once the event loop is idle,
// kept between runs of the program; off, typing leaves the results out of date as before.

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

#include "ui/commands.h"
#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::WindowTest;

class LiveResultsTest : public WindowTest {
 protected:
  void type(const char* field, const char* text) {
    QLineEdit* e = edit(field);
    e->selectAll();
    QTest::keyClicks(e, QString::fromLatin1(text));
  }
  bool resultsShown() const { return find<QLabel>("Label_anp1")->isVisibleTo(window.get()); }
};

TEST_F(LiveResultsTest, TheAnalysisMenuFollowsEditWithTheCheckableItem) {
  open();
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
  open();
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

TEST_F(LiveResultsTest, TheChoiceIsKeptForTheNextStart) {
  open();
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
