#pragma once
// The summary page handed on: to the printer window (Print), as a PDF with the stability report
// (Export PDF…), and the balance template (Export balance template…).

#include <QObject>
#include <functional>

#include "files/file_error.h"
#include "model/document.h"
#include "print/page_drawing.h"

class QWidget;

namespace volantis4 {

class Dialogs;
class PrinterDialog;

class Exports : public QObject {
 public:
  /// Over `doc`, asking through `dialogs` with `window` as their parent. `summary` prepares and
  /// returns the summary page of the document now (pictures drawn), `relayout` lays the views out
  /// again after it, and `manualChoice` tells whether the manual margin is chosen.
  Exports(QWidget* window, Document& doc, Dialogs& dialogs, std::function<PageDrawing()> summary,
          std::function<void()> relayout, std::function<bool()> manualChoice);

  /// The printer window that Print fills and shows.
  void setPrinterWindow(PrinterDialog* printer) { printer_ = printer; }
  /// File > Print: the summary page handed to the printer window.
  void print();
  /// File > Export PDF…: the summary page as a one-page A4 PDF, with the report of a complete run.
  void exportPdf();
  /// File > Export balance template…: the reference wing's root region at true scale.
  void exportTemplate();

 private:
  void cannotWrite(const FileError& error);

  QWidget* window_;
  Document& doc_;
  Dialogs& dialogs_;
  std::function<PageDrawing()> summary_;
  std::function<void()> relayout_;
  std::function<bool()> manualChoice_;
  PrinterDialog* printer_ = nullptr;
};

}  // namespace volantis4
