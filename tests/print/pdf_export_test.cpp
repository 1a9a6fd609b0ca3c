// The PDF export: one A4 page whose text holds the summary lines.

#include "print/pdf_export.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "../views/qt_app.h"
#include "print_test_support.h"

namespace volantis4 {
namespace {

using testing_support::runTool;

TEST(PdfExport, WritesOneA4PageWithTheSummaryAsText) {
  testing_support::qtApp();
  if (!testing_support::haveTool("pdfinfo") || !testing_support::haveTool("pdftotext"))
    GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
  const Document doc = testing_support::calculatedDocument();
  QTemporaryDir dir;
  const QString path = dir.filePath("summary.pdf");
  ASSERT_TRUE(exportSummaryPdf(testing_support::pageOf(doc), doc.run.solver_wings_count, path));

  const QString info = runTool("pdfinfo", {path});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();
  // pdftotext spaces the words by their positions: compare with runs of blanks collapsed.
  const QString text = runTool("pdftotext", {"-layout", path, "-"}).simplified();
  for (const char* line : {"Summary:", "aerodynamic center:", "Recommended center of gravity by stab =  16%:",
                           "recomemnded center of gravity by stab =  8%:", "Center of gravity by stab = 7.5%:",
                           "Wing1:", "Wing5:", "lift slope:"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(line).simplified())) << line;
}

TEST(PdfExport, AnUnwritablePathIsReportedAsFailure) {
  testing_support::qtApp();
  const Document doc = testing_support::calculatedDocument();
  EXPECT_FALSE(exportSummaryPdf(testing_support::pageOf(doc), 5, "/nonexistent-folder/summary.pdf"));
}

}  // namespace
}  // namespace volantis4
