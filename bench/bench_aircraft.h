#pragma once
// Aircraft the benchmarks share.

#include "model/document.h"

namespace volantis4::bench {

/// The default aircraft with wings 4 and 5 made large rectangles below the others: 2972 panels,
/// near the capacity of the equation system.
inline Document largeAircraftDocument() {
  Document doc;
  for (int w : {4, 5}) {
    WingFields& f = doc.form.wing(w);
    f.checkedTrapezia = 1;
    f.gap = "0";
    f.widths[0] = "1000";
    f.offsets[0] = "0";
    f.chords[0] = f.chords[1] = "940";
  }
  doc.form.wing(4).positionZ = "-1000";
  doc.form.wing(5).positionZ = "-2000";
  Calc(doc);
  return doc;
}

}  // namespace volantis4::bench
