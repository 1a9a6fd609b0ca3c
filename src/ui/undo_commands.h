#pragma once
// Undo and redo of the changes to the aircraft. Each step keeps the form (field texts and
// buttons) and the balance inputs before and after the change; undo and redo take the aircraft
// there through the window's ordinary handlers, so that every recomputation and flag follows as
// for that change.

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>

#include "model/balance_inputs.h"
#include "model/document.h"
#include "model/form.h"
#include "model/fuselage_input.h"
#include "model/language.h"

namespace volantis4 {

/// The balance inputs of the report window, each a step of its own when typed.
enum class BalanceInput { Mode, Cg, Mass, SupportX, SupportMass, Target, BallastAt, MoveMass };

/// What a step changed, to name it in the Edit menu.
struct StepName {
  enum class Kind { FieldEdit, Trapezia, WingsCount, Drag, Insert, Exchange, MovedHeights, Balance, Fuselage };
  Kind kind = Kind::FieldEdit;
  FieldKey field{};   // FieldEdit
  int wing = 0;       // Trapezia, Drag, Insert; Exchange: the lower of the two wings; Balance: the support (1-…)
  int otherWing = 0;  // Exchange: the higher one
  BalanceInput balanceInput = BalanceInput::Cg;  // Balance
  bool operator==(const StepName&) const = default;
};

/// The step's name in `language`, as the menu shows it after "Undo" ("edit of root chord, wing 1").
QString stepText(const StepName& name, Language language);

/// What a step takes back and forth: the form, the balance inputs and the fuselage kept with the
/// aircraft, and the run that was on show with them (its results come back with the state).
struct AircraftState {
  Form form;
  std::optional<BalanceInputs> balance;
  RunRecord run;
  std::optional<FuselageInput> fuselage;
};

/// True when the two states hold the same aircraft (the remarks and the run are not part of a step).
bool sameAircraft(const AircraftState& a, const AircraftState& b);

/// Takes the aircraft to `target`: the state before the step (undo) or after it (redo).
using Replay = std::function<void(const AircraftState& target)>;

class UndoStep;

/// The history of the aircraft in the window. A change is recorded while an UndoStep lives; a
/// change that starts inside another (the field writes of a drag) is part of it, and nothing is
/// recorded while a step is being undone or redone.
class UndoHistory : public QObject {
  Q_OBJECT
 public:
  /// `doc` is read at each begin and end; `replay` takes it to a state.
  UndoHistory(const Document& doc, Replay replay, QObject* parent = nullptr);
  /// Quiet while going: the stack's own clearing must not reach a window being destroyed.
  ~UndoHistory() override;

  /// Typing from now on starts a new step (the focus moved to another control).
  void closeTyping() { ++typingSession_; }

  void undo();
  void redo();
  /// A fresh history: after start and Open.
  void clear();
  /// The aircraft now is the one saved.
  void setClean() { stack_.setClean(); }

  bool canUndo() const { return stack_.canUndo(); }
  bool canRedo() const { return stack_.canRedo(); }
  int count() const { return stack_.count(); }
  /// The Edit menu's captions: "Undo" alone when there is nothing to undo, else naming the step.
  QString undoCaption(Language language) const;
  QString redoCaption(Language language) const;

 signals:
  /// A step was added, undone, redone or the history cleared: the menu follows.
  void changed();

 private:
  friend class UndoStep;
  void begin();
  /// Ends the change begun last. The outermost one becomes a step when it changed the aircraft;
  /// `replay` replaces the form replay for this step (an exchange is undone by exchanging again).
  void end(const StepName& name, const Replay& replay);
  const StepName* nameAt(int index) const;
  AircraftState now() const { return {doc_.form, doc_.balance, runRecord(doc_), doc_.fuselage}; }

  const Document& doc_;
  Replay replay_;
  QUndoStack stack_;
  AircraftState before_;
  int depth_ = 0;
  bool replaying_ = false;
  int typingSession_ = 0;
};

/// One change of the aircraft: begun when made, recorded as a step named `name` when it goes
/// (unless it lies inside another step, or the aircraft came out as it was).
class UndoStep {
 public:
  UndoStep(UndoHistory& history, StepName name, Replay replay = {}) noexcept
      : history_(history), name_(name), replay_(std::move(replay)) {
    history_.begin();
  }
  ~UndoStep() { history_.end(name_, replay_); }
  UndoStep(const UndoStep&) = delete;
  UndoStep& operator=(const UndoStep&) = delete;

 private:
  UndoHistory& history_;
  StepName name_;
  Replay replay_;
};

}  // namespace volantis4
