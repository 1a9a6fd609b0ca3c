#include "cli/cli_calc.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "analysis/stability_texts.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"
#include "solver/stabil.h"

namespace volantis4 {
namespace {

// Reference lines, both automatic lines, the manual line and x_ac, each once.
std::vector<std::string> legendOf(const Document& doc) {
  const StabilityProposal p = proposalOf(doc);
  const auto automatic = legendLines(doc.results.sb, doc.results.lmue, doc.results.xnp, p, false, doc.language);
  const auto manual = legendLines(doc.results.sb, doc.results.lmue, doc.results.xnp, p, true, doc.language);
  std::vector<std::string> lines;
  for (const LegendLine& l : automatic)
    if (l.ink != LegendLine::Ink::Red) lines.push_back(l.text);
  for (const LegendLine& l : manual)
    if (l.ink == LegendLine::Ink::Blue) lines.push_back(l.text);
  for (const LegendLine& l : manual)
    if (l.ink == LegendLine::Ink::Red) lines.push_back(l.text);
  return lines;
}

nlohmann::json jsonOf(const Document& doc, bool complete) {
  nlohmann::json j;
  const CalculationOutput* out = complete ? doc.output.get() : nullptr;
  j["wings_count"] = doc.form.wingsCount;
  j["calc_failed"] = doc.run.flags.calc_failed;
  j["wings_moved"] = doc.run.flags.wings_moved;
  j["messages"] = doc.run.panel.lines();
  j["messages_shown"] = doc.run.panel.visible();
  nlohmann::json heights = nlohmann::json::array();
  for (int w = 1; w <= kWingCount; ++w) heights.push_back(doc.geometry.position(w).z);
  j["wing_z"] = heights;
  // The aircraft's figures, each null without a complete run.
  const StabilityProposal p = out ? proposalOf(doc) : StabilityProposal{};
  const std::pair<const char*, nlohmann::json> figures[] = {
      {"n_panels", out ? nlohmann::json(out->counts.n_panels) : nullptr},
      {"xnp", out ? nlohmann::json(out->vortex.xnp) : nullptr},
      {"sb", out ? nlohmann::json(out->vortex.sb) : nullptr},
      {"lmue", out ? nlohmann::json(out->vortex.lmue) : nullptr},
      {"ref_wing", out ? nlohmann::json(out->vortex.ref_wing) : nullptr},
      {"margins", out ? nlohmann::json{p.margins.low, p.margins.high} : nullptr},
      {"x_cg_low", out ? nlohmann::json(p.x_cg_low) : nullptr},
      {"x_cg_high", out ? nlohmann::json(p.x_cg_high) : nullptr},
      {"x_cg_manual", out ? nlohmann::json(p.x_cg_manual) : nullptr}};
  for (const auto& [key, value] : figures) j[key] = value;
  j["wings"] = nlohmann::json::array();
  if (!out) return j;
  for (int w = 1; w <= doc.form.wingsCount; ++w) {
    const WingVortexResult& r = out->vortex.wing(w);
    j["wings"].push_back({{"wing", w},
                          {"n_chord", out->counts.chordRows(w)},
                          {"n_strips", out->counts.strips(w)},
                          {"ac_x", r.ac_x},
                          {"ac_rel", acFromWingX(out->vortex, doc.geometry, w)},
                          {"lift_slope", r.lift_slope},
                          {"S", r.S},
                          {"b", r.b},
                          {"lm", r.lm},
                          {"lam", r.lam}});
  }
  return j;
}

}  // namespace

int printCalculation(Document& doc, const CalcOptions& options, std::ostream& out) {
  doc.language = options.language;
  doc.stability.marginText = options.marginText;
  const bool complete = Button4Click(doc);

  if (options.json) {
    out << jsonOf(doc, complete).dump() << "\n";
    return complete ? 0 : 1;
  }
  if (doc.run.panel.visible())
    for (const std::string& line : doc.run.panel.lines()) out << line << "\n";
  if (complete) {
    for (int w = 1; w <= doc.form.wingsCount; ++w)
      out << "Wing " << w << ": anp " << doc.output->anpLabels[wingIndex(w)] << "\n";
    for (const std::string& line : legendOf(doc)) out << line << "\n";
  }
  return complete ? 0 : 1;
}

}  // namespace volantis4
