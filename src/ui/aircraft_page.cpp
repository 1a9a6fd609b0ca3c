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

#include "model/field_names.h"
#include "model/numbers.h"
#include "ui/widgets.h"
#include "views/input_sketch.h"
#include "views/planform_image_widget.h"

namespace volantis4 {
namespace {

constexpr std::array<std::string_view, 5> kWingsCountNames{"RadioButton1", "RadioButton2", "RadioButton3", "RB_W4",
                                                           "RB_W5"};
constexpr QSize kPositionImageSize{172, 84};
constexpr int kPositionImagesTop = 54;

std::size_t slotOf(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

void line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.moveTo(x1, y1);
  c.lineTo(x2, y2);
}

// The fixed positioning sketch, a side view: x to the right, z up, flight to the left, and a
// wing section reached by one dimension along x and one along z; the wing's name at the top.
void drawPositionSketch(Canvas& c, std::string_view title) {
  c.setPenWidth(1);
  c.setPenColour(kSilver);
  c.setBrushColour(kSilver);
  c.fillRect({0, 0, c.width(), c.height()});
  c.setPenColour(kBlack);
  c.setBrushColour(kBlack);
  line(c, 12, 70, 166, 70);  // x axis
  c.polygon({{166, 70}, {158, 68}, {158, 72}});
  line(c, 12, 70, 12, 18);  // z axis
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
  line(c, 70, 8, 30, 8);
  c.polygon({{30, 8}, {41, 6}, {41, 10}});
  c.setBrushColour(kSilver);
  c.textOut(truncToInt(0.7 * c.width()), 2, title);
}

}  // namespace

AircraftPage::AircraftPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet5"));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setGeometry(1, 1, 218, 38);
  const std::array<QPoint, 5> at{{{4, 2}, {74, 2}, {144, 2}, {4, 19}, {74, 19}}};
  // Explicit groups: radio buttons left to themselves would exclude every radio of the page.
  auto* wingsCountGroup = new QButtonGroup(this);
  for (int n = 1; n <= 5; ++n) {
    QRadioButton* b = makeRadio(panel, kWingsCountNames[slotOf(n)], QRect(at[slotOf(n)], QSize(68, 17)), {});
    wingsCount[slotOf(n)] = b;
    wingsCountGroup->addButton(b, n);
    connect(b, &QRadioButton::toggled, this, [this, n](bool checked) {
      if (checked) emit wingsCountClicked(n);
    });
  }
  wingsCount[4]->setChecked(true);

