// The printer window over a scripted print layer: the page placement, the resolution grid, the
// colour box and its updating flag, and what the window does without a printer.

#include "ui/printer_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

#include "qt_app.h"
#include "stand_in_print_layer.h"

namespace volantis4 {
namespace {

// The factor f on the page's margins and size: 4.9 at 600 dpi for up to three wings, 3.9 for four
// or five, in proportion to the resolution, 0 without one.
TEST(PagePlacement, ScalesWithResolutionAndWingCount) {
  struct Case {
    int dpi, wings;
    Rect expected;
  };
  const Case cases[] = {{600, 1, {490, 490, 4410, 8820}},
                        {600, 4, {390, 390, 3510, 7020}},
                        {300, 3, {245, 245, 2205, 4410}},
                        {1200, 5, {780, 780, 7020, 14040}},
                        {0, 3, {0, 0, 0, 0}}};
  for (const Case& c : cases)
    EXPECT_EQ(pagePlacement(c.dpi, c.wings), c.expected) << c.dpi << " dpi, " << c.wings << " wings";
}

class PrinterWindow : public testing::Test, private testing_support::WithQtApp {
 protected:
  static StandInPrintLayer::Printer colourPrinter() { return {"Colour", {{600, 600}, {1200, 1200}, {300, 150}}, 2}; }
  static StandInPrintLayer::Printer monoPrinter() { return {"Mono", {{600, 600}}, 1}; }

  template <typename T>
  static T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  static PageDrawing anyPage() {
    return [](Canvas&) {};
  }
};

TEST_F(PrinterWindow, ListsPrintersAndResolutionsOfTheCurrentOne) {
  StandInPrintLayer layer({monoPrinter(), colourPrinter()}, 1);
  PrinterDialog window(layer);
  auto* list = child<QComboBox>(window, "ComboBox1");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->itemText(0), "Mono");
  EXPECT_EQ(list->currentIndex(), 1);
  auto* grid = child<QTableWidget>(window, "StringGrid2");
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "i");
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QString::fromUtf8("Auflösung"));
  EXPECT_EQ(grid->columnWidth(0), 129 / 4 - 10);
  EXPECT_GE(grid->columnWidth(1), 129 * 3 / 4 - 10);
  ASSERT_EQ(grid->rowCount(), 3);
  EXPECT_EQ(grid->item(0, 0)->text(), "0");
  EXPECT_EQ(grid->item(0, 1)->text(), QString::fromUtf8("600x600dpi²"));
  EXPECT_EQ(grid->item(2, 0)->text(), "2");
  EXPECT_EQ(grid->item(2, 1)->text(), QString::fromUtf8("300x150dpi²"));
  EXPECT_TRUE(child<QPushButton>(window, "ButtonClose")->isEnabled());
  EXPECT_TRUE(window.notice().isEmpty());
}

// Resolutions of two axes are listed with both, and the longest entry fits its column whole: the
// column is at least as wide as its widest cell needs, and the grid shows both columns.
TEST_F(PrinterWindow, ResolutionsAreListedWithBothAxesAndWhole) {
  StandInPrintLayer layer({{"Fine", {{300, 600}, {600, 1200}, {1200, 1200}, {2400, 2400}}, 2}});
  PrinterDialog window(layer);
  window.show();
  auto* grid = child<QTableWidget>(window, "StringGrid2");
  const QStringList listed = {"300x600dpi²", "600x1200dpi²", "1200x1200dpi²", "2400x2400dpi²"};
  ASSERT_EQ(grid->rowCount(), listed.size());
  // A cell shows its text whole when the text and the item view's margin on each side fit.
  const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
  for (int row = 0; row < grid->rowCount(); ++row) {
    EXPECT_EQ(grid->item(row, 1)->text(), listed.at(row));
    EXPECT_LE(grid->fontMetrics().horizontalAdvance(listed.at(row)) + 2 * margin, grid->columnWidth(1)) << row;
  }
  EXPECT_GE(grid->viewport()->width(), grid->columnWidth(0) + grid->columnWidth(1));
  // The grid stays left of the buttons.
  EXPECT_LT(grid->geometry().right(), child<QPushButton>(window, "Button1")->geometry().left());
}

TEST_F(PrinterWindow, PrintPlacesThePageForTheChosenResolution) {
  struct Case {
    int row, wings;
    Rect expected;
  };
  const Case cases[] = {
      {0, 3, {490, 490, 4410, 8820}}, {0, 5, {390, 390, 3510, 7020}}, {1, 2, {980, 980, 8820, 17640}}};
  for (const Case& c : cases) {
    StandInPrintLayer layer({colourPrinter()});
    PrinterDialog window(layer);
    window.setPage(anyPage(), c.wings);
    child<QTableWidget>(window, "StringGrid2")->setCurrentCell(c.row, 0);
    window.show();
    window.ButtonCloseClick();
    EXPECT_EQ(layer.appliedResolution, c.row);
    EXPECT_EQ(layer.documentsBegun, 1);
    EXPECT_EQ(layer.documentsEnded, 1);
    ASSERT_EQ(layer.drawnTargets.size(), 1u);
    EXPECT_EQ(layer.drawnTargets[0], c.expected) << "row " << c.row << ", " << c.wings << " wings";
    EXPECT_FALSE(window.isVisible());
  }
}

