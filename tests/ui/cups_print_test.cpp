// A real print: a private CUPS server with a virtual PDF printer (cups-pdf) on a local socket,
// the summary printed through the printer window and the Qt print layer, and the PDF that
// arrives read back with pdftotext. Skips only where the server cannot be started here.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QTableWidget>
#include <memory>

#include "cups_server.h"
#include "qt_app.h"
#include "ui/printer_window.h"

namespace volantis4 {
namespace {

using testing_support::CupsServer;
using testing_support::runTool;

// The printer window on the private server's queue, showing the default aircraft's summary.
class RealPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::qtApp();
    if (const QString why = server.start(); !why.isEmpty())
      GTEST_SKIP() << "no private CUPS server: " << why.toStdString();
    layer = std::make_unique<QtPrintLayer>();
    const int index = static_cast<int>(layer->printerNames().indexOf(server.queue()));
    ASSERT_GE(index, 0) << layer->printerNames().join(",").toStdString();
    window = std::make_unique<PrinterDialog>(*layer);
    window->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(index);
    window->ComboBox1Change();
    window->setPage(testing_support::pageOf(doc), doc.run.solver_wings_count);
    window->show();
    ASSERT_GT(window->findChild<QTableWidget*>("StringGrid2")->rowCount(), 0)
        << "the virtual printer reports no resolutions";
  }

  CupsServer server;
  std::unique_ptr<QtPrintLayer> layer;
  const Document doc = testing_support::calculatedDocument();
  std::unique_ptr<PrinterDialog> window;
};

TEST_F(RealPrint, SummaryArrivesAsOnePdfPageFromTheVirtualPrinter) {
  EXPECT_TRUE(window->findChild<QCheckBox*>("CheckBoxColor")->isEnabled());
  window->ButtonCloseClick();
  EXPECT_TRUE(window->notice().isEmpty()) << window->notice().toStdString();

  const QString pdf = server.waitForPdf(90);
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived; server log:\n" << server.log().toStdString();
  EXPECT_TRUE(runTool("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
  const QString text = runTool("pdftotext", {"-layout", pdf, "-"}).simplified();
  for (const char* line : {"Summary:", "aerodynamic center:", "Recommended center of gravity by stab = 16%:",
                           "recomemnded center of gravity by stab = 8%:", "Center of gravity by stab = 7.5%:", "Wing1:",
                           "Wing5:", "lift slope:"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
}

TEST_F(RealPrint, AJobThePrintServiceDoesNotTakeKeepsTheWindowOpenAndSaysSo) {
  server.stopServer();  // the print service goes away while the window is open
  window->ButtonCloseClick();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->notice(), "The printer did not accept the page.");
  EXPECT_EQ(server.pdfCount(), 0);
}

}  // namespace
}  // namespace volantis4
