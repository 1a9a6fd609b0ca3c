#pragma once
// The summary page on paper: its drawing as a replayable procedure, and where it lands on a sheet.

#include <functional>

#include "views/canvas.h"

class QPainter;

namespace volantis4 {

/// Draws the page (807 × 1620 page pixels) on a canvas; printing replays it at the device's scale,
/// so the text reaches the paper as text and the pictures as images.
using PageDrawing = std::function<void(Canvas&)>;

/// Draws the page into `target` (device pixels) of a painter, scaled from the page's own pixels
/// and clipped to it.
void drawPageOnPainter(QPainter& painter, Rect target, const PageDrawing& page);

/// Where the page lands on the paper at `xDpi`: f = xDpi / 600 × 4.9 with up to three wings
/// (solver's count), × 3.9 with four or five; the rectangle R(100·f), R(100·f), R(900·f), R(1800·f).
Rect pagePlacement(int xDpi, int solverWingsCount);

}  // namespace volantis4
