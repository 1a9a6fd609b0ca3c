#include "views/chord_bar.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/numbers.h"

namespace volantis4 {
namespace {

constexpr int kMargin = 24;  // pixels left and right of the drawn span; arrows to marks beyond it stand there
constexpr int kBarTop = 40;  // the chord bar's rows
constexpr int kBarBottom = 56;
constexpr int kMinBandPixels = 3;                // the band drawn at least this far either side of the neutral point
constexpr int kCharWidth = 7;                    // widest character of the design font, for placing texts
constexpr int kLineHeight = 13;                  // height of a text line
constexpr std::array<int, 2> kRowsAbove{16, 2};  // text rows above the bar, nearest first
constexpr std::array<int, 3> kRowsBelow{62, 76, 90};
constexpr double kWindow = 0.5;  // marks up to half a chord beyond either edge are drawn in place
constexpr Rgb kRangeFill{170, 225, 170};
constexpr Rgb kRangeInk{0, 128, 0};
constexpr Rgb kBandFill{255, 190, 190};

struct Span {
  double lo = 0, hi = 0;  // mm, aircraft x
};

// Marks drawn in place: within half a chord of the chord.
bool inWindow(const ChordBarInput& in, double x) {
  return x >= in.xLe - kWindow * in.lmue && x <= in.xLe + (1 + kWindow) * in.lmue;
}

// The drawn span: the chord and every mark drawn in place.
Span spanOf(const ChordBarInput& in) {
  Span s{in.xLe, in.xLe + in.lmue};
  const auto take = [&](double x) {
    if (!inWindow(in, x)) return;
    s.lo = std::min(s.lo, x);
    s.hi = std::max(s.hi, x);
  };
  const double band = inWindow(in, in.xnp) ? in.bandMm.value_or(0) : 0;
  for (double x : {in.cgForward, in.cgRear, in.cgManual, in.xnp - band, in.xnp + band}) take(x);
  if (in.weighedCg) take(*in.weighedCg);
  if (!(s.hi - s.lo > 0)) s.hi = s.lo + 1;
  return s;
}

int textWidth(const std::string& text) {
  int chars = 0;  // UTF-8: count the first bytes only
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
  return chars * kCharWidth;
}

bool overlaps(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The bar's texts, each given a place where it overlaps no other text and no mark's line. A mark's
// line always crosses the bar; it reaches on to its text where that way is free.
class Labels {
 public:
  explicit Labels(Canvas& canvas) : canvas_(canvas) {}

  // A text for column `x` as near to it as there is room: centred on x in the first of `rows` that
  // has room there, else shifted along the rows step by step. `line` is the colour of a mark's
  // line at x. False when no place is free: the text is left out rather than drawn over another.
  bool place(const std::string& text, int x, const std::vector<int>& rows, Rgb textColour,
             std::optional<Rgb> line = std::nullopt) {
    if (line) drawLine(x, kBarTop - 4, kBarBottom + 4, *line);
    const int w = textWidth(text);
    const int widest = std::max(1, canvas_.width() - w - 1);
    for (int shift = 0; shift <= canvas_.width(); shift += 4) {
      for (const int row : rows) {
        for (const int left : {x - w / 2 + shift, x - w / 2 - shift}) {
          const int l = std::clamp(left, 1, widest);
          const Rect box{l, row, l + w, row + kLineHeight};
          if (!free(box)) continue;
          taken_.push_back(box);
          const bool above = row < kBarTop;
          const Rect stroke{x - 1, above ? row + kLineHeight : kBarBottom + 4, x + 2, above ? kBarTop - 4 : row};
          if (line && box.left <= x && x < box.right && free(stroke)) {
            taken_.push_back(stroke);
            drawLine(x, stroke.top, stroke.bottom, *line);
          }
          canvas_.setFontColour(textColour);
          canvas_.textOut(box.left, row, text);
          return true;
        }
      }
    }
    return false;
  }

 private:
  bool free(const Rect& r) const {
    return std::none_of(taken_.begin(), taken_.end(), [&r](const Rect& t) { return overlaps(r, t); });
  }
  void drawLine(int x, int top, int bottom, Rgb colour) {
    canvas_.setPenColour(colour);
    canvas_.setPenWidth(2);
    canvas_.line(x, top, x, bottom);
    canvas_.setPenWidth(1);
  }

  Canvas& canvas_;
  std::vector<Rect> taken_;
};

std::string at(double x) { return " x = " + formatFixed(x, 0, 1) + " mm"; }

}  // namespace

ChordBarInput chordBarInput(const StabilityReport& r) {
  ChordBarInput in;
  in.xLe = r.xLeRef;
  in.lmue = r.lmue;
  const auto x = [&r](CgTarget t) { return r.cg[static_cast<std::size_t>(t)].x; };
  in.cgForward = std::min(x(CgTarget::Low), x(CgTarget::High));
  in.cgRear = std::max(x(CgTarget::Low), x(CgTarget::High));
  in.cgManual = x(CgTarget::Manual);
  in.xnp = r.xnp;
  if (r.fine.available) in.bandMm = r.fine.bandMm;
  if (r.balance) in.weighedCg = r.balance->x_cg;
  return in;
}

int chordBarColumn(const ChordBarInput& input, int width, double x) {
  Span s = spanOf(input);
  const double extra = std::max(0.0, 1.25 * input.lmue - (s.hi - s.lo)) / 2;  // some air beside the chord
  s.lo -= extra;
  s.hi += extra;
  const double usable = std::max(1, width - 2 * kMargin);
  return kMargin + roundHalfEven((x - s.lo) / (s.hi - s.lo) * usable);
}

void drawChordBar(Canvas& canvas, const ChordBarInput& in, Language language, const SystemColours& colours) {
  const int w = canvas.width();
  const int h = canvas.height();
  const auto col = [&](double x) { return std::clamp(chordBarColumn(in, w, x), kMargin, w - kMargin); };
  canvas.setPenColour(colours.infoBackground);
  canvas.setBrushColour(colours.infoBackground);
  canvas.fillRect({0, 0, w, h});
  canvas.setFont(Font{});

  // The neutral point's band and the centre-of-gravity range lie under the chord's outline; a
  // range reaching beyond the drawn span is cut at its end.
  const int le = col(in.xLe), te = col(in.xLe + in.lmue);
  canvas.setPenColour(kBlack);
  canvas.setBrushColour(colours.light3D);
  canvas.fillRect({le, kBarTop, te + 1, kBarBottom});
  canvas.setPenColour(kRangeInk);
  canvas.setBrushColour(kRangeFill);
  canvas.fillRect({col(in.cgForward), kBarTop - 6, col(in.cgRear) + 1, kBarBottom + 6});
  const bool npInPlace = inWindow(in, in.xnp);
  if (in.bandMm && npInPlace) {
    canvas.setPenColour(kRed);
    canvas.setBrushColour(kBandFill);
    // At least a few pixels either side, so that a narrow band still shows.
    const int np = col(in.xnp);
    const int left = std::min(col(in.xnp - *in.bandMm), np - kMinBandPixels);
    const int right = std::max(col(in.xnp + *in.bandMm), np + kMinBandPixels);
    canvas.fillRect({left, kBarTop - 10, right + 1, kBarBottom + 10});
  }

  // Ticks every quarter of the chord with their percentages; then the marks, each with its text
  // where it finds room.
  canvas.setBrushColour(colours.infoBackground);
  Labels labels(canvas);
  for (int q = 0; q <= 4; ++q) {
    const int x = col(in.xLe + in.lmue * q / 4);
    canvas.setPenColour(kBlack);
    canvas.line(x, kBarBottom, x, kBarBottom + 4);
    labels.place(formatInt(25LL * q) + " %", x, {kRowsBelow[0]}, kBlack);
  }

  struct Mark {
    double x;
    TextId name;
    Rgb colour;
    bool above;
  };
  std::vector<Mark> marks{{in.xnp, TextId::ChordBarNeutralPoint, kRed, true},
                          {in.cgManual, TextId::ChordBarManualCg, kBlue, false}};
  if (in.weighedCg) marks.push_back({*in.weighedCg, TextId::ChordBarWeighedCg, kBlack, false});
  const auto rowsFor = [](bool above) {
    return above ? std::vector<int>{kRowsAbove[0], kRowsAbove[1], kRowsBelow[1], kRowsBelow[2]}
                 : std::vector<int>{kRowsBelow[1], kRowsBelow[2], kRowsAbove[0], kRowsAbove[1]};
  };
  int arrowsLeft = 0, arrowsRight = 0;  // arrows drawn at each end, stacked
  for (const Mark& m : marks) {
    const std::string name(text(m.name, language));
    if (inWindow(in, m.x)) {
      labels.place(name, col(m.x), rowsFor(m.above), m.colour, m.colour);
      continue;
    }
    // Beyond the bar: an arrow at that end, pointing out, with the mark's value beside it.
    const bool right = m.x > in.xLe;
    const int tipX = right ? w - 3 : 2;
    const int y = kBarTop + 3 + 5 * (right ? arrowsRight++ : arrowsLeft++);
    const int baseX = right ? tipX - 14 : tipX + 14;
    canvas.setPenColour(m.colour);
    canvas.setBrushColour(m.colour);
    canvas.polygon({{tipX, y + 2}, {baseX, y - 2}, {baseX, y + 6}});
    canvas.setBrushColour(colours.infoBackground);
    labels.place(name + at(m.x), right ? w - kMargin : kMargin, rowsFor(m.above), m.colour);
  }

  // The range's name over it (with its ends where one lies beyond the bar), then the chord's ends.
  const bool rangeInPlace = inWindow(in, in.cgForward) && inWindow(in, in.cgRear);
  std::string range(text(TextId::ChordBarCgRange, language));
  if (!rangeInPlace) range += " x = " + formatFixed(in.cgForward, 0, 1) + " … " + formatFixed(in.cgRear, 0, 1) + " mm";
  labels.place(range, (col(in.cgForward) + col(in.cgRear)) / 2, {kRowsAbove[1], kRowsAbove[0], kRowsBelow[2]},
               kRangeInk);
  labels.place(std::string(text(TextId::ChordBarLeadingEdge, language)), le, {kRowsAbove[0], kRowsAbove[1]}, kBlack);
  labels.place(std::string(text(TextId::ChordBarTrailingEdge, language)), te, {kRowsAbove[0], kRowsAbove[1]}, kBlack);
  canvas.setFontColour(kBlack);
}

}  // namespace volantis4
