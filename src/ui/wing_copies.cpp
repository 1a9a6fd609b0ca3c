#include "ui/wing_copies.h"

#include <QPushButton>

#include "ui/commands.h"
#include "ui/undo_commands.h"
#include "ui/wing_page.h"

namespace volantis4 {
namespace {

const std::string kClipboard{kClipboardFileName};

}  // namespace

WingCopies::WingCopies(const std::array<WingPage*, kWingCount>& pages, Commands& commands, Document& doc,
                       UndoHistory& history, Window window, QObject* parent)
    : QObject(parent), pages_(pages), commands_(commands), doc_(doc), history_(history), window_(std::move(window)) {
  for (WingPage* p : pages_) {
    connect(p, &WingPage::copyClicked, this, [this](int w) { copy(w); });
    connect(p, &WingPage::insertClicked, this, [this](int w) { insert(w); });
  }
}

void WingCopies::checkClipboard(bool start) {
  const bool readable = clipboardReadable(kClipboard);
  copied_ = afterClipboardCheck(copied_, readable);
  if (!start) {
    setInsertEnabled(readable);
    return;
  }
  // At start the insert buttons of pages 1-3 wait for a clipboard file.
  for (int w = 1; w <= 3; ++w) pages_[wingIndex(w)]->insertButton()->setEnabled(copied_.insertAvailable());
}

void WingCopies::setInsertEnabled(bool enabled) {
  for (WingPage* p : pages_) p->insertButton()->setEnabled(enabled);
}

void WingCopies::copy(int w, bool fromMenu) {
  if (fromMenu) {
    w = window_.activeWing();
    if (w == 0) return;
    copied_ = beforeMenuCopy(w);
  }
  commands_.setEnabled(Command::Save, true);
  std::optional<AircraftResults> results;
  if (doc_.run.flags.results_valid) results = doc_.results;
  if (const auto error = Save_Wing(kClipboard, doc_.form, w, results)) {
    window_.showError(*error);
    return;
  }
  copied_ = afterCopy(copied_);
  setInsertEnabled(true);
  if (const int active = window_.activeWing(); active >= 1 && active <= 3)
    commands_.setEnabled(Command::InsertCopiedWing, true);
}

void WingCopies::insert(int w) {
  const auto loaded = Load_Wing(kClipboard, doc_.form, w);
  if (const auto* error = std::get_if<FileError>(&loaded)) {
    // Without a clipboard file there is nothing to insert; a file that cannot be read is reported.
    if (error->kind != FileErrorKind::CannotOpen) window_.showError(*error);
    return;
  }
  {
    const UndoStep step(history_, {.kind = StepName::Kind::Insert, .wing = w});
    doc_.form = std::get<Form>(loaded);
    recomputeWing(doc_, w);
    pages_[wingIndex(w)]->showFields(doc_.form.wing(w));
    window_.inserted(w);
  }
}

}  // namespace volantis4
