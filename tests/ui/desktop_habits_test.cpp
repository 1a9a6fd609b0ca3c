// Desktop habits: recent files, dropped files, the file-name label's asterisk for unsaved
// changes and the disabled look of the tool-bar buttons.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

#include "ui/recent_files.h"
#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::OpenWindowTest;

// The window opened by the fixture for each case of this file.
class DesktopHabitsTest : public OpenWindowTest {};

TEST_F(DesktopHabitsTest, TheFileNameCarriesAnAsteriskWhileChangesAreUnsaved) {
  const QString caption = window->windowTitle();
  EXPECT_EQ(label("Lab_FName"), "Unknown.da4");
  type("Edit4", "300");
  EXPECT_EQ(label("Lab_FName"), "Unknown.da4*");
  type("Edit4", "335");  // back to the aircraft as it started
  EXPECT_EQ(label("Lab_FName"), "Unknown.da4");
  find<QWidget>("RB_W4")->setFocus();
  find<QAbstractButton>("RB_W4")->click();
  EXPECT_EQ(label("Lab_FName"), "Unknown.da4*");
  script->saveAnswer = path("plane.vn4");
  action("Save2")->trigger();
  EXPECT_EQ(label("Lab_FName"), path("plane.vn4"));
  EXPECT_EQ(window->windowTitle(), caption);  // the caption stays as it is
}

class RecentFilesTest : public OpenWindowTest {
 protected:
  /// Saves the aircraft as each of `names`, in order.
  void saveAs(const QStringList& names) {
    for (const QString& name : names) {
      script->saveAnswer = path(name);
      action("Save2")->trigger();
    }
  }
  /// The entries of File > Recent files as the menu shows them.
  QStringList entries() {
    auto* menu = window->findChild<QMenu*>(QStringLiteral("RecentFilesMenu"));
    emit menu->aboutToShow();
    QStringList shown;
    for (QAction* a : menu->actions()) shown << a->text();
    return shown;
  }
  QAction* entry(int i) { return window->findChild<QMenu*>(QStringLiteral("RecentFilesMenu"))->actions().at(i); }
};

TEST_F(RecentFilesTest, TheLastEightNewestFirstKeptForTheNextStart) {
  EXPECT_FALSE(action("RecentFiles1")->isEnabled());  // nothing yet
  saveAs({"1.vn4", "2.vn4", "3.vn4", "4.vn4", "5.vn4", "6.vn4", "7.vn4", "8.vn4", "9.vn4", "3.vn4"});
  window.reset();
  open();
  EXPECT_TRUE(action("RecentFiles1")->isEnabled());
  EXPECT_EQ(entries(), QStringList({"&1 3.vn4", "&2 9.vn4", "&3 8.vn4", "&4 7.vn4", "&5 6.vn4", "&6 5.vn4", "&7 4.vn4",
                                    "&8 2.vn4"}));
  QFile::remove(path("9.vn4"));  // gone since: dropped from the list
  EXPECT_EQ(entries().size(), 7);
  EXPECT_EQ(RecentFiles::files().size(), 7);
}

TEST_F(RecentFilesTest, AnEntryOpensThroughTheUnsavedChangesQuestion) {
  type("Edit1", "500");
  saveAs({"wide.vn4"});
  type("Edit1", "200");
  saveAs({"narrow.vn4"});
  type("Edit1", "100");  // unsaved
  ASSERT_EQ(entries(), QStringList({"&1 narrow.vn4", "&2 wide.vn4"}));

  entry(1)->trigger();  // Cancel: nothing opened
  EXPECT_EQ(script->questions, QStringList({"narrow.vn4"}));
  EXPECT_EQ(edit("Edit1")->text(), "100");
  script->changesAnswer = SaveAnswer::Discard;
  entry(1)->trigger();
  EXPECT_EQ(edit("Edit1")->text().trimmed(), "500");  // files hold the fields right-aligned
  EXPECT_EQ(window->fileName(), path("wide.vn4").toStdString());
  EXPECT_EQ(entries(), QStringList({"&1 wide.vn4", "&2 narrow.vn4"}));
}

TEST_F(RecentFilesTest, AnEntryGoneSinceTheMenuOpenedIsRefusedAndLeavesTheList) {
  saveAs({"gone.vn4", "kept.vn4"});
  ASSERT_EQ(entries().size(), 2);
  QFile::remove(path("gone.vn4"));
  entry(1)->trigger();
  ASSERT_EQ(script->errors.size(), 1);
  EXPECT_TRUE(script->errors[0].contains(path("gone.vn4"))) << script->errors[0].toStdString();
  EXPECT_EQ(window->fileName(), path("kept.vn4").toStdString());
  EXPECT_EQ(RecentFiles::files(), QStringList({path("kept.vn4")}));
}

// A drag of the given files, entered and dropped on the window; true when the window took it.
bool dropOn(QWidget* window, const QStringList& files) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& f : files) urls << QUrl::fromLocalFile(f);
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &drop);
  QApplication::processEvents();
  return drop.isAccepted();
}

