#include "print/summary_page.h"

#include "model/language.h"
#include "model/numbers.h"
#include "solver/calculation_output.h"
#include "solver/stabil.h"
#include "views/top_view.h"

namespace volantis4 {
namespace {

constexpr int kSummaryTop = 563;
constexpr int kSummaryValueX = 420;
constexpr int kRightLabelX = 320;
constexpr int kRightValueX = 510;

std::string t(TextId id, const Document& doc) { return std::string(text(id, doc.language)); }

void drawWingBlock(Canvas& page, const Document& doc, int w) {
  const int y0 = wingBlockTop(w);
  const WingPosition& pos = doc.geometry.position(w);
  const PlanformFigures& fig = doc.geometry.figure(w);

  page.textOut(0, y0, t(TextId::PrintWing, doc) + formatInt(w) + ":");
  page.textOut(0, y0 + 20, "xf: " + sectionLine(doc, w, 'x'));
  page.textOut(0, y0 + 40, "lf: " + sectionLine(doc, w, 'l'));
  page.textOut(0, y0 + 60, "yf: " + sectionLine(doc, w, 'y'));
  page.textOut(0, y0 + 80, "zf: " + formatInt(pos.z, 5));
  page.textOut(0, y0 + 100, "x0: " + formatInt(pos.x, 5));

  auto right = [&](int dy, TextId label, const std::string& value) {
    page.textOut(kRightLabelX, y0 + dy, t(label, doc));
    if (!value.empty()) page.textOut(kRightValueX, y0 + dy, value);
  };
  right(20, TextId::PrintSpan, formatFixed(fig.b, 5, 0) + " mm");
  right(40, TextId::PrintArea, formatFixed(fig.S / 10000.0, 5, 1) + " dm**2");
  right(60, TextId::PrintAspectRatio, formatFixed(fig.lam, 5, 1));
  right(80, TextId::PrintMeanChord, formatFixed(fig.lm, 5, 1) + " mm");
  right(100, TextId::PrintGeometricCentre, formatFixed(fig.r25, 5, 1) + " mm");
  const WingVortexResult* vortex = doc.output ? &doc.output->vortex.wing(w) : nullptr;
  right(120, TextId::PrintWingAerodynamicCentre,
        vortex ? formatFixed(acFromWingX(doc.output->vortex, doc.geometry, w), 5, 1) + " mm" : "");
  right(140, TextId::PrintLiftSlope, vortex ? formatFixed(vortex->lift_slope, 5, 2) : "");
}

}  // namespace

void drawSummaryPictures(const Document& doc, const SystemColours& colours, const ThreeDState& rotation,
                         Canvas& topView, Canvas& threeDView) {
  topView.resize(kTopViewBufferWidth, kTopViewBufferHeight);
  threeDView.resize(kThreeDBufferWidth, kThreeDBufferHeight);
  TopViewState view;
  const TopViewInput top = topViewInput(doc, colours, PressureDisplay{});
  clearView(topView, colours);
  d_1d(topView, view, top, true);
  drawResultOverlay(topView, view, top, true, false);

  ThreeDState state = rotation;
  clearView(threeDView, colours);
  d_3d(threeDView, topView, state, view, threeDInput(doc, colours, PressureDisplay{}));
}

void recomputeForSummary(Document& doc) {
  const KeepResults keep(doc);
  Calc(doc);
}

std::string sectionLine(const Document& doc, int w, char kind) {
  const int sections = doc.geometry.wing(w).wingsections;
  const SectionTable& table = doc.geometry.table;
  std::string line;
  for (int s = 1; s <= kSectionCount; ++s) {
    if (s > 1) line += ' ';
    if (s > sections) continue;  // an empty field; the separators stay
    double v = 0;
    switch (kind) {
      case 'x':
        v = table.x(s, w) - doc.geometry.position(w).x;
        break;
      case 'l':
        v = table.c(s, w);
        break;
      default:
        v = table.y(s, w);
        break;
    }
    line += formatFixed(v, 5, 0);
  }
  return line;
}

void drawSummaryPage(Canvas& page, const Document& doc, const std::string& fileName, const Canvas& topView,
                     const Canvas& threeDView, ResultsAge results) {
  page.resize(kSummaryPageWidth, kSummaryPageHeight);
  Font font;
  font.name = kSummaryFontFamily;
  font.size = kSummaryFontSize;
  font.colour = kBlack;
  page.setFont(font);
  page.setBrushColour(kWhite);
  page.setPenColour(kWhite);
  page.setPenWidth(1);
  page.fillRect({0, 0, kSummaryPageWidth, kSummaryPageHeight});

  page.textOut(0, 0, t(TextId::PrintTitle, doc));
  page.textOut(0, 20, fileName);
  page.stretchDraw(kTopViewOnPage, topView);
  page.stretchDraw(kThreeDOnPage, threeDView);

  const StabilityProposal p = proposalOf(doc);
  auto line = [&](int row, const std::string& label, double value) {
    const int y = kSummaryTop + 20 * row;
    page.textOut(0, y, label);
    page.textOut(kSummaryValueX, y, formatFixed(value, 5, 1) + " mm");
  };
  page.textOut(0, kSummaryTop, t(TextId::PrintSummary, doc));
  line(1, t(TextId::PrintAerodynamicCentre, doc), doc.results.xnp);
  line(2, t(TextId::PrintCgHigh, doc) + formatFixed(p.margins.high, 0, 0) + "%: ", p.x_cg_high);
  line(3, t(TextId::PrintCgLow, doc) + formatFixed(p.margins.low, 0, 0) + "%: ", p.x_cg_low);
  line(4, t(TextId::PrintCgManual, doc) + formatFixed(p.manual_margin, 0, 1) + "%: ", p.x_cg_manual);
  if (results == ResultsAge::Outdated) {
    page.setFontColour(kRed);
    page.textOut(0, kOutdatedLineTop, t(TextId::PrintResultsOutdated, doc));
    page.setFontColour(kBlack);
  }

  for (int w = 1; w <= doc.form.wingsCount; ++w) drawWingBlock(page, doc, w);
}

}  // namespace volantis4
