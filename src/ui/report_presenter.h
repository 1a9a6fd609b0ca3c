#pragma once
// Analysis > Stability report: the report over the document, made on first use, in a window of
// its own (fitted to the screen) or in a dock beside the drawings (the choice kept from one start
// of the program to the next); the weighing typed into it kept with the aircraft, each input a step
// of its own; and the page that explains its terms.

#include <QObject>
#include <functional>

#include "model/document.h"

class QAction;
class QDockWidget;
class QMainWindow;

namespace volantis4 {

class HelpWindow;
class ReportWindow;
class UndoHistory;

class ReportPresenter : public QObject {
 public:
  /// The report of `doc` (whose balance inputs it writes) beside `window`; `docked` is the
  /// checkable command that puts it in a dock (its state read from the settings); `changed` runs
  /// after each change of the balance inputs.
  ReportPresenter(QMainWindow* window, Document& doc, UndoHistory& history, QAction* docked,
                  std::function<void()> changed);
  /// The report goes before the document it reads.
  ~ReportPresenter() override;

  /// Opens (or raises) the report, in its window or its dock.
  void show();
  /// The report, when made, shows the document as it stands now; the help page its language.
  void follow();
  /// The dock command was toggled: the report moves there or back to its window, as it was shown.
  void dockToggled();
  /// The page that explains the report's terms, in the language in force.
  void showHelp();

 private:
  void make();
  void placeWindow();

  QMainWindow* window_;
  Document& doc_;
  UndoHistory& history_;
  QAction* docked_;
  std::function<void()> changed_;
  ReportWindow* report_ = nullptr;  // made on first use
  QDockWidget* dock_ = nullptr;
  HelpWindow* help_ = nullptr;
  bool placed_ = false;  // the window has been fitted to the screen once
};

}  // namespace volantis4
