#include "analysis/report_lines.h"

#include <initializer_list>
#include <optional>
#include <string_view>

#include "model/numbers.h"
#include "model/text_fill.h"

namespace volantis4 {
namespace {

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

std::vector<ReportBlock> reportBlocks(const StabilityReport& r, Language language) {
  const Language l = language;
  // A figure of an extra run: its value, "…" while the runs go on, else "not available".
  const auto extra = [&r, l](const std::optional<double>& v, int decimals) {
    if (!v && r.extrasPending) return std::string(text(TextId::ReportPending, l));
    return optionalFixed(v, decimals, l);
  };
  std::vector<ReportBlock> blocks;
  const auto block = [&blocks, l](ReportSection section, TextId heading) -> std::vector<std::string>& {
    blocks.push_back({section, std::string(text(heading, l)), {}});
    return blocks.back().lines;
  };

  std::vector<std::string>& position = block(ReportSection::Position, TextId::ReportHeadingPosition);
  position.push_back(
      filledText(TextId::ReportNeutralPoint, l, {fixed(r.xnp, 1), fixed(r.npFromRootLe, 1), fixed(r.npPercentMac, 1)}));
  position.push_back(
      filledText(TextId::ReportReference, l,
                 {formatInt(r.refWing), fixed(r.refRootLeX, 1), fixed(r.lmue, 1), fixed(r.sb / 10000, 2)}));
  position.push_back(filledText(TextId::ReportLeadingEdge, l, {fixed(r.xLeRef, 1), fixed(r.xLeRef - r.refRootLeX, 1)}));
  for (const CgPosition& cg : r.cg)
    position.push_back(filledText(
        TextId::ReportCg, l,
        {cgName(cg.name, l), fixed(cg.margin, 1), fixed(cg.x, 1), fixed(cg.fromRootLe, 1), fixed(cg.percentMac, 1)}));

  std::vector<std::string>& accuracy = block(ReportSection::Accuracy, TextId::ReportHeadingAccuracy);
  if (r.fine.available) {
    accuracy.push_back(filledText(TextId::ReportAccuracy, l,
                                  {formatInt(r.fine.n_panels), fixed(r.fine.xnp, 1), fixed(r.fine.xnpConverged, 1),
                                   fixed(r.fine.bandMm, 2), fixed(r.fine.bandPercentMac, 2)}));
  } else if (r.extrasPending) {
    accuracy.push_back(std::string(text(TextId::ReportAccuracyPending, l)));
  } else {
    accuracy.push_back(std::string(text(TextId::ReportAccuracyNone, l)));
    for (const Message& m : r.fine.messages) accuracy.push_back("  " + renderMessage(m, l));
  }

  std::vector<std::string>& surfaces = block(ReportSection::Surfaces, TextId::ReportHeadingSurfaces);
  for (const SurfaceFigures& s : r.wings) {
    surfaces.push_back(filledText(TextId::ReportSurface, l, {formatInt(s.wing), fixed(100 * s.liftShare, 1)}));
    surfaces.push_back(filledText(TextId::ReportSurfaceSlope, l,
                                  {fixed(s.liftSlope, 3), extra(s.liftSlopeAlone, 3), extra(s.effectiveness, 3)}));
    if (s.volume) surfaces.push_back(filledText(TextId::ReportSurfaceVolume, l, {fixed(*s.volume, 3)}));
    surfaces.push_back(filledText(TextId::ReportSurfaceChange, l, {extra(s.xnpPer10mm, 2)}));
  }

  if (r.balance) {
    std::vector<std::string>& balance = block(ReportSection::Balance, TextId::ReportHeadingBalance);
    const BalanceFigures& b = *r.balance;
    balance.push_back(
        filledText(TextId::ReportBalance, l, {fixed(b.x_cg, 1), fixed(b.fromRootLe, 1), fixed(b.totalMass, 0)}));
    balance.push_back(filledText(TextId::ReportBalanceMargin, l, {fixed(b.staticMargin, 1)}));
    balance.push_back(
        filledText(TextId::ReportBalanceTarget, l, {cgName(b.target, l), fixed(b.targetX, 1), fixed(b.shiftMm, 1)}));
    if (b.ballastG) {
      balance.push_back(filledText(TextId::ReportBalanceBallast, l, {fixed(*b.ballastAt, 1), fixed(*b.ballastG, 1)}));
    } else if (b.ballastUnreachable) {
      balance.push_back(filledText(TextId::ReportBalanceUnreachable, l, {fixed(*b.ballastAt, 1)}));
    }
    if (b.moveMm) {
      balance.push_back(filledText(TextId::ReportBalanceMove, l, {fixed(*b.moveMass, 0), fixed(*b.moveMm, 1)}));
    } else if (b.moveBeyondReach) {
      balance.push_back(filledText(TextId::ReportBalanceMoveBeyondReach, l, {fixed(*b.moveMass, 0)}));
    }
  }
  return blocks;
}

std::vector<std::string> reportLines(const StabilityReport& r, Language language) {
  std::vector<std::string> lines{std::string(text(TextId::ReportTitle, language))};
  for (const ReportBlock& b : reportBlocks(r, language)) lines.insert(lines.end(), b.lines.begin(), b.lines.end());
  return lines;
}

}  // namespace volantis4
