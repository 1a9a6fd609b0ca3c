#include "solver/report_lines.h"

#include <initializer_list>
#include <optional>
#include <string_view>

#include "model/numbers.h"

namespace volantis4 {
namespace {

// The text of `id` with %1 … %9 replaced by the given values.
std::string filled(TextId id, Language language, std::initializer_list<std::string> values) {
  const std::string_view pattern = text(id, language);
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9') {
      const auto index = static_cast<std::size_t>(next - '1');
      if (index < values.size()) out += *(values.begin() + index);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string fixed(double v, int decimals) { return formatFixed(v, 0, decimals); }

std::string optionalFixed(const std::optional<double>& v, int decimals, Language language) {
  return v ? fixed(*v, decimals) : std::string(text(TextId::ReportNotAvailable, language));
}

}  // namespace

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

std::vector<std::string> reportLines(const StabilityReport& r, Language language) {
  const Language l = language;
  std::vector<std::string> lines;
  lines.push_back(std::string(text(TextId::ReportTitle, l)));
  lines.push_back(
      filled(TextId::ReportNeutralPoint, l, {fixed(r.xnp, 1), fixed(r.npFromRootLe, 1), fixed(r.npPercentMac, 1)}));
  lines.push_back(filled(TextId::ReportReference, l,
                         {formatInt(r.refWing), fixed(r.refRootLeX, 1), fixed(r.lmue, 1), fixed(r.sb / 10000, 2)}));
  lines.push_back(filled(TextId::ReportLeadingEdge, l, {fixed(r.xLeRef, 1), fixed(r.xLeRef - r.refRootLeX, 1)}));
  for (const CgPosition& cg : r.cg)
    lines.push_back(filled(
        TextId::ReportCg, l,
        {cgName(cg.name, l), fixed(cg.margin, 1), fixed(cg.x, 1), fixed(cg.fromRootLe, 1), fixed(cg.percentMac, 1)}));

  if (r.fine.available) {
    lines.push_back(filled(TextId::ReportAccuracy, l,
                           {formatInt(r.fine.n_panels), fixed(r.fine.xnp, 1), fixed(r.fine.xnpConverged, 1),
                            fixed(r.fine.bandMm, 2), fixed(r.fine.bandPercentMac, 2)}));
  } else {
    lines.push_back(std::string(text(TextId::ReportAccuracyNone, l)));
    for (const Message& m : r.fine.messages) lines.push_back("  " + renderMessage(m, l));
  }

  for (const SurfaceFigures& s : r.wings) {
    lines.push_back(filled(TextId::ReportSurface, l, {formatInt(s.wing), fixed(100 * s.liftShare, 1)}));
    lines.push_back(
        filled(TextId::ReportSurfaceSlope, l,
               {fixed(s.liftSlope, 3), optionalFixed(s.liftSlopeAlone, 3, l), optionalFixed(s.effectiveness, 3, l)}));
    if (s.volume) lines.push_back(filled(TextId::ReportSurfaceVolume, l, {fixed(*s.volume, 3)}));
    lines.push_back(filled(TextId::ReportSurfaceChange, l, {optionalFixed(s.xnpPer10mm, 2, l)}));
  }

  if (r.balance) {
    const BalanceFigures& b = *r.balance;
    lines.push_back(
        filled(TextId::ReportBalance, l, {fixed(b.x_cg, 1), fixed(b.fromRootLe, 1), fixed(b.totalMass, 0)}));
    lines.push_back(filled(TextId::ReportBalanceMargin, l, {fixed(b.staticMargin, 1)}));
    lines.push_back(
        filled(TextId::ReportBalanceTarget, l, {cgName(b.target, l), fixed(b.targetX, 1), fixed(b.shiftMm, 1)}));
    if (b.ballastG) {
      lines.push_back(filled(TextId::ReportBalanceBallast, l, {fixed(*b.ballastAt, 1), fixed(*b.ballastG, 1)}));
    } else if (b.ballastUnreachable) {
      lines.push_back(filled(TextId::ReportBalanceUnreachable, l, {fixed(*b.ballastAt, 1)}));
    }
    if (b.moveMm) lines.push_back(filled(TextId::ReportBalanceMove, l, {fixed(*b.moveMass, 0), fixed(*b.moveMm, 1)}));
  }
  return lines;
}

}  // namespace volantis4
