#include "ui/aircraft_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/field_names.h"
#include "model/numbers.h"
#include "ui/planform_image_widget.h"
#include "ui/widgets.h"
#include "views/input_sketch.h"

namespace volantis4 {
namespace {

constexpr std::array<std::string_view, kWingCount> kWingsCountNames{"RadioButton1", "RadioButton2", "RadioButton3",
                                                                    "RB_W4", "RB_W5"};
constexpr QSize kPositionImageSize{172, 84};
constexpr int kPositionImagesTop = 54;

// The fixed positioning sketch, a side view: x to the right, z up, flight to the left, and a
// wing section reached by one dimension along x and one along z; the wing's name at the top.
void drawPositionSketch(Canvas& c, std::string_view title) {
  c.setPenWidth(1);
  c.setPenColour(kSilver);
  c.setBrushColour(kSilver);
  c.fillRect({0, 0, c.width(), c.height()});
  c.setPenColour(kBlack);
  c.setBrushColour(kBlack);
  c.line(12, 70, 166, 70);  // x axis
  c.polygon({{166, 70}, {158, 68}, {158, 72}});
  c.line(12, 70, 12, 18);  // z axis
  c.polygon({{12, 18}, {10, 26}, {14, 26}});
  c.setBrushColour(kSilver);
  c.setFont(Font{});
  c.textOut(158, 71, "x");
  c.textOut(16, 18, "z");
  // The wing section, leading edge at (118, 30).
  c.setPenColour({0, 0, 128});
  c.setBrushColour({0, 0, 128});
  c.polygon({{118, 30}, {124, 27}, {140, 27}, {162, 30}, {140, 32}, {124, 32}});
  // Dimensions: x from the origin to the leading edge, z from the axis up to the section.
  c.setPenColour(kBlack);
  c.setBrushColour(kBlack);
  PfeilH2(c, 12, 64, 118, 64);
  PfeilV2(c, 100, 31, 100, 70);
  // Flight direction.
  c.setPenColour(kRed);
  c.setBrushColour(kRed);
  c.line(70, 8, 30, 8);
  c.polygon({{30, 8}, {41, 6}, {41, 10}});
  c.setBrushColour(kSilver);
  c.textOut(truncToInt(0.7 * c.width()), 2, title);
}

// The page's single controls, in the order they are made (later ones lie over earlier ones).
using Target = std::variant<QLabel * AircraftPage::*, QLineEdit * AircraftPage::*, QPushButton * AircraftPage::*,
                            QRadioButton * AircraftPage::*, QCheckBox * AircraftPage::*, QScrollBar * AircraftPage::*,
                            QPlainTextEdit * AircraftPage::*, PlanformImageWidget * AircraftPage::*>;

enum class Look { Plain, RedBold, Centred };

struct ScrollRange {
  Qt::Orientation orientation = Qt::Vertical;
  int min = 0, max = 0, position = 0;
};

struct Placement {
  Target target;  // the member it fills; its type is the control's kind
  const char* name;
  QRect rect;  // images: place and picture size
  std::optional<TextId> caption{};
  const char* text = nullptr;  // a fixed first text
  bool shown = true;
  Look look = Look::Plain;
  ScrollRange range{};  // scroll bars
};

// Rows of the margin marks beside ScrollBar5 (top 30 %, bottom 0 %, 124 pixels high at row 550).
constexpr int markRow(int margin) { return 550 + 17 + (30 - margin) * (124 - 34) / 30 - 7; }

const std::vector<Placement>& placements() {
  using P = AircraftPage;
  // clang-format off
  static const std::vector<Placement> rows{
      {&P::Label23, "Label23", {4, 39, 150, 14}, TextId::PositioningCaption},
      {&P::Button4, "Button4", {1, 475, 196, 33}, TextId::CalculateButton},
      {&P::Label_w, "Label_w", {1, 478, 196, 14}, TextId::RunningIndicator, nullptr, false, Look::RedBold},
      {&P::Label24, "Label24", {1, 493, 196, 14}, {}, nullptr, false, Look::Centred},
      {&P::RadioButton15, "RadioButton15", {4, 512, 200, 17}, TextId::StabilityAutomatic},
      {&P::RadioButton16, "RadioButton16", {4, 530, 200, 17}, TextId::StabilityManual},
      // The manual margin: hidden until the manual choice.
      {&P::Label22, "Label22", {4, 550, 184, 14}, TextId::StabilityCaption, nullptr, false},
      {&P::Edit_Mstab, "Edit_Mstab", {4, 566, 40, 20}, {}, "7.5", false},
      {&P::Label21, "Label21", {48, 569, 128, 14}, {}, "%", false},
      {&P::ScrollBar5, "ScrollBar5", {188, 550, 17, 124}, {}, nullptr, false, Look::Plain, {Qt::Vertical, 0, 60, 33}},
      {&P::Label28, "Label28", {176, markRow(8), 12, 14}, {}, "8", false},
      {&P::Label30, "Label30", {176, markRow(4), 12, 14}, {}, "4", false},
      {&P::Label29, "Label29", {176, markRow(0), 12, 14}, {}, "0", false},
      {&P::Memo1, "Memo1", {1, 590, 175, 84}, {}, nullptr, false},
      // The top view and the three-dimensional view with its tilt and turn.
      {&P::Image2, "Image2", {224, 0, 591, 300}},
      {&P::Image3, "Image3", {224, 322, 593, 200}},
      {&P::ScrollBar1, "ScrollBar1", {207, 322, 17, 200}, {}, nullptr, true, Look::Plain, {Qt::Vertical, 0, 90, 80}},
      {&P::ScrollBar2, "ScrollBar2", {224, 522, 593, 17}, {}, nullptr, true, Look::Plain, {Qt::Horizontal, 0, 360, 250}},
      {&P::ScrollBar3, "ScrollBar3", {798, 40, 17, 120}, {}, nullptr, false, Look::Plain, {Qt::Vertical, 10, 100, 100}},
      {&P::ScrollBar4, "ScrollBar4", {798, 330, 17, 120}, {}, nullptr, false, Look::Plain, {Qt::Vertical, 10, 97, 75}},
      // Over the top right corner of the top view, below its flight-direction text.
      {&P::CheckBoxA, "CheckBoxA", {600, 18, 190, 17}, TextId::PressureCheck, nullptr, false},
      {&P::Label_Press, "Label_Press", {618, 35, 174, 14}, TextId::PressureNote, nullptr, false},
      {&P::ScrollBar6, "ScrollBar6", {797, 18, 17, 200}, {}, nullptr, false, Look::Plain, {Qt::Vertical, 20, 99, 92}},
  };
  // clang-format on
  return rows;
}

// One control of a row, made as its member's type says.
template <typename W>
W* make(QWidget* parent, const Placement& row, W* AircraftPage::*) {
  W* w = nullptr;
  const QString text = row.text ? QString::fromLatin1(row.text) : QString();
  if constexpr (std::is_same_v<W, QLabel>) {
    w = makeLabel(parent, row.name, row.rect, text);
    if (row.look != Look::Plain) w->setAlignment(Qt::AlignCenter);
    if (row.look == Look::RedBold) setTextStyle(w, Qt::red, true);
  } else if constexpr (std::is_same_v<W, QLineEdit>) {
    w = makeEdit(parent, row.name, row.rect);
    w->setText(text);
  } else if constexpr (std::is_same_v<W, QPushButton>) {
    w = makeButton(parent, row.name, row.rect, text);
  } else if constexpr (std::is_same_v<W, QRadioButton>) {
    w = makeRadio(parent, row.name, row.rect, text);
  } else if constexpr (std::is_same_v<W, QCheckBox>) {
    w = makeCheckBox(parent, row.name, row.rect, text);
  } else if constexpr (std::is_same_v<W, QScrollBar>) {
    const ScrollRange& r = row.range;
    w = makeScrollBar(parent, row.name, row.rect, r.orientation, r.min, r.max, r.position);
  } else if constexpr (std::is_same_v<W, QPlainTextEdit>) {
    w = new QPlainTextEdit(parent);
    w->setObjectName(QString::fromLatin1(row.name));
    w->setGeometry(row.rect);
    w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    w->setReadOnly(true);
  } else {
    static_assert(std::is_same_v<W, PlanformImageWidget>);
    w = new PlanformImageWidget(parent);
    w->setObjectName(QString::fromLatin1(row.name));
    w->move(row.rect.topLeft());
    w->resizeImage(row.rect.width(), row.rect.height());
    w->setCursor(Qt::ArrowCursor);
  }
  if (!row.shown) w->hide();
  return w;
}

}  // namespace

AircraftPage::AircraftPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet5"));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setGeometry(1, 1, 218, 38);
  const std::array<QPoint, kWingCount> at{{{4, 2}, {74, 2}, {144, 2}, {4, 19}, {74, 19}}};
  // Explicit groups: radio buttons left to themselves would exclude every radio of the page.
  auto* wingsCountGroup = new QButtonGroup(this);
  for (int n = 1; n <= kWingCount; ++n) {
    QRadioButton* b = makeRadio(panel, kWingsCountNames[wingIndex(n)], QRect(at[wingIndex(n)], QSize(68, 17)), {});
    wingsCount[wingIndex(n)] = b;
    wingsCountGroup->addButton(b, n);
    connect(b, &QRadioButton::toggled, this, [this, n](bool checked) {
      if (checked) emit wingsCountClicked(n);
    });
  }
  wingsCount[4]->setChecked(true);

