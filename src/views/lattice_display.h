#pragma once
// The solver's lattice over the right half of every wing on the top view, outlined in the wing
// colour or filled with pressure colours (DrawGrid, DrawGrid1).

#include <optional>

#include "views/canvas.h"

namespace volantis4 {

struct CalculationOutput;
struct Document;
struct ThreeDState;
struct TopViewState;

/// CheckBoxA and the exaggeration k = 100 − position of ScrollBar6 (1 … 80).
struct PressureDisplay {
  bool on = false;
  int exaggeration = 8;
};

/// k from a ScrollBar6 position (20 … 99).
int pressureExaggeration(int scrollBar6Position);

/// The colour of a panel with load coefficient P at exaggeration k: t = k·P·10000, n = R(|t|^0.35);
/// red shades (255, 255 − n, 255 − n) for t > 0, blue shades for P < 0, channels not below 0.
/// None for P = 0 (the panel keeps the pen and brush in force).
std::optional<Rgb> pressureColour(double P, int k);

/// DrawGrid1: one wing's panels at the view's current scale and reference row, from column
/// trunc(W / 2); brush info background afterwards.
void DrawGrid1(Canvas& canvas, const TopViewState& view, const CalculationOutput& output, int wing,
               PressureDisplay pressure, const SystemColours& colours);

/// DrawGrid: DrawGrid1 for the wings in the top view's drawing order.
void DrawGrid(Canvas& canvas, const TopViewState& view, const CalculationOutput& output, PressureDisplay pressure,
              const SystemColours& colours);

/// CheckBoxAClick's drawing (the window runs `Calc` instead while results are not valid): the top
/// view (cleared, d_1d with a new layout, the result overlay) and the 3-D view. Returns whether
/// ScrollBar6 shows (box ticked).
bool CheckBoxAClick(const Document& doc, Canvas& topView, Canvas& image3, TopViewState& view, ThreeDState& three,
                    PressureDisplay pressure, const SystemColours& colours);

}  // namespace volantis4
