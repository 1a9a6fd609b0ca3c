// The window's binding and commands: labels, trapezia, wing count, Calculate, stability,
// language, pages, and random text in every field.

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

#include "model/field_names.h"
#include "model/language.h"
#include "ui/commands.h"
#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::OpenWindowTest;

// The window opened by the fixture for each case of this file.
class MainWindowTest : public OpenWindowTest {};

// Result labels (span, area, mean chord, geometric centre, aspect ratio) and station captions of
// the default aircraft, worked by hand from its widths, offsets and chords.
TEST_F(MainWindowTest, EveryWingPageShowsItsFiguresAtStart) {
  struct WingLabels {
    int wing;
    std::array<const char*, 5> results;
    std::array<const char*, 5> stations;
  };
  const WingLabels wings[] = {
      {1, {"2200mm", "71.82dm^2", "329.7mm", "141.6mm", " 6.7"}, {"0", "220", "984", "1034", "1100"}},
      {2, {" 816mm", "20.10dm^2", "256.5mm", "69.5mm", " 3.3"}, {"0", "105", "315", "390", "408"}},
      {3, {"2200mm", "71.82dm^2", "329.7mm", "141.6mm", " 6.7"}, {"0", "220", "984", "1034", "1100"}},
      {4, {" 200mm", "26.25dm^2", "1384.0mm", "352.5mm", "0.2"}, {"0", "25", "75", "100", "115"}},
      {5, {" 752mm", "9.73dm^2", "640.8mm", "119.4mm", "  5.8"}, {"300", "338", "376", "384", "389"}}};
  for (const WingLabels& expected : wings) {
    SCOPED_TRACE(expected.wing);
    const WingControlNames& names = wingControlNames(expected.wing);
    const std::array<std::string_view, 5> labels{names.labelSpan, names.labelArea, names.labelMeanChord,
                                                 names.labelGeometricCentre, names.labelAspectRatio};
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(label(labels[i].data()), QString::fromLatin1(expected.results[i])) << labels[i];
      EXPECT_EQ(label(names.stationCaptions[i].data()), QString::fromLatin1(expected.stations[i]));
    }
    EXPECT_FALSE(shown(names.labelAerodynamicCentre.data()));
    EXPECT_FALSE(find<QLabel>(names.captionAerodynamicCentre.data())->isEnabled());
  }
}

TEST_F(MainWindowTest, TypingAWidthRecomputesTheWingAtOnce) {
  type("Edit1", "320");
  EXPECT_EQ(label("Label_b1"), "2400mm");
  EXPECT_EQ(label("L_1_2"), "320");
  EXPECT_EQ(label("L_1_5"), "1200");
  type("Edit1", "-320");  // widths are taken as their absolute value
  EXPECT_EQ(label("Label_b1"), "2400mm");
  EXPECT_EQ(edit("Edit1")->text(), "-320");
}

TEST_F(MainWindowTest, APositionEditAfterARunWithdrawsResultsAndPrinting) {
  find<QPushButton>("Button4")->click();
  type("Edit_x2", "1200");
  EXPECT_FALSE(window->document().run.flags.results_valid);
  EXPECT_FALSE(window->document().run.flags.grid_valid);
  EXPECT_EQ(label("Label21"), "%");
  EXPECT_FALSE(action("Print1")->isEnabled());  // the tool-bar button follows its action
  EXPECT_TRUE(find<QPushButton>("Button4")->isEnabled());
  for (const char* anp : {"Label_anp1", "Label_anp2", "Label_anp3", "Label_anp4", "Label_anp5"})
    EXPECT_FALSE(shown(anp)) << anp;
}

TEST_F(MainWindowTest, TrapeziumButtonsShowTheirFieldsAndKeepHiddenValues) {
  find<QRadioButton>("RadioButton4")->click();  // wing 1: one trapezium
  EXPECT_EQ(label("Label_b1"), " 440mm");
  for (const char* hidden : {"Edit2", "Edit9", "Edit6", "Edit14y", "Edit14xx", "Edit14x"})
    EXPECT_FALSE(shown(hidden)) << hidden;
  for (const char* field : {"Edit01", "Edit4", "Edit1", "Edit8", "Edit5"}) EXPECT_TRUE(shown(field)) << field;
  EXPECT_TRUE(shown("L_1_2"));
  EXPECT_FALSE(shown("L_1_3"));
  find<QRadioButton>("RadioButton41t")->click();
  EXPECT_EQ(label("Label_b1"), "2200mm");
  EXPECT_EQ(edit("Edit14x")->text(), "120");
  EXPECT_TRUE(shown("L_1_5"));
}

