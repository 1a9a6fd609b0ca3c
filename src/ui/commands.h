#pragma once
// The window's commands: each one QAction, built once from one table row and shown in the main
// menu (File, Edit, Language, Info) and, where it has a button, on the tool bar beside the
// file-name label. Captions come from the language table.

#include <QIcon>
#include <QKeySequence>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "model/language.h"

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

namespace volantis4 {

/// Every command of the menu and the tool bar.
enum class Command {
  Open,
  RecentFiles,  // a submenu of the last files
  SaveAs,
  Save,
  Calc,  // tool bar only
  Print,
  ExportPdf,
  ExportTemplate,
  Exit,
  Undo,
  Redo,
  Wing1,
  Wing2,
  Wing3,
  Aircraft,
  CopyWing,
  InsertCopiedWing,
  Exchange1,
  Exchange2,
  Exchange3,
  Exchange4,
  Exchange5,
  LiveResults,  // checkable: a whole run after every geometry change
  StabilityReport,
  ReportDocked,  // checkable: the report as a dock beside the drawings
  ReportHelp,    // the page that explains the report's terms
  SwitchLanguage,
  French,   // hidden, disabled
  Spanish,  // hidden, disabled
  Info,
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Info) + 1;
/// The command `offset` places after `first` in a numbered run (Exchange1 + 2 = Exchange3).
constexpr Command nthCommand(Command first, int offset) {
  return static_cast<Command>(static_cast<int>(first) + offset);
}

/// Where a command stands in the main menu.
enum class MenuPlace { File, Edit, Analysis, Language, MenuBar, None };

/// A command's button on the tool bar (23 × 22 pixels at the top of the bar).
struct ToolBarButton {
  const char* name;  // objectName, SpeedButton1 … 5
  int x;             // left edge on the tool bar, pixels
  QIcon icon;
  TextId hint;  // the button's tooltip
};

/// One row of the command table: everything the window knows about one command. The rows'
/// order is the order of the menu items and of the tool-bar buttons.
struct CommandRow {
  Command command;
  const char* name;  // the action's objectName
  MenuPlace menu = MenuPlace::None;
  bool separatorBefore = false;
  std::optional<TextId> caption{};         // menu caption in either language
  std::optional<TextId> builtinCaption{};  // the caption the window is built with, where it differs
  std::optional<ToolBarButton> button{};
  bool enabled = true;  // at start
  bool visible = true;
  bool checkable = false;                // an on/off item; its slot runs on every toggle
  std::optional<Command> enabledWith{};  // enabled and disabled together with that command
  QKeySequence shortcut{};               // the standard key where there is one
  QKeySequence alternateShortcut{};      // a second key for the same command
  std::function<void()> slot{};          // runs when the command is triggered
};

class Commands {
 public:
  /// The command's action (shared by its menu item and its tool-bar button).
  QAction* action(Command command) const { return actions_[index(command)]; }
  /// Enables or disables the command everywhere it is shown, with the commands that follow it.
  void setEnabled(Command command, bool enabled);
  bool isEnabled(Command command) const;
  /// The menu captions and hints of `language`.
  void applyCaptions(Language language);
  /// The captions the window is built with.
  void applyBuiltinCaptions();
  /// A caption that changes while the program runs ("Undo edit of …"), keeping the mnemonic
  /// letter of the command's own caption, which it begins with.
  void setCaptionAfterMnemonic(Command command, const QString& caption);

  QLabel* Lab_FName = nullptr;  // the current file name, right-aligned on the tool bar

 private:
  friend Commands buildCommands(QMainWindow* window, QWidget* toolBar, std::vector<CommandRow> rows);
  static std::size_t index(Command command) { return static_cast<std::size_t>(command); }
  void setCaptions(Language language, bool builtin);

  std::vector<CommandRow> rows_;
  std::array<QAction*, kCommandCount> actions_{};
  std::array<qsizetype, kCommandCount> mnemonicAt_{};  // where the caption's '&' stands, -1: none
  std::array<QMenu*, 4> menus_{};                      // File, Edit, Analysis, Language
};

/// A menu text as it is shown: the mnemonic marker `&` removed (`&&` shows one `&`).
QString shownCaption(const QString& text);

/// Builds one action per row of `rows` (each command exactly once), the menu of `window` and the
/// tool bar on `toolBar` (a strip 22 pixels high), and connects each action to its slot.
Commands buildCommands(QMainWindow* window, QWidget* toolBar, std::vector<CommandRow> rows);

}  // namespace volantis4
