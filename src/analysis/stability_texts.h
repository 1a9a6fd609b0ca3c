#pragma once
// The stability proposal in words: the margin label of the window and the legend of the top view's
// result overlay (also the command line's calculation summary).

#include <string>
#include <vector>

#include "model/language.h"
#include "solver/stabil.h"

namespace volantis4 {

/// The caption of Label21: "%" without valid results, else "%  AC-CG= " (German "%  NP-SP= ")
/// + (xnp − x_cg_manual) with one decimal + "mm".
std::string label21Caption(bool resultsValid, double xnp, const StabilityProposal& proposal, Language language);

/// One legend line of the top view's result overlay, written at x = 9.
struct LegendLine {
  enum class Ink { Black, Blue, Red };
  int y = 0;  // pixel row
  Ink ink = Ink::Black;
  std::string text;
};

/// The legend lines in drawing order: reference area (sb in dm²), reference length (lmue), the
/// centre-of-gravity lines of the current mode (two automatic or one manual), and x_ac (xnp).
std::vector<LegendLine> legendLines(double sb, double lmue, double xnp, const StabilityProposal& proposal,
                                    bool manualChoice, Language language);

}  // namespace volantis4
