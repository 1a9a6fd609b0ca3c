#include "ui/undo_commands.h"

#include <QUndoCommand>

#include "ui/widgets.h"

namespace volantis4 {
namespace {

QString fieldText(FieldKey key, Language language) {
  switch (key.kind) {
    case FieldKind::Gap:
      return qtext(TextId::FieldGap, language);
    case FieldKind::Width:
      return qtext(TextId::FieldWidth, language).arg(key.index);
    case FieldKind::Offset:
      return qtext(TextId::FieldOffset, language).arg(key.index);
    case FieldKind::Chord:
      return key.index == 1 ? qtext(TextId::FieldRootChord, language)
                            : qtext(TextId::FieldChord, language).arg(key.index);
    case FieldKind::PositionX:
      return qtext(TextId::FieldPositionX, language);
    case FieldKind::PositionZ:
      return qtext(TextId::FieldPositionZ, language);
  }
  return {};
}

// Typing in one field merges into one step until the focus moves or another step comes; so does
// typing in one of the balance inputs, and in the fuselage's table.
constexpr int kTypingId = 1;

bool typed(StepName::Kind kind) {
  return kind == StepName::Kind::FieldEdit || kind == StepName::Kind::Balance || kind == StepName::Kind::Fuselage;
}

class AircraftStep : public QUndoCommand {
 public:
  AircraftStep(StepName name, AircraftState before, AircraftState after, Replay replay, int typingSession)
      : QUndoCommand(stepText(name, Language::English)),
        name_(name),
        before_(std::move(before)),
        after_(std::move(after)),
        replay_(std::move(replay)),
        typingSession_(typingSession) {}

  const StepName& name() const { return name_; }

  // The change itself has already run when the step is pushed.
  void redo() override {
    if (done_) replay_(after_);
    done_ = true;
  }
  void undo() override { replay_(before_); }

  int id() const override { return typed(name_.kind) ? kTypingId : -1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const AircraftStep*>(other);
    if (!(next->name_ == name_) || next->typingSession_ != typingSession_) return false;
    after_ = next->after_;
    setObsolete(sameAircraft(before_, after_));  // typed back to where it was: no step
    return true;
  }

 private:
  StepName name_;
  AircraftState before_, after_;
  Replay replay_;
  int typingSession_;
  bool done_ = false;
};

}  // namespace

QString stepText(const StepName& name, Language language) {
  using Kind = StepName::Kind;
  switch (name.kind) {
    case Kind::FieldEdit:
      return qtext(TextId::StepFieldEdit, language).arg(fieldText(name.field, language)).arg(name.field.wing);
    case Kind::Trapezia:
      return qtext(TextId::StepTrapezia, language).arg(name.wing);
    case Kind::WingsCount:
      return qtext(TextId::StepWingsCount, language);
    case Kind::Drag:
      return qtext(TextId::StepDrag, language).arg(name.wing);
    case Kind::Insert:
      return qtext(TextId::StepInsert, language).arg(name.wing);
    case Kind::Exchange:
      return qtext(TextId::StepExchange, language).arg(name.wing).arg(name.otherWing);
    case Kind::MovedHeights:
      return qtext(TextId::StepMovedHeights, language);
    case Kind::Balance: {
      const QString input = qtext(nthText(TextId::StepBalanceMode, static_cast<int>(name.balanceInput)), language);
      return input.contains(QLatin1String("%1")) ? input.arg(name.wing) : input;
    }
    case Kind::Fuselage:
      return qtext(TextId::StepFuselage, language);
  }
  return {};
}

bool sameAircraft(const AircraftState& a, const AircraftState& b) {
  return a.form.wings == b.form.wings && a.form.wingsCount == b.form.wingsCount && a.balance == b.balance &&
         a.fuselage == b.fuselage;
}

UndoHistory::UndoHistory(const Document& doc, Replay replay, QObject* parent)
    : QObject(parent), doc_(doc), replay_(std::move(replay)) {
  connect(&stack_, &QUndoStack::indexChanged, this, &UndoHistory::changed);
}

UndoHistory::~UndoHistory() { disconnect(&stack_, nullptr, this, nullptr); }

void UndoHistory::begin() {
  if (replaying_) return;
  if (depth_++ == 0) before_ = now();
}

void UndoHistory::end(const StepName& name, const Replay& replay) {
  if (replaying_ || depth_ == 0 || --depth_ > 0) return;
  const AircraftState after = now();
  if (sameAircraft(before_, after)) return;
  if (!typed(name.kind)) closeTyping();
  stack_.push(new AircraftStep(name, before_, after, replay ? replay : replay_, typingSession_));
  emit changed();  // a merged step leaves the index where it was
}

void UndoHistory::undo() {
  replaying_ = true;
  stack_.undo();
  replaying_ = false;
  closeTyping();
}

void UndoHistory::redo() {
  replaying_ = true;
  stack_.redo();
  replaying_ = false;
  closeTyping();
}

void UndoHistory::clear() {
  depth_ = 0;
  stack_.clear();
  closeTyping();
  emit changed();
}

const StepName* UndoHistory::nameAt(int index) const {
  if (index < 0 || index >= stack_.count()) return nullptr;
  return &static_cast<const AircraftStep*>(stack_.command(index))->name();
}

QString UndoHistory::undoCaption(Language language) const {
  const StepName* name = nameAt(stack_.index() - 1);
  return name ? qtext(TextId::UndoStep, language).arg(stepText(*name, language)) : qtext(TextId::MenuUndo, language);
}

QString UndoHistory::redoCaption(Language language) const {
  const StepName* name = nameAt(stack_.index());
  return name ? qtext(TextId::RedoStep, language).arg(stepText(*name, language)) : qtext(TextId::MenuRedo, language);
}

}  // namespace volantis4
