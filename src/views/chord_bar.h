#pragma once
// The reference chord as a small horizontal bar: its leading and trailing edge with ticks in
// percent of the chord, the range of the automatic centres of gravity, the manual one, the
// neutral point with its band and, when weighed, the measured centre of gravity.

#include <optional>

#include "analysis/stability_report.h"
#include "model/language.h"
#include "views/canvas.h"

namespace volantis4 {

/// What the bar shows; all positions in mm, aircraft x (positive aft).
struct ChordBarInput {
  double xLe = 0;   // leading edge of the reference chord
  double lmue = 0;  // reference chord
  double cgForward = 0;
  double cgRear = 0;
  double cgManual = 0;
  double xnp = 0;
  std::optional<double> bandMm;     // half width of the neutral point's band
  std::optional<double> weighedCg;  // from the balance inputs
};

/// The bar's marks for a report.
ChordBarInput chordBarInput(const StabilityReport& report);

/// The pixel column of aircraft x on a bar drawn `width` pixels wide: the chord and every mark fit
/// between margins of 24 pixels, the span at least 1.25 chords wide and centred on the marks.
int chordBarColumn(const ChordBarInput& input, int width, double x);

/// Draws the bar over the whole canvas, texts in `language`.
void drawChordBar(Canvas& canvas, const ChordBarInput& input, Language language, const SystemColours& colours);

}  // namespace volantis4
