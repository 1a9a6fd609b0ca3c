// Undo and redo of the changes to the aircraft: each kind of change taken back and forward
// through the fields and buttons, typing merged into one step, a drag as one step, the menu
// captions in both languages, and a fresh history after Open.

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>
#include <map>

#include "model/field_names.h"
#include "ui/commands.h"
#include "ui/fuselage_page.h"
#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::OpenWindowTest;

// What the window shows of the aircraft: every field's text, every checked button, and the
// labels that the recomputations write (figures, stations, gap notices).
using Shown = std::map<QString, QString>;

class UndoTest : public OpenWindowTest {
 protected:
  void page(const char* sheet) const { find<QTabWidget>("PageControl1")->setCurrentWidget(find<QWidget>(sheet)); }
  void click(const char* name) const { find<QAbstractButton>(name)->click(); }

  // A drag on wing 1's planform from its root leading edge, with moves between.
  void drag() const {
    page("TabSheet1");
    QWidget* image = find<QWidget>("Image1");
    const QPoint root(image->width() / 2, image->height() / 3);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, root);
    for (int dx = 5; dx <= 20; dx += 5) QTest::mouseMove(image, root + QPoint(dx, 0));
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, root + QPoint(20, 0));
  }
  Shown shownAircraft() const {
    Shown shown;
    for (const QLineEdit* e : window->findChildren<QLineEdit*>())
      if (fieldByName(e->objectName().toStdString())) shown[e->objectName()] = e->text();
    for (const QRadioButton* b : window->findChildren<QRadioButton*>())
      if (b->isChecked()) shown[b->objectName()] = "checked";
    for (int w = 1; w <= kWingCount; ++w) {
      const WingControlNames& n = wingControlNames(w);
      for (std::string_view name : {n.labelSpan, n.labelArea, n.labelMeanChord, n.labelGeometricCentre,
                                    n.labelAspectRatio, n.gapNotice[0], n.gapNotice[1]})
        shown[QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))] = label(std::string(name).c_str());
      for (std::string_view name : n.stationCaptions) shown[QString::fromLatin1(name.data())] = label(name.data());
    }
    return shown;
  }
  // The aircraft file Save As writes now.
  QByteArray saved() {
    script->saveAnswer = path("undo.vn4");
    action("Save2")->trigger();
    return contents("undo.vn4");
  }
  QString caption(const char* name) const { return shownCaption(action(name)->text()); }
};

TEST_F(UndoTest, EachChangeIsOneStepThatUndoAndRedoTakeBackAndForth) {
  struct Change {
    const char* name;
    std::function<void()> before;  // brings the aircraft to where the change starts
    std::function<void()> change;  // one step
    const char* undoCaption;
  };
  const Change changes[] = {
      {"root chord", {}, [this] { type("Edit4", "300"); }, "Undo edit of root chord, wing 1"},
      {"gap of wing 5", {}, [this] { type("Edit05", "0"); }, "Undo edit of gap, wing 5"},
      {"height", {}, [this] { type("Edit_z3", "-5"); }, "Undo edit of height, wing 3"},
      {"trapezia", {}, [this] { click("RadioButton8"); }, "Undo trapezium count, wing 2"},
      {"wings count", {}, [this] { click("RadioButton2"); }, "Undo wing count"},
      {"drag", {}, [this] { drag(); }, "Undo drag on the planform, wing 1"},
      {"insert",
       [this] {
         page("TabSheet2");
         click("Button_C2");
       },
       [this] {
         page("TabSheet6");
         click("Button_P4");
       },
       "Undo insert of the copied wing, wing 4"},
      {"exchange", {}, [this] { action("chng4")->trigger(); }, "Undo exchange of wings 3 and 4"},
      // Wing 2 at wing 1's height over its span: the run moves it.
      {"moved heights",
       [this] {
         click("RadioButton2");
         type("Edit_z2", "-190");
       },
       [this] { click("Button4"); }, "Undo heights moved by the calculation"},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.name);
    open();
    if (c.before) c.before();
    const int steps = action("Undo1")->isEnabled() ? 1 : 0;
    const Shown start = shownAircraft();
    const QByteArray startFile = saved();
    c.change();
    const Shown changed = shownAircraft();
    ASSERT_NE(changed, start);
    EXPECT_EQ(caption("Undo1"), c.undoCaption);

    action("Undo1")->trigger();
    EXPECT_EQ(shownAircraft(), start);
    EXPECT_EQ(saved(), startFile);
    EXPECT_FALSE(window->document().run.flags.results_valid);
    EXPECT_EQ(action("Undo1")->isEnabled(), steps == 1);
    EXPECT_EQ(caption("Redo1"), QString(c.undoCaption).replace(0, 4, "Redo"));

    action("Redo1")->trigger();
    EXPECT_EQ(shownAircraft(), changed);
    EXPECT_FALSE(action("Redo1")->isEnabled());
    EXPECT_EQ(caption("Redo1"), "Redo");
  }
}

