#pragma once
// The balance inputs of the stability report: the measured centre of gravity with the total mass,
// or the readings of two or more supports; the target, a ballast position and a movable mass.

#include <QGroupBox>
#include <optional>
#include <vector>

#include "analysis/balance.h"
#include "model/language.h"
#include "ui/undo_commands.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace volantis4 {

class BalancePanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit BalancePanel(QWidget* parent = nullptr);

  /// Captions and the target names in `language`.
  void applyCaptions(Language language);
  /// The inputs as the fields stand; no readings while they do not give a total mass above 0 g.
  BalanceInputs inputs() const;
  /// The inputs when they can be weighed, else nullopt: what the aircraft keeps.
  std::optional<BalanceInputs> entered() const;
  /// Shows the aircraft's inputs (nullopt: none) in the fields, unless the fields already give
  /// them, so that a reading half typed stays as it is.
  void showInputs(const std::optional<BalanceInputs>& inputs);

 signals:
  /// The user changed `input` (of support `support`, 1-…, for a support's fields).
  void edited(volantis4::BalanceInput input, int support);

 private:
  struct SupportRow {
    QLineEdit* x = nullptr;
    QLineEdit* mass = nullptr;
  };
  void addSupportRow();
  void showMode();

  QRadioButton* measured_ = nullptr;
  QRadioButton* supports_ = nullptr;
  QLabel* cgCaption_ = nullptr;
  QLabel* massCaption_ = nullptr;
  QLineEdit* cg_ = nullptr;
  QLineEdit* mass_ = nullptr;
  QLabel* supportsHint_ = nullptr;
  QGridLayout* supportGrid_ = nullptr;
  std::vector<SupportRow> rows_;
  QPushButton* addSupport_ = nullptr;
  QLabel* targetCaption_ = nullptr;
  QComboBox* target_ = nullptr;
  QLabel* ballastCaption_ = nullptr;
  QLineEdit* ballastAt_ = nullptr;
  QLabel* moveCaption_ = nullptr;
  QLineEdit* moveMass_ = nullptr;
};

}  // namespace volantis4
