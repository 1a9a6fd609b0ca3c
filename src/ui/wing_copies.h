#pragma once
// The wing clipboard in the window: "copy wing N" and "insert copied wing" on the wing pages and
// in the Edit menu, the copied-wing flags and the insert buttons they enable.

#include <QObject>
#include <array>
#include <functional>

#include "files/file_error.h"
#include "files/wing_clipboard.h"
#include "model/document.h"

namespace volantis4 {

class Commands;
class UndoHistory;
class WingPage;

class WingCopies : public QObject {
 public:
  /// What the window does around the clipboard: the wing of the active page (0: none), a refused
  /// file shown, and the wing shown again after an insert.
  struct Window {
    std::function<int()> activeWing;
    std::function<void(const FileError&)> showError;
    std::function<void(int w)> inserted;
  };

  WingCopies(const std::array<WingPage*, kWingCount>& pages, Commands& commands, Document& doc, UndoHistory& history,
             Window window, QObject* parent = nullptr);

  /// The clipboard file looked at (start and Open): the flags and the insert buttons follow it.
  /// `start`: the insert buttons of pages 4 and 5 keep their built-in state without a file.
  void checkClipboard(bool start);
  /// A copied wing can be inserted (Edit > Insert Copied Wing on wing pages 1-3).
  bool insertAvailable() const { return copied_.insertAvailable(); }
  /// Wing w's "copy wing" button; Edit > Copy Wing (`fromMenu`) copies the active page's wing.
  void copy(int w, bool fromMenu = false);
  /// The copied wing into wing w, as one step.
  void insert(int w);

 private:
  void setInsertEnabled(bool enabled);

  std::array<WingPage*, kWingCount> pages_;
  Commands& commands_;
  Document& doc_;
  UndoHistory& history_;
  Window window_;
  CopiedWingFlags copied_;  // copied-wing flags of pages 1-5
};

}  // namespace volantis4
