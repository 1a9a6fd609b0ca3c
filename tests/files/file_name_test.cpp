#include "files/file_name.h"

#include <gtest/gtest.h>

#include "model/document.h"

namespace volantis4 {
namespace {

struct Adjustment {
  std::string_view before;
  std::string_view after;
};

class AdjustFileName : public ::testing::TestWithParam<Adjustment> {};

TEST_P(AdjustFileName, SaveTurnsTheNameIntoAnAircraftFileName) {
  EXPECT_EQ(adjustFileName(GetParam().before), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Names, AdjustFileName,
    ::testing::Values(Adjustment{"Unknown.da4", "Unknown.vn4"}, Adjustment{"plane", "plane.vn4"},
                      Adjustment{"PLANE.DA4", "PLANE.VN4"}, Adjustment{"plane.Vn4", "plane.Vn4.vn4"},
                      Adjustment{"plane.vn4", "plane.vn4"}, Adjustment{"plane.VN4", "plane.VN4"},
                      Adjustment{"/home/m/plane.da4", "/home/m/plane.vn4"},
                      // The characters replaced are the last but one and two, wherever ".da4" stands.
                      Adjustment{"a.da4x", "a.dvnx.vn4"},
                      // Characters, not bytes: the umlaut at the end stays whole.
                      Adjustment{"x.da4ü", "x.dvnü.vn4"}, Adjustment{"Flügel.da4", "Flügel.vn4"},
                      // A folder's name does not change the file's.
                      Adjustment{"/data/old.da4s/plane", "/data/old.da4s/plane.vn4"},
                      Adjustment{"/data/x.vn4/plane", "/data/x.vn4/plane.vn4"}));

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