TEST_F(MainWindowTest, TwoWingsHideThePagesFieldsAndMenuItemsOfTheOthers) {
  auto* tabs = find<QTabWidget>("PageControl1");
  find<QRadioButton>("RadioButton2")->click();
  EXPECT_EQ(window->document().form.wingsCount, 2);
  for (const char* sheet : {"TabSheet3", "TabSheet6", "TabSheet7"})
    EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(find<QWidget>(sheet)))) << sheet;
  for (const char* sheet : {"TabSheet5", "TabSheet1", "TabSheet2", "TabSheet4"})
    EXPECT_TRUE(tabs->isTabVisible(tabs->indexOf(find<QWidget>(sheet)))) << sheet;
  EXPECT_TRUE(action("wing21")->isEnabled());
  EXPECT_FALSE(action("wing31")->isEnabled());
  EXPECT_TRUE(action("chng1")->isEnabled());
  for (const char* off : {"chng2", "chng3", "chng4", "chng5"}) EXPECT_FALSE(action(off)->isEnabled()) << off;
  EXPECT_FALSE(edit("Edit_x3")->isVisible());
  EXPECT_FALSE(find<QWidget>("Image555")->isVisible());
  EXPECT_TRUE(edit("Edit_z2")->isVisible());

  find<QRadioButton>("RB_W5")->click();
  EXPECT_TRUE(tabs->isTabVisible(tabs->indexOf(find<QWidget>("TabSheet7"))));
  EXPECT_TRUE(action("chng5")->isEnabled());
  EXPECT_TRUE(action("wing31")->isEnabled());
  EXPECT_EQ(edit("Edit21")->text(), "220");
}

TEST_F(MainWindowTest, GapNoticeFollowsTheGapAndTheLanguage) {
  EXPECT_EQ(label("Label_SP9"), "Are you sure this wing shall ");  // wing 5 has a gap
  EXPECT_EQ(label("Label_sp3"), "");
  type("Edit02", "300");
  EXPECT_EQ(label("Label_sp3"), "Are you sure this wing shall ");
  EXPECT_EQ(label("Label_sp4"), "have a gap in the middle?");
  action("german1")->trigger();
  EXPECT_EQ(label("Label_sp4"), QString::fromUtf8("der Mitte eine Lücke haben soll?"));
  type("Edit02", "0");
  EXPECT_EQ(label("Label_sp3"), "");
  EXPECT_EQ(label("Label_sp4"), "");
}

TEST_F(MainWindowTest, CalculateShowsResultsEnablesPrintAndDisablesCalculate) {
  find<QPushButton>("Button4")->click();
  const Document& doc = window->document();
  ASSERT_TRUE(doc.run.flags.results_valid);
  for (int w = 1; w <= kWingCount; ++w) {
    const WingControlNames& n = wingControlNames(w);
    QLabel* anp = find<QLabel>(n.labelAerodynamicCentre.data());
    EXPECT_TRUE(shown(n.labelAerodynamicCentre.data())) << w;
    EXPECT_TRUE(anp->text().endsWith("mm")) << anp->text().toStdString();
    EXPECT_TRUE(find<QLabel>(n.captionAerodynamicCentre.data())->isEnabled());
  }
  EXPECT_TRUE(action("Print1")->isEnabled());
  EXPECT_TRUE(find<QPushButton>("Button4")->isVisible());
  EXPECT_FALSE(find<QPushButton>("Button4")->isEnabled());
  EXPECT_FALSE(find<QToolButton>("SpeedButton4")->isEnabled());
  EXPECT_FALSE(find<QLabel>("Label_w")->isVisible());
  EXPECT_FALSE(find<QLabel>("Label24")->isVisible());
  EXPECT_TRUE(find<QCheckBox>("CheckBoxA")->isVisible());
  EXPECT_FALSE(find<QPlainTextEdit>("Memo1")->isVisible());
}

TEST_F(MainWindowTest, WingsInOnePlaneAreMovedAndThePanelSaysSo) {
  find<QRadioButton>("RadioButton2")->click();
  type("Edit_z2", "-190");  // the height of wing 1, whose span wing 2 overlaps
  find<QPushButton>("Button4")->click();
  auto* memo = find<QPlainTextEdit>("Memo1");
  EXPECT_TRUE(memo->isVisible());
  EXPECT_EQ(memo->toPlainText(), "Attention:\nWings are moved automatically in z-direction!");
  const std::string& moved = window->document().form.wing(2).positionZ;
  EXPECT_NE(moved, "-190");
  EXPECT_EQ(edit("Edit_z2")->text().toStdString(), moved);
}