TEST_F(UndoTest, EveryStepUndoneGivesTheStartFileByteForByteAndRedoneTheEndFile) {
  const QByteArray startFile = saved();
  type("Edit4", "300");
  click("RadioButton5");
  drag();
  type("Edit_x2", "900");
  action("chng1")->trigger();
  click("RadioButton3");
  const QByteArray endFile = saved();
  while (action("Undo1")->isEnabled()) action("Undo1")->trigger();
  EXPECT_EQ(saved(), startFile);
  while (action("Redo1")->isEnabled()) action("Redo1")->trigger();
  EXPECT_EQ(saved(), endFile);
}

TEST_F(UndoTest, TypingInOneFieldIsOneStepUntilTheFocusMoves) {
  activate();
  type("Edit4", "300");
  type("Edit4", "310");
  action("Undo1")->trigger();
  EXPECT_EQ(edit("Edit4")->text(), "335");
  EXPECT_FALSE(action("Undo1")->isEnabled());

  // Typed back to the text it had: no step is left.
  QTest::keyClick(edit("Edit4"), Qt::Key_End);
  QTest::keyClick(edit("Edit4"), Qt::Key_1);
  QTest::keyClick(edit("Edit4"), Qt::Key_Backspace);
  EXPECT_FALSE(action("Undo1")->isEnabled());

  type("Edit4", "300");
  type("Edit5", "200");
  edit("Edit4")->setFocus();
  edit("Edit5")->setFocus();
  type("Edit5", "210");
  action("Undo1")->trigger();
  EXPECT_EQ(edit("Edit5")->text(), "200");
  action("Undo1")->trigger();
  EXPECT_EQ(edit("Edit5")->text(), "335");
  EXPECT_EQ(edit("Edit4")->text(), "300");
}

