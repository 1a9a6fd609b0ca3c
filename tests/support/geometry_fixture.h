#pragma once
// Aircraft geometries for the solver tests, built through the form as the window would.

#include <vector>

#include "model/aircraft_geometry.h"
#include "model/document.h"
#include "model/form.h"
#include "model/numbers.h"
#include "rectangle.h"

namespace volantis4::fixture {

/// One wing as typed: gap, widths of its trapezia, x of sections 2…, chords of sections 1…, position.
struct WingInput {
  int gap = 0;
  std::vector<int> widths;
  std::vector<int> offsets;
  std::vector<int> chords;
  int x = 0;
  int z = 0;
};

/// The form of the default aircraft with wings 1 … wings.size() replaced by the given ones.
inline Form formOf(const std::vector<WingInput>& wings) {
  Form form = defaultForm();
  int w = 0;
  for (const WingInput& s : wings) {
    WingFields& f = form.wing(++w);
    f = WingFields{};
    f.checkedTrapezia = static_cast<int>(s.widths.size());
    f.gap = formatInt(s.gap);
    for (std::size_t i = 0; i < 4; ++i) {
      f.widths[i] = formatInt(i < s.widths.size() ? s.widths[i] : 0);
      f.offsets[i] = formatInt(i < s.offsets.size() ? s.offsets[i] : 0);
    }
    for (std::size_t i = 0; i < 5; ++i) f.chords[i] = formatInt(i < s.chords.size() ? s.chords[i] : 0);
    f.positionX = formatInt(s.x);
    f.positionZ = formatInt(s.z);
  }
  form.wingsCount = w;
  return form;
}

/// The geometry of formOf(wings), as Calc leaves it.
inline AircraftGeometry aircraftOf(const std::vector<WingInput>& wings) { return geometryOf(formOf(wings)); }

/// A document holding formOf(wings), recomputed as choosing its wing count does.
inline Document documentOf(const std::vector<WingInput>& wings) {
  Document doc;
  doc.form = formOf(wings);
  chooseWingsCount(doc, doc.form.wingsCount);
  return doc;
}

/// The typed fields of a rectangle.
inline WingInput rectangle(const testing_support::Rectangle& r) {
  return {r.gap, {r.halfSpan - r.gap}, {0}, {r.chord, r.chord}, r.x, r.z};
}

}  // namespace volantis4::fixture
