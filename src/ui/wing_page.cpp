#include "ui/wing_page.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/field_names.h"
#include "ui/planform_image_widget.h"
#include "ui/widgets.h"
#include "views/input_sketch.h"
#include "views/qimage_canvas.h"

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

enum class Look { Plain, Centred, Right, RedBold };

template <typename W>
W* makeControl(QWidget* parent, std::string_view name, QRect rect, Look look) {
  W* w = nullptr;
  if constexpr (std::is_same_v<W, QLabel>) {
    w = makeLabel(parent, name, rect);
    if (look == Look::Centred) w->setAlignment(Qt::AlignCenter);
    if (look == Look::Right) w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (look == Look::RedBold) setTextStyle(w, Qt::red, true);
  } else if constexpr (std::is_same_v<W, QLineEdit>) {
    w = makeEdit(parent, name, rect);
  } else if constexpr (std::is_same_v<W, QPushButton>) {
    w = makeButton(parent, name, rect, {});
  } else if constexpr (std::is_same_v<W, QRadioButton>) {
    w = makeRadio(parent, name, rect, {});
  } else {
    static_assert(std::is_same_v<W, PlanformImageWidget>);
    w = new PlanformImageWidget(parent);
    w->setObjectName(qs(name));
    w->move(rect.topLeft());
    w->resizeImage(rect.width(), rect.height());
  }
  return w;
}

}  // namespace

// One control of the page: the member it fills (its type is the control's kind), its name, its
// place and its caption.
struct WingPage::Placement {
  std::variant<QLabel**, QLineEdit**, QPushButton**, QRadioButton**, PlanformImageWidget**> target;
  std::string_view name;
  QRect rect;  // images: place and picture size
  std::optional<TextId> caption{};
  std::optional<TextId> builtinCaption{};  // the window is built with this one where it differs
  Look look = Look::Plain;
  bool inPanel = false;  // on the trapezium panel instead of the page
};

// Every control of the page in the order it is made: the sketch with the station captions and
// fields over it, the trapezium buttons, copy and insert, the results, the gap notice, the planform.
std::vector<WingPage::Placement> WingPage::placements() {
  const WingControlNames& names = wingControlNames(wing_);
  const std::size_t w = wingIndex(wing_);
  std::vector<Placement> rows;
  rows.push_back({&sketch_, kSketchNames[w], {kSketchOrigin, QSize(kInputSketchWidth, kInputSketchHeight)}});
  const std::vector<Rect> captionPlaces = sketchStationCaptionPlaces();
  for (std::size_t s = 0; s < kSectionCount; ++s)
    rows.push_back({&stations_[s], names.stationCaptions[s], onPage(captionPlaces[s]), {}, {}, Look::Centred});
  for (const SketchFieldPlace& place : sketchFieldPlaces(wing_))
    rows.push_back({&slot(place.field), fieldName(place.field), onPage(place.rect)});
  for (std::size_t t = 0; t < 4; ++t)
    rows.push_back({&trapezia_[t],
                    names.trapeziumButtons[t],
                    QRect(6, 4 + 19 * static_cast<int>(t), 112, 18),
                    nthText(TextId::Trapezia1, static_cast<int>(t)),
                    {},
                    Look::Plain,
                    true});
  rows.push_back({&copyButton_,
                  kCopyNames[w],
                  {146, 250, 132, 25},
                  nthText(TextId::CopyWingButton1, wing_ - 1),
                  nthText(TextId::BuiltinCopyWingButton1, wing_ - 1)});
  rows.push_back({&insertButton_, kInsertNames[w], {146, 282, 132, 25}, TextId::InsertCopiedWingButton});
  const std::array<std::string_view, 5> resultNames{names.labelSpan, names.labelArea, names.labelMeanChord,
                                                    names.labelGeometricCentre, names.labelAspectRatio};
  for (std::size_t i = 0; i < 5; ++i) {
    const int top = kResultTop + kRowHeight * static_cast<int>(i);
    rows.push_back({&resultCaptions_[i],
                    names.resultCaptions[i],
                    {16, top, 164, 16},
                    nthText(TextId::CaptionSpan, static_cast<int>(i))});
    rows.push_back({&results_[i], resultNames[i], {180, top, 90, 16}, {}, {}, Look::Right});
  }
  const int acTop = kResultTop + kRowHeight * 5 + 6;
  rows.push_back({&acCaption_, names.captionAerodynamicCentre, {16, acTop, 164, 16}, TextId::CaptionAerodynamicCentre});
  rows.push_back({&acValue_, names.labelAerodynamicCentre, {180, acTop, 90, 16}, {}, {}, Look::Right});
  for (std::size_t i = 0; i < 2; ++i)
    rows.push_back(
        {&gapNotice_[i], names.gapNotice[i], {8, 486 + 16 * static_cast<int>(i), 270, 16}, {}, {}, Look::RedBold});
  rows.push_back({&planform_, names.planformImage, {280, 240, 489, 273}});
  return rows;
}

