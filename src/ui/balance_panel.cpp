#include "ui/balance_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "analysis/report_lines.h"
#include "model/numbers.h"
#include "solver/stabil.h"
#include "ui/widgets.h"

namespace volantis4 {
namespace {

constexpr int kFirstSupportRows = 3;

// A field's number (point or comma as decimal separator); nullopt when empty or not a number.
std::optional<double> numberIn(const QLineEdit* edit) {
  return manualMarginNumber(edit->text().trimmed().toStdString());
}

QLineEdit* numberField(QWidget* parent, const QString& name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaximumWidth(90);
  return e;
}

void setField(QLineEdit* edit, const std::optional<double>& v) {
  const QSignalBlocker blocker(edit);
  edit->setText(v ? qs(formatRoundTrip(*v)) : QString());
}

}  // namespace

BalancePanel::BalancePanel(QWidget* parent) : QGroupBox(parent) {
  setObjectName(QStringLiteral("BalanceInputs"));
  auto* column = new QVBoxLayout(this);

  measured_ = new QRadioButton(this);
  measured_->setObjectName(QStringLiteral("BalanceMeasured"));
  measured_->setChecked(true);
  supports_ = new QRadioButton(this);
  supports_->setObjectName(QStringLiteral("BalanceSupports"));
  column->addWidget(measured_);

  auto* measuredForm = new QFormLayout;
  cgCaption_ = new QLabel(this);
  massCaption_ = new QLabel(this);
  cg_ = numberField(this, QStringLiteral("BalanceCg"));
  mass_ = numberField(this, QStringLiteral("BalanceMass"));
  measuredForm->addRow(cgCaption_, cg_);
  measuredForm->addRow(massCaption_, mass_);
  column->addLayout(measuredForm);

  column->addWidget(supports_);
  supportsHint_ = new QLabel(this);
  supportsHint_->setWordWrap(true);
  column->addWidget(supportsHint_);
  supportGrid_ = new QGridLayout;
  column->addLayout(supportGrid_);
  for (int i = 0; i < kFirstSupportRows; ++i) addSupportRow();
  addSupport_ = new QPushButton(this);
  addSupport_->setObjectName(QStringLiteral("BalanceAddSupport"));
  column->addWidget(addSupport_, 0, Qt::AlignLeft);

  auto* aims = new QFormLayout;
  targetCaption_ = new QLabel(this);
  target_ = new QComboBox(this);
  target_->setObjectName(QStringLiteral("BalanceTarget"));
  for (int i = 0; i < 3; ++i) target_->addItem(QString());
  target_->setCurrentIndex(static_cast<int>(CgTarget::Manual));
  ballastCaption_ = new QLabel(this);
  ballastAt_ = numberField(this, QStringLiteral("BalanceBallastAt"));
  moveCaption_ = new QLabel(this);
  moveMass_ = numberField(this, QStringLiteral("BalanceMoveMass"));
  aims->addRow(targetCaption_, target_);
  aims->addRow(ballastCaption_, ballastAt_);
  aims->addRow(moveCaption_, moveMass_);
  column->addLayout(aims);

  connect(measured_, &QRadioButton::toggled, this, [this] {
    showMode();
    emit edited(BalanceInput::Mode, 0);
  });
  for (const auto& [e, input] :
       {std::pair{cg_, BalanceInput::Cg}, std::pair{mass_, BalanceInput::Mass},
        std::pair{ballastAt_, BalanceInput::BallastAt}, std::pair{moveMass_, BalanceInput::MoveMass}}) {
    const BalanceInput which = input;  // a structured binding is not captured by every compiler we check with
    connect(e, &QLineEdit::textEdited, this, [this, which] { emit edited(which, 0); });
  }
  connect(target_, &QComboBox::activated, this, [this] { emit edited(BalanceInput::Target, 0); });
  connect(addSupport_, &QPushButton::clicked, this, [this] {
    addSupportRow();
    showMode();
  });
  showMode();
  applyCaptions(Language::English);
}

void BalancePanel::addSupportRow() {
  const int i = static_cast<int>(rows_.size());
  SupportRow row{numberField(this, QStringLiteral("SupportX%1").arg(i + 1)),
                 numberField(this, QStringLiteral("SupportMass%1").arg(i + 1))};
  supportGrid_->addWidget(new QLabel(QStringLiteral("%1.").arg(i + 1), this), i, 0);
  supportGrid_->addWidget(row.x, i, 1);
  supportGrid_->addWidget(new QLabel(QStringLiteral("mm :"), this), i, 2);
  supportGrid_->addWidget(row.mass, i, 3);
  supportGrid_->addWidget(new QLabel(QStringLiteral("g"), this), i, 4);
  supportGrid_->setColumnStretch(5, 1);
  connect(row.x, &QLineEdit::textEdited, this, [this, i] { emit edited(BalanceInput::SupportX, i + 1); });
  connect(row.mass, &QLineEdit::textEdited, this, [this, i] { emit edited(BalanceInput::SupportMass, i + 1); });
  rows_.push_back(row);
}

void BalancePanel::showMode() {
  const bool measured = measured_->isChecked();
  cg_->setEnabled(measured);
  mass_->setEnabled(measured);
  for (const SupportRow& r : rows_) {
    r.x->setEnabled(!measured);
    r.mass->setEnabled(!measured);
  }
  addSupport_->setEnabled(!measured);
}

void BalancePanel::applyCaptions(Language l) {
  setTitle(qtext(TextId::ReportBalanceInputsHeading, l));
  measured_->setText(qtext(TextId::ReportBalanceMeasured, l));
  supports_->setText(qtext(TextId::ReportBalanceSupports, l));
  cgCaption_->setText(qtext(TextId::ReportBalanceCg, l));
  massCaption_->setText(qtext(TextId::ReportBalanceMass, l));
  supportsHint_->setText(qtext(TextId::ReportBalanceSupportsHint, l));
  addSupport_->setText(qtext(TextId::ReportBalanceAddSupport, l));
  targetCaption_->setText(qtext(TextId::ReportBalanceTargetCaption, l));
  for (CgTarget t : {CgTarget::Low, CgTarget::High, CgTarget::Manual})
    target_->setItemText(static_cast<int>(t), qs(cgName(t, l)));
  ballastCaption_->setText(qtext(TextId::ReportBalanceBallastCaption, l));
  moveCaption_->setText(qtext(TextId::ReportBalanceMoveCaption, l));
}

BalanceInputs BalancePanel::inputs() const {
  BalanceInputs in;
  in.target = static_cast<CgTarget>(target_->currentIndex());
  in.ballastAt = numberIn(ballastAt_);
  in.moveMass = numberIn(moveMass_);
  if (in.moveMass && !(*in.moveMass > 0)) in.moveMass.reset();
  if (measured_->isChecked()) {
    const std::optional<double> x = numberIn(cg_), m = numberIn(mass_);
    if (x && m && *m > 0) in.readings.push_back({*x, *m});
    return in;
  }
  double total = 0;
  for (const SupportRow& r : rows_) {
    const std::optional<double> x = numberIn(r.x), m = numberIn(r.mass);
    if (r.x->text().trimmed().isEmpty() && r.mass->text().trimmed().isEmpty()) continue;
    if (!x || !m || *m < 0) return BalanceInputs{{}, in.target, in.ballastAt, in.moveMass};  // a reading half typed
    in.readings.push_back({*x, *m});
    total += *m;
  }
  if (in.readings.size() < 2 || !(total > 0)) in.readings.clear();
  return in;
}

std::optional<BalanceInputs> BalancePanel::entered() const {
  BalanceInputs in = inputs();
  if (!usableBalanceInputs(in)) return std::nullopt;
  return in;
}

void BalancePanel::showInputs(const std::optional<BalanceInputs>& kept) {
  if (kept == entered()) return;
  const BalanceInputs in = kept.value_or(BalanceInputs{});
  const bool measured = in.readings.size() < 2;
  {
    const QSignalBlocker a(measured_), b(supports_);
    (measured ? measured_ : supports_)->setChecked(true);
  }
  if (measured) {
    setField(cg_, in.readings.empty() ? std::nullopt : std::optional<double>(in.readings[0].x));
    setField(mass_, in.readings.empty() ? std::nullopt : std::optional<double>(in.readings[0].mass));
  }
  while (rows_.size() < in.readings.size()) addSupportRow();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const bool given = !measured && i < in.readings.size();
    setField(rows_[i].x, given ? std::optional<double>(in.readings[i].x) : std::nullopt);
    setField(rows_[i].mass, given ? std::optional<double>(in.readings[i].mass) : std::nullopt);
  }
  {
    const QSignalBlocker blocker(target_);
    target_->setCurrentIndex(static_cast<int>(in.target));
  }
  setField(ballastAt_, in.ballastAt);
  setField(moveMass_, in.moveMass);
  showMode();
}

}  // namespace volantis4
