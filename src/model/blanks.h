#pragma once
// Blanks around a typed or read value: spaces and tabs.

#include <string_view>

namespace volantis4 {

/// `text` without the spaces and tabs before and after it (empty when there is nothing else).
inline std::string_view trimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace volantis4
