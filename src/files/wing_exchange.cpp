#include "files/wing_exchange.h"

#include <algorithm>
#include <utility>

namespace volantis4 {

WingPair exchangePair(ExchangeCommand command) {
  switch (command) {
    case ExchangeCommand::chng1:
      return {1, 2};
    case ExchangeCommand::chng2:
      return {1, 3};
    case ExchangeCommand::chng3:
      return {2, 3};
    case ExchangeCommand::chng4:
      return {4, 3};
    case ExchangeCommand::chng5:
      return {4, 5};
  }
  return {1, 2};
}

bool exchangeEnabled(ExchangeCommand command, int wingsCount) {
  const WingPair pair = exchangePair(command);
  return wingsCount >= std::max(pair.a, pair.b) && wingsCount <= kWingCount;
}

Form exchangeWings(const Form& form, int a, int b) {
  Form out = form;
  // The sixteen texts and the button are all a wing's fields hold: swapping the whole record
  // swaps exactly them.
  std::swap(out.wing(a), out.wing(b));
  return out;
}

}  // namespace volantis4
