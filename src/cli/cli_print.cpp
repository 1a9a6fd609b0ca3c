#include "cli/cli_print.h"

#include <QGuiApplication>
#include <QImage>
#include <memory>
#include <optional>
#include <ostream>

#include "files/document_io.h"
#include "model/text_fill.h"
#include "print/balance_template.h"
#include "print/pdf_export.h"
#include "print/summary_page.h"
#include "solver/calculation_run.h"
#include "views/qimage_canvas.h"

namespace volantis4 {
namespace {

// A GUI application for fonts and painting; offscreen unless a platform is chosen already.
std::unique_ptr<QGuiApplication> ensureApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "volantis4-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// The two pictures at their buffer sizes.
struct Pictures {
  QImageCanvas topView{kTopViewBufferWidth, kTopViewBufferHeight};
  QImageCanvas threeD{kThreeDBufferWidth, kThreeDBufferHeight};
};

std::string cannotWrite(const std::string& path, Language language) {
  return filledText(TextId::PdfCannotWrite, language, {path});
}

}  // namespace

int runPrint(const PrintOptions& options, std::ostream& out, std::ostream& err) {
  const auto app = ensureApplication();
  Document doc;
  doc.language = options.language;
  doc.stability.marginText = options.marginText;
  if (!options.file.empty()) {
    if (auto error = openCommandLineFile(doc, options.file)) {
      err << renderFileError(*error, options.language) << "\n";
      return 2;
    }
  }
  if (!Button4Click(doc)) {
    for (const std::string& line : doc.run.panel.lines()) err << line << "\n";
    return 1;
  }
  recomputeForSummary(doc);

  Pictures pictures;
  drawSummaryPictures(doc, SystemColours{}, ThreeDState{}, pictures.topView, pictures.threeD);
  const PageDrawing page = [&](Canvas& canvas) {
    drawSummaryPage(canvas, doc, doc.fileName, pictures.topView, pictures.threeD);
  };

  if (!options.png.empty()) {
    QImageCanvas canvas(kSummaryPageWidth, kSummaryPageHeight);
    page(canvas);
    if (!canvas.image().save(QString::fromStdString(options.png), "PNG")) {
      err << cannotWrite(options.png, options.language) << "\n";
      return 2;
    }
    out << options.png << "\n";
  }
  if (!options.pdf.empty()) {
    if (!exportSummaryPdf(page, doc.run.solver_wings_count, QString::fromStdString(options.pdf))) {
      err << cannotWrite(options.pdf, options.language) << "\n";
      return 2;
    }
    out << options.pdf << "\n";
  }
  return 0;
}

int writeBalanceTemplate(const Document& doc, bool manualChoice, Language language, const std::string& path,
                         std::ostream& err) {
  const std::optional<TemplateInput> input = templateInputOf(doc, manualChoice);
  if (!input) {
    err << text(TextId::TemplateNoRun, language) << "\n";
    return 2;
  }
  const auto app = ensureApplication();
  if (!exportBalanceTemplate(*input, language, QString::fromStdString(path))) {
    err << cannotWrite(path, language) << "\n";
    return 2;
  }
  return 0;
}

}  // namespace volantis4