TEST_F(MainWindowTest, ARefusedRunThatMovesWingsStillSaysWhyNothingWasComputed) {
  type("Edit1", "100000");  // wing 1 far too slender for its strips
  find<QPushButton>("Button4")->click();
  auto* memo = find<QPlainTextEdit>("Memo1");
  EXPECT_TRUE(memo->isVisible());
  const QStringList lines = memo->toPlainText().split('\n');
  ASSERT_GE(lines.size(), 5);
  EXPECT_EQ(lines.mid(0, 5),
            (QStringList{"Attention:", "Wings are moved automatically in z-direction!",
                         "Error: ", "Can not calculate wing-1. ", "Please change this wing (less aspect ratio)!"}));
  EXPECT_FALSE(window->document().run.flags.results_valid);
  EXPECT_FALSE(find<QPushButton>("Button4")->isEnabled());
  EXPECT_FALSE(find<QToolButton>("SpeedButton4")->isEnabled());
}

TEST_F(MainWindowTest, ManualStabilityShowsItsControlsAndTheDistance) {
  find<QPushButton>("Button4")->click();
  find<QRadioButton>("RadioButton16")->click();
  for (const char* control : {"Label21", "Label22", "Label28", "Label29", "Edit_Mstab", "ScrollBar5"})
    EXPECT_TRUE(find<QWidget>(control)->isVisible()) << control;
  EXPECT_FALSE(find<QWidget>("Label30")->isVisible());  // five wings: the marks of 8 %
  EXPECT_TRUE(find<QRadioButton>("RB_W5")->isChecked()) << "the stability buttons are a group of their own";
  type("Edit_Mstab", "0");
  EXPECT_EQ(label("Label21"), "%  AC-CG= 0.0mm");
  // A margin beyond ±1000 % (here one whose centre of gravity would be no finite number) is refused
  // where it is typed; typed key by key, "1e3" (1000 % of the 329.75 mm chord) was the last taken.
  type("Edit_Mstab", "1e308");
  EXPECT_EQ(label("Label21"), "%  AC-CG= 3297.5mm");
  EXPECT_EQ(window->document().stability.marginText, "1e3");
  EXPECT_TRUE(find<QLineEdit>("Edit_Mstab")->toolTip().startsWith("Not used"));
  type("Edit_Mstab", "12");
  EXPECT_EQ(window->document().stability.marginText, "12");
  EXPECT_FALSE(find<QLineEdit>("Edit_Mstab")->toolTip().startsWith("Not used"));
  find<QRadioButton>("RadioButton15")->click();
  EXPECT_FALSE(find<QWidget>("Edit_Mstab")->isVisible());
}

// The tool bar's buttons: place, hint in either language, and one enabling shared with the menu.
TEST_F(MainWindowTest, ToolBarButtonsKeepTheirHintsAndFollowTheirMenuItems) {
  for (const char* print : {"Print1", "ExportPdf1"}) EXPECT_FALSE(action(print)->isEnabled()) << print;
  struct Button {
    const char* name;
    int x;
    const char* hint;
  };
  const std::array<Button, 5> buttons{{{"SpeedButton1", 2, "Open File"},
                                       {"SpeedButton2", 28, "Save File as"},
                                       {"SpeedButton3", 54, "Save File"},
                                       {"SpeedButton4", 106, "Calc"},
                                       {"SpeedButton5", 80, "Print"}}};
  for (int pass = 0; pass < 2; ++pass) {
    for (const Button& b : buttons) {
      EXPECT_EQ(find<QToolButton>(b.name)->geometry(), QRect(b.x, 0, 23, 22)) << b.name;
      EXPECT_EQ(find<QToolButton>(b.name)->toolTip(), b.hint) << b.name << " pass " << pass;
    }
    action("german1")->trigger();
  }
  EXPECT_EQ(shownCaption(action("Save3")->text()), "Save");  // the menu keeps its caption beside the hint
  EXPECT_FALSE(find<QToolButton>("SpeedButton3")->isEnabled());
  action("Open2")->trigger();  // the dialog is cancelled; Save is enabled all the same
  EXPECT_TRUE(find<QToolButton>("SpeedButton3")->isEnabled());
  EXPECT_TRUE(action("Save3")->isEnabled());
  find<QToolButton>("SpeedButton4")->click();
  for (const char* print : {"Print1", "ExportPdf1"}) EXPECT_TRUE(action(print)->isEnabled()) << print;
  EXPECT_TRUE(find<QToolButton>("SpeedButton5")->isEnabled());
  EXPECT_FALSE(find<QToolButton>("SpeedButton4")->isEnabled());
}

