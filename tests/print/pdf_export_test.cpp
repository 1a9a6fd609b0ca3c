// The PDF export: an A4 or Letter page whose text holds the summary lines, and the report's pages
// after it, each with its foot.

#include "print/pdf_export.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "print_test_support.h"
#include "qt_app.h"

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
  ASSERT_FALSE(exportSummaryPdf(testing_support::pageOf(doc), doc.run.solver_wings_count, path));

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

TEST(PdfExport, TheReportFollowsTheSummaryOnPagesOfItsOwnUnderBoldHeadings) {
  testing_support::qtApp();
  if (!testing_support::haveTool("pdfinfo") || !testing_support::haveTool("pdftotext") ||
      !testing_support::haveTool("pdffonts"))
    GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdffonts) are not installed";
  const Document doc = testing_support::calculatedDocument();
  ReportPages report{.title = "The title",
                     .parts = {{.heading = "First part", .lines = {}}, {.heading = "Second part", .lines = {}}}};
  for (int i = 1; i <= 150; ++i)
    report.parts[i <= 75 ? 0 : 1].lines.push_back("report line " + std::to_string(i) + ".");
  // A line wider than the page's 170 mm (about 94 characters of 9 point) goes on in the next:
  // every word of it is on the page.
  std::string longLine = "long";
  for (int i = 1; i <= 40; ++i) longLine += " word" + std::to_string(i);
  report.parts[0].lines.insert(report.parts[0].lines.begin() + 30, longLine);
  QTemporaryDir dir;
  const QString path = dir.filePath("summary.pdf");
  ASSERT_FALSE(exportSummaryPdf(testing_support::pageOf(doc), doc.run.solver_wings_count, path, report));

  const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(runTool("pdfinfo", {path}));
  ASSERT_TRUE(pages.hasMatch());
  const int count = pages.captured(1).toInt();
  EXPECT_GE(count, 3);  // 150 lines of 9 point do not fit on one page
  const QString first = runTool("pdftotext", {"-f", "1", "-l", "1", path, "-"});
  EXPECT_TRUE(first.contains("Summary:"));
  EXPECT_FALSE(first.contains("report line"));
  EXPECT_TRUE(runTool("pdffonts", {path}).contains("Bold"));  // the title and the headings
  // The title, each heading before its lines, every line once and in order, after the summary.
  const QString rest = runTool("pdftotext", {"-f", "2", "-l", QString::number(count), path, "-"});
  for (int i = 1; i <= 40; ++i)
    EXPECT_TRUE(rest.contains(QRegularExpression(QString("\\bword%1\\b").arg(i)))) << "word" << i;
  std::vector<std::string> expected{report.title};
  for (const ReportBlock& part : report.parts) {
    expected.push_back(part.heading);
    for (const std::string& line : part.lines)
      if (line != longLine) expected.push_back(line);
  }
  qsizetype at = 0;
  for (const std::string& line : expected) {
    const qsizetype found = rest.indexOf(QString::fromStdString(line) + "\n", at);
    ASSERT_GE(found, at) << line;
    at = found + 1;
  }
}

// Wherever the second part's heading falls, it never ends a page: on the page's last line it moves
// to the next page with its first line. The first part's length is swept across a page's lines.
TEST(PdfExport, AHeadingNeverEndsAPage) {
  testing_support::qtApp();
  if (!testing_support::haveTool("pdfinfo") || !testing_support::haveTool("pdftotext"))
    GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
  const Document doc = testing_support::calculatedDocument();
  QTemporaryDir dir;
  const QString path = dir.filePath("report.pdf");
  for (int before = 60; before <= 80; ++before) {
    SCOPED_TRACE(before);
    ReportPages report{.title = "Title",
                       .parts = {{.heading = "Part one", .lines = {}}, {.heading = "Part two", .lines = {"after"}}}};
    for (int i = 1; i <= before; ++i) report.parts[0].lines.push_back("line " + std::to_string(i));
    ASSERT_FALSE(exportSummaryPdf(testing_support::pageOf(doc), doc.run.solver_wings_count, path, report));
    const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(runTool("pdfinfo", {path})).captured(1).toInt();
    for (int page = 2; page <= pages; ++page) {
      const QStringList lines =
          runTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), path, "-"})
              .remove('\f')
              .split('\n', Qt::SkipEmptyParts);
      ASSERT_FALSE(lines.isEmpty());
      EXPECT_NE(lines.last().trimmed(), "Part two") << "page " << page;
    }
  }
}

// The summary and its report on Letter: every page 612 × 792 pt.
TEST(PdfExport, OnLetterEveryPageIsLetter) {
  testing_support::qtApp();
  if (!testing_support::haveTool("pdfinfo")) GTEST_SKIP() << "poppler-utils (pdfinfo) is not installed";
  const Document doc = testing_support::calculatedDocument();
  QTemporaryDir dir;
  const QString path = dir.filePath("letter.pdf");
  ReportPages report{.title = "Title", .parts = {{.heading = "Part", .lines = {}}}};
  for (int i = 1; i <= 120; ++i) report.parts[0].lines.push_back("line " + std::to_string(i));
  ASSERT_FALSE(
      exportSummaryPdf(testing_support::pageOf(doc), doc.run.solver_wings_count, path, report, {}, Paper::Letter));
  const QString info = runTool("pdfinfo", {"-f", "1", "-l", "9", path});
  const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
  EXPECT_GE(pages, 3);
  EXPECT_EQ(info.count(QRegularExpression("Page +\\d+ size: +612 x 792 pts")), pages) << info.toStdString();
}

// Each report page's foot names the aircraft's file (without its folders), the date, and the page
// among all of them, the summary being the first: "Page 2 of n" … "Page n of n", "Seite 2 von n".
TEST(PdfExport, EachReportPageCarriesFileDateAndPageNumberInItsFoot) {
  testing_support::qtApp();
  if (!testing_support::haveTool("pdfinfo") || !testing_support::haveTool("pdftotext"))
    GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
  const Document doc = testing_support::calculatedDocument();
  for (Language language : {Language::English, Language::German}) {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    ReportPages report{.title = "Title",
                       .parts = {{.heading = "Part", .lines = {}}},
                       .fileName = "/home/pilot/planes/glider.vn4",
                       .date = "2024-05-17",
                       .language = language};
    for (int i = 1; i <= 150; ++i) report.parts[0].lines.push_back("line " + std::to_string(i));
    ASSERT_FALSE(exportSummaryPdf(testing_support::pageOf(doc), doc.run.solver_wings_count, path, report));
    const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(runTool("pdfinfo", {path})).captured(1).toInt();
    ASSERT_GE(pages, 3);
    const QString word = language == Language::English ? "Page %1 of %2" : "Seite %1 von %2";
    const QString summary = runTool("pdftotext", {"-f", "1", "-l", "1", path, "-"});
    EXPECT_FALSE(summary.contains("2024-05-17"));  // the summary page stays as it is
    for (int page = 2; page <= pages; ++page) {
      const QStringList lines =
          runTool("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), path, "-"})
              .remove('\f')
              .split('\n', Qt::SkipEmptyParts);
      ASSERT_FALSE(lines.isEmpty());
      const QString foot = lines.last().simplified();  // the foot is the page's last line
      EXPECT_EQ(foot, "glider.vn4 2024-05-17 " + word.arg(page).arg(pages)) << "page " << page;
    }
  }
}

}  // namespace
}  // namespace volantis4