// The keys reach the window's history also from inside a field, where a field would undo its
// own typing.
TEST_F(UndoTest, CtrlZCtrlShiftZAndCtrlYFromInsideAField) {
  page("TabSheet1");
  activate();
  edit("Edit4")->setFocus();
  type("Edit4", "300");
  click("RadioButton5");
  edit("Edit4")->setFocus();
  QTest::keyClick(edit("Edit4"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(find<QRadioButton>("RadioButton41t")->isChecked());
  EXPECT_EQ(edit("Edit4")->text(), "300");
  QTest::keyClick(edit("Edit4"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(find<QRadioButton>("RadioButton5")->isChecked());
  QTest::keyClick(edit("Edit4"), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(edit("Edit4"), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_TRUE(find<QRadioButton>("RadioButton5")->isChecked());
}

// The weighing in the report window is kept with the aircraft: typing it is a step like a field
// edit, and taking it back leaves the results of the run standing.
TEST_F(UndoTest, BalanceInputsAreAStepThatKeepsTheResults) {
  action("Calc1")->trigger();
  const QByteArray startFile = saved();
  action("StabilityReport1")->trigger();
  type("BalanceCg", "60");
  EXPECT_FALSE(action("Undo1")->isEnabled());  // no mass yet: nothing the aircraft keeps
  type("BalanceMass", "1200");
  EXPECT_EQ(caption("Undo1"), "Undo edit of the mass");
  const QByteArray weighed = saved();
  ASSERT_NE(weighed, startFile);

  action("Undo1")->trigger();
  EXPECT_EQ(saved(), startFile);
  EXPECT_EQ(edit("BalanceCg")->text(), "");
  EXPECT_EQ(edit("BalanceMass")->text(), "");
  EXPECT_TRUE(window->document().run.flags.results_valid);
  EXPECT_FALSE(action("Undo1")->isEnabled());
  action("german1")->trigger();
  EXPECT_EQ(caption("Redo1"), QString::fromUtf8("Wiederherstellen: Bearbeiten der Masse"));

  action("Redo1")->trigger();
  EXPECT_EQ(edit("BalanceMass")->text(), "1200");
  EXPECT_EQ(saved(), weighed);
}

// Each balance input is a step of its own, however quickly the next one is typed, named after it.
TEST_F(UndoTest, TypingInEachBalanceInputIsAStepOfItsOwn) {
  action("Calc1")->trigger();
  action("StabilityReport1")->trigger();
  type("BalanceCg", "60");
  type("BalanceMass", "1200");
  edit("BalanceCg")->setFocus();  // the typing of the first weighing ends
  type("BalanceCg", "90");
  type("BalanceMass", "1500");  // at once, without the focus moving
  EXPECT_EQ(caption("Undo1"), "Undo edit of the mass");
  action("Undo1")->trigger();
  EXPECT_EQ(edit("BalanceMass")->text(), "1200");
  EXPECT_EQ(edit("BalanceCg")->text(), "90");
  EXPECT_EQ(caption("Undo1"), "Undo edit of the centre of gravity");
  action("Undo1")->trigger();
  EXPECT_EQ(edit("BalanceCg")->text(), "60");
  action("german1")->trigger();
  EXPECT_EQ(caption("Redo1"), QString::fromUtf8("Wiederherstellen: Bearbeiten des Schwerpunkts"));
}

// A step that takes the aircraft back to a calculated state brings that state's results back:
// the file saved then is the one saved in that state, results block included.
TEST_F(UndoTest, UndoAndRedoToACalculatedStateBringItsResultsBack) {
  click("RadioButton2");
  type("Edit_z2", "-190");  // wing 2 at wing 1's height: the run moves it
  click("Button4");
  const QByteArray moved = saved();
  ASSERT_TRUE(moved.contains("<xnp>"));
  action("Undo1")->trigger();
  EXPECT_FALSE(window->document().run.flags.results_valid);
  action("Redo1")->trigger();
  EXPECT_TRUE(window->document().run.flags.results_valid);
  EXPECT_TRUE(action("Print1")->isEnabled());
  EXPECT_FALSE(find<QLabel>("Label_anp1")->isHidden());
  EXPECT_EQ(saved(), moved);

  type("Edit4", "300");  // an edit after the run, taken back
  EXPECT_FALSE(window->document().run.flags.results_valid);
  action("Undo1")->trigger();
  EXPECT_TRUE(window->document().run.flags.results_valid);
  EXPECT_EQ(saved(), moved);
}

// The English captions are those of the changes above.
TEST_F(UndoTest, CaptionsNameTheStepInGermanAndAfterASwitchBack) {
  action("german1")->trigger();
  EXPECT_EQ(caption("Undo1"), QString::fromUtf8("Rückgängig"));
  type("Edit4", "300");
  EXPECT_EQ(caption("Undo1"), QString::fromUtf8("Rückgängig: Bearbeiten von Wurzeltiefe, Flügel 1"));
  action("Undo1")->trigger();
  EXPECT_EQ(caption("Redo1"), QString::fromUtf8("Wiederherstellen: Bearbeiten von Wurzeltiefe, Flügel 1"));
  action("german1")->trigger();  // English again names the same step
  EXPECT_EQ(caption("Redo1"), "Redo edit of root chord, wing 1");
  EXPECT_TRUE(action("Redo1")->isEnabled());
}

// The fuselage changes no run: typing it is one step that keeps the results, and what Undo, Redo
// and Open bring back is shown on its page.
TEST_F(UndoTest, TheFuselageIsAStepThatKeepsTheResultsAndFollowsOpen) {
  action("Calc1")->trigger();
  const QByteArray startFile = saved();
  page("FuselagePage");
  auto* table = find<QTableWidget>("FuselageStations");
  const auto station = [table](int row, const char* x, const char* width) {
    if (table->rowCount() <= row) table->setRowCount(row + 1);
    table->setItem(row, 0, new QTableWidgetItem(QString::fromLatin1(x)));
    table->setItem(row, 1, new QTableWidgetItem(QString::fromLatin1(width)));
  };
  station(0, "-250", "0");
  station(1, "100", "80");
  station(2, "700", "20");
  const FuselageInput body{{{-250, 0}, {100, 80}, {700, 20}}, 0};
  ASSERT_EQ(window->document().fuselage, body);
  EXPECT_EQ(caption("Undo1"), "Undo edit of the fuselage");
  EXPECT_TRUE(window->document().run.flags.results_valid);
  EXPECT_TRUE(label("Lab_FName").endsWith("*"));
  const QByteArray withBody = saved();
  ASSERT_NE(withBody, startFile);

  action("Undo1")->trigger();
  EXPECT_FALSE(window->document().fuselage);
  EXPECT_FALSE(find<FuselagePage>("FuselagePage")->entered());
  EXPECT_EQ(saved(), startFile);
  EXPECT_TRUE(window->document().run.flags.results_valid);
  EXPECT_FALSE(action("Undo1")->isEnabled());  // the whole typing was one step

  action("Redo1")->trigger();
  EXPECT_EQ(find<FuselagePage>("FuselagePage")->entered(), body);
  EXPECT_EQ(saved(), withBody);

  action("Undo1")->trigger();
  script->changesAnswer = SaveAnswer::Discard;
  script->openAnswer = path("undo.vn4");
  action("Open2")->trigger();
  EXPECT_EQ(window->document().fuselage, body);
  EXPECT_EQ(find<FuselagePage>("FuselagePage")->entered(), body);
  EXPECT_EQ(table->item(1, 1)->text(), "80");
}

TEST_F(UndoTest, OpenStartsAFreshHistory) {
  saved();
  type("Edit4", "300");
  script->changesAnswer = SaveAnswer::Discard;
  script->openAnswer = path("undo.vn4");
  action("Open2")->trigger();
  EXPECT_EQ(edit("Edit4")->text().trimmed(), "335");
  EXPECT_FALSE(action("Undo1")->isEnabled());
  EXPECT_EQ(caption("Undo1"), "Undo");
  EXPECT_FALSE(action("Redo1")->isEnabled());
}

}  // namespace
}  // namespace volantis4