// The captions of the controls `names` (actions as their menu item shows them).
QStringList captionsOf(const MainWindow& w, std::initializer_list<const char*> names) {
  QStringList c;
  for (const char* name : names) {
    const QObject* control = w.findChild<QObject*>(name);
    const QString caption = control->property("text").toString();
    c << (qobject_cast<const QAction*>(control) ? shownCaption(caption) : caption);
  }
  return c;
}

QStringList texts(std::initializer_list<TextId> ids, Language language) {
  QStringList c;
  for (TextId id : ids) {
    const std::string_view t = text(id, language);
    c << QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
  }
  return c;
}

// Every control shows its caption of the table (whose texts are checked in both languages on their own).
void expectEveryCaption(const MainWindow& w, Language l) {
  using enum TextId;
  QStringList tabs;
  auto* pages = w.findChild<QTabWidget*>("PageControl1");
  for (int i = 0; i < pages->count(); ++i) tabs << pages->tabText(i);
  EXPECT_EQ(tabs, texts({TabAircraft, TabWing1, TabWing2, TabWing3, TabWing4, TabWing5, TabFuselage, TabRemarks}, l));
  EXPECT_EQ(captionsOf(w, {"Label1", "Label2", "Label3", "Label4", "Label5", "Label25", "Label22", "Label23", "Label_w",
                           "Label_Press", "Label47", "Label48"}),
            texts({CaptionSpan, CaptionArea, CaptionMeanChord, CaptionGeometricCentre, CaptionAspectRatio,
                   CaptionAerodynamicCentre, StabilityCaption, PositioningCaption, RunningIndicator, PressureNote,
                   CaptionGeometricCentre, CaptionAerodynamicCentre},
                  l));
  EXPECT_EQ(captionsOf(w, {"RadioButton4", "RadioButton41t", "RadioButton1", "RB_W5", "RadioButton15", "RadioButton16",
                           "CheckBoxA", "Button4", "Button_C1", "Button_C5", "Button_P3"}),
            texts({Trapezia1, Trapezia4, WingsCount1, WingsCount5, StabilityAutomatic, StabilityManual, PressureCheck,
                   CalculateButton, CopyWingButton1, CopyWingButton5, InsertCopiedWingButton},
                  l));
  EXPECT_EQ(captionsOf(w, {"Open2", "Save2", "Save3", "Print1", "Exit1", "wing11", "wing21", "wing31", "aircraft1",
                           "CopyWing1", "InsertCopiedWing1", "chng1", "chng4", "german1"}),
            texts({MenuOpen, MenuSaveAs, MenuSave, MenuPrint, MenuExit, MenuWing1, MenuWing2, MenuWing3, MenuAircraft,
                   MenuCopyWing, MenuInsertCopiedWing, MenuExchange1, MenuExchange4, MenuLanguageItem},
                  l));
}

TEST_F(MainWindowTest, ALanguageSwitchAfterARunLeavesCalculateDisabled) {
  find<QPushButton>("Button4")->click();
  action("german1")->trigger();
  action("german1")->trigger();
  EXPECT_FALSE(find<QPushButton>("Button4")->isEnabled());
  EXPECT_FALSE(find<QToolButton>("SpeedButton4")->isEnabled());
  EXPECT_TRUE(window->document().run.flags.results_valid);
}

TEST_F(MainWindowTest, EachSwitchShowsEveryCaptionOfTheNewLanguage) {
  EXPECT_EQ(find<QTabWidget>("PageControl1")->tabText(1), " Wing 1 ");  // built-in until the first switch
  EXPECT_EQ(find<QPushButton>("Button_C1")->text(), "copy wing 1");
  action("german1")->trigger();
  expectEveryCaption(*window, Language::German);
  action("german1")->trigger();
  expectEveryCaption(*window, Language::English);
  EXPECT_EQ(window->windowTitle(), " Volantis4  V3.3 ");
}

