#pragma once
// A widget that shows the image of its own canvas and reports mouse events in image pixels
// with the button and the shift state: the planform images Image1 … Image11111.

#include <QWidget>

#include "model/planform_editing.h"
#include "views/qimage_canvas.h"

namespace volantis4 {

class PlanformImageWidget : public QWidget {
  Q_OBJECT

 public:
  explicit PlanformImageWidget(QWidget* parent = nullptr);

  /// The persistent canvas this widget shows, at the screen's device pixel ratio; call update()
  /// after drawing on it.
  QImageCanvas& canvas() { return canvas_; }
  /// Resizes the widget and its canvas to width x height pixels.
  void resizeImage(int width, int height);
  /// Sets the pointer shape for a hovered corner.
  void setPointer(PlanformPointer pointer);

  QSize sizeHint() const override;

 signals:
  /// `shiftAlone`: the Shift key alone is down, with no other key and no mouse button held.
  void pressed(int x, int y, Qt::MouseButton button, bool shiftAlone);
  void moved(int x, int y, Qt::MouseButtons buttons, bool shiftAlone);
  void released(int x, int y, Qt::MouseButton button, bool shiftAlone);
  /// The widget is now shown at another device pixel ratio; its picture wants drawing anew.
  void devicePixelRatioChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImageCanvas canvas_;
};

}  // namespace volantis4
