#pragma once
// One QApplication for the whole views test program, created on first use and kept to the end,
// with the user settings in a temporary folder.

#include <QApplication>
#include <QTemporaryDir>
#include <QtGlobal>

namespace volantis4::testing_support {

inline QApplication& qtApp() {
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user settings of this test program live in a folder of its own, never the user's.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    static int argc = 1;
    static char name[] = "views_tests";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
  }();
  return *app;
}

/// A base that makes the application exist before a fixture's widget members are built.
struct WithQtApp {
  WithQtApp() { qtApp(); }
};

}  // namespace volantis4::testing_support
