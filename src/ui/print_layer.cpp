#include "ui/print_layer.h"

#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include "model/numbers.h"
#include "print/paper.h"

#ifdef VOLANTIS4_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace volantis4 {
namespace {

// Whether the print service answers at all: without it the printer list is empty even where
// printers are installed.
bool printServiceAnswers() {
#ifdef VOLANTIS4_HAVE_CUPS
  http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
  if (http == nullptr) return false;
  httpClose(http);
#endif
  return true;
}

// Qt's CUPS print engine adds these name/value pairs to the job's options (its PPK_CupsOptions);
// other engines ignore the key.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The printer's resolutions with both axes as the print service lists them (a PPD's "300x600dpi"
// stays 300 × 600); empty when the service does not say.
std::vector<std::pair<int, int>> serviceResolutions(const QString& printerName) {
  std::vector<std::pair<int, int>> found;
#ifdef VOLANTIS4_HAVE_CUPS
  const QStringList parts = printerName.split(QLatin1Char('/'));  // queue/instance
  const QByteArray queue = parts.value(0).toLocal8Bit();
  const QByteArray instance = parts.value(1).toLocal8Bit();
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  if (cups_dest_t* dest =
          cupsGetDest(queue.constData(), instance.isEmpty() ? nullptr : instance.constData(), count, dests)) {
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
      ipp_attribute_t* supported = cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
      for (int i = 0; supported != nullptr && i < ippGetCount(supported); ++i) {
        int y = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        int x = ippGetResolution(supported, i, &y, &units);
        if (units == IPP_RES_PER_CM) {
          x = roundHalfEven(x * 2.54);
          y = roundHalfEven(y * 2.54);
        }
        if (x > 0 && y > 0) found.emplace_back(x, y);
      }
      cupsFreeDestInfo(info);
    }
  }
  cupsFreeDests(count, dests);
#else
  (void)printerName;
#endif
  return found;
}

// The print service's name of a resolution: "600dpi", or "300x600dpi" for one of two axes.
QString resolutionOption(std::pair<int, int> dpi) {
  const std::string x = formatInt(dpi.first);
  return QString::fromStdString(dpi.first == dpi.second ? x + "dpi" : x + "x" + formatInt(dpi.second) + "dpi");
}

}  // namespace

// The open job: the painter on the printer between beginDocument and endDocument.
struct QtPrintLayer::Job {
  QPainter painter;
};

QtPrintLayer::QtPrintLayer() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  names_ = QPrinterInfo::availablePrinterNames();
  serviceRunning_ = !names_.isEmpty() || printServiceAnswers();
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
  serviceRunning_ = !names.isEmpty() || printServiceAnswers();
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
  printer_->setPageSize(pageSizeOf(paperOf(info.defaultPageSize())));
  resolutions_ = serviceResolutions(names_.at(current_));
  if (resolutions_.empty())
    for (int dpi : info.supportedResolutions())
      if (dpi > 0) resolutions_.emplace_back(dpi, dpi);
  colourCount_ = info.supportedColorModes().contains(QPrinter::Color) ? 2 : 1;
  printer_->setColorMode(colourCount_ >= 2 && info.defaultColorMode() == QPrinter::Color ? QPrinter::Color
                                                                                         : QPrinter::GrayScale);
}

int QtPrintLayer::xDpi(int index) const {
  if (index < 0 || index >= resolutionCount()) return 0;
  return resolutions_[static_cast<std::size_t>(index)].first;
}

int QtPrintLayer::yDpi(int index) const {
  if (index < 0 || index >= resolutionCount()) return 0;
  return resolutions_[static_cast<std::size_t>(index)].second;
}

// The page is laid out in horizontal device pixels (pagePlacement); the service gets both axes.
void QtPrintLayer::setResolutionIndex(int index) {
  if (!printerAvailable() || index < 0 || index >= resolutionCount()) return;
  const std::pair<int, int> dpi = resolutions_[static_cast<std::size_t>(index)];
  printer_->setResolution(dpi.first);
  printer_->printEngine()->setProperty(kCupsOptions,
                                       QStringList{QStringLiteral("printer-resolution"), resolutionOption(dpi)});
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
