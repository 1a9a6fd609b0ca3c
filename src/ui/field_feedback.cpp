#include "ui/field_feedback.h"

#include <QLabel>
#include <QLineEdit>

#include "model/field_names.h"
#include "model/field_reading.h"
#include "ui/widgets.h"

namespace volantis4 {
namespace {

// The frame of a field whose text was not read whole; the field keeps its colours otherwise.
const QString kWarningFrame = QStringLiteral("QLineEdit { border: 2px solid rgb(255, 128, 0); }");
constexpr const char* kWarnsProperty = "volantis4ReadPartly";

QString qname(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

}  // namespace

QString fieldMeaning(FieldKey key, Language language) {
  const QString tip = qtext(nthText(TextId::TipGap, static_cast<int>(key.kind)), language).arg(key.wing);
  return key.kind == FieldKind::Width || key.kind == FieldKind::Offset || key.kind == FieldKind::Chord
             ? tip.arg(key.index)
             : tip;
}

QString fieldToolTip(FieldKey key, const QString& text, Language language) {
  QString tip = fieldMeaning(key, language);
  const FieldReading r = explainField(text.toStdString());
  const auto add = [&](TextId id) { tip += QLatin1Char('\n') + qtext(id, language).arg(r.value); };
  if (r.noDigit) tip += QLatin1Char('\n') + qtext(TextId::TipReadNoDigit, language);
  if (r.clamped) add(TextId::TipReadClamped);
  if (r.signDropped) {
    add(TextId::TipReadSign);
  } else if (r.junkIgnored) {
    add(TextId::TipReadJunk);
  }
  return tip;
}

FieldFeedback::FieldFeedback(QWidget* window, const Language& language) : QObject(window), language_(language) {
  const auto child = [window](std::string_view name) { return window->findChild<QWidget*>(qname(name)); };
  for (int w = 1; w <= kWingCount; ++w) {
    const WingControlNames& names = wingControlNames(w);
    // Every field of the wing, on its page and on the Aircraft page.
    std::vector<FieldKey> keys{{w, FieldKind::Gap, 1}, {w, FieldKind::PositionX, 1}, {w, FieldKind::PositionZ, 1}};
    for (int k = 1; k <= kTrapeziumCount; ++k) {
      keys.push_back({w, FieldKind::Width, k});
      keys.push_back({w, FieldKind::Offset, k + 1});
    }
    for (int s = 1; s <= kSectionCount; ++s) keys.push_back({w, FieldKind::Chord, s});
    for (const FieldKey key : keys)
      if (auto* edit = qobject_cast<QLineEdit*>(child(fieldName(key)))) fields_.push_back({edit, key});
    // The result labels and their captions.
    const std::array<std::string_view, 5> results{names.labelSpan, names.labelArea, names.labelMeanChord,
                                                  names.labelGeometricCentre, names.labelAspectRatio};
    for (std::size_t i = 0; i < results.size(); ++i) {
      const TextId meaning = nthText(TextId::TipSpan, static_cast<int>(i));
      for (std::string_view name : {results[i], names.resultCaptions[i]})
        if (QWidget* label = child(name)) labels_.push_back({label, meaning, w});
    }
    for (std::string_view name : {names.labelAerodynamicCentre, names.captionAerodynamicCentre})
      if (QWidget* label = child(name)) labels_.push_back({label, TextId::TipAerodynamicCentre, w});
  }
  for (const auto& [name, meaning] : {std::pair{"Edit_Mstab", TextId::TipMargin},
                                      {"Label22", TextId::TipMargin},
                                      {"Label21", TextId::TipMarginResult}})
    if (QWidget* widget = child(name)) labels_.push_back({widget, meaning, 0});

  for (const Field& field : fields_) connect(field.edit, &QLineEdit::textChanged, this, [this, field] { show(field); });
  refresh();
}

void FieldFeedback::refresh() {
  for (const Field& field : fields_) show(field);
  for (const Label& label : labels_) {
    const QString tip = qtext(label.meaning, language_);
    label.widget->setToolTip(label.wing > 0 ? tip.arg(label.wing) : tip);
  }
}

bool FieldFeedback::warns(const QLineEdit* edit) { return edit->property(kWarnsProperty).toBool(); }

void FieldFeedback::show(const Field& field) const {
  QLineEdit* edit = field.edit;
  const QString tip = fieldToolTip(field.key, edit->text(), language_);
  if (edit->toolTip() != tip) edit->setToolTip(tip);
  // A style sheet is set only when the frame comes or goes: setting one restyles the field.
  showWarningFrame(edit, !explainField(edit->text().toStdString()).whole());
}

void showWarningFrame(QLineEdit* edit, bool warn) {
  if (warn == FieldFeedback::warns(edit)) return;
  edit->setProperty(kWarnsProperty, warn);
  edit->setStyleSheet(warn ? kWarningFrame : QString());
}

}  // namespace volantis4
