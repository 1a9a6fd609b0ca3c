// `volantis4-cli print`: the page image and the PDF written headless, and its failures.

#include "cli/cli_print.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "../views/qt_app.h"
#include "print/summary_page.h"

namespace volantis4 {
namespace {

TEST(CliPrint, WritesThePageImageAndThePdf) {
  testing_support::qtApp();
  QTemporaryDir dir;
  PrintOptions options;
  options.png = dir.filePath("page.png").toStdString();
  options.pdf = dir.filePath("page.pdf").toStdString();
  std::ostringstream out, err;
  ASSERT_EQ(runPrint(options, out, err), 0) << err.str();
  const QImage page(QString::fromStdString(options.png));
  EXPECT_EQ(page.size(), QSize(kSummaryPageWidth, kSummaryPageHeight));
  // White page, black text in the title's first character cell.
  EXPECT_EQ(page.pixelColor(806, 1619), QColor(Qt::white));
  bool ink = false;
  for (int y = 0; y < 15 && !ink; ++y)
    for (int x = 0; x < 9 && !ink; ++x) ink = page.pixelColor(x, y) == QColor(Qt::black);
  EXPECT_TRUE(ink);
  EXPECT_GT(QFileInfo(QString::fromStdString(options.pdf)).size(), 0);
}

TEST(CliPrint, RefusedFileAndUnwritableOutputAreErrors) {
  testing_support::qtApp();
  std::ostringstream out, err;
  PrintOptions missing;
  missing.file = "/nonexistent-folder/plane.vn4";
  missing.png = "/tmp/never-written.png";
  EXPECT_EQ(runPrint(missing, out, err), 2);
  EXPECT_NE(err.str().find("/nonexistent-folder/plane.vn4"), std::string::npos);

  PrintOptions unwritable;
  unwritable.png = "/nonexistent-folder/page.png";
  std::ostringstream err2;
  EXPECT_EQ(runPrint(unwritable, out, err2), 2);
  EXPECT_EQ(err2.str(), "The file \"/nonexistent-folder/page.png\" cannot be written.\n");
}

}  // namespace
}  // namespace volantis4
