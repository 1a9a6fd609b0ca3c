#pragma once
// The balance block of the aircraft file: the modeller's weighing, in elements of their own that
// readers of the aircraft skip. One block; each reading in a block of its own; one element per line.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "files/file_error.h"
#include "model/balance_inputs.h"

namespace volantis4 {

/// The block's lines, each ended by CR LF: " <balance>", the readings, the target, the ballast
/// position and the mass to move where given, " </balance>" and a line of one blank.
std::string balanceBlockText(const BalanceInputs& inputs);

/// The balance elements of a file as the tag reader meets them, line by line.
class BalanceBlockReader {
 public:
  /// Takes line `number` (from 1), whose tag is `tag`, when it is one of the block's; false for a
  /// tag of another kind.
  bool take(std::string_view tag, std::string_view line, long long number);

  /// After the last line: the inputs (nullopt without a block), or why the file called `name` is
  /// refused (the first fault in the file's order).
  std::variant<std::optional<BalanceInputs>, FileError> result(const std::string& name) const;

 private:
  struct Reading {
    long long line = 0;
    std::optional<double> x, mass;
  };
  void refuse(FileError error);
  std::optional<double> number(std::string_view tag, BalanceQuantity quantity, std::string_view value, long long line);
  void closeReading();

  long long blockLine_ = 0;  // where the block opened; 0 before it
  bool blockOpen_ = false;
  std::optional<Reading> reading_;  // the reading now open
  std::vector<Support> readings_;
  std::vector<std::string> given_;  // the block's own elements given so far
  BalanceInputs inputs_;
  std::optional<FileError> refused_;
};

}  // namespace volantis4
