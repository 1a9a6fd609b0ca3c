#include "cli/cli_report.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <ostream>

#include "analysis/report_lines.h"
#include "analysis/stability_report.h"
#include "model/numbers.h"
#include "model/text_fill.h"
#include "solver/calculation_run.h"
#include "solver/stabil.h"

namespace volantis4 {
namespace {

const char* keyOf(CgTarget target) {
  switch (target) {
    case CgTarget::Low:
      return "low";
    case CgTarget::High:
      return "high";
    case CgTarget::Manual:
      break;
  }
  return "manual";
}

nlohmann::json orNull(const std::optional<double>& v) { return v ? nlohmann::json(*v) : nlohmann::json(nullptr); }

nlohmann::json jsonOf(const StabilityReport& r, Language language) {
  nlohmann::json j;
  j["xnp"] = r.xnp;
  j["lmue"] = r.lmue;
  j["sb"] = r.sb;
  j["ref_wing"] = r.refWing;
  j["ref_root_le_x"] = r.refRootLeX;
  j["x_le_ref"] = r.xLeRef;
  j["np_percent_mac"] = r.npPercentMac;
  j["np_from_root_le"] = r.npFromRootLe;
  j["cg"] = nlohmann::json::array();
  for (const CgPosition& cg : r.cg)
    j["cg"].push_back({{"name", keyOf(cg.name)},
                       {"margin", cg.margin},
                       {"x", cg.x},
                       {"from_root_le", cg.fromRootLe},
                       {"percent_mac", cg.percentMac}});

  nlohmann::json fine;
  fine["available"] = r.fine.available;
  if (r.fine.available) {
    fine["n_panels"] = r.fine.n_panels;
    fine["xnp"] = r.fine.xnp;
    fine["xnp_converged"] = r.fine.xnpConverged;
    fine["band_mm"] = r.fine.bandMm;
    fine["band_percent_mac"] = r.fine.bandPercentMac;
  } else {
    for (const char* key : {"n_panels", "xnp", "xnp_converged", "band_mm", "band_percent_mac"}) fine[key] = nullptr;
    fine["messages"] = nlohmann::json::array();
    for (const Message& m : r.fine.messages) fine["messages"].push_back(renderMessage(m, language));
  }
  j["fine"] = fine;

  j["wings"] = nlohmann::json::array();
  for (const SurfaceFigures& s : r.wings)
    j["wings"].push_back({{"wing", s.wing},
                          {"lift_share", s.liftShare},
                          {"lift_slope", s.liftSlope},
                          {"lift_slope_alone", orNull(s.liftSlopeAlone)},
                          {"effectiveness", orNull(s.effectiveness)},
                          {"volume", orNull(s.volume)},
                          {"dxnp_per_10mm", orNull(s.xnpPer10mm)}});

  if (r.balance) {
    const BalanceFigures& b = *r.balance;
    j["balance"] = {{"x_cg", b.x_cg},
                    {"from_root_le", b.fromRootLe},
                    {"static_margin", b.staticMargin},
                    {"target_x", b.targetX},
                    {"shift_mm", b.shiftMm},
                    {"ballast_g", orNull(b.ballastG)},
                    {"move_mm", orNull(b.moveMm)}};
  }
  return j;
}

// The object of a run that did not complete: every figure null, no centres of gravity or wings.
nlohmann::json jsonWithoutResults(bool withBalance) {
  nlohmann::json j;
  for (const char* key :
       {"xnp", "lmue", "sb", "ref_wing", "ref_root_le_x", "x_le_ref", "np_percent_mac", "np_from_root_le", "fine"})
    j[key] = nullptr;
  j["cg"] = nlohmann::json::array();
  j["wings"] = nlohmann::json::array();
  if (withBalance) j["balance"] = nullptr;
  return j;
}

// A weighing number given with `option` as `text`: read as the file reader reads it and within
// the limits of `quantity`; nullopt with `problem` naming the option and the value otherwise.
std::optional<double> weighingNumber(const std::string& option, const std::string& text, BalanceQuantity quantity,
                                     Language language, std::string& problem) {
  const std::optional<double> value = readBalanceNumber(text);
  if (value && withinBalanceLimits(quantity, *value)) return value;
  problem =
      filledText(TextId::OptionValueUnusable, language, {option, text}) + " " + balanceLimitsText(quantity, language);
  return std::nullopt;
}

// "X:G": a support's position (mm from the root leading edge) and its reading (g).
std::optional<Support> supportOf(const std::string& text, Language language, std::string& problem) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) {
    problem = "--support " + text + ": expected X:G, a position in mm and a mass of at least 0 g";
    return std::nullopt;
  }
  const auto position = readBalanceNumber(text.substr(0, colon));
  const auto mass = readBalanceNumber(text.substr(colon + 1));
  const bool positionOk = position && withinBalanceLimits(BalanceQuantity::Position, *position);
  if (!positionOk || !mass || !withinBalanceLimits(BalanceQuantity::ReadingMass, *mass)) {
    problem = filledText(TextId::OptionValueUnusable, language, {"--support", text}) + " " +
              balanceLimitsText(positionOk ? BalanceQuantity::ReadingMass : BalanceQuantity::Position, language);
    return std::nullopt;
  }
  return Support{*position, *mass};
}

}  // namespace

