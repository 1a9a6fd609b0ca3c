#pragma once
// The aircraft as the texts of its input fields: the master copy of the model.

#include <array>
#include <cstddef>
#include <string>

#include "model/language.h"

namespace volantis4 {

inline constexpr int kWingCount = 5;     // wings always held
inline constexpr int kSectionCount = 5;  // sections per wing
inline constexpr int kTrapeziumCount = 4;

/// The array index of wing w (1 … kWingCount), and likewise of a section or a trapezium.
constexpr std::size_t wingIndex(int w) { return static_cast<std::size_t>(w - 1); }

/// The fields of one wing: its page (gap, widths, offsets, chords, trapezium buttons) and its
/// two position fields on the Aircraft page. Texts are kept exactly as typed.
struct WingFields {
  std::string gap;                                   // Edit01 …
  std::array<std::string, kTrapeziumCount> widths;   // widths of trapezia 1-4
  std::array<std::string, kTrapeziumCount> offsets;  // x of sections 2-5 (leading-edge offset)
  std::array<std::string, kSectionCount> chords;     // chords of sections 1-5
  int checkedTrapezia = 4;                           // checked trapezium button 1-4; 0 when none is checked
  std::string positionX;                             // Edit_x1 … (wing_x)
  std::string positionZ;                             // Edit_z1 … (wing_z)

  bool operator==(const WingFields&) const = default;
};

/// The whole form: five wings, the wing-count buttons and the remarks text.
struct Form {
  std::array<WingFields, kWingCount> wings;
  int wingsCount = kWingCount;  // checked wing-count button, 1-5
  std::string remarks;

  bool operator==(const Form&) const = default;

  WingFields& wing(int w) { return wings[wingIndex(w)]; }
  const WingFields& wing(int w) const { return wings[wingIndex(w)]; }
};

/// Which text of a wing a field holds.
enum class FieldKind { Gap, Width, Offset, Chord, PositionX, PositionZ };

/// One input field: wing 1-5, kind, and the 1-based index within the kind (trapezium for a
/// width, section 2-5 for an offset, section 1-5 for a chord; 1 for the others).
struct FieldKey {
  int wing = 1;
  FieldKind kind = FieldKind::Gap;
  int index = 1;

  bool operator==(const FieldKey&) const = default;
};

/// The text a field key names.
std::string& fieldText(Form& form, FieldKey key);
const std::string& fieldText(const Form& form, FieldKey key);

/// The form of the default aircraft, with the remarks start text in `language`.
Form defaultForm(Language language = Language::English);

}  // namespace volantis4
