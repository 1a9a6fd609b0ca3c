#pragma once
// The window's per-wing control names, one table for all five wings (used as Qt object names).

#include <array>
#include <optional>
#include <string_view>

#include "model/form.h"

namespace volantis4 {

/// Names of one wing's controls.
struct WingControlNames {
  std::string_view gap;
  std::array<std::string_view, 4> widths;                       // trapezia 1-4
  std::array<std::string_view, 4> offsets;                      // x of sections 2-5
  std::array<std::string_view, kSectionCount> chords;           // sections 1-5
  std::array<std::string_view, 4> trapeziumButtons;             // 1-4 trapezia
  std::array<std::string_view, kSectionCount> stationCaptions;  // sections 1-5
  std::array<std::string_view, 2> gapNotice;                    // two lines
  std::string_view positionX, positionZ;                        // on the Aircraft page
  std::string_view tabSheet;                                    // the wing's page
  std::string_view planformImage;                               // editing image (mouse)
  std::string_view positionImage;                               // small image on the Aircraft page
  std::string_view labelSpan, labelArea, labelMeanChord, labelGeometricCentre, labelAspectRatio;
  std::string_view labelAerodynamicCentre;         // value label Label_anpN
  std::string_view captionAerodynamicCentre;       // "aerodynamic center (anp):" caption
  std::array<std::string_view, 5> resultCaptions;  // span, area, mean chord, centre, aspect ratio captions
};

/// The names of wing w (1-5).
const WingControlNames& wingControlNames(int w);

/// The object name of an input field.
std::string_view fieldName(FieldKey key);

/// The field with object name `name`, if it is one of the 80 input fields.
std::optional<FieldKey> fieldByName(std::string_view name);

}  // namespace volantis4
