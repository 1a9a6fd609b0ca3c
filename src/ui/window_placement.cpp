#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace volantis4 {

WindowPlacement placeOnScreen(QPoint position, QSize size, QMargins frame, QSize designMinimum, QRect available) {
  const QSize room(std::max(1, available.width() - frame.left() - frame.right()),
                   std::max(1, available.height() - frame.top() - frame.bottom()));
  WindowPlacement p;
  const bool fits = designMinimum.width() <= room.width() && designMinimum.height() <= room.height();
  p.minimum = fits ? designMinimum : kSmallestWindow.boundedTo(room);
  p.size = size.boundedTo(room).expandedTo(p.minimum);
  const QSize outer = p.size.grownBy(frame);
  // The frame's right and bottom edges first, then its left and top: a frame as large as the area
  // lies exactly on it.
  const int x =
      std::max(available.left(), std::min(position.x(), available.left() + available.width() - outer.width()));
  const int y =
      std::max(available.top(), std::min(position.y(), available.top() + available.height() - outer.height()));
  p.position = QPoint(x, y);
  return p;
}

QMargins frameOf(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

QRect availableAreaOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (!screen) screen = QGuiApplication::screenAt(frame.topLeft());
  if (!screen) screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(frame.topLeft(), frame.size());
}

}  // namespace volantis4
