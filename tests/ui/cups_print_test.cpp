// A real print: a private CUPS server with a virtual PDF printer (cups-pdf) on a local socket,
// the summary printed through the printer window and the Qt print layer, and the PDF that
// arrives read back with pdftotext. Skips only where the server cannot be started here.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <memory>
#include <utility>
#include <vector>

#include "cups_server.h"
#include "qt_app.h"
#include "ui/printer_window.h"

namespace volantis4 {
namespace {

using testing_support::CupsServer;
using testing_support::runTool;
using Replacements = std::vector<std::pair<QString, QString>>;

// The stock virtual printer with two resolutions of two axes in place of 150 dpi, and without 2400:
// 300x600, 600x1200, 300, 600 and 1200 dpi in this order.
const Replacements kTwoAxes = {{"*Resolution 150dpi/150 DPI: \"<</HWResolution[150 150]>>setpagedevice\"",
                                "*Resolution 300x600dpi/300x600 DPI: \"<</HWResolution[300 600]>>setpagedevice\"\n"
                                "*Resolution 600x1200dpi/600x1200 DPI: \"<</HWResolution[600 1200]>>setpagedevice\""},
                               {"*Resolution 2400dpi/2400 DPI: \"<</HWResolution[2400 2400]>>setpagedevice\"\n", ""}};

// The stock virtual printer loaded with US Letter.
const Replacements kLetter = {{"*DefaultPageSize: A4", "*DefaultPageSize: Letter"},
                              {"*DefaultPageRegion: A4", "*DefaultPageRegion: Letter"},
                              {"*DefaultImageableArea: A4", "*DefaultImageableArea: Letter"},
                              {"*DefaultPaperDimension: A4", "*DefaultPaperDimension: Letter"}};

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

  // Adds a queue of the stock printer changed by `replacements` and makes it the window's printer.
  QString chooseNewQueue(const QString& suffix, const Replacements& replacements) {
    QString queue = server.addQueue(suffix, replacements);
    if (queue.isEmpty()) return {};
    window->FormCreate();  // as on activation: the list read afresh
    auto* list = window->findChild<QComboBox*>("ComboBox1");
    const int index = list->findText(queue);
    if (index < 0) return {};
    list->setCurrentIndex(index);
    window->ComboBox1Change();
    return queue;
  }
  QTableWidget* grid() { return window->findChild<QTableWidget*>("StringGrid2"); }

  CupsServer server;
  std::unique_ptr<QtPrintLayer> layer;
  const Document doc = testing_support::calculatedDocument();
  std::unique_ptr<PrinterDialog> window;
};

TEST_F(RealPrint, SummaryArrivesAsOnePdfPageFromTheVirtualPrinter) {
  EXPECT_TRUE(window->findChild<QCheckBox*>("CheckBoxColor")->isEnabled());
  window->ButtonCloseClick();
  EXPECT_TRUE(window->notice().isEmpty()) << window->notice().toStdString();

  EXPECT_TRUE(CupsServer::newestJob(server.queue()).media.contains("a4", Qt::CaseInsensitive));
  const QString pdf = server.waitForPdf(90);
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived; server log:\n" << server.log().toStdString();
  const QString info = runTool("pdfinfo", {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n")));
  EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();
  const QString text = runTool("pdftotext", {"-layout", pdf, "-"}).simplified();
  for (const char* line : {"Summary:", "aerodynamic center:", "Recommended center of gravity by stab = 16%:",
                           "recomemnded center of gravity by stab = 8%:", "Center of gravity by stab = 7.5%:", "Wing1:",
                           "Wing5:", "lift slope:"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
}

// Every resolution the printer lists is shown with both its axes, and the one chosen goes with the
// job: the service records it as the job's printer-resolution.
TEST_F(RealPrint, TheChosenResolutionTravelsWithTheJobAndBothAxesAreListed) {
  const QString queue = chooseNewQueue("axes", kTwoAxes);
  ASSERT_FALSE(queue.isEmpty()) << server.log().toStdString();
  const QStringList listed = {"300x600dpi²", "600x1200dpi²", "300x300dpi²", "600x600dpi²", "1200x1200dpi²"};
  ASSERT_EQ(grid()->rowCount(), listed.size());
  for (int row = 0; row < grid()->rowCount(); ++row) EXPECT_EQ(grid()->item(row, 1)->text(), listed.at(row));
  struct Case {
    int row, x, y;
  };
  for (const Case& c : {Case{0, 300, 600}, Case{1, 600, 1200}, Case{4, 1200, 1200}, Case{2, 300, 300}}) {
    grid()->setCurrentCell(c.row, 0);
    window->ButtonCloseClick();
    EXPECT_TRUE(window->notice().isEmpty()) << window->notice().toStdString();
    const CupsServer::JobAttributes job = CupsServer::newestJob(queue);
    EXPECT_EQ(job.xDpi, c.x) << "row " << c.row;
    EXPECT_EQ(job.yDpi, c.y) << "row " << c.row;
  }
}

// A printer loaded with Letter gets the summary on Letter, not on A4 shrunk to fit.
TEST_F(RealPrint, ALetterPrinterGetsTheSummaryOnLetter) {
  const QString queue = chooseNewQueue("letter", kLetter);
  ASSERT_FALSE(queue.isEmpty()) << server.log().toStdString();
  window->ButtonCloseClick();
  EXPECT_TRUE(window->notice().isEmpty()) << window->notice().toStdString();
  // The job names the printer's own size of 8.5 × 11 in (this PPD lists it as AnsiA before Letter).
  const QString media = CupsServer::newestJob(queue).media;
  EXPECT_FALSE(media.isEmpty());
  EXPECT_FALSE(media.contains("a4", Qt::CaseInsensitive)) << media.toStdString();
  const QString pdf = server.waitForPdf(90);
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived; server log:\n" << server.log().toStdString();
  const QString info = runTool("pdfinfo", {pdf});
  EXPECT_TRUE(info.contains("612 x 792 pts")) << info.toStdString();
}

TEST_F(RealPrint, AJobThePrintServiceDoesNotTakeKeepsTheWindowOpenAndSaysSo) {
  server.stopServer();  // the print service goes away while the window is open
  window->ButtonCloseClick();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->notice(), "The printer did not accept the page.");
  EXPECT_EQ(server.pdfCount(), 0);
}

TEST_F(RealPrint, ReopenedWithThePrintServiceStoppedItSaysTheServiceIsNotRunning) {
  server.stopServer();
  window->FormCreate();  // as on the next activation
  EXPECT_EQ(window->notice(), "The print service is not running.");
  EXPECT_FALSE(window->findChild<QPushButton*>("ButtonClose")->isEnabled());
}

}  // namespace
}  // namespace volantis4
