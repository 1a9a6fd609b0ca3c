#pragma once
// The page files of the command line: the summary page as PNG or PDF and the balance template as
// PDF. They are written by a module of their own, loaded only when a command writes a page, so the
// terminal program itself links no graphics library. This header is the module's whole interface.

#include <string>

#include "model/language.h"

namespace volantis4 {

struct Document;

/// The module's operations. Each returns "" once the file is written, else the message saying why
/// it is not.
struct PageWriters {
  /// The summary page of `doc` after a complete run, as the 807 × 1620 page image (PNG).
  std::string (*summaryPng)(Document& doc, const std::string& path);
  /// The same page as a one-page PDF, on the locale's paper (A4 or Letter).
  std::string (*summaryPdf)(Document& doc, const std::string& path);
  /// The balance template of `doc` (complete run) as a one-page PDF (A4 or Letter); `manualChoice` marks the
  /// manual centre of gravity instead of the automatic pair.
  std::string (*balanceTemplate)(const Document& doc, bool manualChoice, Language language, const std::string& path);
};

/// The name under which the module exports `const PageWriters* volantis4_page_writers()`.
inline constexpr const char* kPageWritersEntry = "volantis4_page_writers";

}  // namespace volantis4
