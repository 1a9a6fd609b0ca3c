#pragma once
// The fuselage page's glue: the aircraft's fuselage shown on the page, each edit that changes it an
// undo step, and the page's sketch kept with the wings.

#include <QObject>
#include <functional>

#include "model/document.h"

namespace volantis4 {

class FuselagePage;
class UndoHistory;

class FuselagePresenter : public QObject {
 public:
  /// Over `page` and `doc`, recording edits in `history`; `changed` runs after the aircraft's
  /// fuselage has changed (file name, top view, report).
  FuselagePresenter(FuselagePage& page, Document& doc, UndoHistory& history, std::function<void()> changed,
                    QObject* parent = nullptr);

  /// The aircraft's fuselage on the page, replacing what is typed there (another aircraft, an undo),
  /// and the sketch drawn again.
  void showAircraft();
  /// The sketch drawn again (the wings changed, or the language).
  void drawSketch();

 private:
  void edited();

  FuselagePage& page_;
  Document& doc_;
  UndoHistory& history_;
  std::function<void()> changed_;
};

}  // namespace volantis4
