#pragma once
// The main window (TForm1): owns the one document and every control, routes each event to the
// core procedure that handles it and then shows what the document holds.

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "files/wing_clipboard.h"
#include "model/document.h"
#include "model/form.h"
#include "model/planform_editing.h"
#include "model/planform_mapping.h"
#include "ui/commands.h"
#include "ui/dialogs.h"
#include "views/lattice_display.h"
#include "views/three_d_view.h"
#include "views/top_view.h"

class QPlainTextEdit;
class QTabWidget;

namespace volantis4 {

/// Who asked for a geometry refresh: printing keeps the print commands enabled, and the result
/// overlay after Open shows no lattice.
enum class Sender { Other, PositionField, WingsCount, Run, Print, Open, Resize, Exchange };

class AircraftPage;
class FieldFeedback;
class RecentFiles;
class InfoWindow;
class PrinterDialog;
class UndoHistory;
struct AircraftState;
class ReportWindow;
class WingPage;
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
  void setPrinterWindow(PrinterDialog* printer) { printer_ = printer; }
  /// The current file name, as shown in Lab_FName.
  const std::string& fileName() const { return doc_.fileName; }
  /// True when the aircraft (fields, buttons, remarks) differs from the one last opened or saved.
  bool hasUnsavedChanges() const { return volantis4::hasUnsavedChanges(doc_); }
  /// Moves the whole frame onto the available area of the window's screen (done at start, again
  /// once the frame is known); where the designed minimum does not fit, the window fits the area
  /// and its client scrolls.
  void fitOnScreen();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class RunProgress;

  // Construction (main_window.cpp).
  void buildWindow();
  void connectControls();
  std::vector<CommandRow> commandTable();
  void copyWingClick();
  void insertCopiedWingClick();
  void Create1(const QStringList& arguments);
  WingPage* page(int w) const { return wingPages_[wingIndex(w)]; }
  /// The wing of the active page, 0 on the Aircraft and Remarks pages.
  int activeWing() const;
  /// Analysis > Live results: read at start, kept in the user's settings when toggled.
  void restoreLiveResults();
  void liveResultsToggled();
  /// Called after every change of the geometry by the user; runs the calculation when live.
  void geometryChanged();
  /// Ctrl+Tab and Ctrl+Shift+Tab: the next or previous page whose tab is shown, round the end.
  void stepPage(int step);

  // Undo and redo (main_window_edits.cpp).
  /// Takes the aircraft to `target`: the form through the handlers of the buttons and fields that
  /// differ, the balance inputs as the report window's fields would give them.
  void restoreAircraft(const AircraftState& target);
  void restoreForm(const Form& target);
  /// Edit > Undo and Redo: enabled when there is a step, captions naming it.
  void showUndoCommands();

  // Edits and what they refresh (main_window_edits.cpp).
  void fieldEdited(FieldKey key, const QString& text);
  void trapeziaClicked(int w, int t);
  void wingsCountClicked(int n);
  void remarksEdited();
  void runCalc(Sender sender);
  void afterWingRecomputation(int w);
  void afterCalc(Sender sender);
  void showWing(int w);
  void drawWingPlanform(int w);
  void drawSketch(int w);
  void Space1();
  void showWingsCount(int n);
  void showForm();
  void showMessagePanel();
  void showFieldText(FieldKey key);
  void showTextOf(FieldKey key, const QString& text);
  void drawTopView();
  void drawFlightDirection();
  void draw3d();
  void draw3dState();
  PressureDisplay pressure() const;
  TopViewInput topViewNow() const;

