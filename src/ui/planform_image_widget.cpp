#include "ui/planform_image_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace volantis4 {
namespace {

bool shiftAlone(const QMouseEvent* event) {
  return event->modifiers() == Qt::ShiftModifier && event->buttons() == Qt::NoButton;
}

QPoint imagePixel(const QMouseEvent* event) { return event->position().toPoint(); }

}  // namespace

PlanformImageWidget::PlanformImageWidget(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
  canvas_.setDevicePixelRatio(devicePixelRatioF());
}

void PlanformImageWidget::resizeImage(int width, int height) {
  canvas_.resize(width, height);
  resize(width, height);
  update();
}

void PlanformImageWidget::setPointer(PlanformPointer pointer) {
  switch (pointer) {
    case PlanformPointer::Crosshair:
      setCursor(Qt::CrossCursor);
      break;
    case PlanformPointer::HorizontalArrows:
      setCursor(Qt::SizeHorCursor);
      break;
    case PlanformPointer::VerticalArrows:
      setCursor(Qt::SizeVerCursor);
      break;
    case PlanformPointer::FourWayArrows:
      setCursor(Qt::SizeAllCursor);
      break;
  }
}

QSize PlanformImageWidget::sizeHint() const { return {canvas_.width(), canvas_.height()}; }

void PlanformImageWidget::paintEvent(QPaintEvent*) {
  if (devicePixelRatioF() != canvas_.devicePixelRatio()) {
    // Moved to a screen of another scale: shown scaled until the owner draws it anew.
    canvas_.setDevicePixelRatio(devicePixelRatioF());
    QMetaObject::invokeMethod(this, &PlanformImageWidget::devicePixelRatioChanged, Qt::QueuedConnection);
  }
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.drawImage(0, 0, canvas_.image());
}

void PlanformImageWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint p = imagePixel(event);
  emit pressed(p.x(), p.y(), event->button(), shiftAlone(event));
}

void PlanformImageWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = imagePixel(event);
  emit moved(p.x(), p.y(), event->buttons(), shiftAlone(event));
}

void PlanformImageWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = imagePixel(event);
  emit released(p.x(), p.y(), event->button(), shiftAlone(event));
}

}  // namespace volantis4
