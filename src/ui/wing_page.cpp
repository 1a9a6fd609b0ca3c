#include "ui/wing_page.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/field_names.h"
#include "ui/widgets.h"
#include "views/input_sketch.h"
#include "views/planform_image_widget.h"

namespace volantis4 {
namespace {

// Names of the page's controls that the shared table does not carry.
constexpr std::array<std::string_view, kWingCount> kSketchNames{"Image_W", "Image_W2", "Image_W3", "Image_W4",
                                                                "Image_W5"};
constexpr std::array<std::string_view, kWingCount> kCopyNames{"Button_C1", "Button_C2", "Button_C3", "Button_C4",
                                                              "Button_C5"};
constexpr std::array<std::string_view, kWingCount> kInsertNames{"Button_P1", "Button_P2", "Button_P3", "Button_P4",
                                                                "Button_P5"};

// The input sketch's place on the page; the fields and station captions lie over it.
constexpr QPoint kSketchOrigin{16, 40};

QRect onPage(Rect r) { return QRect(QPoint(r.left, r.top) + kSketchOrigin, QSize(r.right - r.left, r.bottom - r.top)); }

constexpr int kResultTop = 344;
constexpr int kRowHeight = 20;

std::size_t slotOf(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

}  // namespace

WingPage::WingPage(int wing, QWidget* parent) : QWidget(parent), wing_(wing) {
  const WingControlNames& names = wingControlNames(wing);
  setObjectName(qs(names.tabSheet));
  const std::size_t w = slotOf(wing);

  sketch_ = new PlanformImageWidget(this);
  sketch_->setObjectName(qs(kSketchNames[w]));
  sketch_->move(kSketchOrigin);
  sketch_->resizeImage(kInputSketchWidth, kInputSketchHeight);
  sketch_->setCursor(Qt::ArrowCursor);

  const std::vector<Rect> captionPlaces = sketchStationCaptionPlaces();
  for (std::size_t s = 0; s < 5; ++s) {
    stations_[s] = makeLabel(this, names.stationCaptions[s], onPage(captionPlaces[s]));
    stations_[s]->setAlignment(Qt::AlignCenter);
  }
  for (const SketchFieldPlace& place : sketchFieldPlaces(wing))
    slot(place.field) = makeEdit(this, fieldName(place.field), onPage(place.rect));
  for (const FieldKey key : pageFields(wing)) {
    connect(slot(key), &QLineEdit::textEdited, this, [this, key](const QString& text) { emit fieldEdited(key, text); });
  }

  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setGeometry(16, 248, 122, 84);
  trapeziumGroup_ = new QButtonGroup(this);
  for (int t = 1; t <= 4; ++t) {
    QRadioButton* b = makeRadio(panel, names.trapeziumButtons[slotOf(t)], QRect(6, 4 + 19 * (t - 1), 112, 18), {});
    trapezia_[slotOf(t)] = b;
    trapeziumGroup_->addButton(b, t);
    connect(b, &QRadioButton::toggled, this, [this, t](bool checked) {
      if (checked) emit trapeziaClicked(wing_, t);
    });
  }

  copyButton_ = makeButton(this, kCopyNames[w], QRect(146, 250, 132, 25), {});
  insertButton_ = makeButton(this, kInsertNames[w], QRect(146, 282, 132, 25), {});
  connect(copyButton_, &QPushButton::clicked, this, [this] { emit copyClicked(wing_); });
  connect(insertButton_, &QPushButton::clicked, this, [this] { emit insertClicked(wing_); });

  const std::array<std::string_view, 5> resultNames{names.labelSpan, names.labelArea, names.labelMeanChord,
                                                    names.labelGeometricCentre, names.labelAspectRatio};
  for (std::size_t i = 0; i < 5; ++i) {
    const int top = kResultTop + kRowHeight * static_cast<int>(i);
    resultCaptions_[i] = makeLabel(this, names.resultCaptions[i], QRect(16, top, 164, 16));
    results_[i] = makeLabel(this, resultNames[i], QRect(180, top, 90, 16));
    results_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  const int acTop = kResultTop + kRowHeight * 5 + 6;
  acCaption_ = makeLabel(this, names.captionAerodynamicCentre, QRect(16, acTop, 164, 16));
  acValue_ = makeLabel(this, names.labelAerodynamicCentre, QRect(180, acTop, 90, 16));
  acValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  acCaption_->setEnabled(false);
  acValue_->hide();

  for (std::size_t i = 0; i < 2; ++i) {
    gapNotice_[i] = makeLabel(this, names.gapNotice[i], QRect(8, 486 + 16 * static_cast<int>(i), 270, 16));
    setTextStyle(gapNotice_[i], Qt::red, true);
  }

  planform_ = new PlanformImageWidget(this);
  planform_->setObjectName(qs(names.planformImage));
  planform_->move(280, 240);
  planform_->resizeImage(489, 273);

  applyBuiltinCaptions();
}

std::array<FieldKey, 14> WingPage::pageFields(int wing) {
  return {
      FieldKey{wing, FieldKind::Gap, 1},    FieldKey{wing, FieldKind::Width, 1},  FieldKey{wing, FieldKind::Width, 2},
      FieldKey{wing, FieldKind::Width, 3},  FieldKey{wing, FieldKind::Width, 4},  FieldKey{wing, FieldKind::Offset, 2},
      FieldKey{wing, FieldKind::Offset, 3}, FieldKey{wing, FieldKind::Offset, 4}, FieldKey{wing, FieldKind::Offset, 5},
      FieldKey{wing, FieldKind::Chord, 1},  FieldKey{wing, FieldKind::Chord, 2},  FieldKey{wing, FieldKind::Chord, 3},
      FieldKey{wing, FieldKind::Chord, 4},  FieldKey{wing, FieldKind::Chord, 5}};
}

QLineEdit*& WingPage::slot(FieldKey key) {
  switch (key.kind) {
    case FieldKind::Width:
      return widths_[slotOf(key.index)];
    case FieldKind::Offset:
      return offsets_[slotOf(key.index - 1)];
    case FieldKind::Chord:
      return chords_[slotOf(key.index)];
    default:
      return gap_;
  }
}

QLineEdit* WingPage::field(FieldKey key) const { return const_cast<WingPage*>(this)->slot(key); }

void WingPage::showFields(const WingFields& fields) {
  Form probe;
  probe.wing(wing_) = fields;
  for (const FieldKey key : pageFields(wing_)) {
    QLineEdit* edit = slot(key);
    const QString wanted = qs(fieldText(probe, key));
    if (edit->text() == wanted) continue;
    const QSignalBlocker blocker(edit);
    edit->setText(wanted);
  }
  const int t = fields.checkedTrapezia;
  const bool known = t >= 1 && t <= 4;
  trapeziumGroup_->setExclusive(known);
  for (std::size_t k = 0; k < 4; ++k) {
    const QSignalBlocker blocker(trapezia_[k]);
    trapezia_[k]->setChecked(static_cast<int>(k) + 1 == t);
  }
  trapeziumGroup_->setExclusive(true);
  if (known) showTrapezia(t);
}

void WingPage::showTrapezia(int t) {
  for (int k = 1; k <= 4; ++k) {
    const bool shown = k <= t;
    widths_[slotOf(k)]->setVisible(shown);
    offsets_[slotOf(k)]->setVisible(shown);
    chords_[slotOf(k + 1)]->setVisible(shown);
  }
  for (int s = 3; s <= 5; ++s) stations_[slotOf(s)]->setVisible(s <= t + 1);
}

void WingPage::showFigures(const std::array<std::string, 5>& results, const std::array<std::string, 5>& stations) {
  for (std::size_t i = 0; i < 5; ++i) {
    results_[i]->setText(qs(results[i]));
    stations_[i]->setText(qs(stations[i]));
  }
}

void WingPage::showGapNotice(bool hasGap, Language language) {
  gapNotice_[0]->setText(hasGap ? qtext(TextId::GapNoticeLine1, language) : QString());
  gapNotice_[1]->setText(hasGap ? qtext(TextId::GapNoticeLine2, language) : QString());
}

void WingPage::showAerodynamicCentre(bool shown) {
  acCaption_->setEnabled(shown);
  acValue_->setVisible(shown);
}

void WingPage::setAerodynamicCentreText(const QString& text) { acValue_->setText(text); }

void WingPage::applyCaptions(Language language) {
  for (std::size_t i = 0; i < 5; ++i)
    resultCaptions_[i]->setText(qtext(nthText(TextId::CaptionSpan, static_cast<int>(i)), language));
  acCaption_->setText(qtext(TextId::CaptionAerodynamicCentre, language));
  for (std::size_t t = 0; t < 4; ++t)
    trapezia_[t]->setText(qtext(nthText(TextId::Trapezia1, static_cast<int>(t)), language));
  copyButton_->setText(qtext(nthText(TextId::CopyWingButton1, wing_ - 1), language));
  insertButton_->setText(qtext(TextId::InsertCopiedWingButton, language));
}

void WingPage::applyBuiltinCaptions() {
  applyCaptions(Language::English);
  copyButton_->setText(qtext(nthText(TextId::BuiltinCopyWingButton1, wing_ - 1), Language::English));
}

}  // namespace volantis4
