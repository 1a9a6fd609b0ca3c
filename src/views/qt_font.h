#pragma once
// The Qt font and colour that draw a canvas font and colour.

#include <QColor>
#include <QFont>

#include "views/canvas.h"

namespace volantis4 {

/// The QFont for `font` at 96 dpi. "Courier" resolves to an installed fixed-width face sized to
/// Courier's 9-pixel character cell at 12 points, so that columns laid out for it line up.
QFont qtFontFor(const Font& font);

/// The QColor of a canvas colour.
inline QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace volantis4
