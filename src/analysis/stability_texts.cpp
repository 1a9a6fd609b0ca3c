#include "analysis/stability_texts.h"

#include "model/numbers.h"

namespace volantis4 {

std::string label21Caption(bool resultsValid, double xnp, const StabilityProposal& proposal, Language language) {
  if (!resultsValid) return "%";
  const char* head = language == Language::English ? "%  AC-CG= " : "%  NP-SP= ";
  return head + formatFixed(xnp - proposal.x_cg_manual, 0, 1) + "mm";
}

std::vector<LegendLine> legendLines(double sb, double lmue, double xnp, const StabilityProposal& p, bool manualChoice,
                                    Language language) {
  const bool en = language == Language::English;
  const std::string cg = en ? "x_cg (" : "x_SP (";
  using Ink = LegendLine::Ink;
  std::vector<LegendLine> lines;
  lines.push_back({232, Ink::Black,
                   (en ? "Reference area (S): " : "Bezugsfläche (S): ") + formatFixed(sb / 10000, 0, 2) + "dm^2 "});
  lines.push_back(
      {249, Ink::Black, (en ? "Reference length (lm): " : "Bezugstiefe (lm): ") + formatFixed(lmue, 0, 1) + "mm "});
  if (manualChoice) {
    lines.push_back({282, Ink::Blue,
                     cg + formatFixed(p.manual_margin, 0, 1) + "%): " + formatFixed(p.x_cg_manual, 0, 1) + "mm     "});
  } else {
    lines.push_back(
        {266, Ink::Blue, cg + formatFixed(p.margins.high, 0, 0) + "%): " + formatFixed(p.x_cg_high, 0, 1) + "mm   "});
    lines.push_back(
        {282, Ink::Blue, cg + formatFixed(p.margins.low, 0, 0) + "%): " + formatFixed(p.x_cg_low, 0, 1) + "mm   "});
  }
  lines.push_back({298, Ink::Red, (en ? "x_ac: " : "x_NP: ") + formatFixed(xnp, 0, 1) + "mm    "});
  return lines;
}

}  // namespace volantis4
