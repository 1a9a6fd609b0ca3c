#pragma once
// Aircraft the benchmarks share.

#include "model/document.h"

namespace volantis4::bench {

/// The default aircraft with wings 4 and 5 made rectangles of half span 1000 mm and the given
/// chords, 1 m and 2 m below wing 1.
inline Document withLargeWings45(const char* chord4, const char* chord5) {
  Document doc;
  for (int w : {4, 5}) {
    WingFields& f = doc.form.wing(w);
    f.checkedTrapezia = 1;
    f.gap = "0";
    f.widths[0] = "1000";
    f.offsets[0] = "0";
    f.chords[0] = f.chords[1] = w == 4 ? chord4 : chord5;
  }
  doc.form.wing(4).positionZ = "-1000";
  doc.form.wing(5).positionZ = "-2000";
  Calc(doc);
  return doc;
}

/// Wings 4 and 5 of 940 mm chord: 2972 panels, near the capacity of the equation system.
inline Document largeAircraftDocument() { return withLargeWings45("940", "940"); }

/// Wings 4 and 5 of 830 and 660 mm chord: 2604 panels, a five-wing aircraft a modeller drags.
inline Document dragAircraftDocument() { return withLargeWings45("830", "660"); }

}  // namespace volantis4::bench
