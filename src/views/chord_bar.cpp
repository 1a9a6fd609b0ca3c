#include "views/chord_bar.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "model/numbers.h"

namespace volantis4 {
namespace {

constexpr int kMargin = 24;  // pixels left and right of the drawn span
constexpr int kBarTop = 40;  // the chord bar's rows
constexpr int kBarBottom = 56;
constexpr int kMinBandPixels = 3;  // the band drawn at least this far either side of the neutral point
constexpr int kCharWidth = 6;      // rough width of one character of the design font, for placing texts
constexpr Rgb kRangeFill{170, 225, 170};
constexpr Rgb kRangeInk{0, 128, 0};
constexpr Rgb kBandFill{255, 190, 190};

struct Span {
  double lo = 0, hi = 0;  // mm, aircraft x
};

// The drawn span: the chord and every mark.
Span spanOf(const ChordBarInput& in) {
  const double te = in.xLe + in.lmue;
  Span s{in.xLe, te};
  const double band = in.bandMm.value_or(0);
  for (double x : {in.cgForward, in.cgRear, in.cgManual, in.xnp - band, in.xnp + band}) {
    s.lo = std::min(s.lo, x);
    s.hi = std::max(s.hi, x);
  }
  if (in.weighedCg) {
    s.lo = std::min(s.lo, *in.weighedCg);
    s.hi = std::max(s.hi, *in.weighedCg);
  }
  if (!(s.hi - s.lo > 0)) s.hi = s.lo + 1;
  return s;
}

int textWidth(const std::string& text) {
  int chars = 0;  // UTF-8: count the first bytes only
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
  return chars * kCharWidth;
}

// A text centred on column x, kept inside the canvas.
void centredText(Canvas& canvas, int x, int y, const std::string& text) {
  const int w = textWidth(text);
  canvas.textOut(std::clamp(x - w / 2, 1, std::max(1, canvas.width() - w - 1)), y, text);
}

void mark(Canvas& canvas, int x, int top, int bottom, Rgb colour, int width) {
  canvas.setPenColour(colour);
  canvas.setPenWidth(width);
  canvas.line(x, top, x, bottom);
  canvas.setPenWidth(1);
}

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
  const auto col = [&](double x) { return chordBarColumn(in, w, x); };
  canvas.setPenColour(colours.infoBackground);
  canvas.setBrushColour(colours.infoBackground);
  canvas.fillRect({0, 0, w, h});
  canvas.setFont(Font{});

  // The neutral point's band and the centre-of-gravity range lie under the chord's outline.
  const int le = col(in.xLe), te = col(in.xLe + in.lmue);
  canvas.setPenColour(kBlack);
  canvas.setBrushColour(colours.light3D);
  canvas.fillRect({le, kBarTop, te + 1, kBarBottom});
  canvas.setPenColour(kRangeInk);
  canvas.setBrushColour(kRangeFill);
  canvas.fillRect({col(in.cgForward), kBarTop - 6, col(in.cgRear) + 1, kBarBottom + 6});
  if (in.bandMm) {
    canvas.setPenColour(kRed);
    canvas.setBrushColour(kBandFill);
    // At least a few pixels either side, so that a narrow band still shows.
    const int np = col(in.xnp);
    const int left = std::min(col(in.xnp - *in.bandMm), np - kMinBandPixels);
    const int right = std::max(col(in.xnp + *in.bandMm), np + kMinBandPixels);
    canvas.fillRect({left, kBarTop - 10, right + 1, kBarBottom + 10});
  }

  // Ticks every quarter of the chord, with their percentages.
  canvas.setBrushColour(colours.infoBackground);
  canvas.setFontColour(kBlack);
  for (int q = 0; q <= 4; ++q) {
    const int x = col(in.xLe + in.lmue * q / 4);
    mark(canvas, x, kBarBottom, kBarBottom + 4, kBlack, 1);
    centredText(canvas, x, kBarBottom + 6, formatInt(25LL * q) + " %");
  }
  centredText(canvas, le, kBarTop - 14, std::string(text(TextId::ChordBarLeadingEdge, language)));
  centredText(canvas, te, kBarTop - 14, std::string(text(TextId::ChordBarTrailingEdge, language)));

  canvas.setFontColour(kRangeInk);
  centredText(canvas, (col(in.cgForward) + col(in.cgRear)) / 2, 4,
              std::string(text(TextId::ChordBarCgRange, language)));
  mark(canvas, col(in.cgManual), kBarTop - 8, kBarBottom + 20, kBlue, 2);
  canvas.setFontColour(kBlue);
  centredText(canvas, col(in.cgManual), kBarBottom + 22, std::string(text(TextId::ChordBarManualCg, language)));
  mark(canvas, col(in.xnp), kBarTop - 18, kBarBottom + 10, kRed, 2);
  canvas.setFontColour(kRed);
  centredText(canvas, col(in.xnp), 14, std::string(text(TextId::ChordBarNeutralPoint, language)));
  if (in.weighedCg) {
    mark(canvas, col(*in.weighedCg), kBarTop - 4, kBarBottom + 34, kBlack, 2);
    canvas.setFontColour(kBlack);
    centredText(canvas, col(*in.weighedCg), kBarBottom + 36, std::string(text(TextId::ChordBarWeighedCg, language)));
  }
  canvas.setFontColour(kBlack);
}

}  // namespace volantis4
