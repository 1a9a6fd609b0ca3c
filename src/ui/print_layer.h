#pragma once
// The print layer the printer window works through: the installed printers, the current one's
// resolutions and colour capability, its print quality and colour settings, and one print job
// with one page. QtPrintLayer reaches the platform's printer service (CUPS).

#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#include "print/page_drawing.h"

class QPrinter;

namespace volantis4 {

/// The printer operations the printer window relies on.
class PrintLayer {
 public:
  virtual ~PrintLayer() = default;

  /// Re-reads the installed printers, keeping the current one when it is still there.
  virtual void refresh() {}
  /// True when at least one printer is installed.
  virtual bool printerAvailable() const = 0;
  /// False when the print service itself does not answer (as of the last refresh): then no
  /// printer is listed, whatever is installed.
  virtual bool serviceRunning() const { return true; }
  /// The installed printers' names.
  virtual QStringList printerNames() const = 0;
  /// Index of the current printer in printerNames(); −1 without a printer.
  virtual int currentPrinterIndex() const = 0;
  /// Makes printer i current (nothing when it is already) and reloads its capabilities and settings.
  virtual void selectPrinter(int index) = 0;
  /// The current printer's supported resolutions.
  virtual int resolutionCount() const = 0;
  /// Horizontal and vertical dpi of resolution i; 0 for an index out of range.
  virtual int xDpi(int index) const = 0;
  virtual int yDpi(int index) const = 0;
  /// Colour capability: below 2 means monochrome only.
  virtual int colourCount() const = 0;
  /// Print quality := resolution i, sent with the next job; only with a printer and
  /// 0 <= i < resolutionCount().
  virtual void setResolutionIndex(int index) = 0;
  /// The colour setting; setting it is forced to false on a monochrome-only printer.
  virtual bool colour() const = 0;
  virtual void setColour(bool colour) = 0;

  /// Starts the one-page job; false when the printer refuses it.
  virtual bool beginDocument() = 0;
  /// Stretches the page into `target` (device pixels from the paper's top-left corner).
  virtual void drawPage(Rect target, const PageDrawing& page) = 0;
  /// Ends the job and sends it; false when it failed or the print service did not accept it.
  virtual bool endDocument() = 0;
};

/// The platform's printers through Qt's printing (QPrinterInfo, QPrinter, QPainter); with CUPS the
/// resolutions are read with both axes from the print service, and the chosen one and the paper
/// (A4, or Letter where the printer's paper is Letter) travel with the job.
class QtPrintLayer : public PrintLayer {
 public:
  /// Starts on the default printer, or the first one.
  QtPrintLayer();
  ~QtPrintLayer() override;

  void refresh() override;
  bool printerAvailable() const override;
  bool serviceRunning() const override { return serviceRunning_; }
  QStringList printerNames() const override;
  int currentPrinterIndex() const override { return current_; }
  void selectPrinter(int index) override;
  int resolutionCount() const override { return static_cast<int>(resolutions_.size()); }
  int xDpi(int index) const override;
  int yDpi(int index) const override;
  int colourCount() const override { return colourCount_; }
  void setResolutionIndex(int index) override;
  bool colour() const override;
  void setColour(bool colour) override;
  bool beginDocument() override;
  void drawPage(Rect target, const PageDrawing& page) override;
  bool endDocument() override;

  /// The device, for the job's title and tests.
  QPrinter& printer() { return *printer_; }

 private:
  void load();

  QStringList names_;
  int current_ = -1;
  std::vector<std::pair<int, int>> resolutions_;  // (x, y) dpi
  int colourCount_ = 0;
  bool serviceRunning_ = true;
  std::unique_ptr<QPrinter> printer_;
  struct Job;
  std::unique_ptr<Job> job_;
};

}  // namespace volantis4