  // Commands (main_window_commands.cpp).
  /// The Calculate command; a live run neither switches to the Aircraft page nor beeps.
  void Button4Click(bool live = false);
  void STABIL(Sender sender);
  void stabilityModeClicked(bool manual);
  void CheckBoxAClick(bool ticked);
  void marginEdited(const QString& text);
  void resetZoom();
  void marginSliderMoved(int position);
  void PageControl1Change();
  void showPage(QWidget* sheet);
  void editWingClick(int w);
  void aircraft1Click();
  void BitBtn1Click();
  void german1Click();
  void applyLanguage(Language language);
  /// Analysis > Stability report: opens (or raises) the modeless report window.
  void showStabilityReport();
  /// The report window, when open, shows the document as it stands now.
  void reportFollows();
  /// The views follow the page size; `sender` is the command the resize runs for (Print keeps printing).
  void FormResize(Sender sender = Sender::Resize);
  void repaintNow();

  // Mouse on the views (main_window_mouse.cpp).
  void connectViewMouse();
  void zoomChanged(int zoom);
  void magnificationChanged(int position);
  void connectPlanformMouse(int w);
  int planformHitAt(int w, int x, int y) const;
  void planformPressed(int w, int x, int y);
  void planformMoved(int w, int x, int y, Qt::MouseButtons buttons, bool shiftAlone);
  /// The field writes of the drag that began at the last press, with the pointer now at (x, y).
  std::vector<FieldWrite> planformWrites(int w, int x, int y, bool shiftAlone) const;
  void planformReleased(int w, int x, int y, bool shiftAlone);

  // Files (main_window_files.cpp).
  /// Open: `named` (a recent or dropped file) or the file chosen in the open dialog.
  void Load1Click(Sender sender, const QString& named = {});
  void Save1Click(bool saveAs);
  bool saveTo();
  void loadCommandLineFile(const QString& argument);
  bool maySetAsideChanges();
  void showLoaded();
  void reportFileError(const FileError& error);
  /// Lab_FName: the current file name, with an asterisk while there are unsaved changes.
  void showFileName();
  void readDefaultsFile();
  void writeDefaultsFile();
  void copyWing(int w);
  void insertCopiedWing(int w);
  void exchangeWings(int k);
  void Button6Click();
  /// The summary page of the document now, pictures drawn: for the printer window and the PDF.
  std::function<void(Canvas&)> summaryPage();
  void exportPdfClick();
  void exportTemplateClick();
  void setInsertEnabled(bool enabled);

  Document doc_;
  bool screenScale96_ = false;                                  // the screen reports 96 logical pixels per inch
  CopiedWingFlags copied_;                                      // copied-wing flags of pages 1-5
  std::array<PlanformMapping, kWingCount> planformMappings_{};  // kept for the mouse editing
  std::unique_ptr<Dialogs> dialogs_;
  InfoWindow* info_ = nullptr;
  PrinterDialog* printer_ = nullptr;
  ReportWindow* report_ = nullptr;  // made on first use
  TopViewState topView_;
  ThreeDState threeD_;

  QSize designMinimum_;           // the designed minimum size, without the frame
  bool placedWithFrame_ = false;  // the placement after the first show has been queued
  QWidget* client_ = nullptr;     // tool bar and page control, inside the scroll area
  QWidget* toolBar_ = nullptr;
  QTabWidget* pageControl_ = nullptr;
  AircraftPage* aircraftPage_ = nullptr;
  std::array<WingPage*, kWingCount> wingPages_{};
  QWidget* remarksPage_ = nullptr;
  QPlainTextEdit* memo2_ = nullptr;
  Commands commands_;
  UndoHistory* history_ = nullptr;
  bool dragOpen_ = false;               // a press on a planform began a step that its release ends
  FieldFeedback* feedback_ = nullptr;   // tooltips and warning frames of the fields
  RecentFiles* recentFiles_ = nullptr;  // File > Recent files
  bool resizing_ = false;
  bool livePending_ = false;  // a live run waits for the idle event loop
  int grabbed_ = 0;           // planform corner grabbed by the last press (shared by the five images)
  QPoint pressedAt_;          // where that press was
  Wing pressedWing_{};        // the grabbed wing as it was read at the press
  std::string pressedGap_;    // its gap field's text then
  double pressedScale_ = 0;   // and the scale of its planform image then
  bool dragging_ = false;     // a press on a corner waits for its release
};

}  // namespace volantis4
