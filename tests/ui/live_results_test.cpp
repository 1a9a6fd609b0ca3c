// Analysis > Live results: a whole run beside the window after each geometry change, which never
// changes what was typed nor records a step; kept between runs of the program; off, typing leaves
// the results out of date as before.

#include "ui/live_results.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <cmath>

#include "files/document_io.h"
#include "solver/calculation_run.h"
#include "ui/commands.h"
#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::OpenWindowTest;

const QString kTrainer = QStringLiteral(VOLANTIS4_EXAMPLES_DIR "/trainer.vn4");

class LiveResultsTest : public OpenWindowTest {
 protected:
  bool resultsShown() const { return !find<QLabel>("Label_anp1")->isHidden(); }
  /// The window on `file` with live results on and their first results shown.
  void openLive(const QString& file) {
    open({file});
    action("LiveResults1")->trigger();
    waitForResults();
  }
  /// Runs the event loop until the live run's results are shown (a minute at most).
  void waitForResults() const {
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->document().run.flags.results_valid; }, 60000));
  }
  /// Types `keys` at the end of field `name`, as the user does after clicking into it.
  void typeMore(const char* name, const QString& keys) const {
    QTest::keyClick(edit(name), Qt::Key_End);
    QTest::keyClicks(edit(name), keys);
  }
  QString panel() const { return find<QPlainTextEdit>("Memo1")->toPlainText(); }
  QString caption(const char* name) const { return shownCaption(action(name)->text()); }
  /// The neutral point of the trainer with wing 2's height `z2`, run headless.
  static double trainerNeutralPoint(const char* z2) {
    Document doc;
    EXPECT_FALSE(openDocument(doc, kTrainer.toStdString()));
    setFieldText(doc, {2, FieldKind::PositionZ, 1}, z2);
    EXPECT_TRUE(Button4Click(doc));
    return doc.results.xnp;
  }
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
  waitForResults();
  EXPECT_TRUE(resultsShown());
  const QString before = find<QLabel>("Label_anp1")->text();
  type("Edit4", "250");
  EXPECT_FALSE(resultsShown());  // the keystrokes themselves change only the geometry
  waitForResults();
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
  waitForResults();
  QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, tip.at);
  QString shownBefore = find<QLabel>("Label_anp1")->text();
  for (const int dy : {10, 20}) {
    QTest::mouseMove(image, tip.at + QPoint(0, dy));
    EXPECT_EQ(edit("Edit14x")->text(), chordAfter(dy));  // from the press, not added to the last move
    waitForResults();
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
  waitForResults();
  action("Open2")->trigger();
  EXPECT_FALSE(resultsShown());
  waitForResults();
  EXPECT_TRUE(resultsShown());
  EXPECT_TRUE(action("Print1")->isEnabled());
}

// The trainer's wing 1 lies at z = 0. Its lattice has strips of 800 / 37 = 21.6 mm at most, so
// the clearance is 0.6 × 21.6 = 13.0 mm: wing 2 typed 5 mm above wing 1 is computed one clearance
// above it, at 13 mm, and 50 mm is clear.
TEST_F(LiveResultsTest, ALiveRunNeverChangesWhatIsTyped) {
  openLive(kTrainer);
  edit("Edit_z2")->selectAll();
  QTest::keyClicks(edit("Edit_z2"), "5");
  waitForResults();
  EXPECT_EQ(edit("Edit_z2")->text(), "5");
  EXPECT_TRUE(panel().contains("Wing 2 is computed at z = 13 mm")) << panel().toStdString();
  EXPECT_NEAR(window->document().results.xnp, trainerNeutralPoint("13"), 1e-9);

  typeMore("Edit_z2", "0");
  waitForResults();
  EXPECT_EQ(edit("Edit_z2")->text(), "50");
  EXPECT_FALSE(panel().contains("computed at"));
  EXPECT_NEAR(window->document().results.xnp, trainerNeutralPoint("50"), 1e-9);

  // Calculate writes the height the run moves wing 2 to, as one step of its own.
  edit("Edit_z2")->selectAll();
  QTest::keyClicks(edit("Edit_z2"), "5");
  waitForResults();
  action("Calc1")->trigger();
  EXPECT_EQ(edit("Edit_z2")->text(), "13");
  EXPECT_EQ(caption("Undo1"), "Undo heights moved by the calculation");
  action("Undo1")->trigger();
  EXPECT_EQ(edit("Edit_z2")->text(), "5");
}

