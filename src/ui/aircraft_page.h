#pragma once
// The Aircraft page (TabSheet5): wing count, positions, Calculate, stability, message panel,
// top view and three-dimensional view with their scroll bars.

#include <QWidget>
#include <array>

#include "model/form.h"
#include "model/language.h"
#include "model/run_state.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace volantis4 {

class PlanformImageWidget;

class AircraftPage : public QWidget {
  Q_OBJECT
 public:
  explicit AircraftPage(QWidget* parent = nullptr);

  /// The position field of a PositionX or PositionZ key.
  QLineEdit* positionField(FieldKey key) const;
  /// Shows the position texts and the checked wing-count button; runs no handler.
  void showForm(const Form& form);
  /// Shows the positioning boxes and position fields of wings 1..n (wing 1's always stay).
  void showWingsInUse(int n);
  /// Draws the positioning sketch with the wing's name on each of the five small images.
  void drawPositionImages(Language language);
  /// Memo1: the message panel's lines, shown or hidden as the panel is.
  void showMessagePanel(const MessagePanel& panel);
  /// The language's captions of this page.
  void applyCaptions(Language language);

  // Controls the window drives directly (names are their object names).
  std::array<QRadioButton*, kWingCount> wingsCount{};             // RadioButton1, 2, 3, RB_W4, RB_W5
  std::array<PlanformImageWidget*, kWingCount> positionImages{};  // Image5 … Image55555
  std::array<QLineEdit*, kWingCount> positionX{}, positionZ{};
  QLabel* Label23 = nullptr;  // "Positioning"
  QPushButton* Button4 = nullptr;
  QLabel* Label_w = nullptr;  // running indicator
  QLabel* Label24 = nullptr;  // countdown of the solution
  QRadioButton* RadioButton15 = nullptr;
  QRadioButton* RadioButton16 = nullptr;
  QLabel* Label22 = nullptr;  // "Desired Static Stability:"
  QLineEdit* Edit_Mstab = nullptr;
  QLabel* Label21 = nullptr;  // "%" and the AC-CG distance
  QLabel* Label28 = nullptr;  // margin marks beside ScrollBar5
  QLabel* Label29 = nullptr;
  QLabel* Label30 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  PlanformImageWidget* Image2 = nullptr;  // top view
  PlanformImageWidget* Image3 = nullptr;  // three-dimensional view
  QScrollBar* ScrollBar1 = nullptr;       // tilt
  QScrollBar* ScrollBar2 = nullptr;       // turn
  QScrollBar* ScrollBar3 = nullptr;       // zoom of the top view (hidden)
  QScrollBar* ScrollBar4 = nullptr;       // magnification of the 3-D view (hidden)
  QScrollBar* ScrollBar5 = nullptr;       // manual margin
  QScrollBar* ScrollBar6 = nullptr;       // pressure exaggeration
  QCheckBox* CheckBoxA = nullptr;
  QLabel* Label_Press = nullptr;

 signals:
  /// The user changed a position field.
  void fieldEdited(volantis4::FieldKey key, const QString& text);
  /// The user checked the button for `n` wings.
  void wingsCountClicked(int n);
};

}  // namespace volantis4