TEST_F(PrinterWindow, MonochromePrinterDisablesTheColourBoxAndPrintsMonochrome) {
  StandInPrintLayer layer({colourPrinter(), monoPrinter()}, 0);
  PrinterDialog window(layer);
  auto* box = child<QCheckBox>(window, "CheckBoxColor");
  EXPECT_TRUE(box->isEnabled());
  EXPECT_TRUE(box->isChecked());
  EXPECT_TRUE(layer.colour());

  auto* list = child<QComboBox>(window, "ComboBox1");
  list->setCurrentIndex(1);
  window.ComboBox1Change();
  EXPECT_EQ(layer.currentPrinterIndex(), 1);
  EXPECT_FALSE(box->isEnabled());
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(layer.colour());
  EXPECT_EQ(child<QTableWidget>(window, "StringGrid2")->rowCount(), 1);
  // Even a forced tick cannot make a monochrome printer print in colour.
  box->setChecked(true);
  EXPECT_FALSE(layer.colour());
}

TEST_F(PrinterWindow, TheWindowsOwnFillingOfTheColourBoxDoesNotChangeTheSetting) {
  StandInPrintLayer layer({colourPrinter()});
  layer.setColour(false);
  PrinterDialog window(layer);
  auto* box = child<QCheckBox>(window, "CheckBoxColor");
  EXPECT_FALSE(box->isChecked());
  layer.setColour(true);
  const int writes = layer.colourWrites;
  window.FormCreate();  // as on activation: the box follows the setting without writing it back
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(layer.colourWrites, writes);
  box->setChecked(false);  // the user's click
  EXPECT_EQ(layer.colourWrites, writes + 1);
  EXPECT_FALSE(layer.colour());
}

TEST_F(PrinterWindow, WithoutAPrinterItSaysSoAndOffersAPdf) {
  StandInPrintLayer layer({});
  PrinterDialog window(layer);
  window.setPage(anyPage(), 3);
  window.show();
  EXPECT_EQ(window.notice(), "No printer is installed.");
  EXPECT_FALSE(child<QPushButton>(window, "ButtonClose")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(window, "ButtonSavePdf")->isHidden());
  window.ButtonCloseClick();
  EXPECT_EQ(layer.documentsBegun, 0);
  EXPECT_TRUE(window.isVisible());
  window.setLanguage(Language::German);
  EXPECT_EQ(window.notice(), "Es ist kein Drucker installiert.");
}

// No printer because the print service is down is not "no printer installed": the window says
// which, in both languages, decided afresh on every activation.
TEST_F(PrinterWindow, WithThePrintServiceStoppedItSaysSoInsteadOfNoPrinter) {
  StandInPrintLayer layer({});
  layer.serviceUp = false;
  PrinterDialog window(layer);
  window.setPage(anyPage(), 3);
  window.show();
  EXPECT_EQ(window.notice(), "The print service is not running.");
  EXPECT_FALSE(child<QPushButton>(window, "ButtonClose")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(window, "ButtonSavePdf")->isHidden());
  window.setLanguage(Language::German);
  EXPECT_EQ(window.notice(), QString::fromUtf8("Der Druckdienst läuft nicht."));
  layer.serviceUp = true;  // the service is back, still without a printer
  window.FormCreate();
  EXPECT_EQ(window.notice(), "Es ist kein Drucker installiert.");
}

// The border offers the system menu and minimise only: a fixed-size window that Cancel closes.
TEST_F(PrinterWindow, TheBorderOffersTheSystemMenuAndMinimiseOnly) {
  StandInPrintLayer layer({colourPrinter()});
  QWidget owner;
  PrinterDialog window(layer, &owner);
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));  // else the platform adds its own buttons
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
  EXPECT_TRUE(window.isWindow());
}

TEST_F(PrinterWindow, EveryPrinterChangeDecidesAfreshWhetherPrintIsPossible) {
  StandInPrintLayer layer({colourPrinter(), {"Odd", {}, 2}, monoPrinter()});
  PrinterDialog window(layer);
  window.setPage(anyPage(), 3);
  window.show();
  auto* list = child<QComboBox>(window, "ComboBox1");
  auto* print = child<QPushButton>(window, "ButtonClose");
  const QString none = "The printer reports no resolutions.";
  struct Step {
    int printer;
    QString notice;  // empty: printable
  };
  for (const Step& step : {Step{1, none}, Step{0, ""}, Step{1, none}, Step{2, ""}}) {
    list->setCurrentIndex(step.printer);
    window.ComboBox1Change();
    EXPECT_EQ(print->isEnabled(), step.notice.isEmpty()) << "printer " << step.printer;
    EXPECT_EQ(window.notice(), step.notice) << "printer " << step.printer;
    if (step.printer == 1) {
      window.ButtonCloseClick();  // the Odd printer is not printed on
      EXPECT_TRUE(layer.drawnTargets.empty());
    }
  }
  window.ButtonCloseClick();
  EXPECT_EQ(layer.documentsEnded, 1);
}

TEST_F(PrinterWindow, ARefusedJobKeepsTheWindowOpenAndSaysSo) {
  StandInPrintLayer layer({colourPrinter()});
  layer.acceptJobs = false;
  PrinterDialog window(layer);
  window.setPage(anyPage(), 3);
  window.show();
  window.ButtonCloseClick();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.notice(), "The printer did not accept the page.");
  EXPECT_TRUE(layer.drawnTargets.empty());
}

TEST_F(PrinterWindow, APdfThatCannotBeWrittenSaysWhyAndKeepsTheWindowOpen) {
  StandInPrintLayer layer({colourPrinter()});
  PrinterDialog window(layer);
  window.setPage(anyPage(), 3);
  window.show();
  EXPECT_FALSE(window.saveAsPdf("/nonexistent-folder/page.pdf"));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.notice(), "The file \"/nonexistent-folder/page.pdf\" cannot be written: no such file or folder.");
}

}  // namespace
}  // namespace volantis4
