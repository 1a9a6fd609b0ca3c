#pragma once
// `volantis4-cli print`: the summary page of an aircraft, rendered headless to PNG or PDF, and the
// balance template of `report --template`; both through the page-writing module.

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/cli_refusal.h"
#include "model/language.h"

namespace volantis4 {

struct PrintOptions {
  std::string file;  // aircraft or legacy data file to load
  Language language = Language::English;
  std::string marginText = "7.5";  // manual margin, as typed into the margin field
  std::string pdf;                 // write a one-page PDF here (A4, or Letter by the locale), or
  std::string png;                 // the 807 × 1620 page image here
};

/// Loads the file, runs the calculation and writes the page. Returns 0 on success, 1 when the
/// run failed (the panel lines go to `err`), 2 when the file is refused, the manual margin puts the
/// centre of gravity beyond any finite number, the page writer is missing or the output cannot be
/// written (the file is then unchanged; the message names it and the reason).
int runPrint(const PrintOptions& options, std::ostream& out, std::ostream& err);

struct Document;

/// Writes the balance template of `doc`, whose last run is complete, as a one-page PDF (A4 or Letter) at
/// `path`; `manualChoice` marks the manual centre of gravity instead of the automatic pair.
/// Nullopt once written; else why not (no page writer, no complete run, the file not written).
std::optional<Refusal> writeBalanceTemplate(const Document& doc, bool manualChoice, Language language,
                                            const std::string& path);

}  // namespace volantis4
