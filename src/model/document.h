#pragma once
// The one mutable document of the program: the form (master copy), what is derived from it,
// the run state, the results and the file it belongs to. The window owns one and calls these
// procedures; so does the CLI. Opening and saving it are in files/document_io.h.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/aircraft_geometry.h"
#include "model/balance_inputs.h"
#include "model/form.h"
#include "model/fuselage_input.h"
#include "model/language.h"
#include "model/run_state.h"

namespace volantis4 {

struct CalculationOutput;  // lattice, circulations and vortex results of the last complete run

/// The current file name before any file is opened or saved.
inline constexpr std::string_view kUnknownFileName = "Unknown.da4";

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
  std::string fileName{kUnknownFileName};           // the current file name, as Lab_FName shows it
  Form savedForm = form;                            // the aircraft as last opened or saved
  std::optional<BalanceInputs> balance;             // the modeller's weighing, once entered; saved with the aircraft
  std::optional<BalanceInputs> savedBalance;        // the balance inputs as last opened or saved
  std::optional<FuselageInput> fuselage;            // the fuselage, once entered; saved with the aircraft
  std::optional<FuselageInput> savedFuselage;       // the fuselage as last opened or saved
};

/// True when the aircraft (fields, buttons, remarks, balance inputs, fuselage) differs from the one
/// last opened or saved.
inline bool hasUnsavedChanges(const Document& doc) {
  return !(doc.form == doc.savedForm) || doc.balance != doc.savedBalance || doc.fuselage != doc.savedFuselage;
}

/// What a run left in the document: its flags, message panel, solver wing count, results and
/// lattice. Kept by an undo step so that going back to a calculated state brings its results back,
/// and taken over from a run made on a copy of the document (live results).
struct RunRecord {
  RunFlags flags;
  MessagePanel panel;
  int solverWingsCount = kWingCount;
  AircraftResults results;
  std::shared_ptr<const CalculationOutput> output;
};

/// The document's run as it stands.
RunRecord runRecord(const Document& doc);

/// Puts `record` back as the document's run (keep_results stays as it is); the form is not
/// touched: the caller makes sure the record belongs to it.
void restoreRun(Document& doc, const RunRecord& record);

/// Sets keep_results for its lifetime, so that the recomputations now running keep the results
/// (and the lattice) on show; clears it at the end.
class KeepResults {
 public:
  explicit KeepResults(Document& doc) : doc_(doc) { doc_.run.flags.keep_results = true; }
  ~KeepResults() { doc_.run.flags.keep_results = false; }
  KeepResults(const KeepResults&) = delete;
  KeepResults& operator=(const KeepResults&) = delete;

 private:
  Document& doc_;
};

/// A wing's recomputation (Calc_W1 … Calc_W5): unless keep_results, results_valid is cleared;
/// the wing is read and its figures and section-table column are stored.
void recomputeWing(Document& doc, int w);

/// The geometry refresh `Calc`: clears results and lattice unless keep_results, recomputes the
/// five wings, reads the positions and resets the message panel to its heading line.
void Calc(Document& doc);

/// The recomputations of a window resize under KeepResults: the five wings, and `Calc` when
/// results_valid is clear.
void resizeRecomputations(Document& doc);

/// What a field change ran, so the window knows what to refresh.
enum class FieldHandler { WingRecomputation, GapChange, Calc };

/// Writes a field's text and runs its change handler as the window does on an edit.
FieldHandler setFieldText(Document& doc, FieldKey key, const std::string& text);

/// Checks wing w's button for t trapezia (1-4) and recomputes the wing.
void chooseTrapezia(Document& doc, int w, int t);

/// Replaces the whole form (a wing exchange), then `Calc`: the results and the lattice go with
/// the old form.
void replaceForm(Document& doc, Form form);

/// Checks the button for n wings (1-5): wing count and solver copy, then `Calc`.
void chooseWingsCount(Document& doc, int n);

}  // namespace volantis4
