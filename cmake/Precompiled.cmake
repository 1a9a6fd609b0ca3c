# Headers that nearly every file of a target includes, parsed once per target instead of once per
# file: a cold build on two cores is what CI allows. clang-tidy's tree (make tidy) and the fuzz
# build turn them off (CMAKE_DISABLE_PRECOMPILE_HEADERS).
set(VOLANTIS4_PCH_QT_GUI <QColor> <QFont> <QImage> <QPainter> <QString> <functional> <optional> <string> <vector>)
set(VOLANTIS4_PCH_QT_WIDGETS
    ${VOLANTIS4_PCH_QT_GUI}
    <QAction>
    <QApplication>
    <QCheckBox>
    <QLabel>
    <QLineEdit>
    <QMainWindow>
    <QPlainTextEdit>
    <QPushButton>
    <QRadioButton>
    <QScrollBar>
    <QTabWidget>
    <QTimer>
    <QWidget>)
set(VOLANTIS4_PCH_TESTS <gtest/gtest.h> <functional> <optional> <string> <vector>)

# `target` precompiles `headers` (a list of <...> names) when the build allows it.
function(volantis4_precompile target)
  target_precompile_headers(${target} PRIVATE ${ARGN})
endfunction()
