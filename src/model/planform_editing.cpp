#include "model/planform_editing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/field_reading.h"
#include "model/numbers.h"

namespace volantis4 {
namespace {

bool usableScale(double scale) { return std::isfinite(scale) && scale > 0; }

// Section j (1-5) of a hit code 1-20, and the corner within it (0-3, in table order).
int sectionOf(HitCode code) { return (code - 1) / 4 + 1; }
int cornerOf(HitCode code) { return (code - 1) % 4; }
bool isLeadingEdge(HitCode code) { return cornerOf(code) < 2; }
bool isRightHalf(HitCode code) { return cornerOf(code) % 2 == 0; }

// A value written into a field: saturated where the field reading saturates, whole number,
// exact halves away from zero.
std::string fieldValue(double v) {
  const double limit = kFieldLimit;
  return formatFixed(std::clamp(v, -limit, limit), 0, 0);
}

FieldKey offsetKey(int w, int section) { return {w, FieldKind::Offset, section}; }

}  // namespace

HitCode planformHit(const Wing& wing, double scale, int width, int height, int x, int y) {
  if (!usableScale(scale)) return 0;
  const int cx = width / 2, cy = height / 3;  // the origin, truncated
  const double u = static_cast<double>(x) - cx;
  const double v = static_cast<double>(y) - cy;
  HitCode code = 0;
  for (int j = 1; j <= kSectionCount; ++j) {
    const std::size_t s = wingIndex(j);
    const double span = wing.y[s] * scale;
    const std::int64_t leading = j == 1 ? 0 : wing.x[s];
    const std::int64_t trailing = leading + wing.chord[s];  // whole millimetres first
    const double rows[2] = {static_cast<double>(leading) * scale, static_cast<double>(trailing) * scale};
    for (int corner = 0; corner < 4; ++corner) {
      const double row = rows[corner / 2];
      const double column = corner % 2 == 0 ? span : -span;
      if (std::fabs(v - row) < 3 && std::fabs(u - column) < 3) code = 4 * (j - 1) + corner + 1;
    }
  }
  return code;
}

PlanformPointer planformPointer(HitCode hover) {
  if (hover < 1 || hover > 20) return PlanformPointer::Crosshair;
  if (hover <= 2) return PlanformPointer::HorizontalArrows;
  return isLeadingEdge(hover) ? PlanformPointer::FourWayArrows : PlanformPointer::VerticalArrows;
}

std::vector<FieldKey> planformHighlight(int w, HitCode hover, bool shiftAlone) {
  if (hover < 1 || hover > 20) return {};
  const int j = sectionOf(hover);
  if (!isLeadingEdge(hover)) return {{w, FieldKind::Chord, j}};
  if (j == 1) return {{w, FieldKind::Gap, 1}};
  std::vector<FieldKey> fields{{w, FieldKind::Width, j - 1}, offsetKey(w, j)};
  if (shiftAlone)
    for (int m = j + 1; m <= kSectionCount; ++m) fields.push_back(offsetKey(w, m));
  return fields;
}

std::vector<FieldWrite> planformEdit(int w, const Wing& wing, std::string_view gapText, HitCode grabbed, double scale,
                                     int dX, int dY, bool shiftAlone) {
  if (grabbed < 1 || grabbed > 20 || !usableScale(scale)) return {};
  const double across = dX / scale;  // mm, positive outward on the right half
  const double along = dY / scale;   // mm, positive aft
  const int j = sectionOf(grabbed);
  const std::size_t s = wingIndex(j);

  if (!isLeadingEdge(grabbed)) return {{{w, FieldKind::Chord, j}, fieldValue(wing.chord[s] + along)}};

  if (j == 1) {
    double gap = isRightHalf(grabbed) ? wing.gap + across : wing.gap - across;
    // A left-half drag past the centre line mirrors the gap only when the field reads exactly "0".
    if (gap < 0) gap = (!isRightHalf(grabbed) && gapText == "0") ? -gap : 0;
    return {{{w, FieldKind::Gap, 1}, fieldValue(gap)}};
  }

  const double width = static_cast<double>(wing.y[s]) - wing.y[s - 1];
  std::vector<FieldWrite> writes{
      {offsetKey(w, j), fieldValue(wing.x[s] + along)},
      {{w, FieldKind::Width, j - 1}, fieldValue(isRightHalf(grabbed) ? width + across : width - across)},
  };
  if (shiftAlone)
    for (int m = j + 1; m <= kSectionCount; ++m)
      writes.push_back({offsetKey(w, m), fieldValue(wing.x[wingIndex(m)] + along)});
  return writes;
}

}  // namespace volantis4
