// The Aircraft page's pictures in the window: pressure box and needles, the zoom drag on the
// top view, and a resize that keeps the results on show.

#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "model/field_names.h"
#include "model/numbers.h"
#include "ui/planform_image_widget.h"
#include "ui_test_support.h"
#include "views/qimage_canvas.h"
#include "views/top_view.h"

namespace volantis4 {
namespace {

using testing_support::OpenWindowTest;

class ViewsTest : public OpenWindowTest {
 protected:
  void calculate() {  // on the Aircraft page, where the window starts
    find<QPushButton>("Button4")->click();
    ASSERT_TRUE(window->document().run.flags.results_valid);
  }
  const QImage& image(const char* name) const { return find<PlanformImageWidget>(name)->canvas().image(); }
  static int count(const QImage& img, QRgb colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
  }
  // Rows where column R(W / 2) of the top view is pure red: the neutral-point dash.
  std::vector<int> neutralPointRows() const {
    const QImage& img = image("Image2");
    const int c = roundHalfEven(img.width() / 2.0);
    std::vector<int> rows;
    for (int y = 0; y < img.height(); ++y)
      if ((img.pixel(c, y) & 0xffffff) == 0xff0000) rows.push_back(y);
    return rows;
  }
  // The row of aircraft x on the top view at `factor` times the base scale of a fresh layout.
  int rowAt(double x, double factor) const {
    const Document& doc = window->document();
    const QImage& img = image("Image2");
    TopViewState s;
    topViewLayout(s, doc.geometry, doc.form.wingsCount, img.width(), img.height());
    return roundHalfEven(x * s.baseScale * factor + s.y0);
  }
  void moveWithLeftButton(QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
  }
};

bool contains(const std::vector<int>& rows, int row) { return std::find(rows.begin(), rows.end(), row) != rows.end(); }

TEST_F(ViewsTest, TickingThePressureBoxShowsScrollBar6AndNeedles) {
  calculate();
  auto* box = find<QCheckBox>("CheckBoxA");
  ASSERT_TRUE(box->isVisible());
  EXPECT_FALSE(find<QScrollBar>("ScrollBar6")->isVisible());
  EXPECT_EQ(count(image("Image3"), qRgb(200, 200, 200)), 0);
  box->click();
  EXPECT_TRUE(find<QScrollBar>("ScrollBar6")->isVisible());
  EXPECT_GT(count(image("Image3"), qRgb(200, 200, 200)), 0);
  EXPECT_GT(count(image("Image3"), qRgb(0, 255, 0)), 0);
  box->click();
  EXPECT_FALSE(find<QScrollBar>("ScrollBar6")->isVisible());
  EXPECT_EQ(count(image("Image3"), qRgb(0, 255, 0)), 0);
}

TEST_F(ViewsTest, ADragOf30PixelsMagnifiesByFourTenthsAndReleaseRestores) {
  calculate();
  const double xnp = window->document().results.xnp;
  ASSERT_NE(rowAt(xnp, 1.0), rowAt(xnp, 1.4));
  EXPECT_TRUE(contains(neutralPointRows(), rowAt(xnp, 1.0)));
  auto* top = find<PlanformImageWidget>("Image2");
  QTest::mousePress(top, Qt::LeftButton, Qt::NoModifier, QPoint(50, 100));
  moveWithLeftButton(top, QPoint(50, 102));  // under 3 pixels: nothing
  EXPECT_EQ(find<QScrollBar>("ScrollBar3")->value(), 100);
  moveWithLeftButton(top, QPoint(50, 132));
  EXPECT_EQ(find<QScrollBar>("ScrollBar3")->value(), 90);
  EXPECT_TRUE(contains(neutralPointRows(), rowAt(xnp, 1.4)));
  EXPECT_FALSE(contains(neutralPointRows(), rowAt(xnp, 1.0)));
  QTest::mouseRelease(top, Qt::LeftButton, Qt::NoModifier, QPoint(50, 132));
  EXPECT_EQ(find<QScrollBar>("ScrollBar3")->value(), 100);
  EXPECT_TRUE(contains(neutralPointRows(), rowAt(xnp, 1.0)));
}

TEST_F(ViewsTest, AResizeKeepsTheResultsAndTheOverlay) {
  calculate();
  const char* anp = wingControlNames(1).labelAerodynamicCentre.data();
  const QString before = label(anp);
  const QSize topBefore = image("Image2").size();
  window->resize(1200, 900);
  QApplication::processEvents();
  EXPECT_NE(image("Image2").size(), topBefore);
  EXPECT_TRUE(window->document().run.flags.results_valid);
  EXPECT_TRUE(shown(anp));
  EXPECT_EQ(label(anp), before);
  const QImage& top = image("Image2");
  EXPECT_GT(count(top, qRgb(0, 0, 255)), 0);
  EXPECT_TRUE(contains(neutralPointRows(), rowAt(window->document().results.xnp, 1.0)));
  const SystemColours colours = systemColoursFromPalette();
  EXPECT_GT(count(top, qRgb(colours.light3D.r, colours.light3D.g, colours.light3D.b)), 100);  // the reference wing
}

TEST_F(ViewsTest, ALanguageSwitchWritesTheFlightDirectionBesideTheArrow) {
  QImage expected = image("Image2").copy();
  const int cx = roundHalfEven(expected.width() / 2.0);  // the top view's centre column
  {
    QImageCanvas canvas(&expected);
    canvas.setFontColour(kRed);
    canvas.setBrushColour(systemColoursFromPalette().infoBackground);
    canvas.textOut(cx + 27, 2, "Flugrichtung     ");
  }
  action("german1")->trigger();
  EXPECT_EQ(image("Image2"), expected);
}

}  // namespace
}  // namespace volantis4
