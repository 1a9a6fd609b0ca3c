#include "views/input_sketch.h"

#include <algorithm>
#include <array>

namespace volantis4 {
namespace {

// Station marks of sections 1-5 and their leading and trailing edges in the sketch.
constexpr std::array<int, kSectionCount> kStation{107, 314, 519, 619, 688};
constexpr std::array<int, kSectionCount> kLeading{31, 72, 86, 115, 145};
constexpr std::array<int, kSectionCount> kTrailing{196, 187, 187, 175, 195};
constexpr int kSpanRow = 31;  // row of the span axis and of every span-width arrow

// The outline of trapezium k (1-4), closed by repeating its first point.
const std::array<std::vector<Point>, 4> kTrapezia{{
    {{107, 31}, {314, 72}, {314, 187}, {107, 196}, {107, 31}},
    {{314, 72}, {519, 86}, {519, 187}, {314, 187}, {314, 72}},
    {{519, 86}, {619, 115}, {619, 175}, {519, 187}, {519, 86}},
    {{619, 115}, {688, 145}, {688, 195}, {619, 175}, {619, 115}},
}};

constexpr int kFieldWidth = 41;
constexpr int kFieldHeight = 21;
constexpr int kFieldGap = 4;  // between a vertical arrow and the field to its right

// A field centred on the point (x, y).
Rect centredOn(int x, int y) {
  return {x - kFieldWidth / 2, y - kFieldHeight / 2, x - kFieldWidth / 2 + kFieldWidth,
          y - kFieldHeight / 2 + kFieldHeight};
}

// A field just right of the vertical arrow at column x, centred on the rows from top to bottom.
Rect besideArrow(int x, int top, int bottom) {
  const int row = (top + bottom) / 2 - kFieldHeight / 2;
  return {x + kFieldGap, row, x + kFieldGap + kFieldWidth, row + kFieldHeight};
}

}  // namespace

void PfeilH2(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.line(x1, y1, x2, y2);
  canvas.polygon({{x1, y1}, {x1 + 11, y1 - 2}, {x1 + 11, y1 + 2}});
  canvas.polygon({{x2, y2}, {x2 - 11, y2 - 2}, {x2 - 11, y2 + 2}});
}

void PfeilV2(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.line(x1, y1, x2, y2);
  canvas.polygon({{x1, y1}, {x1 + 2, y1 + 11}, {x1 - 2, y1 + 11}});
  canvas.polygon({{x2, y2}, {x2 + 2, y2 - 11}, {x2 - 2, y2 - 11}});
}

void PfeilV1(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.line(x1, y1, x2, y2);
  canvas.polygon({{x2, y2}, {x2 + 2, y2 - 11}, {x2 - 2, y2 - 11}});
}

void d_w(Canvas& canvas, int trapezia, Language language) {
  trapezia = std::clamp(trapezia, 1, 4);

  canvas.setBrushColour(kSilver);
  canvas.setPenColour(kSilver);
  canvas.fillRect({0, 0, canvas.width(), canvas.height()});

  canvas.setPenWidth(4);
  canvas.setPenColour(kAqua);
  canvas.setBrushColour(kWhite);
  for (int k = 1; k <= trapezia; ++k) canvas.polygon(kTrapezia[wingIndex(k)]);

  canvas.setPenWidth(1);
  canvas.setPenColour(kBlack);
  canvas.setBrushColour(kBlack);
  PfeilH2(canvas, 3, kSpanRow, 740, kSpanRow);
  PfeilV1(canvas, 3, 1, 3, 199);
  PfeilH2(canvas, 3, kSpanRow, kStation[0], kSpanRow);
  PfeilV2(canvas, kStation[0], kLeading[0], kStation[0], kTrailing[0]);
  for (int k = 1; k <= trapezia; ++k) {
    const int inner = kStation[wingIndex(k)];
    const int outer = kStation[wingIndex(k + 1)];
    const int leading = kLeading[wingIndex(k + 1)];
    PfeilH2(canvas, inner, kSpanRow, outer, kSpanRow);
    PfeilV1(canvas, outer, kSpanRow, outer, leading);
    PfeilV2(canvas, outer, leading, outer, kTrailing[wingIndex(k + 1)]);
  }

  canvas.setPenColour(kRed);
  canvas.setBrushColour(kRed);
  canvas.line(10, 26, 10, 1);
  canvas.polygon({{10, 1}, {12, 12}, {8, 12}});

  canvas.setBrushColour(kSilver);
  canvas.setFontColour(kBlack);
  canvas.textOut(8, 174, text(TextId::AxisLabelX, language));
  canvas.textOut(722, 15, text(TextId::AxisLabelY, language));
  canvas.setFontColour(kRed);
  canvas.textOut(17, 1, text(TextId::SketchFlightDirection, language));
  canvas.setFontColour(kBlack);
}

std::vector<SketchFieldPlace> sketchFieldPlaces(int w) {
  std::vector<SketchFieldPlace> places;
  places.push_back({{w, FieldKind::Gap, 1}, centredOn((3 + kStation[0]) / 2, kSpanRow)});
  places.push_back({{w, FieldKind::Chord, 1}, besideArrow(kStation[0], kLeading[0], kTrailing[0])});
  for (int k = 1; k <= 4; ++k) {
    const std::size_t outer = wingIndex(k + 1);
    places.push_back({{w, FieldKind::Width, k}, centredOn((kStation[wingIndex(k)] + kStation[outer]) / 2, kSpanRow)});
    places.push_back({{w, FieldKind::Offset, k + 1}, besideArrow(kStation[outer], kSpanRow, kLeading[outer])});
    places.push_back({{w, FieldKind::Chord, k + 1}, besideArrow(kStation[outer], kLeading[outer], kTrailing[outer])});
  }
  return places;
}

std::vector<Rect> sketchStationCaptionPlaces() {
  constexpr int kCaptionWidth = 40;
  constexpr int kCaptionHeight = 13;
  std::vector<Rect> places;
  places.reserve(kStation.size());
  for (int x : kStation) places.push_back({x - kCaptionWidth / 2, -kCaptionHeight - 2, x + kCaptionWidth / 2, -2});
  return places;
}

}  // namespace volantis4
