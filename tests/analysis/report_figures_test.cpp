// The description of the report's figures is consistent: every line names figures of its own group,
// its caption has a placeholder for each of them in both languages, and no key is given twice.
#include "analysis/report_figures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace volantis4 {
namespace {

// The placeholders %1 … %9 a text uses.
std::set<int> placeholders(std::string_view text) {
  std::set<int> used;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') used.insert(text[i + 1] - '0');
  return used;
}

TEST(ReportFigures, LinesNameTheirGroupsFiguresAndCaptionsTakeEachOfThem) {
  std::set<std::string> topKeys;
  for (const SectionDescription& section : reportDescription()) {
    for (const FigureGroup& group : section.groups) {
      SCOPED_TRACE(std::string(section.name) + " " + std::string(group.key));
      std::set<std::string_view> keys;
      for (const FigureDescription& f : group.figures) {
        EXPECT_TRUE(keys.insert(f.key).second) << f.key << " twice";
        EXPECT_NE(f.value, nullptr) << f.key;
        if (group.place == JsonPlace::Top && f.inJson) {
          EXPECT_TRUE(topKeys.insert(std::string(f.key)).second);
        }
      }
      if (group.place != JsonPlace::Top) {
        EXPECT_TRUE(topKeys.insert(std::string(group.key)).second);
      }
      for (const LineDescription& line : group.lines) {
        std::set<int> expected;
        for (std::size_t i = 0; i < line.figures.size(); ++i) {
          EXPECT_TRUE(keys.count(line.figures[i]) == 1) << line.figures[i] << " is not a figure of its group";
          expected.insert(static_cast<int>(i) + 1);
        }
        for (Language l : {Language::English, Language::German}) {
          EXPECT_EQ(placeholders(text(line.caption, l)), expected) << text(line.caption, l);
        }
      }
    }
  }
}

}  // namespace
}  // namespace volantis4
