#pragma once
// The mouse on the wing pages' planform images: a press grabs a corner, a movement shows the
// pointer and highlights the fields a drag would change, a release writes them, as one step.

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/document.h"
#include "model/planform_editing.h"
#include "model/planform_mapping.h"
#include "ui/undo_commands.h"

namespace volantis4 {

class AircraftViews;
class WingPage;

class PlanformDrag : public QObject {
 public:
  /// Writes one field's text as typed (its change handler runs).
  using WriteField = std::function<void(FieldKey key, const QString& text)>;

  /// The drags on the planform images of `pages` over `doc`, recorded in `history`; `live` says
  /// whether every move writes its fields (live results) or the release alone does. The press
  /// and release are shared with the 3-D view of `views`.
  PlanformDrag(const std::array<WingPage*, kWingCount>& pages, const Document& doc, UndoHistory& history,
               AircraftViews& views, WriteField write, std::function<bool()> live, QObject* parent = nullptr);

  /// How wing w's planform was last drawn (where its corners are).
  void setMapping(int w, const PlanformMapping& mapping) { mappings_[wingIndex(w)] = mapping; }
  /// A new aircraft (Open): a drag still open is forgotten.
  void forget() { step_.reset(); }

 private:
  int hitAt(int w, int x, int y) const;
  void pressed(int w, int x, int y);
  void moved(int w, int x, int y, Qt::MouseButtons buttons, bool shiftAlone);
  void released(int w, int x, int y, bool shiftAlone);
  /// The field writes of the drag that began at the last press, with the pointer now at (x, y).
  std::vector<FieldWrite> writes(int w, int x, int y, bool shiftAlone) const;

  std::array<WingPage*, kWingCount> pages_;
  const Document& doc_;
  UndoHistory& history_;
  AircraftViews& views_;
  WriteField write_;
  std::function<bool()> live_;
  std::array<PlanformMapping, kWingCount> mappings_{};
  std::optional<UndoStep> step_;  // from a press to its release
  int grabbed_ = 0;               // planform corner grabbed by the last press (shared by the five images)
  QPoint pressedAt_;              // where that press was
  Wing pressedWing_{};            // the grabbed wing as it was read at the press
  std::string pressedGap_;        // its gap field's text then
  double pressedScale_ = 0;       // and the scale of its planform image then
  bool dragging_ = false;         // a press on a corner waits for its release
};

}  // namespace volantis4
