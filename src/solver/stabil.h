#pragma once
// Stability: the proposed centre of gravity for a static margin.

#include <optional>
#include <string_view>

namespace volantis4 {

/// The automatic margins (percent of the reference chord): (4, 8) with one wing, else (8, 16).
struct MarginPair {
  double low = 0;   // smaller margin
  double high = 0;  // larger margin
};
MarginPair marginPair(int solverWingsCount);

/// The manual margin in the text of Edit_Mstab: the leading decimal number (blanks skipped,
/// optional sign, point or comma as decimal separator, optional exponent); trailing text is ignored.
/// A text that does not start with a number, or a number beyond the double range, gives 0.
double readManualMargin(std::string_view text);

/// The margin when the whole text (trailing blanks aside) is such a number, for the CLI's --margin.
std::optional<double> manualMarginNumber(std::string_view text);

/// The largest margin, in percent either way, that the window takes from Edit_Mstab: beyond it the
/// centre of gravity lies ten reference chords from the neutral point, and far enough beyond it it
/// is no finite number at all.
inline constexpr double kMarginLimit = 1000;

/// True when Edit_Mstab's text gives a margin the window takes (within ±kMarginLimit).
bool usableManualMargin(std::string_view text);

/// Centre of gravity for margin sigma (percent): xnp − lmue·sigma·0.01 (mm, positive aft).
double centreOfGravity(double xnp, double lmue, double sigma);

/// STABIL's proposal.
struct StabilityProposal {
  MarginPair margins;
  double manual_margin = 0;  // percent
  double x_cg_low = 0;       // for the smaller automatic margin, mm
  double x_cg_high = 0;      // for the larger automatic margin, mm
  double x_cg_manual = 0;    // for the manual margin, mm
};

/// STABIL's arithmetic from the neutral point and reference chord (mm), the solver wing count and
/// the text of Edit_Mstab.
StabilityProposal STABIL(double xnp, double lmue, int solverWingsCount, std::string_view marginText);

struct Document;

/// STABIL's proposal for the document's last results, solver wing count and margin text.
StabilityProposal proposalOf(const Document& doc);

}  // namespace volantis4
