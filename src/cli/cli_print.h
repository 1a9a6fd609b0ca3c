#pragma once
// `volantis4-cli print`: the summary page of an aircraft, rendered headless to PNG or PDF.

#include <iosfwd>
#include <string>

#include "model/language.h"

namespace volantis4 {

struct PrintOptions {
  std::string file;  // aircraft or legacy data file to load
  Language language = Language::English;
  std::string marginText = "7.5";  // manual margin, as typed into the margin field
  std::string pdf;                 // write a one-page A4 PDF here, or
  std::string png;                 // the 807 × 1620 page image here
};

/// Loads the file, runs the calculation and writes the page. Returns 0 on success, 1 when the
/// run failed (the panel lines go to `err`), 2 when the file is refused or the output cannot be written.
int runPrint(const PrintOptions& options, std::ostream& out, std::ostream& err);

}  // namespace volantis4
