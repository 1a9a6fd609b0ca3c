// The report of results stored with an aircraft file: what they allow, and that the lattice
// figures need a run.
#include "analysis/stored_report.h"

#include <gtest/gtest.h>

#include "analysis/report_lines.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"

namespace volantis4 {
namespace {

// The default aircraft as a file with its results opens: results valid, no lattice.
Document openedWithResults(const Document& calculated) {
  Document opened = calculated;
  opened.output.reset();
  opened.run.flags.grid_valid = false;
  return opened;
}

TEST(StoredReport, GivesThePositionsAndTheBalanceAndSendsTheRestToCalculate) {
  Document doc;
  ASSERT_TRUE(Button4Click(doc));
  EXPECT_FALSE(storedReport(doc));  // a run's results have their own report
  doc.balance = BalanceInputs{{{80, 2000}}, CgTarget::Manual, std::nullopt, std::nullopt};
  const std::optional<StabilityReport> r = storedReport(openedWithResults(doc));
  ASSERT_TRUE(r);
  const StabilityReport run = makeReport(*reportBasis(doc), proposalOf(doc), ExtraRuns{}, &*doc.balance);

  // Wing 1 (x = 0) is the reference: x_cg = x_ac − margin × lm, 116.52 − 0.16 × 329.75 = 63.8 mm
  // behind its root leading edge; percent MAC from the leading edge of the same lattice's chord.
  EXPECT_TRUE(r->fromFile);
  EXPECT_EQ(r->refWing, 1);
  EXPECT_EQ(r->refRootLeX, 0);
  EXPECT_NEAR(r->cg[1].x, 63.8, 0.05);
  EXPECT_DOUBLE_EQ(r->xLeRef, run.xLeRef);
  EXPECT_DOUBLE_EQ(r->npPercentMac, run.npPercentMac);
  ASSERT_TRUE(r->balance);
  EXPECT_DOUBLE_EQ(r->balance->staticMargin, run.balance->staticMargin);

  const std::vector<ReportBlock> blocks = reportBlocks(*r, Language::English);
  ASSERT_EQ(blocks.size(), 5u);  // no surfaces
  EXPECT_TRUE(blocks[0].lines[0].ends_with("(stored with the aircraft file)")) << blocks[0].lines[0];
  EXPECT_EQ(blocks[1].lines,
            std::vector<std::string>{
                "The lattice figures (accuracy, each surface) need a calculation: press Calculate (F9)."});
  EXPECT_EQ(blocks[2].section, ReportSection::Fuselage);
  EXPECT_EQ(blocks[3].section, ReportSection::Balance);
  EXPECT_EQ(blocks[4].section, ReportSection::Limits);

  // A fuselage's moment comes from the lattice's flow, which a file does not hold.
  doc.fuselage = FuselageInput{{{-200, 0}, {600, 60}}, 0};
  const std::vector<ReportBlock> withBody = reportBlocks(*storedReport(openedWithResults(doc)), Language::English);
  ASSERT_EQ(withBody.size(), 5u);
  EXPECT_EQ(withBody[2].lines, std::vector<std::string>{"The fuselage is entered; its figures need a calculation: "
                                                        "press Calculate (F9)."});
  EXPECT_EQ(withBody[3].lines, blocks[3].lines);  // the balance aims where it did without one
}

}  // namespace
}  // namespace volantis4
