#pragma once
// Golden files and other test data under tests/<area>/data/.

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace volantis4::testing_support {

/// The bytes of tests/`relative` (for example "files/data/one_wing.vn4"); empty when it is missing.
inline std::string dataFile(std::string_view relative) {
  std::ifstream in(std::string(VOLANTIS4_TEST_DIR) + "/" + std::string(relative), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

/// `text` with every "\r" taken out.
inline std::string withoutCarriageReturns(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

}  // namespace volantis4::testing_support
