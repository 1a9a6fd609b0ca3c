#pragma once
// The fuselage page: the fuselage's stations from nose to tail (position and full width, whole
// millimetres), the height of its axis, a line saying whether the report uses it, and a sketch of
// it from above with the wings' root chords.

#include <QWidget>
#include <optional>

#include "model/aircraft_geometry.h"
#include "model/fuselage_input.h"
#include "model/language.h"
#include "views/canvas.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace volantis4 {

class PlanformImageWidget;

class FuselagePage : public QWidget {
  Q_OBJECT
 public:
  explicit FuselagePage(QWidget* parent = nullptr);

  /// Captions, column titles and the status line in `language`.
  void applyCaptions(Language language);
  /// The fuselage as the fields stand when it can be used, else nullopt: what the aircraft keeps.
  std::optional<FuselageInput> entered() const;
  /// Shows the aircraft's fuselage (nullopt: none) in the fields, unless the fields already give it,
  /// so that a station half typed stays as it is; `replaceTyped` (another aircraft, an undo) shows
  /// it whatever the fields hold.
  void showFuselage(const std::optional<FuselageInput>& fuselage, bool replaceTyped = false);
  /// Draws the sketch of the fuselage as entered with the wings' root chords.
  void drawSketch(const AircraftGeometry& geometry, int wingsCount, const SystemColours& colours);

 signals:
  /// The user changed a station, added or removed one, or changed the axis height.
  void edited();

 private:
  void addStation();
  void removeStation();
  void showStatus();
  // The stations as typed, or why they are not a fuselage (in the page's language).
  std::optional<FuselageInput> parsed(std::string* problem) const;

  Language language_ = Language::English;
  QLabel* explanation_ = nullptr;
  QTableWidget* stations_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLabel* axisCaption_ = nullptr;
  QLineEdit* axis_ = nullptr;
  QLabel* status_ = nullptr;
  PlanformImageWidget* sketch_ = nullptr;
};

}  // namespace volantis4
