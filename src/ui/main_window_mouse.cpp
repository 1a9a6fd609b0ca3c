// The mouse on the views. On a planform image a press grabs a corner, a movement shows the
// pointer and highlights the fields a drag would change, a release writes them. On the top view
// a vertical drag magnifies until the release; on the 3-D view a drag turns, tilts or magnifies.

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "model/planform_editing.h"
#include "ui/aircraft_page.h"
#include "ui/commands.h"
#include "ui/main_window.h"
#include "ui/planform_image_widget.h"
#include "ui/undo_commands.h"
#include "ui/wing_page.h"

namespace volantis4 {

void MainWindow::connectPlanformMouse(int w) {
  PlanformImageWidget* image = page(w)->planform();
  connect(image, &PlanformImageWidget::pressed, this,
          [this, w](int x, int y, Qt::MouseButton, bool) { planformPressed(w, x, y); });
  connect(image, &PlanformImageWidget::moved, this, [this, w](int x, int y, Qt::MouseButtons buttons, bool shiftAlone) {
    planformMoved(w, x, y, buttons, shiftAlone);
  });
  connect(image, &PlanformImageWidget::released, this,
          [this, w](int x, int y, Qt::MouseButton, bool shiftAlone) { planformReleased(w, x, y, shiftAlone); });
}

int MainWindow::planformHitAt(int w, int x, int y) const {
  const PlanformImageWidget* image = page(w)->planform();
  return planformHit(doc_.geometry.wing(w), planformMappings_[wingIndex(w)].scale, image->width(), image->height(), x,
                     y);
}

// A drag, press to release, is one step.
void MainWindow::planformPressed(int w, int x, int y) {
  if (dragOpen_) history_->end({.kind = StepName::Kind::Drag, .wing = w});  // a release that never came
  history_->begin();
  dragOpen_ = true;
  grabbed_ = planformHitAt(w, x, y);
  pressedAt_ = QPoint(x, y);
  pressedWing_ = doc_.geometry.wing(w);
  pressedGap_ = doc_.form.wing(w).gap;
  pressedScale_ = planformMappings_[wingIndex(w)].scale;
  dragging_ = grabbed_ != 0;
  Image3MouseDown(threeD_, {x, y});  // the press position and drag flag are shared with the 3-D view
}

void MainWindow::planformMoved(int w, int x, int y, Qt::MouseButtons buttons, bool shiftAlone) {
  const HitCode hover = planformHitAt(w, x, y);
  page(w)->planform()->setPointer(planformPointer(hover));
  const std::vector<FieldKey> lit = planformHighlight(w, hover, shiftAlone);
  for (const FieldKey key : WingPage::pageFields(w)) {
    QLineEdit* edit = page(w)->field(key);
    QPalette palette = edit->palette();
    const bool yellow = std::find(lit.begin(), lit.end(), key) != lit.end();
    palette.setColor(QPalette::Base, yellow ? QColor(255, 255, 0) : this->palette().color(QPalette::Base));
    edit->setPalette(palette);
  }
  // With live results on, every move of a drag writes the fields (those it changes), and the run
  // follows once the event loop is idle. Shift alone is the Shift key with the button held.
  if (!dragging_ || buttons == Qt::NoButton || !commands_.action(Command::LiveResults)->isChecked()) return;
  const bool shift = QApplication::keyboardModifiers() == Qt::ShiftModifier;
  for (const FieldWrite& write : planformWrites(w, x, y, shift)) {
    if (fieldText(doc_.form, write.field) == write.text) continue;
    const QString text = QString::fromStdString(write.text);
    showTextOf(write.field, text);
    fieldEdited(write.field, text);
  }
}

std::vector<FieldWrite> MainWindow::planformWrites(int w, int x, int y, bool shiftAlone) const {
  return planformEdit(w, pressedWing_, pressedGap_, grabbed_, pressedScale_, x - pressedAt_.x(), y - pressedAt_.y(),
                      shiftAlone);
}

// Each written field runs its own change handler, as if typed; all writes use the values read at
// the press (the same as at the release, unless live results moved the fields during the drag).
void MainWindow::planformReleased(int w, int x, int y, bool shiftAlone) {
  dragging_ = false;
  for (const FieldWrite& write : planformWrites(w, x, y, shiftAlone)) {
    QString text = QString::fromStdString(write.text);
    showTextOf(write.field, text);
    fieldEdited(write.field, text);
  }
  if (dragOpen_) history_->end({.kind = StepName::Kind::Drag, .wing = w});
  dragOpen_ = false;
  Image3MouseUp(threeD_, {x, y});
}

void MainWindow::connectViewMouse() {
  AircraftPage* a = aircraftPage_;
  PlanformImageWidget* top = a->Image2;
  connect(top, &PlanformImageWidget::pressed, this, [this, top](int x, int y, Qt::MouseButton, bool) {
    Image4MouseDown(top->canvas(), topView_, topViewNow(), {x, y});
    top->update();
  });
  connect(top, &PlanformImageWidget::moved, this, [this, top](int x, int y, Qt::MouseButtons buttons, bool) {
    Image4MouseMove(top->canvas(), topView_, topViewNow(), {x, y}, buttons.testFlag(Qt::LeftButton));
    const QSignalBlocker blocker(aircraftPage_->ScrollBar3);
    aircraftPage_->ScrollBar3->setValue(topView_.zoom);
    top->update();
  });
  connect(top, &PlanformImageWidget::released, this, [this, top](int x, int y, Qt::MouseButton, bool) {
    Image4MouseUp(top->canvas(), topView_, topViewNow(), {x, y});
    const QSignalBlocker blocker(aircraftPage_->ScrollBar3);
    aircraftPage_->ScrollBar3->setValue(topView_.zoom);
    top->update();
  });

  PlanformImageWidget* view3d = a->Image3;
  connect(view3d, &PlanformImageWidget::pressed, this, [this](int x, int y, Qt::MouseButton, bool) {
    Image3MouseDown(threeD_, {x, y});
  });
  connect(view3d, &PlanformImageWidget::released, this, [this](int x, int y, Qt::MouseButton, bool) {
    Image3MouseUp(threeD_, {x, y});
  });
  connect(view3d, &PlanformImageWidget::moved, this, [this](int x, int y, Qt::MouseButtons buttons, bool) {
    draw3dState();
    if (!Image3MouseMove(threeD_, {x, y}, buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::RightButton))) return;
    // The new positions go through the scroll bars, whose change events redraw.
    const int tilt = threeD_.tilt, turn = threeD_.turn, magnification = threeD_.magnification;
    aircraftPage_->ScrollBar1->setValue(tilt);
    aircraftPage_->ScrollBar2->setValue(turn);
    aircraftPage_->ScrollBar4->setValue(magnification);
  });
}

// ScrollBar3Change: the top view's zoom, redrawn without a new layout.
void MainWindow::zoomChanged(int zoom) {
  ScrollBar3Change(aircraftPage_->Image2->canvas(), topView_, topViewNow(), zoom);
  aircraftPage_->Image2->update();
}

// ScrollBar4Change: the 3-D view's magnification from the top view's scale.
void MainWindow::magnificationChanged(int position) {
  topView_.scale3d = ScrollBar4Scale(position, topView_.scale);
  draw3d();
}

}  // namespace volantis4
