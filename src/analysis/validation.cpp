#include "analysis/validation.h"

#include <cmath>
#include <string_view>

#include "model/document.h"
#include "model/numbers.h"
#include "model/text_fill.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"
#include "solver/lattice_run.h"

namespace volantis4 {
namespace {

// A one-trapezium wing in whole millimetres: half span, tip leading-edge offset, root and tip chord.
struct Planform {
  TextId name;
  TextId source;
  double published;
  int halfSpan, tipOffset, rootChord, tipChord;
};

// Warren-12: half span √2, root chord 1.5, tip chord 0.5 (mean chord 1, area 2√2, aspect ratio
// 2√2 = 2.83, taper 1/3), tip leading edge at √2 + 1/2, so tan Λ_LE = 1 + √2/4 (53.54°); the
// lifting-surface value 2.743 per radian. Scaled by 1000 to whole millimetres (1414, 1914).
// The swept wing: 45° at every chord line, untapered, aspect ratio 5 (chord 200, half span 500);
// measured about 3.25 per radian. The rectangle: aspect ratio 6, Helmbold's 2πA/(2 + √(A² + 4)).
const std::vector<Planform>& planforms() {
  static const std::vector<Planform> list{
      {TextId::ValidateWarren12, TextId::ValidateSourceLiftingSurface, 2.743, 1414, 1914, 1500, 500},
      {TextId::ValidateSwept45, TextId::ValidateSourceMeasured, 3.25, 500, 500, 200, 200},
      {TextId::ValidateRectangle6, TextId::ValidateSourceHelmbold, 2 * M_PI * 6 / (2 + std::sqrt(40.0)), 600, 0, 200,
       200},
  };
  return list;
}

Document documentOf(const Planform& p) {
  Document doc;
  WingFields& f = doc.form.wing(1);
  f.checkedTrapezia = 1;
  f.gap = "0";
  f.widths[0] = formatInt(p.halfSpan);
  f.offsets[0] = formatInt(p.tipOffset);
  f.chords[0] = formatInt(p.rootChord);
  f.chords[1] = formatInt(p.tipChord);
  f.positionX = "0";
  f.positionZ = "0";
  chooseWingsCount(doc, 1);
  return doc;
}

}  // namespace

std::vector<ValidationResult> runValidation() {
  std::vector<ValidationResult> results;
  for (const Planform& p : planforms()) {
    ValidationResult r{p.name, p.source, p.published};
    Document doc = documentOf(p);
    if (Button4Click(doc)) {
      r.computed = doc.output->vortex.wing(1).lift_slope;
      r.panels = doc.output->counts.n_panels;
      const LatticeRun fine = runLattice(doc.geometry, 1, kFinerLattice);
      if (fine.evaluation.complete) {
        r.computedFine = fine.evaluation.vortex.wing(1).lift_slope;
        r.panelsFine = fine.counts.n_panels;
      }
    }
    results.push_back(r);
  }
  return results;
}

std::vector<std::string> validationLines(const std::vector<ValidationResult>& results, Language language) {
  std::vector<std::string> lines{std::string(text(TextId::ValidateTitle, language))};
  for (const ValidationResult& r : results) {
    lines.push_back(std::string(text(r.name, language)));
    lines.push_back(filledText(TextId::ValidatePublished, language,
                               {formatFixed(r.published, 0, 3), std::string(text(r.source, language))}));
    auto computedLine = [&](double value, int panels) {
      const double deviation = 100 * (value - r.published) / r.published;
      return filledText(TextId::ValidateComputed, language,
                        {formatFixed(value, 0, 3), formatInt(panels), formatFixed(deviation, 0, 1)});
    };
    if (r.panels > 0) lines.push_back(computedLine(r.computed, r.panels));
    if (r.panelsFine > 0) lines.push_back(computedLine(r.computedFine, r.panelsFine));
  }
  lines.push_back(std::string(text(TextId::ValidateNote1, language)));
  lines.push_back(std::string(text(TextId::ValidateNote2, language)));
  return lines;
}

}  // namespace volantis4
