#pragma once
// Reshaping a wing by dragging a corner of its planform image: hit test, pointer shape,
// field highlighting and the field writes of a release.

#include <string>
#include <string_view>
#include <vector>

#include "model/form.h"
#include "model/wing.h"

namespace volantis4 {

/// Hit code 0-20: for section j, 4(j-1)+1 … +4 = leading edge right, leading edge left,
/// trailing edge right, trailing edge left; 0 = no corner.
using HitCode = int;

/// The corner of `wing` at image pixel (x, y) of a width x height planform image drawn at
/// `scale` px/mm. All five sections are tested; a later corner wins; the tolerance is strictly
/// less than 3 px in each direction. A scale that is not positive and finite hits nothing.
HitCode planformHit(const Wing& wing, double scale, int width, int height, int x, int y);

enum class PlanformPointer {
  Crosshair,         // no corner
  HorizontalArrows,  // root leading edge: the gap
  VerticalArrows,    // a trailing edge: a chord
  FourWayArrows,     // leading edge of sections 2-5: offset and width
};

/// The pointer shape over a hovered corner.
PlanformPointer planformPointer(HitCode hover);

/// The fields of wing w (1-5) to paint yellow while `hover` is under the pointer; every other
/// gap, width, offset and chord field of the wing shows the window colour. `shiftAlone`: the
/// Shift key alone is down (no other key, no mouse button); it adds the outboard offsets.
std::vector<FieldKey> planformHighlight(int w, HitCode hover, bool shiftAlone);

/// One field write: the field and its new text.
struct FieldWrite {
  FieldKey field;
  std::string text;
  bool operator==(const FieldWrite&) const = default;
};

/// The writes of a release of the corner `grabbed` of wing w, moved by (dX, dY) px at `scale`
/// px/mm, in the order to apply them. All values come from `wing` (the integers read before
/// the release) and `gapText` (the gap field's text); each is rounded half away from zero and
/// saturates at ±99,999,999 as the field reading does. `shiftAlone` at the release moves the
/// outboard offsets with a leading edge. Nothing is written for code 0 or an unusable scale.
std::vector<FieldWrite> planformEdit(int w, const Wing& wing, std::string_view gapText, HitCode grabbed, double scale,
                                     int dX, int dY, bool shiftAlone);

}  // namespace volantis4
