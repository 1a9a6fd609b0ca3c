// Page files are written whole or not at all: on a full disk (a write step that fails part-way)
// every writer leaves the previous file as it was and nothing beside it, and says why.

#include "print/page_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>

#include "print/balance_template.h"
#include "print/pdf_export.h"
#include "print_test_support.h"
#include "qt_app.h"

namespace volantis4 {
namespace {

// Writes half the bytes, then reports a full disk.
bool halfThenDiskFull(int fd, std::string_view bytes) {
  (void)writeAll(fd, bytes.substr(0, bytes.size() / 2));
  errno = ENOSPC;
  return false;
}

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using PageWriter = std::function<std::optional<FileError>(const QString& path, const WriteStep& write)>;

struct Writer {
  const char* name;
  PageWriter write;
  QByteArray starts;  // what a whole file of its kind begins with
};

std::vector<Writer> writers(const Document& doc) {
  TemplateInput in;
  in.sections = {{0, 0, 200}, {300, 50, 100}};
  in.xnp = 60;
  in.lmue = 150;
  in.forward = {16, 30};
  in.aft = {8, 45};
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  return {{"summary PDF",
           [&doc](const QString& path, const WriteStep& write) {
             return exportSummaryPdf(testing_support::pageOf(doc), doc.run.solver_wings_count, path,
                                     ReportPages{.title = "Report", .parts = {{.heading = "Part", .lines = {"a"}}}},
                                     write);
           },
           "%PDF-"},
          {"balance template",
           [in](const QString& path, const WriteStep& write) {
             return exportBalanceTemplate(in, Language::German, path, write);
           },
           "%PDF-"},
          {"page image", [image](const QString& path, const WriteStep& write) { return savePng(image, path, write); },
           "\x89PNG"}};
}

TEST(PageFile, EveryWriterLeavesThePreviousFileOnAFullDiskAndSaysWhy) {
  testing_support::qtApp();
  const Document doc = testing_support::calculatedDocument();
  for (const Writer& w : writers(doc)) {
    SCOPED_TRACE(w.name);
    QTemporaryDir dir;
    const QString path = dir.filePath("out.file");
    QFile previous(path);
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("the previous file");
    previous.close();

    const std::optional<FileError> error = w.write(path, &halfThenDiskFull);
    ASSERT_TRUE(error);
    EXPECT_EQ(renderFileError(*error, Language::English),
              "The file \"" + path.toStdString() +
                  "\" cannot be written: the disk is full. A previous file of that name is unchanged.");
    EXPECT_EQ(contents(path), "the previous file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);

    // With room on the disk the whole file replaces it.
    ASSERT_FALSE(w.write(path, {}));
    const QByteArray written = contents(path);
    EXPECT_TRUE(written.startsWith(w.starts));
    EXPECT_EQ(isWholePdf(written), w.starts == "%PDF-");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
  }
}

TEST(PageFile, APageThatCouldNotBeRenderedIsNotWritten) {
  QTemporaryDir dir;
  const QString path = dir.filePath("page.pdf");
  const auto error = writePageFile(path, std::nullopt);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileErrorKind::CannotWrite);
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_FALSE(isWholePdf("%PDF-1.4\n1 0 obj"));  // a PDF cut short
  EXPECT_TRUE(isWholePdf("%PDF-1.4\n%%EOF\n"));
}

}  // namespace
}  // namespace volantis4
