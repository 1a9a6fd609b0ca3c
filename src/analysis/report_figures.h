#pragma once
// Every figure of the stability report described once: its JSON key, the caption line it fills, its
// decimals and scale in the readable lines, and where its value comes from. The JSON writer and the
// readable lines (the CLI, the report window, the PDF pages) all walk this one description.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/stability_report.h"
#include "model/language.h"

namespace volantis4 {

/// The parts of the report, in their order.
enum class ReportSection { Position, Accuracy, Surfaces, Fuselage, Balance, Limits };

/// What a figure holds.
enum class FigureKind {
  Real,     // a number (JSON: full precision)
  Integer,  // a count or a wing number (JSON: an integer)
  Flag,     // yes or no (JSON: true/false)
  CgName    // the name of a proposed centre of gravity (JSON: "low", "high", "manual")
};

/// A figure's value in one report.
struct FigureValue {
  std::optional<double> number;  // none: not available (JSON: null)
  CgTarget name = CgTarget::Manual;
  bool pending = false;  // not available yet: an extra run still being computed
};

/// Words that carry a figure's sign in the readable lines instead of a minus: the text for a
/// positive value or the one for a negative value ("%1 mm behind", "%1 mm ahead of"), filled with
/// the magnitude. A value shown as zero takes the positive one.
struct SignWords {
  TextId positive;
  TextId negative;
};

/// One figure of a group, for the group's item `item` (0 for a group of one).
struct FigureDescription {
  std::string_view key;  // JSON key
  FigureKind kind = FigureKind::Real;
  int decimals = 1;    // in the readable lines
  double scale = 1;    // the lines show value × scale (dm² from mm², percent from a fraction)
  bool inJson = true;  // false: a figure the lines show beside others, derived from JSON figures
  FigureValue (*value)(const StabilityReport&, std::size_t item) = nullptr;
  std::optional<SignWords> words{};  // the sign said in words (distances and shifts along x)
};

/// A readable line: a caption whose %1, %2, … take the named figures in order: a key of the line's
/// own group, or "group/key" for a figure of another group of one item ("/xnp" for the report's own).
struct LineDescription {
  TextId caption;
  std::vector<std::string_view> figures;
  bool (*shown)(const StabilityReport&, std::size_t item) = nullptr;  // null: always
};

/// Where a group's figures stand in the JSON object.
enum class JsonPlace {
  Top,     // keys of the report object itself
  Object,  // an object under `key` (null without an item)
  Array,   // an array under `key`, one object per item
  Values,  // an array under `key` of the first figure's value per item
  None     // lines only
};

/// Figures over the items of one kind: the report itself, the centres of gravity, the wings, …
struct FigureGroup {
  std::string_view key;     // JSON key of the object or array; "" for Top
  std::string_view parent;  // the key of the Object group it stands in; "" for the report object
  JsonPlace place = JsonPlace::Top;
  std::size_t (*count)(const StabilityReport&) = nullptr;  // null: one item
  bool omittedWhenEmpty = false;  // an Object without an item leaves its key out instead of null
  std::vector<FigureDescription> figures;
  std::vector<LineDescription> lines;
  /// Lines that are not figures (why the finer lattice could not be built), after the group's lines,
  /// indented; also the JSON array `notesKey`. Nullopt: no notes (and no key).
  std::optional<std::vector<std::string>> (*notes)(const StabilityReport&, Language) = nullptr;
  std::string_view notesKey;
};

/// A part of the report: its heading and its groups, in order.
struct SectionDescription {
  ReportSection section;
  std::string_view name;  // for the window's controls: "Position", "Accuracy", …
  TextId heading;
  bool (*shown)(const StabilityReport&) = nullptr;  // null: always
  std::vector<FigureGroup> groups;
};

/// The report's parts in their order.
const std::vector<SectionDescription>& reportDescription();

/// Items of a group in a report.
std::size_t itemCount(const FigureGroup& group, const StabilityReport& report);

/// A figure a line names (see LineDescription) with the item it is read at; throws std::logic_error
/// for a name the description does not hold.
struct NamedFigure {
  const FigureDescription& figure;
  std::size_t item;
};
NamedFigure namedFigure(const FigureGroup& lineGroup, std::size_t item, std::string_view name);

/// A figure's value as the lines write it: fixed decimals of value × scale (with its sign in words
/// where it has them), a name in the language, "…" while pending, else "not available".
std::string figureText(const FigureDescription& figure, const FigureValue& value, Language language);

/// The name of a proposed centre of gravity as the report writes it.
std::string cgName(CgTarget target, Language language);

/// The JSON name of a proposed centre of gravity: "low", "high" or "manual".
std::string_view cgKey(CgTarget target);

}  // namespace volantis4
