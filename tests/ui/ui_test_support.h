#pragma once
// The real window driven offscreen: one QApplication, a fresh working folder per test (the
// defaults and clipboard files live there) and dialogs answered by a script.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "qt_app.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

/// A QString in GoogleTest's messages, as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace volantis4::testing_support {

/// The answers the dialogs give, and what they were asked.
struct DialogScript {
  QString openAnswer;    // the name chosen in the open dialog; empty: cancelled
  QString saveAnswer;    // the name chosen in the save dialog; empty: cancelled
  QString pdfAnswer;     // the name chosen for "Export PDF…" and the template; empty: cancelled
  QStringList pdfAsked;  // the export dialogs' titles and suggested names, two entries a dialog
  SaveAnswer changesAnswer = SaveAnswer::Cancel;
  int openAsked = 0;
  int saveAsked = 0;
  QStringList questions;  // the file names the unsaved-changes question named
  Language questionLanguage = Language::English;
  QStringList errors;  // messages of failed file operations
  bool openKeptCopyAnswer = false;
  QStringList keptCopyQuestions;  // the refusals the question about a kept copy showed
};

class ScriptedDialogs : public Dialogs {
 public:
  explicit ScriptedDialogs(std::shared_ptr<DialogScript> script) : script_(std::move(script)) {}
  QString openFileName(QWidget*) override {
    ++script_->openAsked;
    return script_->openAnswer;
  }
  QString saveFileName(QWidget*) override {
    ++script_->saveAsked;
    return script_->saveAnswer;
  }
  QString pdfFileName(QWidget*, const QString& title, const QString& suggested, Language) override {
    script_->pdfAsked << title << suggested;
    return script_->pdfAnswer;
  }
  SaveAnswer askSaveChanges(QWidget*, const QString& fileName, Language language) override {
    script_->questions << fileName;
    script_->questionLanguage = language;
    return script_->changesAnswer;
  }
  bool askOpenKeptCopy(QWidget*, const QString& refusal, const QString&, Language) override {
    script_->keptCopyQuestions << refusal;
    return script_->openKeptCopyAnswer;
  }
  void showFileError(QWidget*, const QString& message) override { script_->errors << message; }

 private:
  std::shared_ptr<DialogScript> script_;
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : previous_(QDir::currentPath()) {
    qtApp();
    QDir::setCurrent(folder_.path());
    QSettings(QStringLiteral("volantis4"), QStringLiteral("volantis4")).clear();  // each test starts afresh
  }
  ~WindowTest() override {
    window.reset();
    QDir::setCurrent(previous_);
  }

  /// Builds the window as the program does, with `arguments` after the program name.
  MainWindow& open(const QStringList& arguments = {}) {
    window = std::make_unique<MainWindow>(arguments, std::make_unique<ScriptedDialogs>(script));
    window->show();
    return *window;
  }

  template <typename T>
  T* find(const char* name) const {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (!child) ADD_FAILURE() << "no control " << name;
    return child;
  }
  QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
  QAction* action(const char* name) const { return find<QAction>(name); }
  /// Makes the window the active one, as keys need it.
  void activate() {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  /// Not hidden: shown whenever its page is the active one.
  bool shown(const char* name) const {
    const QWidget* w = find<QWidget>(name);
    return w && !w->isHidden();
  }
  QString label(const char* name) const {
    const QLabel* l = find<QLabel>(name);
    return l ? l->text() : QString();
  }

  /// Replaces a field's text by typing, as the user does.
  void type(const char* name, const QString& text) const {
    QLineEdit* e = edit(name);
    e->selectAll();
    if (text.isEmpty()) {
      QTest::keyClick(e, Qt::Key_Delete);
    } else {
      QTest::keyClicks(e, text);
    }
  }

  QString path(const QString& name) const { return folder_.filePath(name); }
  /// The bytes of the working folder's file `name`; empty when it cannot be read.
  QByteArray contents(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void write(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }

  std::shared_ptr<DialogScript> script = std::make_shared<DialogScript>();
  std::unique_ptr<MainWindow> window;

 private:
  QTemporaryDir folder_;
  QString previous_;
};

/// The window built as the program does, without arguments, before each test.
class OpenWindowTest : public WindowTest {
 protected:
  void SetUp() override { open(); }
};

}  // namespace volantis4::testing_support
