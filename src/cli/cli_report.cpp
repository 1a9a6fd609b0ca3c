#include "cli/cli_report.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <ostream>

#include "analysis/report_figures.h"
#include "analysis/report_lines.h"
#include "analysis/stability_report.h"
#include "model/numbers.h"
#include "model/text_fill.h"
#include "solver/calculation_run.h"
#include "solver/stabil.h"

namespace volantis4 {
namespace {

nlohmann::json jsonValue(const FigureDescription& figure, const FigureValue& value) {
  switch (figure.kind) {
    case FigureKind::CgName:
      return std::string(cgKey(value.name));
    case FigureKind::Flag:
      return value.number && *value.number != 0;
    case FigureKind::Integer:
      return value.number ? nlohmann::json(static_cast<long long>(*value.number)) : nlohmann::json(nullptr);
    case FigureKind::Real:
      break;
  }
  return value.number ? nlohmann::json(*value.number) : nlohmann::json(nullptr);
}

// One item of a group as a JSON object (Top: the keys to merge into the report object).
nlohmann::json itemJson(const FigureGroup& group, const StabilityReport& r, std::size_t item, Language language) {
  nlohmann::json j = nlohmann::json::object();
  for (const FigureDescription& f : group.figures)
    if (f.inJson) j[std::string(f.key)] = jsonValue(f, f.value(r, item));
  if (group.notes)
    if (const auto notes = group.notes(r, language)) j[std::string(group.notesKey)] = *notes;
  return j;
}

// The object a group's keys go into: the report's own, or its parent group's (null while the parent
// is absent).
nlohmann::json* holderOf(nlohmann::json& report, const FigureGroup& group) {
  if (group.parent.empty()) return &report;
  const auto parent = report.find(std::string(group.parent));
  return parent != report.end() && parent->is_object() ? &*parent : nullptr;
}

// The report as one JSON object with full-precision numbers, key by key as described.
nlohmann::json jsonOf(const StabilityReport& r, Language language) {
  nlohmann::json j = nlohmann::json::object();
  for (const SectionDescription& section : reportDescription()) {
    for (const FigureGroup& group : section.groups) {
      nlohmann::json* holder = holderOf(j, group);
      if (holder == nullptr || group.place == JsonPlace::None) continue;
      const std::size_t items = itemCount(group, r);
      const std::string key(group.key);
      switch (group.place) {
        case JsonPlace::Top:
          holder->update(itemJson(group, r, 0, language));
          break;
        case JsonPlace::Object:
          if (items > 0)
            (*holder)[key] = itemJson(group, r, 0, language);
          else if (!group.omittedWhenEmpty)
            (*holder)[key] = nullptr;
          break;
        case JsonPlace::Array:
        case JsonPlace::Values:
          (*holder)[key] = nlohmann::json::array();
          for (std::size_t i = 0; i < items; ++i) {
            if (group.place == JsonPlace::Array)
              (*holder)[key].push_back(itemJson(group, r, i, language));
            else
              (*holder)[key].push_back(jsonValue(group.figures.front(), group.figures.front().value(r, i)));
          }
          break;
        case JsonPlace::None:
          break;
      }
    }
  }
  return j;
}

// The object of a run that did not complete: every figure of the report's own null, its objects null
// and its arrays empty; the balance null when balance inputs were given.
nlohmann::json jsonWithoutResults(bool withBalance) {
  nlohmann::json j = nlohmann::json::object();
  for (const SectionDescription& section : reportDescription()) {
    for (const FigureGroup& group : section.groups) {
      if (!group.parent.empty()) continue;
      const std::string key(group.key);
      switch (group.place) {
        case JsonPlace::Top:
          for (const FigureDescription& f : group.figures)
            if (f.inJson) j[std::string(f.key)] = nullptr;
          break;
        case JsonPlace::Object:
          if (!group.omittedWhenEmpty || withBalance) j[key] = nullptr;
          break;
        case JsonPlace::Array:
        case JsonPlace::Values:
          j[key] = nlohmann::json::array();
          break;
        case JsonPlace::None:
          break;
      }
    }
  }
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
  r.add_option("--template", c.templateFile,
               "Write the balance template, one page (A4 or the locale's Letter) at true scale, as PDF");
  r.add_option("--fuselage", c.fuselage,
               "A fuselage station X:W, repeated from nose to tail: X in mm along the aircraft (negative ahead of "
               "x = 0), W the full width in mm; replaces the aircraft's fuselage");
  r.add_option("--fuselage-z", c.fuselageZ, "Height of the fuselage's axis in mm (default: the aircraft's, else 0)");
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
  for (const std::string& text : c.fuselage) {
    const std::size_t colon = text.find(':');
    const auto x =
        colon == std::string::npos ? std::nullopt : wholeMillimetres(std::string_view(text).substr(0, colon));
    const auto w =
        colon == std::string::npos ? std::nullopt : wholeMillimetres(std::string_view(text).substr(colon + 1));
    if (!x || !w) {
      problem = "--fuselage " + text + ": expected X:W, a position and a width in whole millimetres";
      return std::nullopt;
    }
    o.fuselageStations.push_back({*x, *w});
  }
  if (c.fuselageZ) {
    o.fuselageZ = wholeMillimetres(*c.fuselageZ);
    if (!o.fuselageZ) {
      problem = "--fuselage-z " + *c.fuselageZ + ": expected a height in whole millimetres";
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

bool takeOptionFuselage(const ReportOptions& o, Document& doc, std::string& problem) {
  std::optional<FuselageInput> fuselage = doc.fuselage;
  if (!o.fuselageStations.empty()) {
    if (!fuselage) fuselage.emplace();
    fuselage->stations = o.fuselageStations;
  }
  if (o.fuselageZ) {
    if (!fuselage) {
      problem = "--fuselage-z needs --fuselage stations or an aircraft file with a fuselage";
      return false;
    }
    fuselage->axisZ = *o.fuselageZ;
  }
  if (fuselage)
    if (const auto check = checkFuselage(*fuselage)) {
      problem = "--fuselage: " + renderFuselageProblem(*check, o.language);
      return false;
    }
  doc.fuselage = std::move(fuselage);
  return true;
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
  const StabilityReport report = makeReport(*basis, proposal, extras, options.balance ? &*options.balance : nullptr,
                                            doc.fuselage ? &*doc.fuselage : nullptr);

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
