#include "files/file_name.h"

#include <gtest/gtest.h>

#include "model/document.h"

namespace volantis4 {
namespace {

TEST(AdjustFileName, SaveTurnsTheNameIntoAnAircraftFileName) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"Unknown.da4", "Unknown.vn4"},
      {"plane", "plane.vn4"},
      {"PLANE.DA4", "PLANE.VN4"},
      {"plane.Vn4", "plane.Vn4.vn4"},
      {"plane.vn4", "plane.vn4"},
      {"plane.VN4", "plane.VN4"},
      {"/home/m/plane.da4", "/home/m/plane.vn4"},
      // The characters replaced are the last but one and two, wherever ".da4" stands.
      {"a.da4x", "a.dvnx.vn4"},
      // Characters, not bytes: the umlaut at the end stays whole.
      {"x.da4ü", "x.dvnü.vn4"},
      {"Flügel.da4", "Flügel.vn4"},
      // A folder's name does not change the file's.
      {"/data/old.da4s/plane", "/data/old.da4s/plane.vn4"},
      {"/data/x.vn4/plane", "/data/x.vn4/plane.vn4"}};
  for (const auto& [before, after] : cases) EXPECT_EQ(adjustFileName(before), after);
}

TEST(FileName, PatternsAndExtensionsAreCaseSensitiveSubstringsOfTheLastComponent) {
  EXPECT_EQ(kUnknownFileName, "Unknown.da4");
  for (std::string_view p : {"*.da4", "*.DA4", "*.vn4", "*.VN4", "/home/m/*.vn4"}) EXPECT_TRUE(isFilterPattern(p)) << p;
  for (std::string_view p : {"a*.vn4", "*.Vn4", "*.vn4x", ""}) EXPECT_FALSE(isFilterPattern(p)) << p;
  EXPECT_TRUE(namesLegacyFile("Unknown.da4"));
  EXPECT_TRUE(namesLegacyFile("OLD.DA4"));
  EXPECT_TRUE(namesLegacyFile("a.da4.vn4"));
  EXPECT_FALSE(namesLegacyFile("a.Da4"));
  EXPECT_FALSE(namesLegacyFile("/x.da4/a.vn4"));
  EXPECT_TRUE(namesAircraftFile("a.VN4"));
  EXPECT_FALSE(namesAircraftFile("a.vN4"));
  EXPECT_FALSE(namesAircraftFile("/x.vn4/a.da4"));
}

}  // namespace
}  // namespace volantis4
