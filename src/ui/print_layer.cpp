#include "ui/print_layer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#ifdef VOLANTIS4_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace volantis4 {

// The open job: the painter on the printer between beginDocument and endDocument.
struct QtPrintLayer::Job {
  QPainter painter;
};

QtPrintLayer::QtPrintLayer() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  names_ = QPrinterInfo::availablePrinterNames();
  if (names_.isEmpty()) return;
  const int preferred = static_cast<int>(names_.indexOf(QPrinterInfo::defaultPrinterName()));
  current_ = preferred >= 0 ? preferred : 0;
  load();
}

QtPrintLayer::~QtPrintLayer() = default;

void QtPrintLayer::refresh() {
  if (job_) return;
  const QString currentName = current_ >= 0 ? names_.at(current_) : QString();
  const QStringList names = QPrinterInfo::availablePrinterNames();
  if (names == names_) return;
  names_ = names;
  const int kept = static_cast<int>(names_.indexOf(currentName));
  if (names_.isEmpty()) {
    current_ = -1;
    resolutions_.clear();
    colourCount_ = 0;
    return;
  }
  const int preferred = static_cast<int>(names_.indexOf(QPrinterInfo::defaultPrinterName()));
  current_ = kept >= 0 ? kept : preferred >= 0 ? preferred : 0;
  if (kept < 0) load();
}

bool QtPrintLayer::printerAvailable() const { return !names_.isEmpty(); }

QStringList QtPrintLayer::printerNames() const { return names_; }

void QtPrintLayer::selectPrinter(int index) {
  if (index == current_ || index < 0 || index >= names_.size()) return;
  current_ = index;
  load();
}

// Reads the current printer's resolutions and colour modes and starts from its defaults.
void QtPrintLayer::load() {
  const QPrinterInfo info = QPrinterInfo::printerInfo(names_.at(current_));
  printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  resolutions_.clear();
  for (int dpi : info.supportedResolutions())
    if (dpi > 0) resolutions_.push_back(dpi);
  colourCount_ = info.supportedColorModes().contains(QPrinter::Color) ? 2 : 1;
  printer_->setColorMode(colourCount_ >= 2 && info.defaultColorMode() == QPrinter::Color ? QPrinter::Color
                                                                                         : QPrinter::GrayScale);
}

int QtPrintLayer::xDpi(int index) const {
  if (index < 0 || index >= resolutionCount()) return 0;
  return resolutions_[static_cast<std::size_t>(index)];
}

void QtPrintLayer::setResolutionIndex(int index) {
  if (!printerAvailable() || index < 0 || index >= resolutionCount()) return;
  printer_->setResolution(xDpi(index));
}

bool QtPrintLayer::colour() const { return printer_->colorMode() == QPrinter::Color; }

void QtPrintLayer::setColour(bool colour) {
  if (colourCount_ < 2) colour = false;
  printer_->setColorMode(colour ? QPrinter::Color : QPrinter::GrayScale);
}

bool QtPrintLayer::beginDocument() {
  if (!printerAvailable() || job_) return false;
  // Device coordinates from the paper's corner, as the page placement is measured.
  printer_->setFullPage(true);
  printer_->setDocName(QStringLiteral("Volantis4"));
  job_ = std::make_unique<Job>();
  if (!job_->painter.begin(printer_.get())) {
    job_.reset();
    return false;
  }
  return true;
}

void QtPrintLayer::drawPage(Rect target, const PageDrawing& page) {
  if (!job_) return;
  drawPageOnPainter(job_->painter, target, page);
}

bool QtPrintLayer::endDocument() {
  if (!job_) return false;
  bool ok = job_->painter.end();
  job_.reset();
#ifdef VOLANTIS4_HAVE_CUPS
  // Qt hands the job to the print service inside end() and drops the service's answer; it stays
  // behind as the last status of the service library on this thread.
  if (ok && printer_->outputFormat() == QPrinter::NativeFormat) ok = cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
#endif
  return ok;
}

}  // namespace volantis4
