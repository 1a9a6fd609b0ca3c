#include "views/planform_image_widget.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "model/aircraft_geometry.h"
#include "model/field_names.h"
#include "qt_app.h"
#include "views/planform_view.h"

namespace volantis4 {
namespace {

Rgb pixel(const QImageCanvas& c, int x, int y) {
  const QRgb p = c.image().pixel(x, y);
  return {qRed(p), qGreen(p), qBlue(p)};
}

void sendMove(QWidget* widget, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, modifiers);
  QApplication::sendEvent(widget, &move);
}

// Wing 1's page as the window wires it: the form, its geometry, the planform image and the
// mouse state shared by the three handlers.
class WingPage : public testing::Test, private testing_support::WithQtApp {
 protected:
  void SetUp() override {
    geometry = geometryOf(form);
    image.resizeImage(489, 273);
    image.show();
    redraw();
    QObject::connect(&image, &PlanformImageWidget::pressed, [this](int x, int y, Qt::MouseButton, bool) {
      grabbed = planformHit(geometry.wing(1), scale, image.canvas().width(), image.canvas().height(), x, y);
      pressedAt = {x, y};
    });
    QObject::connect(&image, &PlanformImageWidget::moved, [this](int x, int y, Qt::MouseButtons, bool shiftAlone) {
      const HitCode hover = planformHit(geometry.wing(1), scale, image.canvas().width(), image.canvas().height(), x, y);
      image.setPointer(planformPointer(hover));
      highlighted.clear();
      for (const FieldKey& k : planformHighlight(1, hover, shiftAlone)) highlighted.emplace_back(fieldName(k));
    });
    QObject::connect(&image, &PlanformImageWidget::released, [this](int x, int y, Qt::MouseButton, bool shiftAlone) {
      const auto writes = planformEdit(1, geometry.wing(1), form.wing(1).gap, grabbed, scale, x - pressedAt.x(),
                                       y - pressedAt.y(), shiftAlone);
      for (const FieldWrite& w : writes) {  // each write runs the wing's recomputation
        fieldText(form, w.field) = w.text;
        recomputeWing(geometry, form, 1);
        redraw();
      }
    });
  }

  void redraw() {
    scale = drawPlanform(image.canvas(), planformInput(geometry, 1, false, 0), SystemColours{}).scale;
    image.update();
  }

  Form form = defaultForm();
  AircraftGeometry geometry;
  PlanformImageWidget image;
  double scale = 0;
  HitCode grabbed = 0;
  QPoint pressedAt;
  std::vector<std::string> highlighted;
};

TEST_F(WingPage, SignalsCarryImagePixelsButtonsAndShiftAlone) {
  QSignalSpy pressed(&image, &PlanformImageWidget::pressed);
  QSignalSpy moved(&image, &PlanformImageWidget::moved);
  QSignalSpy released(&image, &PlanformImageWidget::released);
  QTest::mousePress(&image, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
  sendMove(&image, QPoint(15, 25), Qt::NoButton, Qt::ShiftModifier);
  sendMove(&image, QPoint(16, 26), Qt::LeftButton, Qt::ShiftModifier);
  QTest::mouseRelease(&image, Qt::RightButton, Qt::ShiftModifier, QPoint(30, 40));
  ASSERT_EQ(pressed.count(), 1);
  ASSERT_EQ(moved.count(), 2);
  ASSERT_EQ(released.count(), 1);
  EXPECT_EQ(pressed[0], (QList<QVariant>{10, 20, QVariant::fromValue(Qt::RightButton), false}));  // a button is down
  EXPECT_TRUE(moved[0][3].toBool());
  EXPECT_FALSE(moved[1][3].toBool());
  EXPECT_EQ(released[0], (QList<QVariant>{30, 40, QVariant::fromValue(Qt::RightButton), true}));
}

TEST_F(WingPage, HoverSetsPointerAndHighlight) {
  // Section 2's leading edge, right half, at (244 + 48, 91).
  sendMove(&image, QPoint(292, 91), Qt::NoButton, Qt::NoModifier);
  EXPECT_EQ(image.cursor().shape(), Qt::SizeAllCursor);
  EXPECT_EQ(highlighted, (std::vector<std::string>{"Edit1", "Edit8"}));
  sendMove(&image, QPoint(292, 91), Qt::NoButton, Qt::ShiftModifier);
  EXPECT_EQ(highlighted, (std::vector<std::string>{"Edit1", "Edit8", "Edit9", "Edit10", "Edit14xx"}));
  sendMove(&image, QPoint(292, 164), Qt::NoButton, Qt::NoModifier);
  EXPECT_EQ(image.cursor().shape(), Qt::SizeVerCursor);
  sendMove(&image, QPoint(244, 91), Qt::NoButton, Qt::NoModifier);
  EXPECT_EQ(image.cursor().shape(), Qt::SizeHorCursor);
  sendMove(&image, QPoint(350, 140), Qt::NoButton, Qt::NoModifier);
  EXPECT_EQ(image.cursor().shape(), Qt::CrossCursor);
  EXPECT_TRUE(highlighted.empty());
}

TEST_F(WingPage, DraggingALeadingEdgeReshapesTheWing) {
  ASSERT_EQ(pixel(image.canvas(), 292, 130), wingColour(1));
  QTest::mousePress(&image, Qt::LeftButton, Qt::NoModifier, QPoint(292, 91));
  QTest::mouseMove(&image, QPoint(297, 96));
  QTest::mouseRelease(&image, Qt::LeftButton, Qt::NoModifier, QPoint(302, 101));
  // 10 px at 0.218988 px/mm is 45.66 mm: offset 0 -> 46, width 220 -> 266.
  EXPECT_EQ(form.wing(1).offsets[0], "46");
  EXPECT_EQ(form.wing(1).widths[0], "266");
  EXPECT_EQ(form.wing(1).offsets[1], "131");
  // Span 2 * 1146 gives the scale 240.887 / 1146 = 0.2102: the corner is redrawn at
  // (244 + R(55.91), 91 + R(9.67)) = (300, 101) and the section 2 chord runs down column 300.
  EXPECT_EQ(pixel(image.canvas(), 300, 130), wingColour(1));
  EXPECT_NE(pixel(image.canvas(), 292, 130), wingColour(1));
}

TEST_F(WingPage, ShiftReleaseMovesTheOuterWingAlong) {
  QTest::mousePress(&image, Qt::LeftButton, Qt::NoModifier, QPoint(459, 120));  // section 3 leading edge
  QTest::mouseRelease(&image, Qt::LeftButton, Qt::ShiftModifier, QPoint(459, 130));
  // 10 px = 45.66 mm aft for sections 3, 4 and 5; width unchanged.
  EXPECT_EQ(form.wing(1).offsets[1], "177");
  EXPECT_EQ(form.wing(1).offsets[2], "186");
  EXPECT_EQ(form.wing(1).offsets[3], "261");
  EXPECT_EQ(form.wing(1).widths[1], "764");
}

}  // namespace
}  // namespace volantis4
