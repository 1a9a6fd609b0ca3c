#pragma once
// The main menu (File, Edit, Language, Info) and the tool bar of five buttons with the
// file-name label: built once, captions from the language table.

#include <QString>
#include <array>

#include "model/language.h"

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QToolButton;
class QWidget;

namespace volantis4 {

struct Commands {
  QMenu* fileMenu = nullptr;
  QAction* Open2 = nullptr;
  QAction* Save2 = nullptr;  // Save as
  QAction* Save3 = nullptr;  // Save
  QAction* Print1 = nullptr;
  QAction* ExportPdf1 = nullptr;  // the summary page as a PDF file, enabled with Print
  QAction* Exit1 = nullptr;
  QMenu* editMenu = nullptr;
  QAction* wing11 = nullptr;
  QAction* wing21 = nullptr;
  QAction* wing31 = nullptr;
  QAction* aircraft1 = nullptr;
  QAction* CopyWing1 = nullptr;
  QAction* InsertCopiedWing1 = nullptr;
  std::array<QAction*, 5> chng{};  // chng1 … chng5
  QMenu* languageMenu = nullptr;
  QAction* german1 = nullptr;
  QAction* french1 = nullptr;   // hidden, disabled
  QAction* spanish1 = nullptr;  // hidden, disabled
  QAction* Info1 = nullptr;
  // Tool bar SpeedButton1 … 5: Open File, Save File as, Save File, Calc, Print.
  std::array<QToolButton*, 5> speedButtons{};
  QLabel* Lab_FName = nullptr;

  /// Save on the tool bar and in the menu.
  void setSaveEnabled(bool enabled);
  /// Print on the tool bar and in the menu.
  void setPrintEnabled(bool enabled);
  /// The menu captions of `language`.
  void applyCaptions(Language language);
  /// The captions the window is built with.
  void applyBuiltinCaptions();
};

/// Builds the menu of `window` and the tool bar on `toolBar` (a strip 22 pixels high).
Commands buildCommands(QMainWindow* window, QWidget* toolBar);

}  // namespace volantis4
