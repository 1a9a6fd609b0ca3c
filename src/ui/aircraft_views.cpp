#include "ui/aircraft_views.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <initializer_list>

#include "solver/stabil.h"
#include "ui/aircraft_page.h"
#include "ui/field_feedback.h"
#include "ui/planform_image_widget.h"
#include "ui/widgets.h"
#include "views/qimage_canvas.h"

namespace volantis4 {
namespace {

// ScrollBar5Exit: leaving the margin slider draws the result overlay again.
class SliderExit : public QObject {
 public:
  SliderExit(AircraftViews& views, const Document& doc) : QObject(&views), views_(views), doc_(doc) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && doc_.run.flags.results_valid) views_.showProposal();
    return QObject::eventFilter(watched, event);
  }

 private:
  AircraftViews& views_;
  const Document& doc_;
};

}  // namespace

AircraftViews::AircraftViews(AircraftPage& page, Document& doc, QObject* parent)
    : QObject(parent), page_(page), doc_(doc) {
  connectControls();
}

void AircraftViews::connectControls() {
  AircraftPage* a = &page_;
  connect(a->RadioButton15, &QRadioButton::toggled, this, [this](bool on) {
    if (on) chooseStability(false);
  });
  connect(a->RadioButton16, &QRadioButton::toggled, this, [this](bool on) {
    if (on) chooseStability(true);
  });
  connect(a->Edit_Mstab, &QLineEdit::textEdited, this, &AircraftViews::marginEdited);
  connect(a->ScrollBar5, &QScrollBar::valueChanged, this, [this](int position) {
    const QString text = qs(ScrollBar5Text(position));
    {
      const QSignalBlocker blocker(page_.Edit_Mstab);
      page_.Edit_Mstab->setText(text);
    }
    marginEdited(text);
  });
  a->ScrollBar5->installEventFilter(new SliderExit(*this, doc_));
  for (QScrollBar* bar : {a->ScrollBar1, a->ScrollBar2, a->ScrollBar6})
    connect(bar, &QScrollBar::valueChanged, this, [this] { draw3d(); });
  // ScrollBar3Change: the top view's zoom, redrawn without a new layout.
  connect(a->ScrollBar3, &QScrollBar::valueChanged, this, [this](int zoom) {
    ScrollBar3Change(page_.Image2->canvas(), topView_, topViewNow(), zoom);
    page_.Image2->update();
  });
  // ScrollBar4Change: the 3-D view's magnification from the top view's scale.
  connect(a->ScrollBar4, &QScrollBar::valueChanged, this, [this](int position) {
    topView_.scale3d = ScrollBar4Scale(position, topView_.scale);
    draw3d();
  });

  // On the top view a vertical drag magnifies until the release; on the 3-D view a drag turns,
  // tilts or magnifies.
  PlanformImageWidget* top = a->Image2;
  const auto showZoom = [this, top] {
    const QSignalBlocker blocker(page_.ScrollBar3);
    page_.ScrollBar3->setValue(topView_.zoom);
    top->update();
  };
  connect(top, &PlanformImageWidget::pressed, this, [this, top](int x, int y, Qt::MouseButton, bool) {
    Image4MouseDown(top->canvas(), topView_, topViewNow(), {x, y});
    top->update();
  });
  connect(top, &PlanformImageWidget::moved, this, [this, top, showZoom](int x, int y, Qt::MouseButtons buttons, bool) {
    Image4MouseMove(top->canvas(), topView_, topViewNow(), {x, y}, buttons.testFlag(Qt::LeftButton));
    showZoom();
  });
  connect(top, &PlanformImageWidget::released, this, [this, top, showZoom](int x, int y, Qt::MouseButton, bool) {
    Image4MouseUp(top->canvas(), topView_, topViewNow(), {x, y});
    showZoom();
  });
  PlanformImageWidget* view3d = a->Image3;
  connect(view3d, &PlanformImageWidget::pressed, this, [this](int x, int y, Qt::MouseButton, bool) {
    Image3MouseDown(threeD_, {x, y});
  });
  connect(view3d, &PlanformImageWidget::released, this, [this](int x, int y, Qt::MouseButton, bool) {
    Image3MouseUp(threeD_, {x, y});
  });
  connect(view3d, &PlanformImageWidget::moved, this, [this](int x, int y, Qt::MouseButtons buttons, bool) {
    rotation();
    if (!Image3MouseMove(threeD_, {x, y}, buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::RightButton))) return;
    // The new positions go through the scroll bars, whose change events redraw.
    const int tilt = threeD_.tilt, turn = threeD_.turn, magnification = threeD_.magnification;
    page_.ScrollBar1->setValue(tilt);
    page_.ScrollBar2->setValue(turn);
    page_.ScrollBar4->setValue(magnification);
  });
}