  for (int w = 1; w <= kWingCount; ++w) {
    const WingControlNames& names = wingControlNames(w);
    const std::size_t i = wingIndex(w);
    const int top = kPositionImagesTop + kPositionImageSize.height() * (w - 1);
    positionImages[i] = new PlanformImageWidget(this);
    positionImages[i]->setObjectName(qs(names.positionImage));
    positionImages[i]->move(1, top);
    positionImages[i]->resizeImage(kPositionImageSize.width(), kPositionImageSize.height());
    positionImages[i]->setCursor(Qt::ArrowCursor);
    positionX[i] = makeEdit(this, names.positionX, QRect(48, top + 40, 44, 20));
    positionZ[i] = makeEdit(this, names.positionZ, QRect(104, top + 40, 44, 20));
    const FieldKey xKey{w, FieldKind::PositionX, 1};
    const FieldKey zKey{w, FieldKind::PositionZ, 1};
    connect(positionX[i], &QLineEdit::textEdited, this, [this, xKey](const QString& t) { emit fieldEdited(xKey, t); });
    connect(positionZ[i], &QLineEdit::textEdited, this, [this, zKey](const QString& t) { emit fieldEdited(zKey, t); });
  }

  for (const Placement& row : placements())
    std::visit([&](auto member) { this->*member = make(this, row, member); }, row.target);
  auto* stabilityGroup = new QButtonGroup(this);
  stabilityGroup->addButton(RadioButton15);
  stabilityGroup->addButton(RadioButton16);
  RadioButton15->setChecked(true);

