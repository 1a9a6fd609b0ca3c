#include "analysis/report_figures.h"

#include <cmath>
#include <stdexcept>

#include "model/numbers.h"
#include "model/text_fill.h"

// The table below names only the members each entry sets; the others keep their stated defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace volantis4 {
namespace {

using R = const StabilityReport&;
using I = std::size_t;

FigureValue number(double v) { return {v, CgTarget::Manual, false}; }
FigureValue optional(const std::optional<double>& v) { return {v, CgTarget::Manual, false}; }
FigureValue named(CgTarget name) { return {std::nullopt, name, false}; }
// A figure of an extra run: pending while the runs go on and it is not there yet.
FigureValue extra(R r, const std::optional<double>& v) { return {v, CgTarget::Manual, !v && r.extrasPending}; }

// A figure of the finer lattice: none when it could not be built (or is not built yet).
FigureValue fineValue(R r, double v) { return r.fine.available ? number(v) : optional(std::nullopt); }

const CgPosition& cgOf(R r, I i) { return r.cg[i]; }
const SurfaceFigures& wingOf(R r, I i) { return r.wings[i]; }
const BalanceFigures& balanceOf(R r) { return *r.balance; }
const FuselageReport& fuselageOf(R r) { return *r.fuselage; }
const FuselageFigures& bodyOf(R r) { return r.fuselage->figures; }
const FuselageChart& chartOf(R r) { return r.fuselage->figures.chart; }
std::size_t whenFuselage(R r) { return r.fuselage ? 1 : 0; }
std::size_t withoutFuselage(R r) { return r.fuselage ? 0 : 1; }

std::vector<SectionDescription> describeReport() {
  using K = FigureKind;
  // Where a distance is measured from the reference wing's root leading edge, and which way a
  // shift goes, the lines say it in words.
  const SignWords behind{TextId::ReportBehind, TextId::ReportAheadOf};
  const SignWords aft{TextId::ReportAft, TextId::ReportForward};
  const auto refWing = [](R r, I) { return number(r.refWing); };
  const auto lattice = [](R r, I) { return !r.fromFile; };
  const auto stored = [](R r, I) { return r.fromFile; };

  const FigureGroup reference{
      .figures = {{"xnp", K::Real, 1, 1, true, [](R r, I) { return number(r.xnp); }},
                  {"np_from_root_le", K::Real, 1, 1, true, [](R r, I) { return number(r.npFromRootLe); }, behind},
                  {"np_percent_mac", K::Real, 1, 1, true, [](R r, I) { return number(r.npPercentMac); }},
                  {"ref_wing", K::Integer, 0, 1, true, refWing},
                  {"ref_root_le_x", K::Real, 1, 1, true, [](R r, I) { return number(r.refRootLeX); }},
                  {"lmue", K::Real, 1, 1, true, [](R r, I) { return number(r.lmue); }},
                  {"sb", K::Real, 2, 1e-4, true, [](R r, I) { return number(r.sb); }},
                  {"x_le_ref", K::Real, 1, 1, true, [](R r, I) { return number(r.xLeRef); }},
                  {"x_le_from_root_le", K::Real, 1, 1, false, [](R r, I) { return number(r.xLeRef - r.refRootLeX); },
                   behind},
                  {"n_panels", K::Integer, 0, 1, false, [](R r, I) { return number(r.panels); }}},
      .lines = {
          {TextId::ReportNeutralPoint, {"xnp", "np_from_root_le", "ref_wing", "np_percent_mac", "n_panels"}, lattice},
          {TextId::ReportNeutralPointStored, {"xnp", "np_from_root_le", "ref_wing", "np_percent_mac"}, stored},
          {TextId::ReportReference, {"ref_wing", "ref_root_le_x", "lmue", "sb"}},
          {TextId::ReportLeadingEdge, {"x_le_ref", "x_le_from_root_le", "ref_wing"}}}};

  const FigureGroup centresOfGravity{
      .key = "cg",
      .place = JsonPlace::Array,
      .count = [](R r) { return r.cg.size(); },
      .figures = {{"name", K::CgName, 0, 1, true, [](R r, I i) { return named(cgOf(r, i).name); }},
                  {"margin", K::Real, 1, 1, true, [](R r, I i) { return number(cgOf(r, i).margin); }},
                  {"x", K::Real, 1, 1, true, [](R r, I i) { return number(cgOf(r, i).x); }},
                  {"from_root_le", K::Real, 1, 1, true, [](R r, I i) { return number(cgOf(r, i).fromRootLe); }, behind},
                  {"percent_mac", K::Real, 1, 1, true, [](R r, I i) { return number(cgOf(r, i).percentMac); }},
                  {"ref_wing", K::Integer, 0, 1, false, refWing}},
      .lines = {{TextId::ReportCg, {"name", "margin", "x", "from_root_le", "ref_wing", "percent_mac"}}}};

  // Which figures to balance by: said once after the centres of gravity.
  // Which figures to balance by: said once after the centres of gravity (those with the fuselage
  // when one is entered).
  const FigureGroup balanceBy{
      .lines = {{TextId::ReportBalanceBy, {}, [](R r, I) { return !r.fromFile && !r.fuselage; }},
                {TextId::ReportBalanceByFuselage, {}, [](R r, I) { return r.fuselage.has_value(); }},
                {TextId::ReportBalanceByStored, {}, stored}}};

  const FigureGroup accuracy{
      .key = "fine",
      .place = JsonPlace::Object,
      .figures = {{"available", K::Flag, 0, 1, true, [](R r, I) { return number(r.fine.available ? 1 : 0); }},
                  {"n_panels", K::Integer, 0, 1, true, [](R r, I) { return fineValue(r, r.fine.n_panels); }},
                  {"xnp", K::Real, 1, 1, true, [](R r, I) { return fineValue(r, r.fine.xnp); }},
                  {"xnp_converged", K::Real, 1, 1, true, [](R r, I) { return fineValue(r, r.fine.xnpConverged); }},
                  {"band_mm", K::Real, 2, 1, true, [](R r, I) { return fineValue(r, r.fine.bandMm); }},
                  {"band_percent_mac", K::Real, 2, 1, true,
                   [](R r, I) { return fineValue(r, r.fine.bandPercentMac); }}},
      .lines = {{TextId::ReportAccuracy,
                 {"n_panels", "xnp", "xnp_converged", "band_mm", "band_percent_mac"},
                 [](R r, I) { return r.fine.available; }},
                {TextId::ReportAccuracyPending, {}, [](R r, I) { return !r.fine.available && r.extrasPending; }},
                {TextId::ReportAccuracyNone,
                 {},
                 [](R r, I) { return !r.fine.available && !r.extrasPending && !r.fromFile; }},
                {TextId::ReportLatticeNeedsRun, {}, stored}},
      .notes = [](R r, Language l) -> std::optional<std::vector<std::string>> {
        if (r.fine.available) return std::nullopt;
        std::vector<std::string> lines;
        for (const Message& m : r.fine.messages) lines.push_back(renderMessage(m, l));
        return lines;
      },
      .notesKey = "messages"};

  const FigureGroup surfaces{
      .key = "wings",
      .place = JsonPlace::Array,
      .count = [](R r) { return r.wings.size(); },
      .figures = {{"wing", K::Integer, 0, 1, true, [](R r, I i) { return number(wingOf(r, i).wing); }},
                  {"lift_share", K::Real, 1, 100, true, [](R r, I i) { return number(wingOf(r, i).liftShare); }},
                  {"lift_slope", K::Real, 3, 1, true, [](R r, I i) { return number(wingOf(r, i).liftSlope); }},
                  {"lift_slope_alone", K::Real, 3, 1, true,
                   [](R r, I i) { return extra(r, wingOf(r, i).liftSlopeAlone); }},
                  {"effectiveness", K::Real, 3, 1, true, [](R r, I i) { return extra(r, wingOf(r, i).effectiveness); }},
                  {"volume", K::Real, 3, 1, true, [](R r, I i) { return optional(wingOf(r, i).volume); }},
                  {"dxnp_per_10mm", K::Real, 2, 1, true, [](R r, I i) { return extra(r, wingOf(r, i).xnpPer10mm); },
                   aft}},
      .lines = {{TextId::ReportSurface, {"wing", "lift_share"}},
                {TextId::ReportSurfaceSlope, {"lift_slope", "lift_slope_alone", "effectiveness"}},
                {TextId::ReportSurfaceVolume, {"volume"}, [](R r, I i) { return wingOf(r, i).volume.has_value(); }},
                {TextId::ReportSurfaceChange, {"dxnp_per_10mm"}}}};

  const FigureGroup balance{
      .key = "balance",
      .place = JsonPlace::Object,
      .count = [](R r) -> std::size_t { return r.balance ? 1 : 0; },
      .omittedWhenEmpty = true,
      .figures = {{"x_cg", K::Real, 1, 1, true, [](R r, I) { return number(balanceOf(r).x_cg); }},
                  {"from_root_le", K::Real, 1, 1, true, [](R r, I) { return number(balanceOf(r).fromRootLe); }, behind},
                  {"total_mass", K::Real, 0, 1, false, [](R r, I) { return number(balanceOf(r).totalMass); }},
                  {"static_margin", K::Real, 1, 1, true, [](R r, I) { return number(balanceOf(r).staticMargin); }},
                  {"target", K::CgName, 0, 1, false, [](R r, I) { return named(balanceOf(r).target); }},
                  {"target_x", K::Real, 1, 1, true, [](R r, I) { return number(balanceOf(r).targetX); }},
                  {"shift_mm", K::Real, 1, 1, true, [](R r, I) { return number(balanceOf(r).shiftMm); }, aft},
                  {"ballast_at", K::Real, 1, 1, false, [](R r, I) { return optional(balanceOf(r).ballastAt); }, behind},
                  {"ballast_g", K::Real, 1, 1, true, [](R r, I) { return optional(balanceOf(r).ballastG); }},
                  {"move_mass", K::Real, 0, 1, false, [](R r, I) { return optional(balanceOf(r).moveMass); }},
                  {"move_mm", K::Real, 1, 1, true, [](R r, I) { return optional(balanceOf(r).moveMm); }, aft},
                  {"ref_wing", K::Integer, 0, 1, false, refWing}},
      .lines = {
          {TextId::ReportBalance, {"x_cg", "from_root_le", "ref_wing", "total_mass"}},
          {TextId::ReportBalanceMargin, {"static_margin"}},
          {TextId::ReportBalanceTarget, {"target", "target_x", "shift_mm"}},
          {TextId::ReportBalanceBallast,
           {"ballast_at", "ref_wing", "ballast_g"},
           [](R r, I) { return balanceOf(r).ballastG.has_value(); }},
          {TextId::ReportBalanceUnreachable,
           {"ballast_at", "ref_wing"},
           [](R r, I) { return !balanceOf(r).ballastG && balanceOf(r).ballastUnreachable; }},
          {TextId::ReportBalanceMove, {"move_mass", "move_mm"}, [](R r, I) { return balanceOf(r).moveMm.has_value(); }},
          {TextId::ReportBalanceMoveBeyondReach, {"move_mass"}, [](R r, I) {
             return !balanceOf(r).moveMm && balanceOf(r).moveBeyondReach;
           }}}};

  const FigureGroup fuselage{
      .key = "fuselage",
      .place = JsonPlace::Object,
      .count = whenFuselage,
      .figures =
          {{"z", K::Integer, 0, 1, true, [](R r, I) { return number(fuselageOf(r).input.axisZ); }},
           {"cm_alpha", K::Real, 3, 1, true, [](R r, I) { return number(bodyOf(r).cmAlpha); }},
           {"cl_alpha", K::Real, 3, 1, true, [](R r, I) { return number(bodyOf(r).clAlpha); }},
           {"shift_mm", K::Real, 1, 1, true, [](R r, I) { return number(bodyOf(r).shiftMm); }, aft},
           {"shift_percent_mac", K::Real, 1, 1, true, [](R r, I) { return number(100 * bodyOf(r).shiftMm / r.lmue); }},
           {"shift_size_percent_mac", K::Real, 1, 1, false,
            [](R r, I) { return number(100 * std::fabs(bodyOf(r).shiftMm) / r.lmue); }},
           {"xnp", K::Real, 1, 1, true, [](R r, I) { return number(bodyOf(r).xnp); }},
           {"np_percent_mac", K::Real, 1, 1, true, [](R r, I) { return number(r.percentMac(bodyOf(r).xnp)); }},
           {"np_from_root_le", K::Real, 1, 1, false, [](R r, I) { return number(bodyOf(r).xnp - r.refRootLeX); },
            behind},
           {"ref_wing", K::Integer, 0, 1, false, refWing},
           {"station_count", K::Integer, 0, 1, false,
            [](R r, I) { return number(static_cast<double>(fuselageOf(r).input.stations.size())); }},
           {"nose_x", K::Integer, 0, 1, false, [](R r, I) { return number(fuselageOf(r).input.stations.front().x); }},
           {"tail_x", K::Integer, 0, 1, false, [](R r, I) { return number(fuselageOf(r).input.stations.back().x); }},
           {"length", K::Real, 0, 1, false, [](R r, I) { return number(bodyOf(r).length); }},
           {"max_width", K::Real, 0, 1, false, [](R r, I) { return number(bodyOf(r).maxWidth); }}},
      .lines = {{TextId::ReportFuselage, {"station_count", "nose_x", "tail_x", "length", "max_width", "z"}},
                {TextId::ReportFuselageLattice, {"cm_alpha", "cl_alpha", "shift_mm", "shift_size_percent_mac"}}}};

  const FigureGroup stations{
      .key = "stations",
      .parent = "fuselage",
      .place = JsonPlace::Array,
      .count = [](R r) { return r.fuselage ? r.fuselage->input.stations.size() : 0; },
      .figures = {
          {"x", K::Integer, 0, 1, true, [](R r, I i) { return number(fuselageOf(r).input.stations[i].x); }},
          {"w", K::Integer, 0, 1, true, [](R r, I i) { return number(fuselageOf(r).input.stations[i].width); }}}};

  const FigureGroup chart{
      .key = "empirical",
      .parent = "fuselage",
      .place = JsonPlace::Object,
      .count = [](R r) -> std::size_t { return r.fuselage && chartOf(r).inRange ? 1 : 0; },
      .figures = {{"x_quarter_chord", K::Real, 2, 1, true, [](R r, I) { return number(chartOf(r).xQuarterChord); }},
                  {"k_f", K::Real, 4, 1, true, [](R r, I) { return number(chartOf(r).kF); }},
                  {"cm_alpha", K::Real, 3, 1, true, [](R r, I) { return number(chartOf(r).cmAlpha); }},
                  {"shift_mm", K::Real, 1, 1, true, [](R r, I) { return number(chartOf(r).shiftMm); }, aft},
                  {"shift_percent_mac", K::Real, 1, 1, true,
                   [](R r, I) { return number(100 * chartOf(r).shiftMm / r.lmue); }},
                  {"shift_size_percent_mac", K::Real, 1, 1, false,
                   [](R r, I) { return number(100 * std::fabs(chartOf(r).shiftMm) / r.lmue); }},
                  {"spread_mm", K::Real, 1, 1, false,
                   [](R r, I) { return number(std::fabs(chartOf(r).shiftMm - bodyOf(r).shiftMm)); }},
                  {"spread_percent_mac", K::Real, 1, 1, false,
                   [](R r, I) { return number(100 * std::fabs(chartOf(r).shiftMm - bodyOf(r).shiftMm) / r.lmue); }}},
      .lines = {
          {TextId::ReportFuselageChart, {"x_quarter_chord", "k_f", "cm_alpha", "shift_mm", "shift_size_percent_mac"}},
          {TextId::ReportFuselageSpread, {"spread_mm", "spread_percent_mac"}}}};

  const FigureGroup chartNotes{
      .key = "fuselage_notes",
      .place = JsonPlace::None,
      .count = whenFuselage,
      .figures = {{"x_quarter_chord", K::Real, 2, 1, false, [](R r, I) { return number(chartOf(r).xQuarterChord); }}},
      .lines = {{TextId::ReportFuselageChartRange, {"x_quarter_chord"}, [](R r, I) { return !chartOf(r).inRange; }},
                {TextId::ReportFuselageChartLayout, {}, [](R r, I) { return !bodyOf(r).chartLayout; }},
                {TextId::ReportFuselageNeutralPoint,
                 {"fuselage/xnp", "fuselage/np_from_root_le", "fuselage/ref_wing", "fuselage/np_percent_mac"}}}};

  const FigureGroup fuselageCg{
      .key = "cg",
      .parent = "fuselage",
      .place = JsonPlace::Array,
      .count = [](R r) -> std::size_t { return r.fuselage ? r.fuselage->cg.size() : 0; },
      .figures = {{"name", K::CgName, 0, 1, true, [](R r, I i) { return named(fuselageOf(r).cg[i].name); }},
                  {"margin", K::Real, 1, 1, true, [](R r, I i) { return number(fuselageOf(r).cg[i].margin); }},
                  {"x", K::Real, 1, 1, true, [](R r, I i) { return number(fuselageOf(r).cg[i].x); }},
                  {"from_root_le", K::Real, 1, 1, true, [](R r, I i) { return number(fuselageOf(r).cg[i].fromRootLe); },
                   behind},
                  {"percent_mac", K::Real, 1, 1, true, [](R r, I i) { return number(fuselageOf(r).cg[i].percentMac); }},
                  {"ref_wing", K::Integer, 0, 1, false, refWing}},
      .lines = {{TextId::ReportFuselageCg, {"name", "margin", "x", "from_root_le", "ref_wing", "percent_mac"}}}};

  const FigureGroup suspects{
      .key = "suspect_wings",
      .parent = "fuselage",
      .place = JsonPlace::Values,
      .count = [](R r) -> std::size_t { return r.fuselage ? bodyOf(r).suspectWings.size() : 0; },
      .figures = {{"wing", K::Integer, 0, 1, true, [](R r, I i) { return number(bodyOf(r).suspectWings[i]); }}},
      .lines = {{TextId::ReportFuselageSuspect, {"wing"}}}};

  const FigureGroup noFuselage{
      .key = "no_fuselage",
      .place = JsonPlace::None,
      .count = withoutFuselage,
      .lines = {{TextId::ReportFuselageNone, {}, [](R r, I) { return !r.fuselageEntered; }},
                {TextId::ReportFuselageNeedsRun, {}, [](R r, I) { return r.fuselageEntered; }}}};

  const FigureGroup limits{
      .key = "limits",
      .place = JsonPlace::None,
      .figures = {{"converged_shift", K::Real, 1, 1, false,
                   [](R r, I) { return fineValue(r, r.fine.xnpConverged - r.xnp); }, aft}},
      .lines = {{TextId::ReportLimitsLattice,
                 {"fine/band_mm", "fine/band_percent_mac", "fine/xnp_converged"},
                 [](R r, I) { return r.fine.available; }},
                {TextId::ReportLimitsLatticeUnknown, {}, [](R r, I) { return !r.fine.available; }},
                {TextId::ReportLimitsFuselage,
                 {"empirical/spread_mm", "empirical/spread_percent_mac"},
                 [](R r, I) { return r.fuselage && chartOf(r).inRange; }},
                {TextId::ReportLimitsFuselageNoChart, {}, [](R r, I) { return r.fuselage && !chartOf(r).inRange; }},
                {TextId::ReportLimitsFuselageNone, {}, [](R r, I) { return !r.fuselageEntered; }},
                {TextId::ReportFuselageNeedsRun, {}, [](R r, I) { return r.fuselageEntered && !r.fuselage; }},
                {TextId::ReportLimitsPropeller, {}},
                {TextId::ReportLimitsAirfoil, {}},
                {TextId::ReportLimitsTail, {}},
                {TextId::ReportLimitsViscosity, {}},
                {TextId::ReportLimitsBalanceByFuselage,
                 {"fuselage/xnp", "converged_shift"},
                 [](R r, I) { return r.fuselage && r.fine.available; }},
                {TextId::ReportLimitsBalanceBy, {"/xnp", "converged_shift"}, [](R r, I) {
                   return !r.fuselage && r.fine.available;
                 }}}};

  return {
      {ReportSection::Position,

       "Position",
       TextId::ReportHeadingPosition,
       nullptr,
       {reference, centresOfGravity, balanceBy}},
      {ReportSection::Accuracy, "Accuracy", TextId::ReportHeadingAccuracy, nullptr, {accuracy}},
      {ReportSection::Surfaces, "Surfaces", TextId::ReportHeadingSurfaces, [](R r) { return !r.fromFile; }, {surfaces}},
      {ReportSection::Fuselage,
       "Fuselage",
       TextId::ReportHeadingFuselage,
       nullptr,
       {fuselage, stations, chart, chartNotes, fuselageCg, suspects, noFuselage}},
      {ReportSection::Balance,
       "Balance",
       TextId::ReportHeadingBalance,
       [](R r) { return r.balance.has_value(); },
       {balance}},
      {ReportSection::Limits, "Limits", TextId::ReportHeadingLimits, nullptr, {limits}}};
}

}  // namespace

