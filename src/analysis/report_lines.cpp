#include "analysis/report_lines.h"

#include "model/text_fill.h"

namespace volantis4 {
namespace {

// The lines of one group: each item's shown lines, then the group's notes indented.
void appendLines(const FigureGroup& group, const StabilityReport& r, Language l, std::vector<std::string>& lines) {
  for (std::size_t item = 0; item < itemCount(group, r); ++item) {
    for (const LineDescription& line : group.lines) {
      if (line.shown && !line.shown(r, item)) continue;
      std::vector<std::string> values;
      for (std::string_view name : line.figures) {
        const NamedFigure named = namedFigure(group, item, name);
        values.push_back(figureText(named.figure, named.figure.value(r, named.item), l));
      }
      lines.push_back(filledText(line.caption, l, values));
    }
  }
  if (group.notes)
    if (const auto notes = group.notes(r, l))
      for (const std::string& note : *notes) lines.push_back("  " + note);
}

}  // namespace

std::vector<ReportBlock> reportBlocks(const StabilityReport& r, Language language) {
  std::vector<ReportBlock> blocks;
  for (const SectionDescription& section : reportDescription()) {
    if (section.shown && !section.shown(r)) continue;
    ReportBlock& block =
        blocks.emplace_back(ReportBlock{section.section, std::string(text(section.heading, language)), {}});
    for (const FigureGroup& group : section.groups) appendLines(group, r, language, block.lines);
  }
  return blocks;
}

std::vector<std::string> reportLines(const StabilityReport& r, Language language) {
  std::vector<std::string> lines{std::string(text(TextId::ReportTitle, language))};
  for (const ReportBlock& b : reportBlocks(r, language)) lines.insert(lines.end(), b.lines.begin(), b.lines.end());
  return lines;
}

}  // namespace volantis4
