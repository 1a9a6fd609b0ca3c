#include "ui/planform_drag.h"

#include <QApplication>
#include <QLineEdit>
#include <algorithm>

#include "ui/aircraft_views.h"
#include "ui/planform_image_widget.h"
#include "ui/wing_page.h"

namespace volantis4 {

PlanformDrag::PlanformDrag(const std::array<WingPage*, kWingCount>& pages, const Document& doc, UndoHistory& history,
                           AircraftViews& views, WriteField write, std::function<bool()> live, QObject* parent)
    : QObject(parent),
      pages_(pages),
      doc_(doc),
      history_(history),
      views_(views),
      write_(std::move(write)),
      live_(std::move(live)) {
  for (int w = 1; w <= kWingCount; ++w) {
    PlanformImageWidget* image = pages_[wingIndex(w)]->planform();
    connect(image, &PlanformImageWidget::pressed, this,
            [this, w](int x, int y, Qt::MouseButton, bool) { pressed(w, x, y); });
    connect(
        image, &PlanformImageWidget::moved, this,
        [this, w](int x, int y, Qt::MouseButtons buttons, bool shiftAlone) { moved(w, x, y, buttons, shiftAlone); });
    connect(image, &PlanformImageWidget::released, this,
            [this, w](int x, int y, Qt::MouseButton, bool shiftAlone) { released(w, x, y, shiftAlone); });
  }
}

int PlanformDrag::hitAt(int w, int x, int y) const {
  const PlanformImageWidget* image = pages_[wingIndex(w)]->planform();
  return planformHit(doc_.geometry.wing(w), mappings_[wingIndex(w)].scale, image->width(), image->height(), x, y);
}

// A drag, press to release, is one step (a press whose release never came ends the one before).
void PlanformDrag::pressed(int w, int x, int y) {
  step_.reset();
  step_.emplace(history_, StepName{.kind = StepName::Kind::Drag, .wing = w});
  grabbed_ = hitAt(w, x, y);
  pressedAt_ = QPoint(x, y);
  pressedWing_ = doc_.geometry.wing(w);
  pressedGap_ = doc_.form.wing(w).gap;
  pressedScale_ = mappings_[wingIndex(w)].scale;
  dragging_ = grabbed_ != 0;
  views_.sharedPress({x, y});  // the press position and drag flag are shared with the 3-D view
}

void PlanformDrag::moved(int w, int x, int y, Qt::MouseButtons buttons, bool shiftAlone) {
  WingPage* page = pages_[wingIndex(w)];
  const HitCode hover = hitAt(w, x, y);
  page->planform()->setPointer(planformPointer(hover));
  const std::vector<FieldKey> lit = planformHighlight(w, hover, shiftAlone);
  for (const FieldKey key : WingPage::pageFields(w)) {
    QLineEdit* edit = page->field(key);
    QPalette palette = edit->palette();
    const bool yellow = std::find(lit.begin(), lit.end(), key) != lit.end();
    palette.setColor(QPalette::Base, yellow ? QColor(255, 255, 0) : page->palette().color(QPalette::Base));
    edit->setPalette(palette);
  }
  // With live results on, every move of a drag writes the fields (those it changes), and the run
  // follows once the event loop is idle. Shift alone is the Shift key with the button held.
  if (!dragging_ || buttons == Qt::NoButton || !live_()) return;
  const bool shift = QApplication::keyboardModifiers() == Qt::ShiftModifier;
  for (const FieldWrite& write : writes(w, x, y, shift)) {
    if (fieldText(doc_.form, write.field) == write.text) continue;
    write_(write.field, QString::fromStdString(write.text));
  }
}

std::vector<FieldWrite> PlanformDrag::writes(int w, int x, int y, bool shiftAlone) const {
  return planformEdit(w, pressedWing_, pressedGap_, grabbed_, pressedScale_, x - pressedAt_.x(), y - pressedAt_.y(),
                      shiftAlone);
}

// Each written field runs its own change handler, as if typed; all writes use the values read at
// the press (the same as at the release, unless live results moved the fields during the drag).
void PlanformDrag::released(int w, int x, int y, bool shiftAlone) {
  dragging_ = false;
  for (const FieldWrite& write : writes(w, x, y, shiftAlone)) write_(write.field, QString::fromStdString(write.text));
  step_.reset();
  views_.sharedRelease({x, y});
}

}  // namespace volantis4