  applyCaptions(Language::English);
}

QLineEdit* AircraftPage::positionField(FieldKey key) const {
  const std::size_t i = wingIndex(key.wing);
  return key.kind == FieldKind::PositionZ ? positionZ[i] : positionX[i];
}

void AircraftPage::showForm(const Form& form) {
  for (int w = 1; w <= kWingCount; ++w) {
    for (const FieldKey key : {FieldKey{w, FieldKind::PositionX, 1}, FieldKey{w, FieldKind::PositionZ, 1}}) {
      QLineEdit* edit = positionField(key);
      const QString wanted = qs(fieldText(form, key));
      if (edit->text() == wanted) continue;
      const QSignalBlocker blocker(edit);
      edit->setText(wanted);
    }
  }
  if (form.wingsCount >= 1 && form.wingsCount <= kWingCount) {
    QRadioButton* b = wingsCount[wingIndex(form.wingsCount)];
    const QSignalBlocker blocker(b);
    b->setChecked(true);
  }
}

void AircraftPage::showWingsInUse(int n) {
  for (int w = 2; w <= kWingCount; ++w) {
    const bool shown = w <= n;
    positionImages[wingIndex(w)]->setVisible(shown);
    positionX[wingIndex(w)]->setVisible(shown);
    positionZ[wingIndex(w)]->setVisible(shown);
  }
}

void AircraftPage::drawPositionImages(Language language) {
  for (int w = 1; w <= kWingCount; ++w) {
    PlanformImageWidget* box = positionImages[wingIndex(w)];
    drawPositionSketch(box->canvas(), text(nthText(TextId::PositionImageTitle1, w - 1), language));
    box->update();
  }
}

void AircraftPage::applyCaptions(Language language) {
  for (const Placement& row : placements()) {
    if (!row.caption) continue;
    std::visit(
        [&](auto member) {
          if constexpr (requires { (this->*member)->setText(QString()); })
            (this->*member)->setText(qtext(*row.caption, language));
        },
        row.target);
  }
  for (int n = 1; n <= kWingCount; ++n)
    wingsCount[wingIndex(n)]->setText(qtext(nthText(TextId::WingsCount1, n - 1), language));
}

void AircraftPage::showMessagePanel(const MessagePanel& panel) {
  QStringList lines;
  for (const std::string& line : panel.lines()) lines << QString::fromStdString(line);
  Memo1->setPlainText(lines.join(QLatin1Char('\n')));
  Memo1->setVisible(panel.visible());
}

}  // namespace volantis4
