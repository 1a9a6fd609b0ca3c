#pragma once
// The aircraft file's way of writing: tagged lines, each ended by CR LF.

#include <string>
#include <string_view>

namespace volantis4 {

/// The line end of every file this program writes.
inline constexpr std::string_view kEol = "\r\n";

/// Collects a file's lines.
class TagLines {
 public:
  /// `text` as one line.
  void line(std::string_view text) {
    bytes_ += text;
    bytes_ += kEol;
  }
  /// `<tag>value</tag>` after `indent`, as one line.
  void element(std::string_view indent, std::string_view tag, std::string_view value) {
    bytes_ += indent;
    bytes_ += '<';
    bytes_ += tag;
    bytes_ += '>';
    bytes_ += value;
    bytes_ += "</";
    bytes_ += tag;
    bytes_ += '>';
    bytes_ += kEol;
  }
  /// `<tag>` or, closing, `</tag>` after `indent`, as one line.
  void tag(std::string_view indent, std::string_view tag, bool closing = false) {
    bytes_ += indent;
    bytes_ += closing ? "</" : "<";
    bytes_ += tag;
    bytes_ += '>';
    bytes_ += kEol;
  }
  std::string& bytes() { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace volantis4
