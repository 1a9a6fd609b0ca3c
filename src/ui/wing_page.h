#pragma once
// One wing page (TabSheet1, 2, 3, 6, 7), built once per wing from the table of control names:
// the input sketch with the section fields over it, the trapezium buttons, copy and insert,
// the result captions and labels, the gap notice and the planform image.

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "model/aircraft_geometry.h"
#include "model/form.h"
#include "model/language.h"
#include "model/planform_mapping.h"
#include "views/planform_view.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace volantis4 {

class PlanformImageWidget;

class WingPage : public QWidget {
  Q_OBJECT
 public:
  /// The page of wing `wing` (1-5).
  explicit WingPage(int wing, QWidget* parent = nullptr);
  ~WingPage() override;

  int wing() const { return wing_; }
  /// The edit of one of this wing's fourteen page fields (not the position fields).
  QLineEdit* field(FieldKey key) const;
  /// The fourteen field keys of a wing page: gap, widths 1-4, offsets 2-5, chords 1-5.
  static std::array<FieldKey, 14> pageFields(int wing);

  /// Shows the field texts and the checked trapezium button; runs no handler.
  void showFields(const WingFields& fields);
  /// Shows the fields of trapezia 1..t and the station captions 1..t+1 (1 and 2 always).
  void showTrapezia(int t);
  /// The five result labels and the five station captions.
  void showFigures(const std::array<std::string, 5>& results, const std::array<std::string, kSectionCount>& stations);
  /// The two-line gap notice, empty when the wing has no gap.
  void showGapNotice(bool hasGap, Language language);
  /// The input sketch of `trapezia` (1-4; other counts leave it as it is) in `language`.
  void drawSketch(int trapezia, Language language);
  /// The planform image drawn anew; where its corners are, for the mouse.
  PlanformMapping drawPlanform(const PlanformInput& input);
  /// Results on show: the aerodynamic-centre caption enabled and its value visible.
  void showAerodynamicCentre(bool shown);
  void setAerodynamicCentreText(const QString& text);
  /// The language's captions: results, aerodynamic centre, trapezium buttons, copy and insert.
  void applyCaptions(Language language);
  /// The captions the window is built with (English, copy button without blanks).
  void applyBuiltinCaptions();

  QPushButton* copyButton() const { return copyButton_; }
  QPushButton* insertButton() const { return insertButton_; }
  PlanformImageWidget* sketch() const { return sketch_; }
  PlanformImageWidget* planform() const { return planform_; }

 signals:
  /// The user changed a field's text.
  void fieldEdited(volantis4::FieldKey key, const QString& text);
  /// The user checked the button of `count` trapezia.
  void trapeziaClicked(int wing, int count);
  void copyClicked(int wing);
  void insertClicked(int wing);

 private:
  struct Placement;
  std::vector<Placement> placements();
  static void setCaption(const Placement& row, TextId id, Language language);
  QLineEdit*& slot(FieldKey key);

  int wing_;
  QLineEdit* gap_ = nullptr;
  std::array<QLineEdit*, 4> widths_{};
  std::array<QLineEdit*, 4> offsets_{};  // sections 2-5
  std::array<QLineEdit*, kSectionCount> chords_{};
  std::array<QRadioButton*, 4> trapezia_{};
  QButtonGroup* trapeziumGroup_ = nullptr;
  std::array<QLabel*, kSectionCount> stations_{};
  std::array<QLabel*, 5> resultCaptions_{};
  std::array<QLabel*, 5> results_{};
  QLabel* acCaption_ = nullptr;
  QLabel* acValue_ = nullptr;
  std::array<QLabel*, 2> gapNotice_{};
  QPushButton* copyButton_ = nullptr;
  QPushButton* insertButton_ = nullptr;
  PlanformImageWidget* sketch_ = nullptr;
  PlanformImageWidget* planform_ = nullptr;
  std::vector<Placement> rows_;  // every control's place and captions
};

/// Space1: each page's gap notice, shown where the wing has a gap.
void showGapNotices(const std::array<WingPage*, kWingCount>& pages, const AircraftGeometry& geometry,
                    Language language);

}  // namespace volantis4