WingPage::WingPage(int wing, QWidget* parent) : QWidget(parent), wing_(wing) {
  setObjectName(qs(wingControlNames(wing).tabSheet));
  QFrame* panel = nullptr;  // the trapezium buttons' frame, made before the first of them
  rows_ = placements();
  for (const Placement& row : rows_) {
    if (row.inPanel && !panel) {
      panel = new QFrame(this);
      panel->setFrameShape(QFrame::Panel);
      panel->setFrameShadow(QFrame::Raised);
      panel->setGeometry(16, 248, 122, 84);
    }
    QWidget* on = row.inPanel ? static_cast<QWidget*>(panel) : this;
    std::visit(
        [&](auto target) {
          using W = std::remove_pointer_t<std::remove_pointer_t<decltype(target)>>;
          *target = makeControl<W>(on, row.name, row.rect, row.look);
        },
        row.target);
  }
  sketch_->setCursor(Qt::ArrowCursor);

  for (const FieldKey key : pageFields(wing)) {
    connect(slot(key), &QLineEdit::textEdited, this, [this, key](const QString& text) { emit fieldEdited(key, text); });
  }
  trapeziumGroup_ = new QButtonGroup(this);
  for (int t = 1; t <= 4; ++t) {
    QRadioButton* b = trapezia_[wingIndex(t)];
    trapeziumGroup_->addButton(b, t);
    connect(b, &QRadioButton::toggled, this, [this, t](bool checked) {
      if (checked) emit trapeziaClicked(wing_, t);
    });
  }
  connect(copyButton_, &QPushButton::clicked, this, [this] { emit copyClicked(wing_); });
  connect(insertButton_, &QPushButton::clicked, this, [this] { emit insertClicked(wing_); });
  acCaption_->setEnabled(false);
  acValue_->hide();

  applyBuiltinCaptions();
}

WingPage::~WingPage() = default;

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
      return widths_[wingIndex(key.index)];
    case FieldKind::Offset:
      return offsets_[wingIndex(key.index - 1)];
    case FieldKind::Chord:
      return chords_[wingIndex(key.index)];
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
    widths_[wingIndex(k)]->setVisible(shown);
    offsets_[wingIndex(k)]->setVisible(shown);
    chords_[wingIndex(k + 1)]->setVisible(shown);
  }
  for (int s = 3; s <= kSectionCount; ++s) stations_[wingIndex(s)]->setVisible(s <= t + 1);
}

void WingPage::showFigures(const std::array<std::string, 5>& results,
                           const std::array<std::string, kSectionCount>& stations) {
  for (std::size_t i = 0; i < 5; ++i) {
    results_[i]->setText(qs(results[i]));
    stations_[i]->setText(qs(stations[i]));
  }
}

void WingPage::drawSketch(int trapezia, Language language) {
  if (trapezia < 1 || trapezia > kTrapeziumCount) return;
  d_w(sketch_->canvas(), trapezia, language);
  sketch_->update();
}

PlanformMapping WingPage::drawPlanform(const PlanformInput& input) {
  const PlanformMapping mapping = volantis4::drawPlanform(planform_->canvas(), input, systemColoursFromPalette());
  planform_->update();
  return mapping;
}

void showGapNotices(const std::array<WingPage*, kWingCount>& pages, const AircraftGeometry& geometry,
                    Language language) {
  for (WingPage* p : pages) p->showGapNotice(geometry.wing(p->wing()).gap != 0, language);
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

void WingPage::setCaption(const Placement& row, TextId id, Language language) {
  std::visit(
      [&](auto target) {
        if constexpr (requires { (*target)->setText(QString()); }) (*target)->setText(qtext(id, language));
      },
      row.target);
}

void WingPage::applyCaptions(Language language) {
  for (const Placement& row : rows_)
    if (row.caption) setCaption(row, *row.caption, language);
}

void WingPage::applyBuiltinCaptions() {
  applyCaptions(Language::English);
  for (const Placement& row : rows_)
    if (row.builtinCaption) setCaption(row, *row.builtinCaption, Language::English);
}

}  // namespace volantis4