void AircraftViews::drawTopView() {
  PlanformImageWidget* image = page_.Image2;
  clearView(image->canvas(), systemColoursFromPalette());
  d_1d(image->canvas(), topView_, topViewNow(), true);
  image->update();
}

void AircraftViews::drawFlightDirection() {
  PlanformImageWidget* image = page_.Image2;
  Canvas& canvas = image->canvas();
  canvas.setFontColour(kRed);
  canvas.setBrushColour(systemColoursFromPalette().infoBackground);
  canvas.textOut(topView_.cx + 27, 2, text(TextId::TopViewFlightDirection, doc_.language));
  canvas.setFontColour(kBlack);
  image->update();
}

const ThreeDState& AircraftViews::rotation() {
  threeD_.tilt = page_.ScrollBar1->value();
  threeD_.turn = page_.ScrollBar2->value();
  threeD_.magnification = page_.ScrollBar4->value();
  return threeD_;
}

void AircraftViews::draw3d() {
  rotation();
  const bool gridShown = d_3d(page_.Image3->canvas(), page_.Image2->canvas(), threeD_, topView_,
                              threeDInput(doc_, systemColoursFromPalette(), pressure()));
  page_.CheckBoxA->setVisible(gridShown);
  page_.Label_Press->setVisible(gridShown);
  page_.Image3->update();
  page_.Image2->update();
}

void AircraftViews::showProposal(bool fromFile) {
  PlanformImageWidget* image = page_.Image2;
  const std::string caption = drawResultOverlay(image->canvas(), topView_, topViewNow(), true, fromFile);
  page_.Label21->setText(qs(caption));
  image->update();
}

void AircraftViews::resetZoom() {
  topView_.zoom = 100;
  const QSignalBlocker blocker(page_.ScrollBar3);
  page_.ScrollBar3->setValue(100);
}

void AircraftViews::showPressure(bool ticked) {
  rotation();
  page_.ScrollBar6->setVisible(CheckBoxAClick(doc_, page_.Image2->canvas(), page_.Image3->canvas(), topView_, threeD_,
                                              PressureDisplay{ticked, pressure().exaggeration},
                                              systemColoursFromPalette()));
  page_.Image2->update();
  page_.Image3->update();
}

void AircraftViews::chooseStability(bool manual) {
  AircraftPage* a = &page_;
  doc_.stability.manual = manual;
  resetZoom();
  const bool severalWings = marginPair(doc_.run.solver_wings_count).low == 8;
  for (QWidget* w : std::initializer_list<QWidget*>{a->Label21, a->Label22, a->Label29, a->Edit_Mstab, a->ScrollBar5})
    w->setVisible(manual);
  a->Label28->setVisible(manual && severalWings);
  a->Label30->setVisible(manual && !severalWings);
  showProposal();
  emit stabilityChanged();
}

// A margin beyond the limit is refused where it is typed (frame and tooltip); the proposal keeps the
// last margin taken.
void AircraftViews::marginEdited(const QString& text) {
  const bool usable = usableManualMargin(text.toStdString());
  showWarningFrame(page_.Edit_Mstab, !usable);
  page_.Edit_Mstab->setToolTip(qtext(usable ? TextId::TipMargin : TextId::TipMarginRefused, doc_.language));
  if (!usable) return;
  doc_.stability.marginText = text.toStdString();
  showProposal();
  emit stabilityChanged();
}

PressureDisplay AircraftViews::pressure() const {
  return {page_.CheckBoxA->isChecked(), pressureExaggeration(page_.ScrollBar6->value())};
}

TopViewInput AircraftViews::topViewNow() const { return topViewInput(doc_, systemColoursFromPalette(), pressure()); }

}  // namespace volantis4
