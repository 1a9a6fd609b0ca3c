#pragma once
// Lines of the message panel as data; rendered in English or German by one table.

#include <string>

#include "model/language.h"

namespace volantis4 {

enum class MessageId {
  ErrorHeading,               // "Error: "
  Attention,                  // "Attention:"
  WingsMoved,                 // moved-wings notice
  WingTooSlender,             // strip limit, line 1 (wing)
  WingTooSlenderAdvice,       // strip limit, line 2
  TrimFirstStartFailed,       // TRAPEZ_TRIM second start notice
  TrimTrapeziumErrorShort,    // "Error Wing<w> Trapezium<t>" (second result below 1)
  TrimTrapeziumError,         // "Error: Wing<w> Trapezium<t>"
  NewtonSingular,             // TRIM9M singular Newton system
  NewtonNoConvergence,        // TRIM9M, line 1 (wing, trapezium, width 2)
  NewtonNoConvergenceAdvice,  // TRIM9M, line 2
  InfluenceCountMismatch,     // EINFLUSS consistency check
  SolveSingular,              // LOES singular
  SolveFailed,                // the run's "LOES: Fehler..."
  // Refusals before the lattice is written.
  TooManyRows,  // n_chord above capacity (wing)
  TooManyRowsAdvice,
  TooManyPanels,  // N above capacity (count, capacity)
  TooManyPanelsAdvice,
  WingWithoutArea,  // a wing in use has no span or no area (wing)
  WingWithoutAreaAdvice,
  ResultNotFinite,  // a result came out not finite
  // Live results: a wing computed at a height its field does not hold (wing, height in mm).
  WingComputedAt,
};

/// One panel line: what happened, with the numbers it names.
struct Message {
  MessageId id;
  long long a = 0;  // usually the wing
  long long b = 0;  // usually the trapezium
};

/// The line of `message` in `language`.
std::string renderMessage(const Message& message, Language language);

}  // namespace volantis4
