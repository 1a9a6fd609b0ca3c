// The description of the report's figures is consistent: every line names figures of its own group,
// its caption has a placeholder for each of them in both languages, and no key is given twice.
#include "analysis/report_figures.h"

#include <gtest/gtest.h>

#include <map>
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

TEST(ReportFigures, LinesNameDescribedFiguresAndCaptionsTakeEachOfThem) {
  for (const SectionDescription& section : reportDescription()) {
    for (const FigureGroup& group : section.groups) {
      SCOPED_TRACE(std::string(section.name) + " " + std::string(group.key));
      std::set<std::string_view> keys;
      for (const FigureDescription& f : group.figures) {
        EXPECT_TRUE(keys.insert(f.key).second) << f.key << " twice";
        EXPECT_NE(f.value, nullptr) << f.key;
      }
      for (const LineDescription& line : group.lines) {
        std::set<int> expected;
        for (std::size_t i = 0; i < line.figures.size(); ++i) {
          EXPECT_NO_THROW(namedFigure(group, 0, line.figures[i])) << line.figures[i];
          expected.insert(static_cast<int>(i) + 1);
        }
        for (Language l : {Language::English, Language::German}) {
          EXPECT_EQ(placeholders(text(line.caption, l)), expected) << text(line.caption, l);
        }
      }
    }
  }
}

// Each JSON key stands once in the object that holds it (the report's own or a parent group's).
TEST(ReportFigures, JsonKeysAreUniqueInTheirObject) {
  std::map<std::string, std::set<std::string>> objects;
  const auto add = [&objects](std::string_view holder, std::string_view key) {
    EXPECT_TRUE(objects[std::string(holder)].insert(std::string(key)).second) << holder << "/" << key;
  };
  for (const SectionDescription& section : reportDescription()) {
    for (const FigureGroup& group : section.groups) {
      if (group.place == JsonPlace::None) continue;
      if (group.place != JsonPlace::Top) {
        add(group.parent, group.key);
        if (group.place == JsonPlace::Array) continue;  // its items are objects of their own
      }
      const std::string_view holder = group.place == JsonPlace::Top ? group.parent : group.key;
      if (group.place == JsonPlace::Object)
        for (const FigureDescription& f : group.figures)
          if (f.inJson) add(holder, f.key);
      if (group.place == JsonPlace::Top)
        for (const FigureDescription& f : group.figures)
          if (f.inJson) add(holder, f.key);
    }
  }
}

// A distance or shift says its direction in words instead of a sign; what is shown as zero takes
// the positive words, a pending or missing value says so.
TEST(ReportFigures, SignsAreSaidInWords) {
  const FigureDescription behind{
      .key = "d", .decimals = 1, .words = SignWords{TextId::ReportBehind, TextId::ReportAheadOf}};
  const FigureDescription shift{
      .key = "s", .decimals = 2, .words = SignWords{TextId::ReportAft, TextId::ReportForward}};
  const auto shown = [](const FigureDescription& f, std::optional<double> v, Language l) {
    return figureText(f, FigureValue{v}, l);
  };
  EXPECT_EQ(shown(behind, 122.34, Language::English), "122.3 mm behind");
  EXPECT_EQ(shown(behind, -12.0, Language::English), "12.0 mm ahead of");
  EXPECT_EQ(shown(behind, -0.04, Language::English), "0.0 mm behind");
  EXPECT_EQ(shown(behind, -200, Language::German), "200.0 mm vor");
  EXPECT_EQ(shown(shift, -96.125, Language::English), "96.13 mm forward");
  EXPECT_EQ(shown(shift, 14.3, Language::German), "14.30 mm nach hinten");
  EXPECT_EQ(shown(shift, std::nullopt, Language::English), "not available");
}

}  // namespace
}  // namespace volantis4
