#include "ui/planform_image_widget.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "qt_app.h"

namespace volantis4 {
namespace {

void sendMove(QWidget* widget, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, modifiers);
  QApplication::sendEvent(widget, &move);
}

class PlanformImage : public testing::Test, private testing_support::WithQtApp {
 protected:
  PlanformImage() {
    image.resizeImage(489, 273);
    image.show();
  }
  PlanformImageWidget image;
};

TEST_F(PlanformImage, SignalsCarryImagePixelsButtonsAndShiftAlone) {
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
  EXPECT_EQ(moved[0][0], 15);
  EXPECT_TRUE(moved[0][3].toBool());
  EXPECT_FALSE(moved[1][3].toBool());
  EXPECT_EQ(released[0], (QList<QVariant>{30, 40, QVariant::fromValue(Qt::RightButton), true}));
}

TEST_F(PlanformImage, PointerShapeFollowsTheCornerKind) {
  const std::pair<PlanformPointer, Qt::CursorShape> shapes[] = {{PlanformPointer::FourWayArrows, Qt::SizeAllCursor},
                                                                {PlanformPointer::VerticalArrows, Qt::SizeVerCursor},
                                                                {PlanformPointer::HorizontalArrows, Qt::SizeHorCursor},
                                                                {PlanformPointer::Crosshair, Qt::CrossCursor}};
  for (const auto& [pointer, shape] : shapes) {
    image.setPointer(pointer);
    EXPECT_EQ(image.cursor().shape(), shape);
  }
}

}  // namespace
}  // namespace volantis4