TEST_F(MainWindowTest, PagesOfferCopyAndInsertOnlyForWingsOneToThree) {
  EXPECT_FALSE(action("CopyWing1")->isEnabled());
  auto* tabs = find<QTabWidget>("PageControl1");
  tabs->setCurrentWidget(find<QWidget>("TabSheet2"));
  EXPECT_TRUE(action("CopyWing1")->isEnabled());
  EXPECT_FALSE(action("InsertCopiedWing1")->isEnabled());  // nothing copied yet
  tabs->setCurrentWidget(find<QWidget>("TabSheet6"));      // wing 4 leaves them as they were
  EXPECT_TRUE(action("CopyWing1")->isEnabled());
  action("aircraft1")->trigger();
  EXPECT_EQ(tabs->currentWidget(), find<QWidget>("TabSheet5"));
  EXPECT_FALSE(action("CopyWing1")->isEnabled());
  action("wing11")->trigger();
  EXPECT_EQ(tabs->currentWidget(), find<QWidget>("TabSheet1"));
  EXPECT_TRUE(action("CopyWing1")->isEnabled());
}

TEST_F(MainWindowTest, ExchangeSwapsTwoWingsAndRecomputes) {
  find<QPushButton>("Button4")->click();
  action("chng1")->trigger();
  EXPECT_EQ(edit("Edit1")->text(), "105");  // which texts move is the core's exchange
  EXPECT_EQ(edit("Edit11")->text(), "220");
  EXPECT_EQ(label("Label_b1"), " 816mm");
  EXPECT_EQ(label("Label_b2"), "2200mm");
  EXPECT_FALSE(window->document().run.flags.results_valid);
}

// Wing 1 (gap 0, half span 1100 mm, chord extent 131 + 335 = 466 mm) drawn at the image's scale.
TEST_F(MainWindowTest, DraggingPlanformCornersWritesTheirFields) {
  find<QTabWidget>("PageControl1")->setCurrentWidget(find<QWidget>("TabSheet1"));
  QWidget* image = find<QWidget>("Image1");
  const int cx = image->width() / 2;
  const int cy = image->height() / 3;
  const double k = std::min(image->width() / 2.03 / 1100, image->height() / 1.6 / 466);

  // The root leading edge (the left-half corner wins at gap 0) dragged right opens the gap.
  QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(cx, cy));
  QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, QPoint(cx + 20, cy));
  EXPECT_EQ(edit("Edit01")->text(), QString::number(std::lround(20 / k)));
  EXPECT_EQ(label("Label_sp1"), "Are you sure this wing shall ");

  // The tip trailing edge on the right half dragged down lengthens the tip chord.
  type("Edit01", "0");
  const int tipX = cx + static_cast<int>(std::lround(1100 * k));
  const int tipY = cy + static_cast<int>(std::lround((215 + 120) * k));
  QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(tipX, tipY));
  QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, QPoint(tipX, tipY + 10));
  EXPECT_EQ(edit("Edit14x")->text(), QString::number(120 + std::lround(10 / k)));
}

// Text of every kind typed into every field, then a run: the window never fails.
TEST_F(MainWindowTest, RandomTextInEveryFieldThenCalculateKeepsTheWindowWhole) {
  const QStringList pieces{"0",           "7",           "-",    "+",   "12a", "x", " ",  "$1F", "0x10",
                           "99999999999", "-2147483648", "3000", "1e5", "#",   "",  "00", "-0"};
  QRandomGenerator random(20240611);
  const auto piece = [&] { return pieces[random.bounded(pieces.size())]; };
  for (int w = 1; w <= kWingCount; ++w) {
    const WingControlNames& n = wingControlNames(w);
    for (std::string_view name : {n.gap, n.positionX, n.positionZ}) type(name.data(), piece() + piece());
    for (std::size_t i = 0; i < 4; ++i) {
      type(n.widths[i].data(), piece() + piece());
      type(n.offsets[i].data(), piece());
    }
    for (std::size_t i = 0; i < 5; ++i) type(n.chords[i].data(), piece());
  }
  find<QPushButton>("Button4")->click();
  EXPECT_TRUE(find<QPushButton>("Button4")->isVisible());
  EXPECT_FALSE(find<QLabel>("Label_w")->isVisible());
  type("Edit1", "220");  // the window still reacts: the recomputation enables Calc again
  EXPECT_TRUE(find<QToolButton>("SpeedButton4")->isEnabled());
}

}  // namespace
}  // namespace volantis4
