#pragma once
// The fuselage block of the aircraft file: written before the comment, only when a fuselage is
// entered, with element names of their own (readers that do not know them skip them); read
// strictly: one block, each element in its place and once, closing tags required.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "files/file_error.h"
#include "model/fuselage_input.h"

namespace volantis4 {

/// The block's lines, each ended by CR LF: " <fuselage>", the axis height, one element group per
/// station, " </fuselage>" and a line of one blank.
std::string fuselageBlockText(const FuselageInput& fuselage);

/// Collects the fuselage block's elements as the file's tag lines come by.
class FuselageBlockReader {
 public:
  /// Takes a tag line (its tag, its value, its 1-based line number); false for a tag that is not
  /// the fuselage block's.
  bool take(std::string_view tag, std::string_view value, int line);

  /// After the last line: no block (nullopt), the fuselage, or why the file is refused (`name` is the file).
  std::variant<std::optional<FuselageInput>, FileError> result(const std::string& name) const;

 private:
  void step(std::string_view tag, std::string_view value, int line);

  enum class Place { Before, InBlock, InStation, After };
  Place place_ = Place::Before;
  int blockLine_ = 0;
  int stationLine_ = 0;
  FuselageInput fuselage_;
  bool axisGiven_ = false;
  std::optional<std::int32_t> stationX_, stationWidth_;
  std::optional<FileError> refused_;  // the first refusal; `name` is filled in by result()
};

}  // namespace volantis4
