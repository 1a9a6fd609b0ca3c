// Printing from the window: File ▸ Print and "Export PDF…" start their own Calc, which keeps
// printing enabled and unticks the pressure box as every Calc does.

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "model/field_names.h"
#include "print_test_support.h"
#include "stand_in_print_layer.h"
#include "ui/printer_window.h"
#include "ui_test_support.h"

namespace volantis4 {
namespace {

using testing_support::WindowTest;

enum class PrintPath { PrintThenCancel, ExportPdf, ExportPdfCancelled };

void PrintTo(PrintPath path, std::ostream* os) {
  *os << (path == PrintPath::PrintThenCancel ? "print, then cancel"
          : path == PrintPath::ExportPdf     ? "export PDF"
                                             : "export PDF, cancelled");
}

class PrintFromTheWindow : public WindowTest, public ::testing::WithParamInterface<PrintPath> {
 protected:
  ~PrintFromTheWindow() override { window.reset(); }  // the printer window goes before its layer

  void calculate() {
    open();
    printer_ = new PrinterDialog(printers_, window.get());
    window->setPrinterWindow(printer_);
    find<QPushButton>("Button4")->click();
    ASSERT_TRUE(window->document().run.flags.results_valid);
  }

  void print() {
    script->pdfAnswer = GetParam() == PrintPath::ExportPdf ? path("page.pdf") : QString();
    if (GetParam() == PrintPath::PrintThenCancel) {
      action("Print1")->trigger();
      ASSERT_TRUE(printer_->isVisible());
      printer_->findChild<QPushButton*>("Button1")->click();  // Cancel
      EXPECT_FALSE(printer_->isVisible());
    } else {
      const RunFlags& flags = window->document().run.flags;
      const bool complete = flags.results_valid && flags.grid_valid;
      const bool stale = !flags.results_valid;
      const qsizetype messages = script->errors.size();
      action("ExportPdf1")->trigger();
      EXPECT_EQ(QFile::exists(path("page.pdf")), GetParam() == PrintPath::ExportPdf);
      // Without a complete run the window says why the report pages are missing.
      EXPECT_EQ(script->errors.size() - messages, GetParam() == PrintPath::ExportPdf && !complete ? 1 : 0);
      if (script->errors.size() > messages) {
        EXPECT_TRUE(script->errors.last().startsWith("The report pages are left out"));
      }
      // A page of results older than the aircraft says so, a fresh one does not.
      if (GetParam() == PrintPath::ExportPdf && testing_support::haveTool("pdftotext")) {
        EXPECT_EQ(testing_support::runTool("pdftotext", {"-f", "1", "-l", "1", path("page.pdf"), "-"})
                      .contains("Results of an earlier calculation"),
                  stale);
      }
      // The stability report follows the summary page after a complete run, and only then.
      if (GetParam() == PrintPath::ExportPdf && testing_support::haveTool("pdftotext")) {
        EXPECT_EQ(testing_support::runTool("pdftotext", {"-f", "2", "-l", "2", path("page.pdf"), "-"})
                      .contains("Neutral point:"),
                  complete);
      }
    }
  }

  void expectPrintEnabled(bool enabled) const {
    EXPECT_EQ(action("Print1")->isEnabled(), enabled);
    EXPECT_EQ(action("ExportPdf1")->isEnabled(), enabled);
    EXPECT_EQ(find<QToolButton>("SpeedButton5")->isEnabled(), enabled);
  }

  StandInPrintLayer printers_{{{"Colour", {{600, 600}}, 2}}};
  PrinterDialog* printer_ = nullptr;
};

TEST_P(PrintFromTheWindow, AWingEditAfterARunStaysPrintableThroughPrinting) {
  calculate();
  find<QTabWidget>("PageControl1")->setCurrentWidget(find<QWidget>("TabSheet1"));
  type(fieldName({1, FieldKind::Chord, 1}).data(), "400");  // wing 1's root chord
  ASSERT_FALSE(window->document().run.flags.results_valid);
  EXPECT_FALSE(shown("Label_anp1"));
  EXPECT_FALSE(find<QLabel>("Label25")->isEnabled());
  EXPECT_TRUE(find<QToolButton>("SpeedButton4")->isEnabled());
  expectPrintEnabled(true);  // a wing edit alone does not withdraw printing
  // The template needs a complete run of the aircraft as it stands, and says so.
  EXPECT_FALSE(action("ExportTemplate1")->isEnabled());
  EXPECT_EQ(action("ExportTemplate1")->toolTip(), "The template needs a complete calculation: press Calculate (F9).");
  print();
  expectPrintEnabled(true);
  print();  // and again
  expectPrintEnabled(true);
  EXPECT_FALSE(window->document().run.flags.results_valid);  // printing keeps what it found
}

TEST_P(PrintFromTheWindow, PrintingUnticksThePressureBox) {
  calculate();
  auto* box = find<QCheckBox>("CheckBoxA");
  ASSERT_TRUE(box->isVisible());
  box->click();
  ASSERT_TRUE(box->isChecked());
  EXPECT_TRUE(action("ExportTemplate1")->isEnabled());
  print();
  // A cancelled export changes nothing; a print or an export runs the page's Calc, which unticks it.
  EXPECT_EQ(box->isChecked(), GetParam() == PrintPath::ExportPdfCancelled);
  expectPrintEnabled(true);
  EXPECT_TRUE(window->document().run.flags.results_valid);  // printing keeps the results on show
  EXPECT_TRUE(window->document().run.flags.grid_valid);
  EXPECT_TRUE(shown("Label_anp1"));
  EXPECT_FALSE(find<QToolButton>("SpeedButton4")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Window, PrintFromTheWindow,
                         ::testing::Values(PrintPath::PrintThenCancel, PrintPath::ExportPdf,
                                           PrintPath::ExportPdfCancelled));

}  // namespace
}  // namespace volantis4
