// The PDF export: an A4 page whose text holds the summary lines, and the report's pages after it.

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

TEST(PdfExport, ReportLinesFollowTheSummaryOnPagesOfTheirOwn) {
  testing_support::qtApp();
  if (!testing_support::haveTool("pdfinfo") || !testing_support::haveTool("pdftotext"))
    GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
  const Document doc = testing_support::calculatedDocument();
  std::vector<std::string> lines;
  for (int i = 1; i <= 150; ++i) lines.push_back("report line " + std::to_string(i) + ".");
  // A line wider than the page's 170 mm (about 94 characters of 9 point) goes on in the next:
  // every word of it is on the page.
  std::string longLine = "long";
  for (int i = 1; i <= 40; ++i) longLine += " word" + std::to_string(i);
  lines.insert(lines.begin() + 75, longLine);
  QTemporaryDir dir;
  const QString path = dir.filePath("summary.pdf");
  ASSERT_TRUE(exportSummaryPdf(testing_support::pageOf(doc), doc.run.solver_wings_count, path, lines));

  const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(runTool("pdfinfo", {path}));
  ASSERT_TRUE(pages.hasMatch());
  const int count = pages.captured(1).toInt();
  EXPECT_GE(count, 3);  // 150 lines of 9 point do not fit on one page
  const QString first = runTool("pdftotext", {"-f", "1", "-l", "1", path, "-"});
  EXPECT_TRUE(first.contains("Summary:"));
  EXPECT_FALSE(first.contains("report line"));
  // Every line once, in order, on the pages after the summary.
  const QString rest = runTool("pdftotext", {"-f", "2", "-l", QString::number(count), path, "-"});
  qsizetype at = 0;
  for (int i = 1; i <= 40; ++i)
    EXPECT_TRUE(rest.contains(QRegularExpression(QString("\\bword%1\\b").arg(i)))) << "word" << i;
  for (const std::string& line : lines) {
    if (line == longLine) continue;
    const qsizetype found = rest.indexOf(QString::fromStdString(line) + "\n", at);
    ASSERT_GE(found, at) << line;
    at = found + 1;
  }
}

TEST(PdfExport, AnUnwritablePathIsReportedAsFailure) {
  testing_support::qtApp();
  const Document doc = testing_support::calculatedDocument();
  EXPECT_FALSE(exportSummaryPdf(testing_support::pageOf(doc), 5, "/nonexistent-folder/summary.pdf"));
}

}  // namespace
}  // namespace volantis4
