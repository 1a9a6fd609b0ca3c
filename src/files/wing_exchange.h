#pragma once
// The wing exchange: two wings swap everything they hold, position included.

#include "model/form.h"

namespace volantis4 {

/// The five exchange commands of the Edit menu.
enum class ExchangeCommand { chng1, chng2, chng3, chng4, chng5 };

/// The wings a command exchanges, A first: chng1 1-2, chng2 1-3, chng3 2-3, chng4 4-3, chng5 4-5.
struct WingPair {
  int a = 1;
  int b = 2;
  bool operator==(const WingPair&) const = default;
};
WingPair exchangePair(ExchangeCommand command);

/// Whether a command is offered for `wingsCount` wings (both of its wings in use).
bool exchangeEnabled(ExchangeCommand command, int wingsCount);

/// Wings a and b swap their sixteen field texts, character for character, and their checked
/// trapezium buttons. Nothing is converted.
Form exchangeWings(const Form& form, int a, int b);

}  // namespace volantis4
