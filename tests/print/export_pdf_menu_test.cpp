// File ▸ "Export PDF…" in the window: enabled with Print after a calculation, writes the page.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include "../views/qt_app.h"
#include "print_test_support.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace volantis4 {
namespace {

// Answers the PDF file dialog with a fixed name and keeps the error messages.
class PdfDialogs : public Dialogs {
 public:
  PdfDialogs(QString answer, QStringList* errors) : answer_(std::move(answer)), errors_(errors) {}
  QString pdfFileName(QWidget*, Language) override { return answer_; }
  void showFileError(QWidget*, const QString& message) override { *errors_ << message; }

 private:
  QString answer_;
  QStringList* errors_;
};

TEST(ExportPdfMenu, EnabledByACalculationAndWritesOnePage) {
  testing_support::qtApp();
  QTemporaryDir folder;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(folder.path());  // the window's defaults file lives here
  QStringList errors;
  {
    MainWindow window({}, std::make_unique<PdfDialogs>(folder.filePath("out.pdf"), &errors));
    auto* exportPdf = window.findChild<QAction*>("ExportPdf1");
    ASSERT_NE(exportPdf, nullptr);
    EXPECT_FALSE(exportPdf->isEnabled());
    auto* calc = window.findChild<QToolButton*>("SpeedButton4");
    ASSERT_NE(calc, nullptr);
    calc->click();
    ASSERT_TRUE(exportPdf->isEnabled());
    exportPdf->trigger();
  }
  QDir::setCurrent(previous);
  EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
  ASSERT_TRUE(QFile::exists(folder.filePath("out.pdf")));
  if (testing_support::haveTool("pdfinfo")) {
    EXPECT_TRUE(testing_support::runTool("pdfinfo", {folder.filePath("out.pdf")})
                    .contains(QRegularExpression("Pages:\\s+1\\n")));
  }
}

}  // namespace
}  // namespace volantis4
