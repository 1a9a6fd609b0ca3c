#pragma once
// `volantis4-cli geometry`: the wing pages' result labels and station captions.

#include <iosfwd>

#include "model/form.h"

namespace volantis4 {

/// Prints every wing in use of the form as text or JSON; returns the exit status.
int printGeometry(const Form& form, bool json, std::ostream& out);

}  // namespace volantis4
