// The window's files: the defaults file, Open and Save through the menu, the unsaved-changes
// question, the wing clipboard and the command-line file.

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::OpenWindowTest;

// The window opened by the fixture for each case of this file.
class MainWindowFilesTest : public OpenWindowTest {};
using testing_support::WindowTest;

TEST_F(WindowTest, LanguageAndBoundsFromTheDefaultsFileFollowTheRangeRules) {
  struct Case {
    const char* name;
    QByteArray file;
    bool german;
    QRect bounds;  // out of range: the designed size at the origin
  };
  const Case cases[] = {{"in range", "e\r\n900\r\n850\r\n10\r\n20\r\n", false, {10, 20, 900, 850}},
                        {"German, out of range", "d\r\n3000\r\n2000\r\n-5\r\n1000\r\n", true, {0, 0, 822, 752}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    write("Default.pa4", c.file);
    open();
    EXPECT_EQ(window->document().language, c.german ? Language::German : Language::English);
    EXPECT_EQ(QRect(window->pos(), window->size()), c.bounds);
    EXPECT_EQ(find<QPlainTextEdit>("Memo2")->toPlainText(),
              c.german ? QString::fromUtf8("Bemerkungen können in diesem Feld eingegeben werden:")
                       : QString("insert your remarks her:"));
    EXPECT_EQ(find<QTabWidget>("PageControl1")->tabText(0), c.german ? " Flugzeug " : "     Aircraft    ");
  }
}

TEST_F(MainWindowFilesTest, ClosingWritesTheLanguageAndBounds) {
  action("german1")->trigger();
  window->resize(1000, 900);
  window->move(30, 40);
  ASSERT_TRUE(window->close());
  EXPECT_EQ(contents("Default.pa4"), QByteArray("d\r\n1000\r\n900\r\n30\r\n40\r\n"));
}

TEST_F(MainWindowFilesTest, SaveAsThenOpenGoesThroughTheMenu) {
  find<QPushButton>("Button4")->click();
  script->saveAnswer = path("plane");
  action("Save2")->trigger();
  EXPECT_EQ(window->fileName(), path("plane.vn4").toStdString());
  EXPECT_EQ(label("Lab_FName"), path("plane.vn4"));
  EXPECT_TRUE(action("Save3")->isEnabled());
  EXPECT_TRUE(contents("plane.vn4").contains("<sb>"));
  EXPECT_FALSE(window->hasUnsavedChanges());

  type("Edit1", "500");
  script->changesAnswer = SaveAnswer::Discard;
  script->openAnswer = path("plane.vn4");
  find<QToolButton>("SpeedButton1")->click();
  EXPECT_EQ(script->questions, QStringList{"plane.vn4"});
  EXPECT_EQ(edit("Edit1")->text(), " 220");  // loaded values are right-justified in four characters
  EXPECT_EQ(label("Label_b1"), "2200mm");
  EXPECT_NE(label("Label21"), "%");  // the file carried its results
  EXPECT_FALSE(window->hasUnsavedChanges());
}

TEST_F(MainWindowFilesTest, CancelledQuestionKeepsEverything) {
  type("Edit5", "400");
  script->changesAnswer = SaveAnswer::Cancel;
  action("Open2")->trigger();
  EXPECT_EQ(script->questions, QStringList{"Unknown.da4"});
  EXPECT_EQ(script->openAsked, 0);
  EXPECT_EQ(edit("Edit5")->text(), "400");
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(QFile::exists("Default.pa4"));
}

TEST_F(MainWindowFilesTest, QuestionIsAskedInTheCurrentLanguageOnlyWhenSomethingChanged) {
  action("german1")->trigger();
  EXPECT_TRUE(window->close());  // nothing changed: no question
  EXPECT_TRUE(script->questions.isEmpty());

  open();
  find<QPlainTextEdit>("Memo2")->appendPlainText("wing tips from balsa");
  script->changesAnswer = SaveAnswer::Discard;
  EXPECT_TRUE(window->close());
  EXPECT_EQ(script->questions.size(), 1);
  EXPECT_EQ(script->questionLanguage, Language::German);  // the defaults file of the first window
}

TEST_F(MainWindowFilesTest, SavingAnUnnamedAircraftOnCloseAsksForAName) {
  type("Edit_z1", "-100");
  script->changesAnswer = SaveAnswer::Save;
  script->saveAnswer = "";  // the dialog is cancelled: the window stays
  EXPECT_FALSE(window->close());
  EXPECT_EQ(script->saveAsked, 1);
  script->saveAnswer = path("kept");
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(contents("kept.vn4").contains("<z>-100</z>"));
}

TEST_F(MainWindowFilesTest, SavingAnUnnamedAircraftAsksForANameEvenWhenSaveIsEnabled) {
  action("Open2")->trigger();  // cancelled: Save is enabled, the name stays Unknown.da4
  ASSERT_TRUE(action("Save3")->isEnabled());
  type("Edit5", "400");
  script->changesAnswer = SaveAnswer::Save;
  script->openAnswer = path("never.vn4");
  action("Open2")->trigger();  // the name dialog is cancelled: the Open stops
  EXPECT_EQ(script->saveAsked, 1);
  EXPECT_EQ(script->openAsked, 1);
  EXPECT_FALSE(QFile::exists("Unknown.vn4"));
  EXPECT_EQ(edit("Edit5")->text(), "400");
}

TEST_F(MainWindowFilesTest, FailedOpenNamesTheFileAndChangesNothing) {
  script->openAnswer = path("missing.vn4");
  action("Open2")->trigger();
  ASSERT_EQ(script->errors.size(), 1);
  EXPECT_TRUE(script->errors.front().contains("missing.vn4")) << script->errors.front().toStdString();
  EXPECT_EQ(edit("Edit1")->text(), "220");
  EXPECT_EQ(window->fileName(), "Unknown.da4");
  EXPECT_TRUE(action("Save3")->isEnabled());  // Open enables Save whatever the dialog gave
}

TEST_F(MainWindowFilesTest, FailedSaveIsReportedAndTheNameLabelKept) {
  script->saveAnswer = path("no-such-folder/plane.vn4");
  action("Save2")->trigger();
  ASSERT_EQ(script->errors.size(), 1);
  EXPECT_TRUE(script->errors.front().contains("plane.vn4"));
  EXPECT_EQ(label("Lab_FName"), "Unknown.da4");
  EXPECT_TRUE(window->hasUnsavedChanges() == false);  // nothing was changed, only not saved
}

TEST_F(MainWindowFilesTest, AnIncompleteFileOffersItsKeptCopyWhichSavingPutsBack) {
  type("Edit1", "250");  // wing 1's root chord
  script->saveAnswer = path("plane.vn4");
  action("Save2")->trigger();
  const QByteArray whole = contents("plane.vn4");
  // What a save in place stopped part-way leaves: the beginning of the file and a copy of it whole.
  const QString copy = path(".plane.vn4.previous-99999999-0");
  write(".plane.vn4.previous-99999999-0", whole);
  write("plane.vn4", whole.left(whole.size() / 2));
  type("Edit1", "300");
  script->changesAnswer = SaveAnswer::Discard;
  script->openAnswer = path("plane.vn4");

  action("Open2")->trigger();  // declined: the refusal is shown, nothing is opened
  ASSERT_EQ(script->keptCopyQuestions.size(), 1);
  EXPECT_TRUE(script->keptCopyQuestions[0].contains(copy)) << script->keptCopyQuestions[0].toStdString();
  ASSERT_EQ(script->errors.size(), 1);
  EXPECT_EQ(script->errors[0], script->keptCopyQuestions[0]);

  script->openKeptCopyAnswer = true;
  action("Open2")->trigger();
  EXPECT_EQ(script->errors.size(), 1);
  EXPECT_EQ(edit("Edit1")->text().trimmed(), "250");
  EXPECT_EQ(window->fileName(), path("plane.vn4").toStdString());
  EXPECT_EQ(label("Lab_FName"), path("plane.vn4") + "*");  // the file is still the incomplete one
  action("Save3")->trigger();
  EXPECT_EQ(contents("plane.vn4"), whole);
  EXPECT_FALSE(QFile::exists(copy));
  EXPECT_FALSE(window->hasUnsavedChanges());
}

TEST_F(MainWindowFilesTest, ExportsThatCannotBeWrittenSayWhy) {
  find<QPushButton>("Button4")->click();
  script->pdfAnswer = path("no-such-folder/page.pdf");
  for (const char* command : {"ExportPdf1", "ExportTemplate1"}) action(command)->trigger();
  const QString expected = "The file \"" + script->pdfAnswer + "\" cannot be written: no such file or folder.";
  EXPECT_EQ(script->errors, QStringList({expected, expected}));
}

TEST_F(MainWindowFilesTest, CopyOnWingTwoInsertOnWingFourKeepsThePosition) {
  find<QPushButton>("Button_C2")->click();
  EXPECT_TRUE(QFile::exists("wingcopy.fl4"));
  EXPECT_TRUE(action("Save3")->isEnabled());
  EXPECT_TRUE(find<QPushButton>("Button_P1")->isEnabled());
  find<QTabWidget>("PageControl1")->setCurrentWidget(find<QWidget>("TabSheet6"));
  find<QPushButton>("Button_P4")->click();
  EXPECT_EQ(edit("Edit34")->text(), " 135");  // the clipboard's fields and position rules are the core's
  EXPECT_TRUE(find<QRadioButton>("RadioButton_4t4")->isChecked());
  EXPECT_TRUE(edit("Edit44y")->isVisible());
  EXPECT_EQ(label("Label_b4"), " 816mm");
}

TEST_F(MainWindowFilesTest, ClipboardFromAnEarlierRunEnablesInsertAtStart) {
  find<QPushButton>("Button_C1")->click();
  window.reset();
  open();
  for (const char* insert : {"Button_P1", "Button_P2", "Button_P3"})
    EXPECT_TRUE(find<QPushButton>(insert)->isEnabled());
}

TEST_F(MainWindowFilesTest, CommandLineFileIsLoadedAsGivenElseLowerCased) {
  script->saveAnswer = path("plane");
  action("Save2")->trigger();
  type("Edit1", "300");
  script->changesAnswer = SaveAnswer::Discard;
  window.reset();

  open({path("PLANE.VN4")});  // no such file: its lower-cased name exists
  EXPECT_EQ(window->fileName(), path("plane.vn4").toStdString());
  EXPECT_EQ(edit("Edit1")->text(), " 220");
  EXPECT_TRUE(action("Save3")->isEnabled());
  EXPECT_EQ(find<QTabWidget>("PageControl1")->currentWidget(), find<QWidget>("TabSheet5"));

  window.reset();
  open({path("plane.vn4"), "second"});  // two arguments are ignored
  EXPECT_EQ(window->fileName(), "Unknown.da4");
  EXPECT_FALSE(action("Save3")->isEnabled());
}

}  // namespace
}  // namespace volantis4