const std::vector<SectionDescription>& reportDescription() {
  static const std::vector<SectionDescription> description = describeReport();
  return description;
}

std::size_t itemCount(const FigureGroup& group, const StabilityReport& report) {
  return group.count ? group.count(report) : 1;
}

NamedFigure namedFigure(const FigureGroup& lineGroup, std::size_t item, std::string_view name) {
  const std::size_t slash = name.find('/');
  const auto in = [](const FigureGroup& group, std::string_view key) -> const FigureDescription* {
    for (const FigureDescription& f : group.figures)
      if (f.key == key) return &f;
    return nullptr;
  };
  if (slash == std::string_view::npos) {
    if (const FigureDescription* f = in(lineGroup, name)) return {*f, item};
  } else {
    for (const SectionDescription& section : reportDescription())
      for (const FigureGroup& group : section.groups)
        if (group.key == name.substr(0, slash))
          if (const FigureDescription* f = in(group, name.substr(slash + 1))) return {*f, 0};
  }
  throw std::logic_error("a report line names an undescribed figure");
}

std::string figureText(const FigureDescription& figure, const FigureValue& value, Language language) {
  if (figure.kind == FigureKind::CgName) return cgName(value.name, language);
  if (value.pending) return std::string(text(TextId::ReportPending, language));
  if (!value.number) return std::string(text(TextId::ReportNotAvailable, language));
  const double shown = *value.number * figure.scale;
  if (!figure.words) return formatFixed(shown, 0, figure.decimals);
  const std::string magnitude = formatFixed(std::fabs(shown), 0, figure.decimals);
  const bool zero = magnitude.find_first_of("123456789") == std::string::npos;
  return filledText(shown < 0 && !zero ? figure.words->negative : figure.words->positive, language, {magnitude});
}

std::string cgName(CgTarget target, Language language) {
  switch (target) {
    case CgTarget::Low:
      return std::string(text(TextId::ReportCgLow, language));
    case CgTarget::High:
      return std::string(text(TextId::ReportCgHigh, language));
    case CgTarget::Manual:
      break;
  }
  return std::string(text(TextId::ReportCgManual, language));
}

std::string_view cgKey(CgTarget target) {
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

}  // namespace volantis4
