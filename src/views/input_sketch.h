#pragma once
// The input sketch of a wing page (d_w1 … d_w5): a generic wing of one to four trapezia with
// the dimension arrows that the page's fields sit on.

#include <vector>

#include "model/form.h"
#include "model/language.h"
#include "views/canvas.h"

namespace volantis4 {

inline constexpr int kInputSketchWidth = 750;  // Image_W … Image_W5
inline constexpr int kInputSketchHeight = 200;

/// Horizontal dimension arrow from (x1, y1) to (x2, y2), a filled head at both ends.
void PfeilH2(Canvas& canvas, int x1, int y1, int x2, int y2);
/// Vertical dimension arrow from (x1, y1) to (x2, y2), a filled head at both ends.
void PfeilV2(Canvas& canvas, int x1, int y1, int x2, int y2);
/// Vertical arrow from (x1, y1) pointing down to (x2, y2), one filled head at the end.
void PfeilV1(Canvas& canvas, int x1, int y1, int x2, int y2);

/// Redraws the sketch for `trapezia` (1-4) with its labels in `language`; the same drawing
/// serves all five wing pages. Leaves pen width 1, black pen, silver brush and black font.
void d_w(Canvas& canvas, int trapezia, Language language);

/// Where an input field of the page lies over the sketch (sketch pixels).
struct SketchFieldPlace {
  FieldKey field;
  Rect rect;
};

/// The 14 section fields of wing w (1-5), each next to the arrow it dimensions: gap and widths
/// on their span arrows, root chord, offsets and chords beside their vertical arrows. Fields of
/// unused trapezia are included; the window hides them.
std::vector<SketchFieldPlace> sketchFieldPlaces(int w);

/// The station captions of sections 1-5, centred above their station marks (negative rows:
/// above the sketch's top edge).
std::vector<Rect> sketchStationCaptionPlaces();

}  // namespace volantis4