  Label23 = makeLabel(this, "Label23", QRect(4, 39, 150, 14));
  for (int w = 1; w <= 5; ++w) {
    const WingControlNames& names = wingControlNames(w);
    const std::size_t i = slotOf(w);
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

  Button4 = makeButton(this, "Button4", QRect(1, 475, 196, 33), {});
  Label_w = makeLabel(this, "Label_w", QRect(1, 478, 196, 14));
  Label_w->setAlignment(Qt::AlignCenter);
  setTextStyle(Label_w, Qt::red, true);
  Label_w->hide();
  Label24 = makeLabel(this, "Label24", QRect(1, 493, 196, 14));
  Label24->setAlignment(Qt::AlignCenter);
  Label24->hide();

  RadioButton15 = makeRadio(this, "RadioButton15", QRect(4, 512, 200, 17), {});
  RadioButton16 = makeRadio(this, "RadioButton16", QRect(4, 530, 200, 17), {});
  RadioButton15->setChecked(true);
  auto* stabilityGroup = new QButtonGroup(this);
  stabilityGroup->addButton(RadioButton15);
  stabilityGroup->addButton(RadioButton16);
  Label22 = makeLabel(this, "Label22", QRect(4, 550, 184, 14));
  Edit_Mstab = makeEdit(this, "Edit_Mstab", QRect(4, 566, 40, 20));
  Edit_Mstab->setText(QStringLiteral("7.5"));
  Label21 = makeLabel(this, "Label21", QRect(48, 569, 128, 14), QStringLiteral("%"));
  // The manual margin slider: top 30 %, bottom 0 %; marks at 8, 4 and 0 %.
  ScrollBar5 = makeScrollBar(this, "ScrollBar5", QRect(188, 550, 17, 124), Qt::Vertical, 0, 60, 33);
  const auto markRow = [](double margin) { return 550 + 17 + truncToInt((30 - margin) / 30 * (124 - 34)) - 7; };
  Label28 = makeLabel(this, "Label28", QRect(176, markRow(8), 12, 14), QStringLiteral("8"));
  Label30 = makeLabel(this, "Label30", QRect(176, markRow(4), 12, 14), QStringLiteral("4"));
  Label29 = makeLabel(this, "Label29", QRect(176, markRow(0), 12, 14), QStringLiteral("0"));
  for (QWidget* hidden :
       std::initializer_list<QWidget*>{Label22, Edit_Mstab, Label21, ScrollBar5, Label28, Label29, Label30})
    hidden->hide();

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(1, 590, 175, 84);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setReadOnly(true);
  Memo1->hide();

  Image2 = new PlanformImageWidget(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->move(224, 0);
  Image2->resizeImage(591, 300);
  Image2->setCursor(Qt::ArrowCursor);
  Image3 = new PlanformImageWidget(this);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image3->move(224, 322);
  Image3->resizeImage(593, 200);
  Image3->setCursor(Qt::ArrowCursor);
  ScrollBar1 = makeScrollBar(this, "ScrollBar1", QRect(207, 322, 17, 200), Qt::Vertical, 0, 90, 80);
  ScrollBar2 = makeScrollBar(this, "ScrollBar2", QRect(224, 522, 593, 17), Qt::Horizontal, 0, 360, 250);
  ScrollBar3 = makeScrollBar(this, "ScrollBar3", QRect(798, 40, 17, 120), Qt::Vertical, 10, 100, 100);
  ScrollBar4 = makeScrollBar(this, "ScrollBar4", QRect(798, 330, 17, 120), Qt::Vertical, 10, 97, 75);
  ScrollBar3->hide();
  ScrollBar4->hide();

  // Over the top right corner of the top view, below its flight-direction text.
  CheckBoxA = makeCheckBox(this, "CheckBoxA", QRect(600, 18, 190, 17), {});
  Label_Press = makeLabel(this, "Label_Press", QRect(618, 35, 174, 14));
  ScrollBar6 = makeScrollBar(this, "ScrollBar6", QRect(797, 18, 17, 200), Qt::Vertical, 20, 99, 92);
  CheckBoxA->hide();
  Label_Press->hide();
  ScrollBar6->hide();

  applyCaptions(Language::English);
}

QLineEdit* AircraftPage::positionField(FieldKey key) const {
  const std::size_t i = slotOf(key.wing);
  return key.kind == FieldKind::PositionZ ? positionZ[i] : positionX[i];
}

void AircraftPage::showForm(const Form& form) {
  for (int w = 1; w <= 5; ++w) {
    for (const FieldKey key : {FieldKey{w, FieldKind::PositionX, 1}, FieldKey{w, FieldKind::PositionZ, 1}}) {
      QLineEdit* edit = positionField(key);
      const QString wanted = qs(fieldText(form, key));
      if (edit->text() == wanted) continue;
      const QSignalBlocker blocker(edit);
      edit->setText(wanted);
    }
  }
  if (form.wingsCount >= 1 && form.wingsCount <= 5) {
    QRadioButton* b = wingsCount[slotOf(form.wingsCount)];
    const QSignalBlocker blocker(b);
    b->setChecked(true);
  }
}

void AircraftPage::showWingsInUse(int n) {
  for (int w = 2; w <= 5; ++w) {
    const bool shown = w <= n;
    positionImages[slotOf(w)]->setVisible(shown);
    positionX[slotOf(w)]->setVisible(shown);
    positionZ[slotOf(w)]->setVisible(shown);
  }
}

void AircraftPage::drawPositionImages(Language language) {
  for (int w = 1; w <= 5; ++w) {
    PlanformImageWidget* box = positionImages[slotOf(w)];
    drawPositionSketch(box->canvas(), text(nthText(TextId::PositionImageTitle1, w - 1), language));
    box->update();
  }
}

void AircraftPage::applyCaptions(Language language) {
  Label22->setText(qtext(TextId::StabilityCaption, language));
  Label23->setText(qtext(TextId::PositioningCaption, language));
  Label_w->setText(qtext(TextId::RunningIndicator, language));
  Button4->setText(qtext(TextId::CalculateButton, language));
  for (int n = 1; n <= 5; ++n) wingsCount[slotOf(n)]->setText(qtext(nthText(TextId::WingsCount1, n - 1), language));
  RadioButton15->setText(qtext(TextId::StabilityAutomatic, language));
  RadioButton16->setText(qtext(TextId::StabilityManual, language));
  CheckBoxA->setText(qtext(TextId::PressureCheck, language));
  Label_Press->setText(qtext(TextId::PressureNote, language));
}

}  // namespace volantis4
