#pragma once
// Finds and loads the page-writing module (pages/page_writers.h) the first time a page is written.

#include <string>

#include "pages/page_writers.h"

namespace volantis4 {

/// The module's operations, loaded once per process: from the installed library folder beside the
/// program, or, for a program inside the build tree, from the build tree. Null when it cannot be
/// loaded, with `error` naming the module and the loader's reason.
const PageWriters* pageWriters(std::string& error);

}  // namespace volantis4
