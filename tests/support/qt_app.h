#pragma once
// One application for the whole test program (a QApplication where the program links Qt Widgets,
// else a QGuiApplication), created on first use and kept to the end, with the user settings in a
// temporary folder. Offscreen, it has the screens of kTestScreens (96 dpi) and
// window frames of 2 pixels on every side.

#if __has_include(<QApplication>)
#include <QApplication>
#else
#include <QGuiApplication>
#endif
#include <QRect>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtGlobal>
#include <array>

namespace volantis4::testing_support {

/// The offscreen screens side by side: a large primary one, then common small ones (the last one
/// is 1400 × 1100 at scale 2, in logical pixels).
inline constexpr std::array<QRect, 5> kTestScreens{
    {{0, 0, 1920, 1200}, {1920, 0, 1024, 768}, {2944, 0, 1366, 768}, {4310, 0, 1280, 1024}, {5590, 0, 700, 550}}};

#if __has_include(<QApplication>)
using TestApplication = QApplication;
#else
using TestApplication = QGuiApplication;
#endif

inline TestApplication& qtApp() {
  static TestApplication* app = [] {
    // The user settings of this test program live in a folder of its own, never the user's.
    static QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    // The offscreen platform reads its screens from a file while the application starts.
    QTemporaryFile config;
    if ((platform.isEmpty() || platform == "offscreen") && config.open()) {
      QByteArray screens;
      for (const QRect& s : kTestScreens)
        screens += QStringLiteral(R"(%1{"name": "%2x%3", "x": %4, "y": %5, "width": %2, "height": %3, )"
                                  R"("logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})")
                       .arg(screens.isEmpty() ? "" : ",")
                       .arg(s.width())
                       .arg(s.height())
                       .arg(s.x())
                       .arg(s.y())
                       .toUtf8();
      config.write(R"({"windowFrameMargins": true, "screens": [)" + screens + "]}");
      config.flush();
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    }
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    auto* created = new TestApplication(argc, argv);
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);  // for child processes
    return created;
  }();
  return *app;
}

/// A base that makes the application exist before a fixture's widget members are built.
struct WithQtApp {
  WithQtApp() { qtApp(); }
};

}  // namespace volantis4::testing_support
