#pragma once
// Where the main window goes at start: its whole frame on the available area of its screen, and,
// where the design minimum does not fit that area, a window that fits it (its pages then scroll)
// and that may be made smaller still.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace volantis4 {

struct WindowPlacement {
  QPoint position;  // top-left corner of the frame, as QWidget::move takes it
  QSize size;       // the window without its frame, as QWidget::resize takes it
  QSize minimum;    // the window's minimum size, without its frame
};

/// The smallest window where the design does not fit the screen.
inline constexpr QSize kSmallestWindow{480, 360};

/// The window at `position` with `size` (frame `frame` around it) moved and, where needed, shrunk
/// so that the frame lies on `available`: the size becomes at most the area less the frame, and the
/// minimum is `designMinimum` where that fits, else kSmallestWindow (at most the area); the frame
/// is then shifted onto the area.
WindowPlacement placeOnScreen(QPoint position, QSize size, QMargins frame, QSize designMinimum, QRect available);

/// The frame the window manager puts around `window` (none before it is known).
QMargins frameOf(const QWidget& window);

/// The available area of the screen that holds the centre of `window`'s frame (else its top-left
/// corner, else the window's own screen).
QRect availableAreaOf(const QWidget& window);

}  // namespace volantis4
