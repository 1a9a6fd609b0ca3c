#include "ui/commands.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolButton>
#include <stdexcept>

#include "ui/widgets.h"

namespace volantis4 {
namespace {

struct MenuTitle {
  const char* name;
  TextId caption;
};
// File, Edit, Analysis, Language: the order of MenuPlace and of the menu bar (Info follows them).
const std::array<MenuTitle, 4> kMenuTitles{{
    {"File1", TextId::MenuFile},
    {"EditMenu", TextId::MenuEdit},
    {"Analysis1", TextId::MenuAnalysis},
    {"Language1", TextId::MenuLanguage},
}};

// `icon` with its disabled look made here: the style's greyed copy of a black-and-white icon (the
// Print button's) looks just like the enabled one, so the disabled pixmaps are the normal ones at
// a third of their opacity, for the sizes of the bar at scale 1 and 2.
QIcon withFadedDisabled(const QIcon& icon) {
  QIcon out;
  for (const int side : {16, 32}) {
    const QPixmap normal = icon.pixmap(QSize(side, side), 1.0);
    QPixmap faded(normal.size());
    faded.fill(Qt::transparent);
    {
      QPainter painter(&faded);
      painter.setOpacity(0.35);
      painter.drawPixmap(0, 0, normal);
    }
    out.addPixmap(normal, QIcon::Normal);
    out.addPixmap(faded, QIcon::Disabled);
  }
  return out;
}

// A tool-bar button showing its command's action: tooltip (the hint) and enabled state follow the
// action. The icon is the button's own, so that the menu, which sizes its items for any action
// icon, keeps its narrow text-only items.
class CommandButton : public QToolButton {
 public:
  CommandButton(QWidget* toolBar, const ToolBarButton& button, QAction* action)
      : QToolButton(toolBar), icon_(withFadedDisabled(button.icon)) {
    setObjectName(QString::fromLatin1(button.name));
    setGeometry(button.x, 0, 23, 22);
    setAutoRaise(true);
    setIconSize(QSize(16, 16));
    setDefaultAction(action);
    setIcon(icon_);
  }

 protected:
  void actionEvent(QActionEvent* event) override {
    QToolButton::actionEvent(event);  // a changed action is taken over whole, icon included
    if (event->type() == QEvent::ActionChanged) setIcon(icon_);
  }

 private:
  QIcon icon_;
};

// Inside a line edit of any of the program's windows, a command's key goes to the command: the
// field would otherwise take Ctrl+Z (its own undo) or Ctrl+E (its end of line) for itself. Where
// no command takes the key (it is disabled, or a modal dialog is open), the field gets it after all.
class CommandKeysInFields : public QObject {
 public:
  CommandKeysInFields(QObject* parent, std::vector<QAction*> actions) : QObject(parent), actions_(std::move(actions)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride || !qobject_cast<QLineEdit*>(watched)) return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* a : actions_)
      if (a->isEnabled() && a->shortcuts().contains(pressed)) return true;  // left to the command's shortcut
    return false;
  }

 private:
  std::vector<QAction*> actions_;
};

// `caption` with a keyboard mnemonic on its first letter or digit not yet taken in `taken`; the
// menu shows the caption itself, the marked letter underlined. A caption with no free letter
// stays without one.
QString withMnemonic(const QString& caption, QString& taken) {
  QString marked = caption;
  marked.replace(QLatin1Char('&'), QStringLiteral("&&"));
  for (qsizetype i = 0; i < marked.size(); ++i) {
    const QChar c = marked[i].toLower();
    if (!c.isLetterOrNumber() || taken.contains(c)) continue;
    taken.append(c);
    return marked.insert(i, QLatin1Char('&'));
  }
  return marked;
}

// The place of the single '&' in a menu text, -1 when it has none.
qsizetype mnemonicPosition(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return i;
    ++i;
  }
  return -1;
}

}  // namespace

QString shownCaption(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    out.append(text[i]);
  }
  return out;
}

