#include "solver/calculation_run.h"

#include <gtest/gtest.h>

#include <cmath>

#include "files/document_io.h"
#include "geometry_fixture.h"
#include "solver/calculation_output.h"

namespace volantis4 {
namespace {

using fixture::documentOf;
using fixture::rectangle;

// Wing 1 alone, a rectangle at x = 0.
Document singleRectangle(const testing_support::Rectangle& r) { return documentOf({rectangle(r)}); }

// The run's panel, N, figures and legend on the default aircraft are pinned by the command line's
// golden test (the same Button4Click); here the flags that the window reads.
TEST(Run, DefaultAircraftCompletesWithResultsAndLattice) {
  Document doc;
  ASSERT_TRUE(Button4Click(doc));
  EXPECT_TRUE(doc.run.flags.results_valid);
  EXPECT_TRUE(doc.run.flags.grid_valid);
  ASSERT_NE(doc.output, nullptr);
}

// A rectangular root panel beside a tapered one puts control points on the extended lines of other
// strips' bound segments (up to rounding): the segment contributes nothing there. 122.3159 mm is an
// independent computation of the same lattice with that rule.
TEST(Run, TrainerExampleNeutralPointIsFreeOfRoundingNoise) {
  Document doc;
  ASSERT_FALSE(openDocument(doc, std::string(VOLANTIS4_EXAMPLES_DIR) + "/trainer.vn4").has_value());
  ASSERT_TRUE(Button4Click(doc));
  EXPECT_NEAR(doc.results.xnp, 122.3159, 1e-6 * 122.3159);
}

TEST(Run, AGeometryEditAfterwardsClearsResultsUnlessKept) {
  Document doc;
  ASSERT_TRUE(Button4Click(doc));
  doc.run.flags.keep_results = true;
  setFieldText(doc, {1, FieldKind::Width, 1}, "230");
  EXPECT_TRUE(doc.run.flags.results_valid);
  EXPECT_TRUE(doc.run.flags.grid_valid);
  doc.run.flags.keep_results = false;
  setFieldText(doc, {1, FieldKind::Width, 1}, "240");
  EXPECT_FALSE(doc.run.flags.results_valid);
  setFieldText(doc, {2, FieldKind::PositionX, 1}, "1200");
  EXPECT_FALSE(doc.run.flags.grid_valid);
}

TEST(Physics, RectangularWingHasItsCentreNearTheQuarterChord) {
  Document doc = singleRectangle({.halfSpan = 600, .chord = 200});  // aspect ratio 6
  ASSERT_TRUE(Button4Click(doc));
  const WingVortexResult& r = doc.output->vortex.wing(1);
  EXPECT_NEAR(r.ac_x, 0.25 * 200, 0.03 * 200);
  // Helmbold's estimate for aspect ratio 6, 2πA / (2 + sqrt(A² + 4)), is made for elliptic loading;
  // a rectangular wing's lifting-surface value lies a few percent below it.
  const double A = 6.0;
  const double helmbold = 2 * M_PI * A / (2 + std::sqrt(A * A + 4));
  EXPECT_GT(r.lift_slope, 0.9 * helmbold);
  EXPECT_LT(r.lift_slope, helmbold);
  EXPECT_NEAR(doc.output->vortex.xnp, r.ac_x, 1e-9);
  EXPECT_DOUBLE_EQ(doc.output->vortex.sb, 2 * 600 * 200);
  EXPECT_NEAR(doc.output->vortex.lmue, 200, 1e-9);
}

TEST(Physics, LowAspectRatioApproachesSlenderWingTheory) {
  Document doc = singleRectangle({.halfSpan = 100, .chord = 200});  // aspect ratio 1: slender-wing value πA/2
  ASSERT_TRUE(Button4Click(doc));
  EXPECT_NEAR(doc.output->vortex.wing(1).lift_slope, M_PI / 2, 0.06 * M_PI / 2);
}

TEST(Physics, TranslatingTheAircraftMovesEveryCentreAlike) {
  Document a;
  ASSERT_TRUE(Button4Click(a));
  Document b;
  for (int w = 1; w <= kWingCount; ++w) b.form.wing(w).positionX = std::to_string(a.geometry.position(w).x + 1000);
  Calc(b);
  ASSERT_TRUE(Button4Click(b));
  EXPECT_NEAR(b.output->vortex.xnp, a.output->vortex.xnp + 1000, 1e-7);
  for (int w = 1; w <= kWingCount; ++w) {
    EXPECT_NEAR(b.output->vortex.wing(w).ac_x, a.output->vortex.wing(w).ac_x + 1000, 1e-6) << w;
    EXPECT_NEAR(b.output->vortex.wing(w).lift_slope, a.output->vortex.wing(w).lift_slope, 1e-9) << w;
    EXPECT_EQ(b.output->anpLabels, a.output->anpLabels);
  }
}

TEST(Physics, ScalingTheAircraftScalesLengthsAndKeepsLiftSlopes) {
  Document a = singleRectangle({.halfSpan = 500, .chord = 150});
  a.form.wing(1).offsets[0] = "40";  // swept back
  Calc(a);
  ASSERT_TRUE(Button4Click(a));
  Document b = singleRectangle({.halfSpan = 1000, .chord = 300});
  b.form.wing(1).offsets[0] = "80";
  Calc(b);
  ASSERT_TRUE(Button4Click(b));
  EXPECT_EQ(b.output->counts.n_panels, a.output->counts.n_panels);
  EXPECT_NEAR(b.output->vortex.wing(1).lift_slope, a.output->vortex.wing(1).lift_slope, 1e-9);
  EXPECT_NEAR(b.output->vortex.xnp, 2 * a.output->vortex.xnp, 1e-8);
  EXPECT_NEAR(b.output->vortex.lmue, 2 * a.output->vortex.lmue, 1e-9);
}

TEST(Physics, TwoWingsFarApartBehaveAsSingleWings) {
  Document single = singleRectangle({.halfSpan = 600, .chord = 200});
  ASSERT_TRUE(Button4Click(single));
  Document pair = documentOf({rectangle({.halfSpan = 600, .chord = 200}),
                              rectangle({.halfSpan = 600, .chord = 200, .x = 500000, .z = 500000})});
  ASSERT_TRUE(Button4Click(pair));
  EXPECT_FALSE(pair.run.flags.wings_moved);
  const double slope = single.output->vortex.wing(1).lift_slope;
  EXPECT_NEAR(pair.output->vortex.wing(1).lift_slope, slope, 1e-4 * slope);
  EXPECT_NEAR(pair.output->vortex.wing(2).lift_slope, slope, 1e-4 * slope);
  EXPECT_NEAR(pair.output->vortex.wing(2).ac_x - 500000, single.output->vortex.wing(1).ac_x, 1e-2);
}

TEST(Overlap, LevelWingsAreMovedAndTheNoticeReplacesThePanel) {
  Document doc =
      documentOf({rectangle({.halfSpan = 600, .chord = 200}), rectangle({.halfSpan = 600, .chord = 200, .x = 1000})});
  ASSERT_TRUE(Button4Click(doc));
  EXPECT_TRUE(doc.run.flags.wings_moved);
  EXPECT_TRUE(doc.run.panel.visible());
  EXPECT_EQ(doc.run.panel.lines(),
            (std::vector<std::string>{"Attention:", "Wings are moved automatically in z-direction!"}));
  // Wing 2 went below wing 1; the lattice uses the height read back from its field.
  const int z2 = doc.geometry.position(2).z;
  EXPECT_LT(z2, 0);
  EXPECT_EQ(doc.form.wing(2).positionZ, std::to_string(z2));
  EXPECT_DOUBLE_EQ(doc.output->lattice.wing(2).z, z2);
}

TEST(Refusal, AWingWithoutAreaIsRefusedBeforeAnyLattice) {
  Document doc = documentOf(
      {rectangle({.halfSpan = 600, .chord = 200}), rectangle({.halfSpan = 600, .chord = 0, .x = 1000, .z = 500})});
  EXPECT_FALSE(Button4Click(doc));
  EXPECT_TRUE(doc.run.flags.calc_failed);
  EXPECT_FALSE(doc.run.flags.results_valid);
  EXPECT_EQ(doc.output, nullptr);
  const auto lines = doc.run.panel.lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "Error: ");
  EXPECT_EQ(lines[1], "Can not calculate wing-2: no span or no area. ");
}

TEST(Refusal, GridFailureWithAMoveShowsTheMoveNoticeAndThenWhy) {
  Document doc =
      documentOf({rectangle({.halfSpan = 20000, .chord = 30}), rectangle({.halfSpan = 20000, .chord = 30, .x = 1000})});
  EXPECT_FALSE(Button4Click(doc));
  EXPECT_TRUE(doc.run.flags.calc_failed);
  EXPECT_TRUE(doc.run.flags.wings_moved);
  EXPECT_EQ(doc.output, nullptr);
  EXPECT_TRUE(doc.run.panel.visible());
  EXPECT_EQ(doc.run.panel.lines(),
            (std::vector<std::string>{"Attention:", "Wings are moved automatically in z-direction!", "Error: ",
                                      "Can not calculate wing-1. ", "Please change this wing (less aspect ratio)!",
                                      "Can not calculate wing-2. ", "Please change this wing (less aspect ratio)!"}));
}

TEST(Run, GermanPanelAndSolverWingCountFollowTheForm) {
  Document doc = singleRectangle({.halfSpan = 20000, .chord = 30});
  doc.language = Language::German;
  doc.form.wingsCount = 3;  // the solver copy is set at the end of the run
  EXPECT_FALSE(Button4Click(doc));
  EXPECT_EQ(doc.run.panel.lines()[0], "Fehler: ");
  EXPECT_EQ(doc.run.panel.lines()[1], "Kann Flügel-1 nicht berechnen.");
  EXPECT_EQ(doc.run.solver_wings_count, 3);
}

TEST(Run, ResizeRecomputationsKeepResultsAndClearTheFlag) {
  Document doc;
  ASSERT_TRUE(Button4Click(doc));
  resizeRecomputations(doc);
  EXPECT_TRUE(doc.run.flags.results_valid);
  EXPECT_TRUE(doc.run.flags.grid_valid);
  EXPECT_FALSE(doc.run.flags.keep_results);
  // Without results, Calc runs and nothing becomes valid.
  Document fresh;
  resizeRecomputations(fresh);
  EXPECT_FALSE(fresh.run.flags.results_valid);
  EXPECT_FALSE(fresh.run.flags.keep_results);
}

}  // namespace
}  // namespace volantis4
