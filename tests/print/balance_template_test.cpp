// The balance template: its layout at true scale, and the printed ruler and marks measured on the PDF.

#include "print/balance_template.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "model/document.h"
#include "print_test_support.h"
#include "qt_app.h"

namespace volantis4 {
namespace {

// A swept wing: root chord 200 at x = 0, 300 mm out the leading edge at x = 50 (forward sweep
// when `forward`). Centres of gravity at 30 and 45 mm, neutral point at 60 mm.
TemplateInput sweptWing(bool forward, double xnp = 60) {
  TemplateInput in;
  in.sections = {{0, 0, 200}, {300, forward ? -50.0 : 50.0, 100}};
  in.xnp = xnp;
  in.lmue = 150;
  in.forward = {16, 30};
  in.aft = {8, 45};
  return in;
}

double markY(const TemplateLayout& l, MarkKind kind) {
  for (const TemplateMark& m : l.marks)
    if (m.kind == kind) return m.pageY;
  ADD_FAILURE() << "no such mark";
  return 0;
}

TEST(BalanceTemplateLayout, TrueScaleWithTheForemostPointTenMillimetresBelowTheTop) {
  // Aft sweep: the root leading edge is foremost, 10 mm below the drawing's top (24 mm).
  const TemplateLayout aft = templateLayout(sweptWing(false));
  EXPECT_DOUBLE_EQ(aft.xAtTop, -10);
  EXPECT_DOUBLE_EQ(markY(aft, MarkKind::RootLeadingEdge), 34);
  EXPECT_DOUBLE_EQ(markY(aft, MarkKind::CgForward), 64);
  EXPECT_DOUBLE_EQ(markY(aft, MarkKind::CgAft), 79);
  EXPECT_DOUBLE_EQ(markY(aft, MarkKind::NeutralPoint), 94);
  // The outline: leading edge out (the tip 300 mm right of the root line at 12), trailing edge back.
  ASSERT_EQ(aft.outline.size(), 4u);
  EXPECT_DOUBLE_EQ(aft.outline[1].x, 312);
  EXPECT_DOUBLE_EQ(aft.outline[1].y, 84);
  EXPECT_DOUBLE_EQ(aft.outline[3].y, 234);

  // Forward sweep: where the leading edge leaves the drawing (116 mm out) it is at −116/300·50.
  const TemplateLayout fwd = templateLayout(sweptWing(true));
  EXPECT_NEAR(fwd.xAtTop, -50.0 * 116 / 300 - 10, 1e-12);
  EXPECT_NEAR(markY(fwd, MarkKind::NeutralPoint) - markY(fwd, MarkKind::RootLeadingEdge), 60, 1e-12);

  // A neutral point beyond the page's foot is still listed, as off the page; a manual centre of
  // gravity replaces the pair.
  TemplateInput far = sweptWing(false, 400);
  far.manual = TemplateCg{10, 20};
  const TemplateLayout l = templateLayout(far);
  ASSERT_EQ(l.marks.size(), 3u);
  EXPECT_EQ(l.marks[1].kind, MarkKind::CgManual);
  EXPECT_TRUE(l.marks[1].onPage);
  EXPECT_FALSE(l.marks[2].onPage);
}

// Centres of the runs of pixels along a row (`alongRow`) or a column that satisfy `ink`.
template <typename Ink>
std::vector<double> runCentres(const QImage& image, int fixed, bool alongRow, Ink ink) {
  std::vector<double> centres;
  const int n = alongRow ? image.width() : image.height();
  int start = -1;
  for (int i = 0; i <= n; ++i) {
    const bool on = i < n && ink(alongRow ? image.pixelColor(i, fixed) : image.pixelColor(fixed, i));
    if (on && start < 0) start = i;
    if (!on && start >= 0) {
      centres.push_back((start + i - 1) / 2.0);
      start = -1;
    }
  }
  return centres;
}

// The template of a calculated aircraft: the aft mark at the smaller margin's centre of gravity,
// the forward one at the larger's, the neutral point at the run's, the outline right of the root line;
// with a fuselage all three move by the fuselage's shift.
TEST(BalanceTemplateInput, FromACalculatedAircraftAndItsFuselage) {
  Document doc = testing_support::calculatedDocument();
  const double xnp = doc.results.xnp, lmue = doc.results.lmue;
  std::optional<TemplateInput> in = templateInputOf(doc, false);
  ASSERT_TRUE(in);
  EXPECT_DOUBLE_EQ(in->xnp, xnp);
  EXPECT_DOUBLE_EQ(in->aft.x, xnp - 0.08 * lmue);  // five wings: margins 8 and 16 %
  EXPECT_DOUBLE_EQ(in->forward.x, xnp - 0.16 * lmue);
  EXPECT_FALSE(in->manual);
  EXPECT_FALSE(in->withFuselage);
  const TemplateLayout layout = templateLayout(*in);
  for (const PagePoint& p : layout.outline) EXPECT_GE(p.x, layout.left);
  EXPECT_GT(layout.outline[1].x, layout.left + 100);  // the default wing 1 reaches 1100 mm out: past the page

  doc.fuselage = FuselageInput{{{-600, 0}, {-300, 160}, {1200, 120}, {1500, 40}}, -30};
  in = templateInputOf(doc, true);
  ASSERT_TRUE(in && in->manual);
  EXPECT_TRUE(in->withFuselage);
  EXPECT_LT(in->xnp, xnp);  // a fuselage is destabilising
  EXPECT_DOUBLE_EQ(in->manual->x, in->xnp - 0.075 * lmue);
}

TEST(BalanceTemplatePdf, RulerMeasuresOneHundredMillimetresAndMarksStandAtTheirDistances) {
  testing_support::qtApp();
  if (!testing_support::haveTool("pdftoppm")) GTEST_SKIP() << "poppler-utils (pdftoppm) is not installed";
  QTemporaryDir dir;
  const QString pdf = dir.filePath("template.pdf");
  const TemplateInput in = sweptWing(false);
  ASSERT_FALSE(exportBalanceTemplate(in, Language::English, pdf));
  // 254 dpi: 10 pixels per millimetre.
  testing_support::runTool("pdftoppm", {"-r", "254", "-png", "-singlefile", pdf, dir.filePath("page")});
  const QImage page(dir.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  EXPECT_NEAR(page.width(), 2100, 1);
  const TemplateLayout l = templateLayout(in);

  // The ruler's 10 mm ticks (5 mm long): a column 4 mm right of its line crosses only them.
  const auto dark = [](const QColor& c) { return c.lightness() < 100; };
  const std::vector<double> ticks = runCentres(page, static_cast<int>((l.rulerX + 4) * 10), false, dark);
  std::vector<double> rulerTicks;
  for (double t : ticks)
    if (t > (l.rulerTop - 2) * 10 && t < (l.rulerTop + kRulerLengthMm + 2) * 10) rulerTicks.push_back(t);
  ASSERT_EQ(rulerTicks.size(), 11u);
  EXPECT_NEAR((rulerTicks.back() - rulerTicks.front()) / 10, 100, 0.5);
  EXPECT_NEAR(rulerTicks.front() / 10, l.rulerTop, 0.5);

  // Down the middle of the drawing: the blue centre-of-gravity lines and the red neutral point,
  // 30, 45 and 60 mm behind the black root leading edge.
  const int column = static_cast<int>((l.left + 60) * 10);
  const auto black = [](const QColor& c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; };
  const auto blue = [](const QColor& c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
  const auto red = [](const QColor& c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
  const std::vector<double> le = runCentres(page, column, false, black);
  const std::vector<double> cg = runCentres(page, column, false, blue);
  const std::vector<double> np = runCentres(page, column, false, red);
  ASSERT_FALSE(le.empty());
  ASSERT_EQ(cg.size(), 2u);
  ASSERT_EQ(np.size(), 1u);
  EXPECT_NEAR(le.front() / 10, markY(l, MarkKind::RootLeadingEdge), 0.5);
  EXPECT_NEAR((cg[0] - le.front()) / 10, 30, 0.5);
  EXPECT_NEAR((cg[1] - le.front()) / 10, 45, 0.5);
  EXPECT_NEAR((np[0] - le.front()) / 10, 60, 0.5);
}

}  // namespace
}  // namespace volantis4
