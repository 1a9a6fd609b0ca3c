#include "ui/exports.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "analysis/report_lines.h"
#include "analysis/stability_report.h"
#include "model/text_fill.h"
#include "print/balance_template.h"
#include "print/pdf_export.h"
#include "ui/dialogs.h"
#include "ui/printer_window.h"
#include "ui/widgets.h"

namespace volantis4 {
namespace {

// An export's dialog title: the menu caption without its "…".
QString titleOf(TextId caption, Language language) {
  QString title = qtext(caption, language);
  if (title.endsWith(QChar(0x2026))) title.chop(1);
  return title;
}

// The suggested name of an export: the aircraft file's name with `suffix` and ".pdf", in its
// folder; "Volantis4" for an aircraft not yet saved.
QString suggestedName(const Document& doc, const QString& suffix) {
  if (doc.fileName == kUnknownFileName) return QStringLiteral("Volantis4") + suffix + QStringLiteral(".pdf");
  const QFileInfo file(qs(doc.fileName));
  return file.dir().filePath(file.completeBaseName() + suffix + QStringLiteral(".pdf"));
}

}  // namespace

Exports::Exports(QWidget* window, Document& doc, Dialogs& dialogs, std::function<PageDrawing()> summary,
                 std::function<void()> relayout, std::function<bool()> manualChoice)
    : QObject(window),
      window_(window),
      doc_(doc),
      dialogs_(dialogs),
      summary_(std::move(summary)),
      relayout_(std::move(relayout)),
      manualChoice_(std::move(manualChoice)) {}

void Exports::print() {
  const PageDrawing page = summary_();
  if (printer_) {
    printer_->setPage(page, doc_.run.solver_wings_count);
    printer_->setLanguage(doc_.language);
    printer_->show();
    printer_->raise();
  }
  relayout_();
}

// A 600-dpi printer's placement. The file is asked for first: a cancelled dialog changes nothing.
// The stability report of a complete run follows on pages of its own; the summary's own Calc
// leaves the lattice behind, so the report is taken over the run before it. Without one the
// window says why the report pages are missing.
void Exports::exportPdf() {
  const QString path = dialogs_.pdfFileName(window_, titleOf(TextId::MenuExportPdf, doc_.language),
                                            suggestedName(doc_, QString()), doc_.language);
  if (path.isEmpty()) return;
  const std::optional<ReportBasis> basis = reportBasis(doc_);
  const PageDrawing page = summary_();
  relayout_();
  ReportPages report{.title = {}, .parts = {}, .fileName = doc_.fileName, .date = {}, .language = doc_.language};
  if (basis) {
    report.title = std::string(text(TextId::ReportTitle, doc_.language));
    report.parts = reportBlocks(fullReport(*basis, doc_), doc_.language);
  }
  if (const auto error = exportSummaryPdf(page, doc_.run.solver_wings_count, path, report)) {
    cannotWrite(*error);
  } else if (!basis) {
    dialogs_.showFileError(window_, qtext(TextId::PdfReportLeftOut, doc_.language));
  }
}

// The manual centre of gravity is marked when that margin is chosen, else the pair.
void Exports::exportTemplate() {
  const std::optional<TemplateInput> input = templateInputOf(doc_, manualChoice_());
  if (!input) {
    dialogs_.showFileError(window_, qtext(TextId::TemplateNoRun, doc_.language));
    return;
  }
  const QString path = dialogs_.pdfFileName(window_, titleOf(TextId::MenuExportTemplate, doc_.language),
                                            suggestedName(doc_, QStringLiteral("-balance")), doc_.language);
  if (path.isEmpty()) return;
  if (const auto error = exportBalanceTemplate(*input, doc_.language, path)) cannotWrite(*error);
}

void Exports::cannotWrite(const FileError& error) {
  dialogs_.showFileError(window_, qs(renderFileError(error, doc_.language)));
}

}  // namespace volantis4
