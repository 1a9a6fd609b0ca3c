#pragma once
// Classic planforms with published lift slopes, computed on the standard and the finer lattice.

#include <string>
#include <vector>

#include "model/language.h"

namespace volantis4 {

/// One planform: its published lift slope and what the lattice gives.
struct ValidationResult {
  TextId name;           // the planform's name in the language table
  TextId source;         // where the published figure comes from
  double published = 0;  // per radian
  double computed = 0;   // per radian, standard lattice (0 when the run failed)
  int panels = 0;
  double computedFine = 0;  // per radian, finer lattice (0 when it failed)
  int panelsFine = 0;
};

/// Runs the Warren-12 wing, the 45° swept untapered wing of aspect ratio 5 and the rectangular wing
/// of aspect ratio 6, each alone, on both lattices.
std::vector<ValidationResult> runValidation();

/// The comparison as lines: published beside computed, with the deviation and what it means.
std::vector<std::string> validationLines(const std::vector<ValidationResult>& results, Language language);

}  // namespace volantis4