TEST_F(RecentFilesTest, ADroppedAircraftFileOpensOtherFilesAreIgnored) {
  saveAs({"dropped.vn4"});
  QFile::copy(path("dropped.vn4"), path("notes.txt"));
  saveAs({"other.vn4"});
  EXPECT_FALSE(dropOn(window.get(), {path("notes.txt")}));
  EXPECT_EQ(window->fileName(), path("other.vn4").toStdString());

  type("Edit1", "100");  // unsaved: the question comes first, Cancel keeps everything
  EXPECT_TRUE(dropOn(window.get(), {path("notes.txt"), path("dropped.vn4")}));
  EXPECT_EQ(script->questions.size(), 1);
  EXPECT_EQ(window->fileName(), path("other.vn4").toStdString());
  script->changesAnswer = SaveAnswer::Discard;
  EXPECT_TRUE(dropOn(window.get(), {path("dropped.vn4")}));
  EXPECT_EQ(window->fileName(), path("dropped.vn4").toStdString());
  EXPECT_EQ(edit("Edit1")->text().trimmed(), "220");

  // A file of the older format opens as well: three wings.
  QFile::copy(QStringLiteral(VOLANTIS4_EXAMPLES_DIR "/../fuzz/corpus/legacy/three_wings.da4"), path("old.da4"));
  EXPECT_TRUE(dropOn(window.get(), {path("old.da4")}));
  EXPECT_EQ(window->document().form.wingsCount, 3);
}

// A file opened from the command line (a double-click in the file manager) is a recent file too.
TEST_F(RecentFilesTest, AFileNamedOnTheCommandLineGoesIntoTheList) {
  saveAs({"started.vn4"});
  saveAs({"other.vn4"});
  window.reset();
  open({path("started.vn4")});
  EXPECT_EQ(RecentFiles::files().value(0), path("started.vn4"));
}

// The two export dialogs say what they export and suggest a name from the aircraft's file, in
// its folder; an aircraft without a file suggests the program's name.
TEST_F(DesktopHabitsTest, ExportDialogsHaveTheirOwnTitlesAndNamesFromTheAircraft) {
  find<QAbstractButton>("Button4")->click();  // printing, and so exporting, needs a run
  action("ExportPdf1")->trigger();
  ASSERT_EQ(script->pdfAsked.size(), 2);
  EXPECT_EQ(script->pdfAsked[0], "Export PDF");
  EXPECT_EQ(QFileInfo(script->pdfAsked[1]).fileName(), "Volantis4.pdf");

  script->saveAnswer = path("trainer.vn4");
  action("Save2")->trigger();
  find<QAbstractButton>("Button4")->click();
  action("ExportPdf1")->trigger();
  action("ExportTemplate1")->trigger();
  ASSERT_EQ(script->pdfAsked.size(), 6);
  EXPECT_EQ(script->pdfAsked[3], path("trainer.pdf"));
  EXPECT_EQ(script->pdfAsked[4], "Export balance template");
  EXPECT_EQ(script->pdfAsked[5], path("trainer-balance.pdf"));
  action("german1")->trigger();
  action("ExportTemplate1")->trigger();
  EXPECT_EQ(script->pdfAsked.value(6), QString::fromUtf8("Schwerpunkt-Schablone exportieren"));
}

// German is German throughout: Qt's own texts (the file dialogs' buttons, the key names the menus
// show) come from Qt's German translations; back in English they are English again.
TEST_F(DesktopHabitsTest, QtsOwnTextsFollowTheLanguage) {
  const QKeySequence undo(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(undo.toString(QKeySequence::NativeText), "Ctrl+Z");
  action("german1")->trigger();
  EXPECT_EQ(undo.toString(QKeySequence::NativeText), "Strg+Z");
  EXPECT_EQ(QFileDialog::tr("Open"), QString::fromUtf8("Öffnen"));
  action("german1")->trigger();
  EXPECT_EQ(undo.toString(QKeySequence::NativeText), "Ctrl+Z");
  EXPECT_EQ(QFileDialog::tr("Open"), "Open");
}

// The darkest pixel of a tool-bar button as drawn.
int darkest(QWidget* button) {
  const QImage image = button->grab().toImage();
  int least = 255;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) least = std::min(least, qGray(image.pixel(x, y)));
  return least;
}

// The Print icon is black lines on white: a disabled button must not show them black (greying a
// black-and-white icon leaves it black; a third of its opacity over silver gives grey 120 or more).
TEST_F(DesktopHabitsTest, ADisabledPrintButtonLooksDisabled) {
  auto* print = find<QToolButton>("SpeedButton5");
  ASSERT_FALSE(print->isEnabled());
  EXPECT_GE(darkest(print), 110);
  find<QAbstractButton>("Button4")->click();
  ASSERT_TRUE(print->isEnabled());
  EXPECT_LT(darkest(print), 60);
}

// Save as and Print show their commands, not the style's "new folder" and "detailed list".
TEST_F(DesktopHabitsTest, SaveAsAndPrintButtonsShowTheirCommands) {
  const auto image = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
  QStyle* style = QApplication::style();
  EXPECT_NE(image(find<QToolButton>("SpeedButton2")->icon()),
            image(style->standardIcon(QStyle::SP_FileDialogNewFolder)));
  EXPECT_NE(image(find<QToolButton>("SpeedButton5")->icon()),
            image(style->standardIcon(QStyle::SP_FileDialogDetailedView)));
  EXPECT_NE(image(find<QToolButton>("SpeedButton2")->icon()), image(find<QToolButton>("SpeedButton3")->icon()));
}

}  // namespace
}  // namespace volantis4
