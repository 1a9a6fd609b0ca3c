// The page-writing module of the command line (see page_writers.h): the pages rendered headless
// with Qt Gui on the offscreen platform.
#include "pages/page_writers.h"

#include <QGuiApplication>
#include <QImage>
#include <memory>
#include <optional>

#include "files/file_error.h"
#include "model/document.h"
#include "print/balance_template.h"
#include "print/page_file.h"
#include "print/pdf_export.h"
#include "print/summary_page.h"
#include "views/qimage_canvas.h"

namespace volantis4 {
namespace {

// A GUI application for fonts and painting, offscreen unless a platform is chosen already; made
// once and kept for the process.
void ensureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "volantis4-cli";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

// Keeps Qt's own messages (the platform's notes, a painter's complaints) off the terminal while
// the module works: what matters reaches the user as the operation's own message.
class QuietQt {
 public:
  QuietQt() : previous_(qInstallMessageHandler(&QuietQt::drop)) {}
  ~QuietQt() { qInstallMessageHandler(previous_); }
  QuietQt(const QuietQt&) = delete;
  QuietQt& operator=(const QuietQt&) = delete;

 private:
  static void drop(QtMsgType, const QMessageLogContext&, const QString&) {}
  QtMessageHandler previous_;
};

std::string messageOf(const std::optional<FileError>& error, Language language) {
  return error ? renderFileError(*error, language) : std::string();
}

// The summary page of a calculated document: its two pictures rendered, the page drawn on demand.
class SummaryPage {
 public:
  explicit SummaryPage(Document& doc) : doc_(doc) {
    recomputeForSummary(doc_);
    drawSummaryPictures(doc_, SystemColours{}, ThreeDState{}, topView_, threeD_);
  }
  PageDrawing drawing() const {
    return [this](Canvas& canvas) { drawSummaryPage(canvas, doc_, doc_.fileName, topView_, threeD_); };
  }

 private:
  Document& doc_;
  QImageCanvas topView_{kTopViewBufferWidth, kTopViewBufferHeight};
  QImageCanvas threeD_{kThreeDBufferWidth, kThreeDBufferHeight};
};

std::string summaryPng(Document& doc, const std::string& path) {
  const QuietQt quiet;
  ensureApplication();
  const SummaryPage summary(doc);
  QImageCanvas canvas(kSummaryPageWidth, kSummaryPageHeight);
  summary.drawing()(canvas);
  return messageOf(savePng(canvas.image(), QString::fromStdString(path)), doc.language);
}

std::string summaryPdf(Document& doc, const std::string& path) {
  const QuietQt quiet;
  ensureApplication();
  const SummaryPage summary(doc);
  return messageOf(exportSummaryPdf(summary.drawing(), doc.run.solver_wings_count, QString::fromStdString(path)),
                   doc.language);
}

std::string balanceTemplate(const Document& doc, bool manualChoice, Language language, const std::string& path) {
  const std::optional<TemplateInput> input = templateInputOf(doc, manualChoice);
  if (!input) return std::string(text(TextId::TemplateNoRun, language));
  const QuietQt quiet;
  ensureApplication();
  return messageOf(exportBalanceTemplate(*input, language, QString::fromStdString(path)), language);
}

}  // namespace
}  // namespace volantis4

extern "C" __attribute__((visibility("default"))) const volantis4::PageWriters* volantis4_page_writers() {
  static const volantis4::PageWriters writers{volantis4::summaryPng, volantis4::summaryPdf, volantis4::balanceTemplate};
  return &writers;
}
