#pragma once
// A scripted printer list for the printer window's and the main window's tests: it records the
// settings the window makes and the pages it draws.

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "ui/print_layer.h"

namespace volantis4 {

class StandInPrintLayer : public PrintLayer {
 public:
  struct Printer {
    QString name;
    std::vector<std::pair<int, int>> resolutions;  // (x dpi, y dpi)
    int colourCount = 2;
  };
  explicit StandInPrintLayer(std::vector<Printer> printers, int current = 0)
      : printers_(std::move(printers)), current_(printers_.empty() ? -1 : current) {
    colour_ = colourCount() >= 2;
  }

  bool printerAvailable() const override { return !printers_.empty(); }
  bool serviceRunning() const override { return serviceUp; }
  QStringList printerNames() const override {
    QStringList names;
    for (const Printer& p : printers_) names << p.name;
    return names;
  }
  int currentPrinterIndex() const override { return current_; }
  void selectPrinter(int index) override {
    if (index == current_ || index < 0 || index >= static_cast<int>(printers_.size())) return;
    current_ = index;
    appliedResolution = -1;
    colour_ = colourCount() >= 2;
  }
  int resolutionCount() const override { return current() ? static_cast<int>(current()->resolutions.size()) : 0; }
  int xDpi(int index) const override { return resolution(index).first; }
  int yDpi(int index) const override { return resolution(index).second; }
  int colourCount() const override { return current() ? current()->colourCount : 0; }
  void setResolutionIndex(int index) override {
    if (!printerAvailable() || index < 0 || index >= resolutionCount()) return;
    appliedResolution = index;
  }
  bool colour() const override { return colour_; }
  void setColour(bool colour) override {
    ++colourWrites;
    colour_ = colour && colourCount() >= 2;
  }
  bool beginDocument() override {
    if (!printerAvailable() || !acceptJobs) return false;
    ++documentsBegun;
    return true;
  }
  void drawPage(Rect target, const PageDrawing& /*page*/) override { drawnTargets.push_back(target); }
  bool endDocument() override {
    ++documentsEnded;
    return true;
  }

  // What the window did.
  int appliedResolution = -1;  // last accepted resolution index
  int colourWrites = 0;        // calls of setColour
  int documentsBegun = 0;
  int documentsEnded = 0;
  std::vector<Rect> drawnTargets;
  bool acceptJobs = true;
  bool serviceUp = true;  // false: the print service does not answer

 private:
  const Printer* current() const {
    if (current_ < 0 || current_ >= static_cast<int>(printers_.size())) return nullptr;
    return &printers_[static_cast<std::size_t>(current_)];
  }
  // (x, y) dpi of resolution `index`; (0, 0) out of range.
  std::pair<int, int> resolution(int index) const {
    if (index < 0 || index >= resolutionCount()) return {0, 0};
    return current()->resolutions[static_cast<std::size_t>(index)];
  }

  std::vector<Printer> printers_;
  int current_;
  bool colour_ = false;
};

}  // namespace volantis4
