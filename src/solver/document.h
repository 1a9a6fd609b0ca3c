#pragma once
// The one mutable document of the program: the form (master copy), what is derived from it,
// the run state and the results. The window owns one and calls these procedures; so does the CLI.

#include <memory>
#include <string>

#include "model/aircraft_geometry.h"
#include "model/form.h"
#include "model/language.h"
#include "solver/run_state.h"

namespace volantis4 {

struct CalculationOutput;  // lattice, circulations and vortex results of the last complete run

/// Who asked for a geometry refresh; the print and open commands are treated specially.
enum class Sender { Other, PositionField, WingsCount, Run, Print, Open, Resize, Exchange };

/// Reference values of the aircraft: left by the last calculation or by a loaded file.
struct AircraftResults {
  double sb = 0;    // reference area, mm²
  double lmue = 0;  // reference chord, mm
  double xnp = 0;   // neutral point x, mm (aircraft coordinates, positive aft)
};

/// Automatic or manual stability margin, and the text of the manual margin field (Edit_Mstab).
struct StabilityChoice {
  bool manual = false;
  std::string marginText = "7.5";
};

struct Document {
  Form form = defaultForm();
  Language language = Language::English;
  AircraftGeometry geometry = geometryOf(form);
  RunState run;
  AircraftResults results;
  StabilityChoice stability;
  std::shared_ptr<const CalculationOutput> output;  // null until a complete run
};

/// A wing's recomputation (Calc_W1 … Calc_W5): unless keep_results, results_valid is cleared;
/// the wing is read and its figures and section-table column are stored.
void recomputeWing(Document& doc, int w);

/// The geometry refresh `Calc`: clears results and lattice unless keep_results, recomputes the
/// five wings, reads the positions and resets the message panel to its heading line.
void Calc(Document& doc, Sender sender);

/// What a field change ran, so the window knows what to refresh.
enum class FieldHandler { WingRecomputation, GapChange, Calc };

/// Writes a field's text and runs its change handler as the window does on an edit.
FieldHandler setFieldText(Document& doc, FieldKey key, const std::string& text);

/// Checks wing w's button for t trapezia (1-4) and recomputes the wing.
void chooseTrapezia(Document& doc, int w, int t);

/// Checks the button for n wings (1-5): wing count and solver copy, then `Calc`.
void chooseWingsCount(Document& doc, int n);

}  // namespace volantis4