// Live runs record no step: undo and redo reach every edit, also one that live results would move.
TEST_F(LiveResultsTest, UndoAndRedoWalkTheWholeHistory) {
  openLive(kTrainer);
  edit("Edit4")->selectAll();
  QTest::keyClicks(edit("Edit4"), "260");  // wing 1's root chord
  waitForResults();
  edit("Edit_z2")->setFocus();  // a new field: a step of its own
  edit("Edit_z2")->selectAll();
  QTest::keyClicks(edit("Edit_z2"), "5");
  waitForResults();
  EXPECT_EQ(caption("Undo1"), "Undo edit of height, wing 2");

  action("Undo1")->trigger();
  EXPECT_EQ(edit("Edit_z2")->text().trimmed(), "40");
  waitForResults();
  EXPECT_EQ(caption("Undo1"), "Undo edit of root chord, wing 1");
  action("Undo1")->trigger();
  EXPECT_EQ(edit("Edit4")->text().trimmed(), "250");
  waitForResults();
  EXPECT_FALSE(action("Undo1")->isEnabled());

  action("Redo1")->trigger();
  waitForResults();
  action("Redo1")->trigger();
  waitForResults();
  EXPECT_EQ(edit("Edit4")->text(), "260");
  EXPECT_EQ(edit("Edit_z2")->text(), "5");
  EXPECT_FALSE(action("Redo1")->isEnabled());
  EXPECT_EQ(caption("Undo1"), "Undo edit of height, wing 2");
}

// The default aircraft with wings 4 and 5 made large rectangles below the others: about 3000
// panels, a run of a good part of a second.
QString largeAircraftFile(const QString& path) {
  Document doc;
  for (int w : {4, 5}) {
    WingFields& f = doc.form.wing(w);
    f.checkedTrapezia = 1;
    f.gap = "0";
    f.widths[0] = "1000";
    f.offsets[0] = "0";
    f.chords[0] = f.chords[1] = "940";
  }
  doc.form.wing(4).positionZ = "-1000";
  doc.form.wing(5).positionZ = "-2000";
  Calc(doc);
  doc.fileName = path.toStdString();
  EXPECT_TRUE(std::holds_alternative<SavedDocument>(saveDocument(doc)));
  return path;
}

// The run goes on beside the window: the keystroke's own pass of the event loop ends long before
// it, a newer keystroke stops it, and only the newest one's results are shown.
TEST_F(LiveResultsTest, ARunGoesOnBesideTheWindowAndTheNewestChangeWins) {
  openLive(largeAircraftFile(path("large.vn4")));
  auto* live = window->findChild<LiveResults*>();
  ASSERT_NE(live, nullptr);
  QSignalSpy shown(live, &LiveResults::finished);
  edit("Edit_x4")->selectAll();
  QTest::keyClicks(edit("Edit_x4"), "5");  // wing 4 from -400 mm to 5 mm, then 50 mm
  QApplication::processEvents();
  EXPECT_FALSE(window->document().run.flags.results_valid);
  typeMore("Edit_x4", "0");
  QApplication::processEvents();
  EXPECT_FALSE(window->document().run.flags.results_valid);
  waitForResults();
  EXPECT_EQ(shown.count(), 1);
  EXPECT_EQ(window->document().geometry.position(4).x, 50);
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
