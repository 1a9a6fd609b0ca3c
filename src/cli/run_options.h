#pragma once
// What the commands that run the calculation share: the output form, the language and the margin.

#include <string>

#include "model/language.h"

namespace volantis4 {

struct RunOptions {
  bool json = false;
  Language language = Language::English;
  std::string marginText = "7.5";  // the manual margin, as typed into the margin field
};

}  // namespace volantis4
