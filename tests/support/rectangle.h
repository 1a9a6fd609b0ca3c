#pragma once
// The one rectangular wing of the tests: one trapezium, no sweep, named fields (mm).

namespace volantis4::testing_support {

struct Rectangle {
  int halfSpan = 0;  // span station of the tip, from the centre line
  int chord = 0;
  int gap = 0;  // span station of the root
  int x = 0;    // position of the wing
  int z = 0;
};

}  // namespace volantis4::testing_support
