#pragma once
// Tool-bar icons the style does not have: the desktop theme's where it has them, else drawn here.

#include <QIcon>

namespace volantis4 {

/// Save as: the save icon with a pencil over its lower right corner.
QIcon saveAsIcon();
/// Print: a printer with a sheet in it.
QIcon printIcon();

}  // namespace volantis4
