// The keyboard: standard keys for the commands, mnemonics in both languages, page stepping and
// the tab order of the wing pages.

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "ui/commands.h"
#include "ui_test_support.h"

namespace volantis4 {
namespace {

class KeyboardTest : public testing_support::OpenWindowTest {
 protected:
  void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
  }
  int currentPage() const { return find<QTabWidget>("PageControl1")->currentIndex(); }
};

// The letter after a single '&', lower-cased; none when there is no marker.
QChar mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;
  }
  return {};
}

TEST_F(KeyboardTest, EveryMenuEntryHasItsOwnMnemonicInBothLanguages) {
  for (int pass = 0; pass < 2; ++pass) {
    QString bar;
    for (QAction* title : window->menuBar()->actions()) {
      const QChar m = mnemonic(title->text());
      ASSERT_FALSE(m.isNull()) << title->text().toStdString();
      EXPECT_FALSE(bar.contains(m)) << title->text().toStdString();
      bar.append(m);
      if (!title->menu()) continue;
      QString items;
      for (QAction* item : title->menu()->actions()) {
        if (item->isSeparator() || !item->isVisible()) continue;
        const QChar k = mnemonic(item->text());
        ASSERT_FALSE(k.isNull()) << item->text().toStdString();
        EXPECT_FALSE(items.contains(k)) << item->text().toStdString();
        items.append(k);
      }
    }
    action("german1")->trigger();
  }
  EXPECT_EQ(shownCaption(QStringLiteral("A&&&B")), "A&B");
}

TEST_F(KeyboardTest, AltAndTheTitleLetterOpensTheMenu) {
  activate();
  press(Qt::Key_F, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->objectName(), "File1");
  popup->close();
}

TEST_F(KeyboardTest, CtrlOOpensF9CalculatesAndCtrlTabStepsThroughTheShownPages) {
  activate();
  press(Qt::Key_O, Qt::ControlModifier);  // Open, its dialog cancelled: Save is enabled all the same
  EXPECT_TRUE(action("Save3")->isEnabled());
  press(Qt::Key_F9);
  EXPECT_TRUE(action("Print1")->isEnabled());  // a complete run enables printing
  EXPECT_EQ(currentPage(), 0);
  press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(currentPage(), 1);
  press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(currentPage(), 7);                  // round the front to Remarks
  find<QRadioButton>("RadioButton2")->click();  // two wings: the pages of wings 3-5 are hidden
  press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(currentPage(), 6);  // the fuselage
  press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(currentPage(), 2);
  press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(currentPage(), 6);
}

// Every command's key works from every window of the program and from inside its fields: the
// report window (whose text says "Press Calculate (F9)" and whose weighing is undoable), a number
// field that would take Ctrl+E for itself, and Save as on Ctrl+Shift+S whatever the desktop.
TEST_F(KeyboardTest, CommandKeysWorkFromEveryWindowAndInsideFields) {
  EXPECT_EQ(action("Save2")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  activate();
  press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(script->saveAsked, 1);

  action("StabilityReport1")->trigger();
  QWidget* report = find<QWidget>("ReportWindow");
  report->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(report));
  QTest::keyClick(report, Qt::Key_F9);
  EXPECT_TRUE(action("Print1")->isEnabled());  // calculated
  QLineEdit* mass = edit("BalanceMass");
  mass->setFocus();
  QTest::keyClicks(mass, "1200");
  type("BalanceCg", "60");
  ASSERT_TRUE(action("Undo1")->isEnabled());
  QTest::keyClick(mass, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(edit("BalanceCg")->text(), "");
  QTest::keyClick(report, Qt::Key_E, Qt::ControlModifier);  // Export PDF from the report window
  EXPECT_EQ(script->pdfAsked.size(), 2);

  activate();
  QLineEdit* chord = edit("Edit4");
  find<QTabWidget>("PageControl1")->setCurrentIndex(1);
  chord->setFocus();
  chord->setCursorPosition(0);
  QTest::keyClick(chord, Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(script->pdfAsked.size(), 4);
  EXPECT_EQ(chord->cursorPosition(), 0);  // the field did not take the key (its end of line)
}

// Tab walks a wing's fields from the root to the tip: gap, root chord, then each trapezium's
// width, its outer section's offset and chord.
TEST_F(KeyboardTest, TabOrderOfAWingPageRunsFromRootToTip) {
  find<QTabWidget>("PageControl1")->setCurrentIndex(1);
  const QStringList expected{"Edit01", "Edit4", "Edit1",  "Edit8", "Edit5",   "Edit2",    "Edit9",
                             "Edit6",  "Edit3", "Edit10", "Edit7", "Edit14y", "Edit14xx", "Edit14x"};
  QStringList order;
  QWidget* w = edit("Edit01");
  for (int guard = 0; guard < 200 && order.size() < expected.size(); ++guard, w = w->nextInFocusChain())
    if (auto* e = qobject_cast<QLineEdit*>(w); e && e->isVisibleTo(window.get())) order << e->objectName();
  EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace volantis4
