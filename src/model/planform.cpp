#include "model/planform.h"

#include "model/numbers.h"

namespace volantis4 {

PlanformFigures NTRAP_SPEZIAL(int w, int n, const SectionTable& table) {
  PlanformFigures f;
  double L = 0;  // integral of the squared chord over the half wing
  double R = 0;  // integral of quarter-chord position times chord over the half wing
  for (int k = 1; k <= n - 1; ++k) {
    const double dy = table.y(k + 1, w) - table.y(k, w);
    const double ci = table.c(k, w);
    const double co = table.c(k + 1, w);
    const double xi = table.x(k, w);
    const double xo = table.x(k + 1, w);
    f.S += (ci + co) * dy;
    const double d = ci - co;
    L += dy * (ci * ci - ci * d + d * d / 3);
    const double a = 0.25 * ci + xi;
    const double g = 0.25 * co + xo - a;
    R += dy * (a * ci + (g * ci - a * d) * 0.5 - g * d / 3);
  }
  if (f.S == 0) return PlanformFigures{};
  f.lm = 2 * L / f.S;
  f.r25 = 2 * R / f.S;
  f.b = 2 * table.y(n, w);
  f.lam = f.b * f.b / f.S;
  return f;
}

void fillSectionColumn(SectionTable& table, int w, const Wing& wing, int wingX) {
  const std::size_t col = wingIndex(w);
  for (std::size_t s = 0; s < kSectionCount; ++s) {
    table.X[s][col] = static_cast<double>(wingX) + wing.x[s];
    table.Y[s][col] = wing.y[s];
    table.C[s][col] = wing.chord[s];
  }
}

std::array<std::string, 5> resultLabels(const PlanformFigures& f, int w) {
  const int chordWidth = w <= 3 ? 4 : 3;
  const int lamWidth = w <= 3 ? 4 : (w == 4 ? 3 : 5);
  return {
      formatFixed(f.b, 4, 0) + "mm",           formatFixed(f.S / 10000, 4, 2) + "dm^2",
      formatFixed(f.lm, chordWidth, 1) + "mm", formatFixed(f.r25, chordWidth, 1) + "mm",
      formatFixed(f.lam, lamWidth, 1),
  };
}

std::array<std::string, kSectionCount> stationCaptions(const Wing& wing) {
  std::array<std::string, kSectionCount> captions;
  for (std::size_t s = 0; s < kSectionCount; ++s) captions[s] = formatInt(wing.y[s]);
  return captions;
}

}  // namespace volantis4
