#include "analysis/report_figures.h"

#include "model/numbers.h"

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

std::vector<SectionDescription> describeReport() {
  using K = FigureKind;
  const FigureGroup reference{
      .figures = {{"xnp", K::Real, 1, 1, true, [](R r, I) { return number(r.xnp); }},
                  {"np_from_root_le", K::Real, 1, 1, true, [](R r, I) { return number(r.npFromRootLe); }},
                  {"np_percent_mac", K::Real, 1, 1, true, [](R r, I) { return number(r.npPercentMac); }},
                  {"ref_wing", K::Integer, 0, 1, true, [](R r, I) { return number(r.refWing); }},
                  {"ref_root_le_x", K::Real, 1, 1, true, [](R r, I) { return number(r.refRootLeX); }},
                  {"lmue", K::Real, 1, 1, true, [](R r, I) { return number(r.lmue); }},
                  {"sb", K::Real, 2, 1e-4, true, [](R r, I) { return number(r.sb); }},
                  {"x_le_ref", K::Real, 1, 1, true, [](R r, I) { return number(r.xLeRef); }},
                  {"x_le_from_root_le", K::Real, 1, 1, false, [](R r, I) { return number(r.xLeRef - r.refRootLeX); }}},
      .lines = {{TextId::ReportNeutralPoint, {"xnp", "np_from_root_le", "np_percent_mac"}},
                {TextId::ReportReference, {"ref_wing", "ref_root_le_x", "lmue", "sb"}},
                {TextId::ReportLeadingEdge, {"x_le_ref", "x_le_from_root_le"}}}};

  const FigureGroup centresOfGravity{
      .key = "cg",
      .place = JsonPlace::Array,
      .count = [](R r) { return r.cg.size(); },
      .figures = {{"name", K::CgName, 0, 1, true, [](R r, I i) { return named(cgOf(r, i).name); }},
                  {"margin", K::Real, 1, 1, true, [](R r, I i) { return number(cgOf(r, i).margin); }},
                  {"x", K::Real, 1, 1, true, [](R r, I i) { return number(cgOf(r, i).x); }},
                  {"from_root_le", K::Real, 1, 1, true, [](R r, I i) { return number(cgOf(r, i).fromRootLe); }},
                  {"percent_mac", K::Real, 1, 1, true, [](R r, I i) { return number(cgOf(r, i).percentMac); }}},
      .lines = {{TextId::ReportCg, {"name", "margin", "x", "from_root_le", "percent_mac"}}}};

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
                {TextId::ReportAccuracyNone, {}, [](R r, I) { return !r.fine.available && !r.extrasPending; }}},
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
                  {"dxnp_per_10mm", K::Real, 2, 1, true, [](R r, I i) { return extra(r, wingOf(r, i).xnpPer10mm); }}},
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
                  {"from_root_le", K::Real, 1, 1, true, [](R r, I) { return number(balanceOf(r).fromRootLe); }},
                  {"total_mass", K::Real, 0, 1, false, [](R r, I) { return number(balanceOf(r).totalMass); }},
                  {"static_margin", K::Real, 1, 1, true, [](R r, I) { return number(balanceOf(r).staticMargin); }},
                  {"target", K::CgName, 0, 1, false, [](R r, I) { return named(balanceOf(r).target); }},
                  {"target_x", K::Real, 1, 1, true, [](R r, I) { return number(balanceOf(r).targetX); }},
                  {"shift_mm", K::Real, 1, 1, true, [](R r, I) { return number(balanceOf(r).shiftMm); }},
                  {"ballast_at", K::Real, 1, 1, false, [](R r, I) { return optional(balanceOf(r).ballastAt); }},
                  {"ballast_g", K::Real, 1, 1, true, [](R r, I) { return optional(balanceOf(r).ballastG); }},
                  {"move_mass", K::Real, 0, 1, false, [](R r, I) { return optional(balanceOf(r).moveMass); }},
                  {"move_mm", K::Real, 1, 1, true, [](R r, I) { return optional(balanceOf(r).moveMm); }}},
      .lines = {{TextId::ReportBalance, {"x_cg", "from_root_le", "total_mass"}},
                {TextId::ReportBalanceMargin, {"static_margin"}},
                {TextId::ReportBalanceTarget, {"target", "target_x", "shift_mm"}},
                {TextId::ReportBalanceBallast,
                 {"ballast_at", "ballast_g"},
                 [](R r, I) { return balanceOf(r).ballastG.has_value(); }},
                {TextId::ReportBalanceUnreachable,
                 {"ballast_at"},
                 [](R r, I) { return !balanceOf(r).ballastG && balanceOf(r).ballastUnreachable; }},
                {TextId::ReportBalanceMove, {"move_mass", "move_mm"}, [](R r, I) {
                   return balanceOf(r).moveMm.has_value();
                 }}}};

  return {{ReportSection::Position, "Position", TextId::ReportHeadingPosition, nullptr, {reference, centresOfGravity}},
          {ReportSection::Accuracy, "Accuracy", TextId::ReportHeadingAccuracy, nullptr, {accuracy}},
          {ReportSection::Surfaces, "Surfaces", TextId::ReportHeadingSurfaces, nullptr, {surfaces}},
          {ReportSection::Balance,
           "Balance",
           TextId::ReportHeadingBalance,
           [](R r) { return r.balance.has_value(); },
           {balance}}};
}

}  // namespace

const std::vector<SectionDescription>& reportDescription() {
  static const std::vector<SectionDescription> description = describeReport();
  return description;
}

std::size_t itemCount(const FigureGroup& group, const StabilityReport& report) {
  return group.count ? group.count(report) : 1;
}

std::string figureText(const FigureDescription& figure, const FigureValue& value, Language language) {
  if (figure.kind == FigureKind::CgName) return cgName(value.name, language);
  if (value.pending) return std::string(text(TextId::ReportPending, language));
  if (!value.number) return std::string(text(TextId::ReportNotAvailable, language));
  return formatFixed(*value.number * figure.scale, 0, figure.decimals);
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
