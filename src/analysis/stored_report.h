#pragma once
// The stability report of results stored with an aircraft file: the neutral point, the reference
// chord and area, no lattice. What they allow is given (neutral point, the centres of gravity in mm
// and percent MAC, the balance by weighing); the lattice figures need a run.

#include <optional>

#include "analysis/stability_report.h"
#include "model/document.h"

namespace volantis4 {

/// The report of the results `doc` holds from its file (results valid without a lattice), with its
/// margin and balance inputs; nullopt for any other document. The reference wing and the leading
/// edge of its reference chord come from the lattice the run would build (no equations solved).
std::optional<StabilityReport> storedReport(const Document& doc);

}  // namespace volantis4