ReportCommand& addReportCommand(CLI::App& app, const CLI::Validator& marginNumber, ReportCommand& c) {
  c.app = app.add_subcommand("report",
                             "Run the calculation and print the stability report: centre of gravity on the model, "
                             "lattice accuracy, what each surface does, what to change, balancing by weighing");
  CLI::App& r = *c.app;
  r.add_option("FILE", c.file, "Aircraft file (.vn4) or legacy data file (.da4); default: the default aircraft");
  r.add_flag("--json", c.json, "Print one JSON object with full-precision numbers");
  r.add_option("--lang", c.language, "Language of the report")
      ->check(CLI::IsMember({"en", "de"}))
      ->capture_default_str();
  r.add_option("--margin", c.marginText, "Manual static margin in percent (12.5 or 12,5)")
      ->check(marginNumber)
      ->capture_default_str();
  CLI::Option* cg =
      r.add_option("--cg", c.cg, "Measured centre of gravity, mm from the reference wing's root leading edge")
          ->type_name("FLOAT");
  CLI::Option* mass = r.add_option("--mass", c.mass, "Total mass in g (with --cg)")->type_name("FLOAT");
  CLI::Option* support = r.add_option("--support", c.supports,
                                      "A scale reading X:G: support at X mm from the root leading edge carrying G g "
                                      "(two or more)");
  cg->needs(mass);
  mass->needs(cg);
  support->excludes(cg)->excludes(mass);
  r.add_option("--target", c.target, "Target centre of gravity for the balance")
      ->check(CLI::IsMember({"low", "high", "manual"}))
      ->capture_default_str();
  r.add_option("--ballast-at", c.ballastAt, "Ballast position, mm from the root leading edge")->type_name("FLOAT");
  r.add_option("--move-mass", c.moveMass, "A mass in g (a battery) to move instead of adding ballast")
      ->type_name("FLOAT");
  r.add_option("--template", c.templateFile, "Write the balance template, one A4 page at true scale, as PDF");
  return c;
}

