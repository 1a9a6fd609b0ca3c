#pragma once
// Filling the placeholders %1 … %9 of a text of the language table.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "model/language.h"

namespace volantis4 {

/// `pattern` with each %1 … %9 replaced by the value of that number; a placeholder without a
/// value is left out.
std::string fillPlaceholders(std::string_view pattern, std::span<const std::string> values);

/// The text of `id` in `language` with its placeholders filled from `values`.
std::string filledText(TextId id, Language language, std::span<const std::string> values);
std::string filledText(TextId id, Language language, std::initializer_list<std::string> values);

}  // namespace volantis4
