// The window on screens of every size (the offscreen screens of qt_app.h, 2-pixel frames): its
// whole frame on the screen at start, and every control of every page reachable by scrolling.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "ui_test_support.h"

// A rectangle in messages.
void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.width() << "x" << r.height() << "+" << r.x() << "+" << r.y();
}

namespace volantis4 {
namespace {

using testing_support::kTestScreens;
using testing_support::WindowTest;

class WindowOnScreen : public WindowTest {
 protected:
  void openAndSettle() {
    open();
    QApplication::processEvents();  // the placement once the frame is known
  }
  QRect frame() const { return window->frameGeometry(); }
  QScrollArea* scroll() const { return find<QScrollArea>("ClientScroll"); }

  // Every button, field, scroll bar and text box of every page and of the tool bar can be scrolled
  // fully into view (the menu bar stays above the scrolled client).
  void expectEveryControlReachable() const {
    auto* pages = find<QTabWidget>("PageControl1");
    QScrollArea* area = scroll();
    ASSERT_NE(area, nullptr);
    for (int i = 0; i < pages->count(); ++i) {
      if (!pages->isTabVisible(i)) continue;
      pages->setCurrentIndex(i);
      QApplication::processEvents();
      int checked = 0;
      const QList<QWidget*> controls = pages->widget(i)->findChildren<QWidget*>() +
                                       find<QWidget>("ToolBar1")->findChildren<QWidget*>();  // with the tool bar
      for (QWidget* control : controls) {
        const bool kind = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                          qobject_cast<QScrollBar*>(control) || qobject_cast<QPlainTextEdit*>(control);
        if (!kind || !control->isVisible() || control->parentWidget()->inherits("QAbstractScrollArea")) continue;
        // The part on the client (the page control reaches 3 pixels past it by design) scrolled into view.
        const QRect onClient =
            QRect(control->mapTo(area->widget(), QPoint(0, 0)), control->size()).intersected(area->widget()->rect());
        ASSERT_FALSE(onClient.isEmpty()) << control->objectName().toStdString();
        area->ensureVisible(onClient.center().x(), onClient.center().y(), onClient.width() / 2 + 1,
                            onClient.height() / 2 + 1);
        const QRect inViewport = onClient.translated(area->widget()->pos());
        EXPECT_TRUE(area->viewport()->rect().contains(inViewport))
            << control->objectName().toStdString() << " on page " << i << " at " << inViewport.x() << ","
            << inViewport.y() << " in " << area->viewport()->width() << "x" << area->viewport()->height();
        ++checked;
      }
      EXPECT_GT(checked, 0) << "page " << i;
    }
  }
};

TEST_F(WindowOnScreen, TheDesignFitsALargeScreenUnchanged) {
  openAndSettle();
  EXPECT_EQ(window->pos(), QPoint(542, 172));
  EXPECT_EQ(window->minimumSize(), window->size());
  EXPECT_EQ(scroll()->viewport()->size(), find<QWidget>("Client")->size());  // nothing to scroll
}

TEST_F(WindowOnScreen, BoundsFromTheDefaultsFileAreBroughtOntoTheScreenAndRecordedAtClose) {
  write("Default.pa4", "e\r\n2999\r\n1999\r\n999\r\n999\r\n");  // the largest bounds the file may give
  openAndSettle();
  EXPECT_TRUE(kTestScreens[0].contains(frame())) << ::testing::PrintToString(frame());
  // The frame fills the 1920 × 1200 screen: the window is 4 pixels smaller each way.
  EXPECT_EQ(window->size(), QSize(1916, 1196));
  ASSERT_TRUE(window->close());
  EXPECT_EQ(contents("Default.pa4"), QByteArray("e\r\n1916\r\n1196\r\n0\r\n0\r\n"));
}

TEST_F(WindowOnScreen, OnSmallScreensTheFrameLiesOnTheScreenAndEveryControlCanBeReached) {
  for (const QRect& screen : {kTestScreens[1], kTestScreens[2], kTestScreens[3], kTestScreens[4]}) {
    SCOPED_TRACE(::testing::PrintToString(screen));
    openAndSettle();
    const QSize design = window->size();
    window->move(screen.topLeft() + QPoint(542, 172));  // the design position on this screen
    window->fitOnScreen();
    EXPECT_TRUE(screen.contains(frame())) << ::testing::PrintToString(frame());
    EXPECT_LE(window->minimumSize().height(), screen.height() - 4);
    EXPECT_EQ(window->size().height(), std::min(design.height(), screen.height() - 4));
    expectEveryControlReachable();
  }
}

}  // namespace
}  // namespace volantis4
