#include "model/text_fill.h"

namespace volantis4 {

std::string fillPlaceholders(std::string_view pattern, std::span<const std::string> values) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9') {
      const auto index = static_cast<std::size_t>(next - '1');
      if (index < values.size()) out += values[index];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string filledText(TextId id, Language language, std::span<const std::string> values) {
  return fillPlaceholders(text(id, language), values);
}

std::string filledText(TextId id, Language language, std::initializer_list<std::string> values) {
  return filledText(id, language, std::span<const std::string>(values.begin(), values.size()));
}

}  // namespace volantis4