Commands buildCommands(QMainWindow* window, QWidget* toolBar, std::vector<CommandRow> rows) {
  Commands c;
  QMenuBar* bar = window->menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  for (std::size_t m = 0; m < kMenuTitles.size(); ++m) {
    c.menus_[m] = bar->addMenu(QString());
    c.menus_[m]->setObjectName(QString::fromLatin1(kMenuTitles[m].name));
  }
  // The file-name label lies under the buttons it overlaps and lets their clicks through.
  c.Lab_FName = makeLabel(toolBar, "Lab_FName", QRect(80, 4, 474, 14));
  c.Lab_FName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setTextStyle(c.Lab_FName, Qt::blue, false);
  c.Lab_FName->setAttribute(Qt::WA_TransparentForMouseEvents);

  for (const CommandRow& row : rows) {
    QAction*& built = c.actions_[Commands::index(row.command)];
    if (built) throw std::logic_error(std::string("command built twice: ") + row.name);
    auto* a = new QAction(window);
    built = a;
    a->setObjectName(QString::fromLatin1(row.name));
    if (row.alternateShortcut.isEmpty()) {
      a->setShortcut(row.shortcut);
    } else {
      a->setShortcuts({row.shortcut, row.alternateShortcut});
    }
    a->setShortcutContext(Qt::ApplicationShortcut);  // from every window of the program
    if (row.button) new CommandButton(toolBar, *row.button, a);
    if (row.menu == MenuPlace::MenuBar) {
      bar->addAction(a);
    } else if (row.menu != MenuPlace::None) {
      QMenu* menu = c.menus_[static_cast<std::size_t>(row.menu)];
      if (row.separatorBefore) menu->addSeparator();
      menu->addAction(a);
    }
    a->setVisible(row.visible);
    a->setCheckable(row.checkable);
    a->setEnabled(row.enabled);
    if (row.slot) QObject::connect(a, &QAction::triggered, window, row.slot);
  }
  for (std::size_t k = 0; k < kCommandCount; ++k)
    if (!c.actions_[k]) throw std::logic_error("a command has no row in the command table");
  qApp->installEventFilter(
      new CommandKeysInFields(window, std::vector<QAction*>(c.actions_.begin(), c.actions_.end())));
  c.rows_ = std::move(rows);
  c.applyBuiltinCaptions();
  return c;
}

void Commands::setEnabled(Command command, bool enabled) {
  action(command)->setEnabled(enabled);
  for (const CommandRow& row : rows_)
    if (row.enabledWith == command) action(row.command)->setEnabled(enabled);
}

void Commands::setCaptionAfterMnemonic(Command command, const QString& caption) {
  QString marked = caption;
  marked.replace(QLatin1Char('&'), QStringLiteral("&&"));
  const qsizetype at = mnemonicAt_[index(command)];
  if (at >= 0 && at < marked.size()) marked.insert(at, QLatin1Char('&'));
  action(command)->setText(marked);
}

bool Commands::isEnabled(Command command) const { return action(command)->isEnabled(); }

void Commands::applyCaptions(Language language) { setCaptions(language, false); }

void Commands::applyBuiltinCaptions() { setCaptions(Language::English, true); }

// Menu titles and items get mnemonics (Alt+F opens File), chosen afresh for each caption set so
// that no two entries of one menu, nor two titles of the menu bar, share a letter.
void Commands::setCaptions(Language language, bool builtin) {
  QString barTaken;
  std::array<QString, kMenuTitles.size()> menuTaken;
  for (std::size_t m = 0; m < kMenuTitles.size(); ++m)
    menus_[m]->setTitle(withMnemonic(qtext(kMenuTitles[m].caption, language), barTaken));
  for (const CommandRow& row : rows_) {
    QAction* a = action(row.command);
    const std::optional<TextId> caption = builtin && row.builtinCaption ? row.builtinCaption : row.caption;
    QString scratch;  // hidden items take no letter from the others
    QString* taken = &scratch;
    if (row.visible && row.menu == MenuPlace::MenuBar)
      taken = &barTaken;
    else if (row.visible && row.menu != MenuPlace::None)
      taken = &menuTaken[static_cast<std::size_t>(row.menu)];
    if (caption) {
      a->setText(withMnemonic(qtext(*caption, language), *taken));
      mnemonicAt_[index(row.command)] = mnemonicPosition(a->text());
    }
    if (row.button) a->setToolTip(qtext(row.button->hint, language));
  }
}

}  // namespace volantis4
