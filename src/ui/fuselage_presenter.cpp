#include "ui/fuselage_presenter.h"

#include "ui/fuselage_page.h"
#include "ui/undo_commands.h"
#include "ui/widgets.h"
#include "views/qimage_canvas.h"

namespace volantis4 {

FuselagePresenter::FuselagePresenter(FuselagePage& page, Document& doc, UndoHistory& history,
                                     std::function<void()> changed, QObject* parent)
    : QObject(parent), page_(page), doc_(doc), history_(history), changed_(std::move(changed)) {
  connect(&page_, &FuselagePage::edited, this, [this] { edited(); });
}

void FuselagePresenter::showAircraft() {
  page_.showFuselage(doc_.fuselage, true);
  drawSketch();
}

void FuselagePresenter::drawSketch() {
  page_.drawSketch(doc_.geometry, doc_.form.wingsCount, systemColoursFromPalette());
}

// What the page gives, when it differs from the aircraft's, becomes the aircraft's as one step; a
// station half typed gives none, which the aircraft then keeps until the page gives one again.
void FuselagePresenter::edited() {
  const std::optional<FuselageInput> entered = page_.entered();
  if (entered != doc_.fuselage) {
    {
      const UndoStep step(history_, {.kind = StepName::Kind::Fuselage});
      doc_.fuselage = entered;
    }
    changed_();
  }
  drawSketch();
}

}  // namespace volantis4