std::optional<ReportOptions> reportOptionsOf(const ReportCommand& c, std::string& problem) {
  ReportOptions o;
  o.json = c.json;
  o.language = c.language == "de" ? Language::German : Language::English;
  o.marginText = c.marginText;
  const auto number = [&](const char* option, const std::optional<std::string>& text, BalanceQuantity quantity,
                          std::optional<double>& value) {
    if (text) value = weighingNumber(option, *text, quantity, o.language, problem);
    return !text || value;
  };
  std::optional<double> cg, mass;
  if (!number("--cg", c.cg, BalanceQuantity::Position, cg) ||
      !number("--mass", c.mass, BalanceQuantity::TotalMass, mass) ||
      !number("--ballast-at", c.ballastAt, BalanceQuantity::Position, o.ballastAt) ||
      !number("--move-mass", c.moveMass, BalanceQuantity::MoveMass, o.moveMass))
    return std::nullopt;
  BalanceInputs balance;
  if (cg && mass) balance.readings.push_back({*cg, *mass});
  for (const std::string& text : c.supports) {
    const std::optional<Support> s = supportOf(text, o.language, problem);
    if (!s) return std::nullopt;
    balance.readings.push_back(*s);
  }
  if (!c.supports.empty()) {
    double total = 0;
    for (const Support& s : balance.readings) total += s.mass;
    if (c.supports.size() < 2 || !withinBalanceLimits(BalanceQuantity::TotalMass, total)) {
      problem = "--support: give two or more readings whose masses add up to more than 0 g and at most " +
                formatRoundTrip(kBalanceMassLimitG) + " g";
      return std::nullopt;
    }
  }
  if (c.app->count("--target") > 0)
    o.target = c.target == "low" ? CgTarget::Low : c.target == "high" ? CgTarget::High : CgTarget::Manual;
  if (!balance.readings.empty()) {
    balance.target = o.target.value_or(CgTarget::Manual);
    balance.ballastAt = o.ballastAt;
    balance.moveMass = o.moveMass;
    o.balance = balance;
  }
  return o;
}

std::optional<ReportOptions> withFileBalance(ReportOptions o, const Document& doc, std::string& problem) {
  if (!o.balance && doc.balance) {
    o.balance = doc.balance;
    if (o.target) o.balance->target = *o.target;
    if (o.ballastAt) o.balance->ballastAt = o.ballastAt;
    if (o.moveMass) o.balance->moveMass = o.moveMass;
  }
  if (!o.balance && (o.target || o.ballastAt || o.moveMass)) {
    problem =
        "--target, --ballast-at and --move-mass need --cg with --mass, --support readings, or an aircraft file with "
        "balance inputs";
    return std::nullopt;
  }
  return o;
}

std::string manualMarginProblem(const std::string& marginText, std::initializer_list<double> figures) {
  for (const double figure : figures)
    if (!std::isfinite(figure))
      return "--margin " + marginText +
             ": the centre of gravity for this margin (neutral point less margin/100 of the reference chord) lies "
             "beyond any finite number";
  return {};
}

int printReport(Document& doc, const ReportOptions& options, std::ostream& out, std::ostream& err,
                std::string& problem) {
  doc.language = options.language;
  doc.stability.marginText = options.marginText;
  const bool complete = Button4Click(doc);
  const std::optional<ReportBasis> basis = complete ? reportBasis(doc) : std::nullopt;
  if (!basis) {
    std::ostream& lines = options.json ? err : out;
    for (const std::string& line : doc.run.panel.lines()) lines << line << "\n";
    if (options.json) out << jsonWithoutResults(options.balance.has_value()).dump() << "\n";
    return 1;
  }

  const StabilityProposal proposal = proposalOf(doc);
  const CgPosition manual = makeReport(*basis, proposal, ExtraRuns{}).cg[2];
  problem = manualMarginProblem(options.marginText, {manual.x, manual.fromRootLe, manual.percentMac});
  if (!problem.empty()) return 2;
  const ExtraRuns extras = runExtraRuns(*basis);
  const StabilityReport report = makeReport(*basis, proposal, extras, options.balance ? &*options.balance : nullptr);

  if (doc.run.panel.visible())  // the moved-wings notice
    for (const std::string& line : doc.run.panel.lines()) (options.json ? err : out) << line << "\n";
  if (options.json) {
    out << jsonOf(report, options.language).dump() << "\n";
  } else {
    for (const std::string& line : reportLines(report, options.language)) out << line << "\n";
  }
  return 0;
}

}  // namespace volantis4
