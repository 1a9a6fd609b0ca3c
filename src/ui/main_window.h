#pragma once
// The main window (TForm1): owns the one document and every control, routes each event to the
// core procedure that handles it and then shows what the document holds. Each feature's glue is a
// class of its own: the Aircraft page's drawings, the planform drags, live results, the report
// window, the exports, the fuselage page, the wing clipboard and the recent files.

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

#include "model/document.h"
#include "model/form.h"
#include "ui/commands.h"
#include "ui/dialogs.h"

class QPlainTextEdit;
class QTabWidget;

namespace volantis4 {

/// Who asked for a geometry refresh: printing keeps the print commands enabled, and the result
/// overlay after Open shows no lattice.
enum class Sender { Other, PositionField, WingsCount, Run, Print, Open, Resize, Exchange };

class AircraftPage;
class AircraftViews;
class Exports;
class FieldFeedback;
class FuselagePage;
class FuselagePresenter;
class InfoWindow;
class LiveResults;
class PlanformDrag;
class PrinterDialog;
class RecentFiles;
class ReportPresenter;
class UndoHistory;
class WingCopies;
class WingPage;
struct AircraftState;
struct FileError;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  /// Builds the window and runs its start-up (Create1): defaults file, remarks, five wings, the
  /// file named by `arguments` (program name excluded) when there is exactly one, Calc, and
  /// German when the defaults say so. `dialogs` answers the file dialogs and questions
  /// (null: the real dialogs).
  explicit MainWindow(const QStringList& arguments = {}, std::unique_ptr<Dialogs> dialogs = nullptr);
  ~MainWindow() override;

  const Document& document() const { return doc_; }
  /// The information window that Info fills and shows.
  void setInfoWindow(InfoWindow* info) { info_ = info; }
  /// The printer window that Print fills and shows.
  void setPrinterWindow(PrinterDialog* printer);
  /// The current file name, as shown in Lab_FName.
  const std::string& fileName() const { return doc_.fileName; }
  /// True when the aircraft (fields, buttons, remarks) differs from the one last opened or saved.
  bool hasUnsavedChanges() const { return volantis4::hasUnsavedChanges(doc_); }
  /// Moves the whole frame onto the available area of the window's screen (done at start, again
  /// once the window manager has put its frame around it); where the designed minimum does not
  /// fit, the window fits the area (wide enough for the client's vertical scroll bar where there is
  /// room) and its client scrolls.
  void fitOnScreen();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class RunProgress;

  // Construction and start-up (main_window.cpp).
  void buildWindow();
  void connectControls();
  std::vector<CommandRow> commandTable();
  void Create1(const QStringList& arguments);
  WingPage* page(int w) const { return wingPages_[wingIndex(w)]; }
  /// The wing of the active page, 0 on the Aircraft, Fuselage and Remarks pages.
  int activeWing() const;

  // Edits, undo and what they refresh (main_window_edits.cpp).
  void fieldEdited(FieldKey key, const QString& text);
  void trapeziaClicked(int w, int t);
  void wingsCountClicked(int n);
  /// Takes the aircraft to `target` as the user would: the wing-count button, each wing's
  /// trapezium button, then each field whose text differs; the balance inputs as typed.
  void restoreAircraft(const AircraftState& target);
  /// Edit > Undo and Redo: enabled when there is a step, captions naming it.
  void showUndoCommands();
  /// Called after every change of the geometry by the user: the file name, and live results.
  void geometryChanged();
  void runCalc(Sender sender);
  void afterWingRecomputation(int w);
  void afterCalc(Sender sender);
  /// Wing w's labels and planform after its recomputation; `planformOnly`: the planform alone,
  /// as the language refresh redraws it (no command changes its state).
  void showWing(int w, bool planformOnly = false);
  void showWingsCount(int n);
  void showForm();
  /// Sets a field's text from code without running its handler again.
  void showTextOf(FieldKey key, const QString& text);
  /// Export balance template: enabled with a complete run of the aircraft as it stands, else its
  /// tooltip says to calculate.
  void showTemplateCommand();

  // Commands (main_window_commands.cpp).
  /// The Calculate command: the run on the window's thread, the heights it moves as one step.
  void Button4Click();
  /// The document's run as it stands, after Calculate, a live run (`live`: the views keep their
  /// size) or an undo that brought results back: per-wing results, overlay, printing, and whether
  /// Calculate has anything left to do.
  void showResults(bool live = false);
  void PageControl1Change();
  /// Activates a page from code; only the Aircraft page runs the page-change handler then.
  void showPage(QWidget* sheet);
  /// `english` and `deutsch`: the caption set of `language`, then the refresh, in a fixed order.
  void applyLanguage(Language language);
  /// The views follow the page size; `sender` is the command the resize runs for (Print keeps printing).
  void FormResize(Sender sender = Sender::Resize);

  // Files (main_window_files.cpp).
  /// Open: `named` (a recent or dropped file) or the file chosen in the open dialog.
  void Load1Click(Sender sender, const QString& named = {});
  void Save1Click(bool saveAs);
  bool saveTo();
  /// Asks "Save changes to NAME?" when the aircraft has changed; false when the command must stop.
  bool maySetAsideChanges();
  /// A read aircraft shown as the buttons and fields would take it, with a fresh history.
  void showLoaded();
  void reportFileError(const FileError& error);
  /// Lab_FName: the current file name, with an asterisk while there are unsaved changes.
  void showFileName();
  void exchangeWings(int k);

  Document doc_;
  std::unique_ptr<Dialogs> dialogs_;
  InfoWindow* info_ = nullptr;
  bool screenScale96_ = false;    // the screen reports 96 logical pixels per inch
  QSize designMinimum_;           // the designed minimum size, without the frame
  bool placedWithFrame_ = false;  // the placement after the first show has been queued
  QMargins placedFrame_;          // the frame the last placement reckoned with (none until the manager tells)
  bool resizing_ = false;

  QWidget* client_ = nullptr;  // tool bar and page control, inside the scroll area
  QWidget* toolBar_ = nullptr;
  QTabWidget* pageControl_ = nullptr;
  AircraftPage* aircraftPage_ = nullptr;
  std::array<WingPage*, kWingCount> wingPages_{};
  FuselagePage* fuselagePage_ = nullptr;
  QWidget* remarksPage_ = nullptr;
  QPlainTextEdit* memo2_ = nullptr;
  Commands commands_;

  UndoHistory* history_ = nullptr;
  FieldFeedback* feedback_ = nullptr;      // tooltips and warning frames of the fields
  AircraftViews* views_ = nullptr;         // top view, 3-D view, pressure, stability choice
  PlanformDrag* drag_ = nullptr;           // the mouse on the planform images
  WingCopies* copies_ = nullptr;           // the wing clipboard
  RecentFiles* recentFiles_ = nullptr;     // File > Recent files
  Exports* exports_ = nullptr;             // Print, Export PDF, Export balance template
  FuselagePresenter* fuselage_ = nullptr;  // the fuselage page
  // These two go before the document they read (and before the window's other children).
  std::unique_ptr<LiveResults> live_;        // Analysis > Live results
  std::unique_ptr<ReportPresenter> report_;  // Analysis > Stability report
};

}  // namespace volantis4
