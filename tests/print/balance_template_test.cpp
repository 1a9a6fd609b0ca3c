// The balance template: its layout at true scale on A4 and Letter, its labels and texts (what they
// say, none over another, no number apart from its unit), and the printed ruler and marks measured
// on the PDF.

#include "print/balance_template.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "model/document.h"
#include "print_test_support.h"
#include "qt_app.h"

namespace volantis4 {
namespace {

// A swept wing: root chord 200 at x = 0, 300 mm out the leading edge at x = 50 (forward sweep
// when `forward`). Mean chord 150 from x = 20; centres of gravity at 30 and 45 mm, neutral point
// at 60 mm.
TemplateInput sweptWing(bool forward, double xnp = 60) {
  TemplateInput in;
  in.sections = {{0, 0, 200}, {300, forward ? -50.0 : 50.0, 100}};
  in.xnp = xnp;
  in.lmue = 150;
  in.xLeRef = 20;
  in.forward = {16, 30};
  in.aft = {8, 45};
  return in;
}

// A wing of 10 mm chord (a small tail or a narrow strip): every mark within 10 mm.
TemplateInput narrowWing() {
  TemplateInput in;
  in.sections = {{0, 0, 10}, {150, 0, 10}};
  in.lmue = 10;
  in.xLeRef = 0;
  in.xnp = 2.5;
  in.forward = {16, 0.9};
  in.aft = {8, 1.7};
  return in;
}

// A canard's main wing as the reference: its root leading edge at x = 300, the marks ahead of it.
TemplateInput canard() {
  TemplateInput in;
  in.sections = {{0, 300, 180}, {600, 330, 120}};
  in.rootLeX = 300;
  in.lmue = 160;
  in.xLeRef = 305;
  in.xnp = 252.7 + 0.16 * 160 + 0;  // 278.3
  in.forward = {16, 252.7};
  in.aft = {8, 265.5};
  return in;
}

// A device of the PDF's 600 dpi for measuring the texts.
const QImage& device600() {
  static const QImage image = [] {
    QImage i(8, 8, QImage::Format_RGB32);
    i.setDotsPerMeterX(23622);  // 600 dpi
    i.setDotsPerMeterY(23622);
    return i;
  }();
  return image;
}

std::string labelOf(const TemplateInput& in, MarkKind kind, Language language) {
  for (const TemplateMark& m : templateLayout(in).marks)
    if (m.kind == kind) return markLabel(in, m, language);
  ADD_FAILURE() << "no such mark";
  return {};
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

  // The mean chord's leading edge is marked, 20 mm behind the root's.
  EXPECT_DOUBLE_EQ(markY(aft, MarkKind::MeanChordLeadingEdge), 54);

  // A neutral point beyond the page's foot is still listed, as off the page; a manual centre of
  // gravity replaces the pair.
  TemplateInput far = sweptWing(false, 400);
  far.manual = TemplateCg{10, 20};
  const TemplateLayout l = templateLayout(far);
  ASSERT_EQ(l.marks.size(), 4u);
  EXPECT_EQ(l.marks[2].kind, MarkKind::CgManual);
  EXPECT_TRUE(l.marks[2].onPage);
  EXPECT_FALSE(l.marks[3].onPage);
}

// The drawing reaches 10 mm above the paper's foot and the ruler's foot stands 5 mm above the
// drawing's: on Letter (279.4 mm) both move up by the 17.6 mm Letter is shorter.
TEST(BalanceTemplateLayout, FollowsThePapersHeight) {
  const TemplateLayout a4 = templateLayout(sweptWing(false), Paper::A4);
  const TemplateLayout letter = templateLayout(sweptWing(false), Paper::Letter);
  EXPECT_DOUBLE_EQ(a4.bottom, 287);
  EXPECT_DOUBLE_EQ(a4.rulerTop, 182);
  EXPECT_NEAR(letter.bottom, 269.4, 1e-9);
  EXPECT_NEAR(letter.rulerTop, 164.4, 1e-9);
  EXPECT_DOUBLE_EQ(markY(letter, MarkKind::CgAft), markY(a4, MarkKind::CgAft));  // true scale on both
}

// Each line says what it marks, how far from the root leading edge and which way, and the centres
// of gravity and the neutral point where they lie on the mean chord. Worked by hand: the swept
// wing's mean chord is 150 mm from x = 20, so x = 30 lies at 10/150 = 6.7 % MAC, 45 at 16.7 %,
// 60 at 26.7 %; the canard's root leading edge is at 300, its mean chord 160 from 305.
TEST(BalanceTemplateLabels, SayMarginDistanceDirectionAndPlaceOnTheMeanChord) {
  const std::string nb = "\u00a0";
  const TemplateInput swept = sweptWing(false);
  EXPECT_EQ(labelOf(swept, MarkKind::CgForward, Language::English),
            "CG for margin 16" + nb + "%: 30.0" + nb + "mm behind the root leading edge (6.7" + nb + "%" + nb + "MAC)");
  EXPECT_EQ(labelOf(swept, MarkKind::CgAft, Language::German), "SP für Stabilitätsmaß 8" + nb + "%: 45.0" + nb +
                                                                   "mm hinter der Nasenleiste an der Wurzel (16.7" +
                                                                   nb + "%" + nb + "der" + nb + "Bezugstiefe)");
  EXPECT_EQ(labelOf(swept, MarkKind::NeutralPoint, Language::English),
            "neutral point: 60.0" + nb + "mm behind the root leading edge (26.7" + nb + "%" + nb + "MAC)");
  EXPECT_EQ(labelOf(swept, MarkKind::MeanChordLeadingEdge, Language::English),
            "leading edge of the mean chord (MAC): 20.0" + nb + "mm behind the root leading edge");
  EXPECT_EQ(labelOf(swept, MarkKind::RootLeadingEdge, Language::German), "Nasenleiste an der Wurzel: 0" + nb + "mm");

  // A manual margin keeps its decimal; whole margins show none.
  TemplateInput manual = swept;
  manual.manual = TemplateCg{7.5, 33.5};
  EXPECT_EQ(
      labelOf(manual, MarkKind::CgManual, Language::English),
      "CG for margin 7.5" + nb + "%: 33.5" + nb + "mm behind the root leading edge (9.0" + nb + "%" + nb + "MAC)");

  // The canard's marks lie ahead of its root leading edge: 47.3 mm, at (252.7 − 305)/160 = −32.7 % MAC.
  const TemplateInput c = canard();
  EXPECT_EQ(
      labelOf(c, MarkKind::CgForward, Language::English),
      "CG for margin 16" + nb + "%: 47.3" + nb + "mm ahead of the root leading edge (-32.7" + nb + "%" + nb + "MAC)");
  EXPECT_EQ(labelOf(c, MarkKind::CgAft, Language::German), "SP für Stabilitätsmaß 8" + nb + "%: 34.5" + nb +
                                                               "mm vor der Nasenleiste an der Wurzel (-24.7" + nb +
                                                               "%" + nb + "der" + nb + "Bezugstiefe)");
  EXPECT_EQ(labelOf(c, MarkKind::MeanChordLeadingEdge, Language::English),
            "leading edge of the mean chord (MAC): 5.0" + nb + "mm behind the root leading edge");
}

struct TextCase {
  std::string name;
  TemplateInput input;
  Language language;
  Paper paper;
};

std::vector<TextCase> textCases() {
  std::vector<TextCase> cases;
  TemplateInput manual = sweptWing(false);
  manual.manual = TemplateCg{7.5, 33.5};
  manual.withFuselage = true;
  manual.fileName = "/home/pilot/very/long/folder/names/for/models/a_rather_long_aircraft_file_name_indeed.vn4";
  for (Language language : {Language::English, Language::German})
    for (Paper paper : {Paper::A4, Paper::Letter}) {
      const std::string suffix = std::string(language == Language::German ? " German" : " English") +
                                 (paper == Paper::Letter ? " Letter" : " A4");
      cases.push_back({"swept" + suffix, sweptWing(false), language, paper});
      cases.push_back({"10 mm wing" + suffix, narrowWing(), language, paper});
      cases.push_back({"canard" + suffix, canard(), language, paper});
      cases.push_back({"manual with fuselage" + suffix, manual, language, paper});
      cases.push_back({"neutral point off the page" + suffix, sweptWing(false, 400), language, paper});
    }
  return cases;
}

bool overlap(const TemplateText& a, const TemplateText& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// No text over another (title, file name, notes, steps, flight direction, the marks beyond the
// page, the lines' labels), all on the paper, the column above the ruler, each label on the
// drawing and crossed by no line, and one label for each mark on the page.
TEST(BalanceTemplateTexts, NoTextOverlapsAnotherOnEitherPaperInEitherLanguage) {
  testing_support::qtApp();
  for (const TextCase& c : textCases()) {
    SCOPED_TRACE(c.name);
    const TemplateLayout l = templateLayout(c.input, c.paper);
    const std::vector<TemplateText> texts = templateTexts(c.input, l, c.language, device600());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const TemplateText& t = texts[i];
      EXPECT_GT(t.right, t.left) << t.text;
      EXPECT_GE(t.left, 0) << t.text;
      EXPECT_GE(t.top, 0) << t.text;
      EXPECT_LE(t.right, paperWidthMm(c.paper)) << t.text;
      EXPECT_LE(t.bottom, paperHeightMm(c.paper)) << t.text;
      for (std::size_t j = i + 1; j < texts.size(); ++j)
        EXPECT_FALSE(overlap(t, texts[j])) << "\"" << t.text << "\" and \"" << texts[j].text << "\"";
      if (t.role == TemplateText::Role::LineLabel) {
        for (const TemplateMark& m : l.marks) {  // no line runs through a label
          if (m.onPage) {
            EXPECT_FALSE(m.pageY > t.top && m.pageY < t.bottom) << t.text;
          }
        }
        EXPECT_GE(t.left, l.left) << t.text;
        EXPECT_LE(t.right, l.right) << t.text;
        EXPECT_GE(t.top, l.top) << t.text;
        EXPECT_LE(t.bottom, l.bottom) << t.text;
      } else if (t.role != TemplateText::Role::Title && t.role != TemplateText::Role::FileName) {
        EXPECT_LE(t.bottom, l.rulerTop) << t.text;  // the column ends above the ruler
        EXPECT_GE(t.left, l.right) << t.text;
      }
    }
    for (const TemplateMark& m : l.marks) {
      const auto labels = std::count_if(texts.begin(), texts.end(), [&](const TemplateText& t) {
        return t.role == TemplateText::Role::LineLabel && t.mark == m.kind;
      });
      const auto listed = std::count_if(texts.begin(), texts.end(), [&](const TemplateText& t) {
        return t.role == TemplateText::Role::OffPageMark && t.mark == m.kind;
      });
      EXPECT_EQ(labels, m.onPage ? 1 : 0);
      EXPECT_EQ(listed, m.onPage ? 0 : 1);
    }
  }
}

// The steps are numbered 1 to 5 and end with how the model should balance; no number is apart from
// its unit by an ordinary blank (where a line could break between them).
TEST(BalanceTemplateTexts, NumberedStepsAndNoNumberApartFromItsUnit) {
  testing_support::qtApp();
  const QRegularExpression apart(QStringLiteral("[0-9]\\s+(mm|%)"));
  for (const TextCase& c : textCases()) {
    SCOPED_TRACE(c.name);
    const TemplateLayout l = templateLayout(c.input, c.paper);
    std::vector<std::string> steps;
    for (const TemplateText& t : templateTexts(c.input, l, c.language, device600())) {
      EXPECT_FALSE(apart.match(QString::fromStdString(t.text)).hasMatch()) << t.text;
      if (t.role == TemplateText::Role::Step) steps.push_back(t.text);
    }
    ASSERT_EQ(steps.size(), 5u);
    for (std::size_t i = 0; i < steps.size(); ++i) EXPECT_EQ(steps[i].substr(0, 3), std::to_string(i + 1) + ". ");
    const bool english = c.language == Language::English;
    const std::string balance = c.input.manual
                                    ? (english ? "on the blue line" : "auf der blauen Linie")
                                    : (english ? "between the two blue lines" : "zwischen den beiden blauen");
    EXPECT_NE(steps[4].find(balance), std::string::npos) << steps[4];
    EXPECT_NE(steps[1].find(english ? "Cut" : "abschneiden"), std::string::npos) << steps[1];
  }
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

// Printed at true scale on both papers: rendered at 254 dpi (10 pixels per millimetre) the ruler's
// ticks are 100 mm apart and every mark line stands within 0.1 mm of its place: the centres of
// gravity 30 and 45 mm, the neutral point 60 mm behind the root leading edge, the mean chord's
// leading edge 20 mm. Measured in the strip at the drawing's right end, where no label reaches.
TEST(BalanceTemplatePdf, RulerMeasuresOneHundredMillimetresAndMarksStandAtTheirDistances) {
  testing_support::qtApp();
  if (!testing_support::haveTool("pdftoppm")) GTEST_SKIP() << "poppler-utils (pdftoppm) is not installed";
  for (Paper paper : {Paper::A4, Paper::Letter}) {
    SCOPED_TRACE(paper == Paper::A4 ? "A4" : "Letter");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("template.pdf");
    const TemplateInput in = sweptWing(false);
    ASSERT_FALSE(exportBalanceTemplate(in, Language::English, pdf, {}, paper));
    testing_support::runTool("pdftoppm", {"-r", "254", "-png", "-singlefile", pdf, dir.filePath("page")});
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.width(), paperWidthMm(paper) * 10, 1);
    EXPECT_NEAR(page.height(), paperHeightMm(paper) * 10, 1);
    const TemplateLayout l = templateLayout(in, paper);

    // The ruler's 10 mm ticks (5 mm long): a column 4 mm right of its line crosses only them.
    const auto dark = [](const QColor& c) { return c.lightness() < 100; };
    const std::vector<double> ticks = runCentres(page, static_cast<int>((l.rulerX + 4) * 10), false, dark);
    std::vector<double> rulerTicks;
    for (double t : ticks)
      if (t > (l.rulerTop - 2) * 10 && t < (l.rulerTop + kRulerLengthMm + 2) * 10) rulerTicks.push_back(t);
    ASSERT_EQ(rulerTicks.size(), 11u);
    EXPECT_NEAR((rulerTicks.back() - rulerTicks.front()) / 10, 100, 0.1);
    EXPECT_NEAR((rulerTicks.front() + 0.5) / 10, l.rulerTop, 0.1);

    const int column = static_cast<int>((l.right - 2) * 10);
    const auto black = [](const QColor& c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; };
    const auto grey = [](const QColor& c) {
      return std::abs(c.red() - c.green()) < 8 && std::abs(c.green() - c.blue()) < 8 && c.red() >= 60 && c.red() < 140;
    };
    const auto blue = [](const QColor& c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
    const auto red = [](const QColor& c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    const std::vector<double> le = runCentres(page, column, false, black);
    const std::vector<double> cg = runCentres(page, column, false, blue);
    const std::vector<double> np = runCentres(page, column, false, red);
    ASSERT_FALSE(le.empty());
    ASSERT_EQ(cg.size(), 2u);
    ASSERT_EQ(np.size(), 1u);
    // Pixel i spans i to i + 1: a run's centre index plus a half is its position.
    const auto mm = [](double centre) { return (centre + 0.5) / 10; };
    EXPECT_NEAR(mm(le.front()), markY(l, MarkKind::RootLeadingEdge), 0.1);
    EXPECT_NEAR(mm(cg[0]), markY(l, MarkKind::CgForward), 0.1);
    EXPECT_NEAR(mm(cg[1]), markY(l, MarkKind::CgAft), 0.1);
    EXPECT_NEAR(mm(np[0]), markY(l, MarkKind::NeutralPoint), 0.1);
    EXPECT_NEAR((cg[0] - le.front()) / 10, 30, 0.1);
    EXPECT_NEAR((np[0] - le.front()) / 10, 60, 0.1);
    // The dashed mean-chord line: a column through a dash (a dash and a gap repeat every 1.8 mm).
    bool found = false;
    for (int x = column; x > column - 20 && !found; --x)
      for (double y : runCentres(page, x, false, grey))
        if (std::abs(mm(y) - markY(l, MarkKind::MeanChordLeadingEdge)) < 0.1) found = true;
    EXPECT_TRUE(found) << "no mean-chord line 20 mm behind the root leading edge";
  }
}

}  // namespace
}  // namespace volantis4
