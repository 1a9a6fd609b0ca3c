#pragma once
// The Calculate command, headless: geometry, lattice, equations, results, stability.

#include <atomic>

#include "model/document.h"
#include "model/form.h"
#include "solver/lattice_run.h"

namespace volantis4 {

/// Receives the run's progress; the window repaints, the CLI ignores it.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  /// A stage has finished.
  virtual void afterStage(RunStage) {}
  /// The elimination's countdown: columns still to go.
  virtual void countdown(int /*remaining*/) {}
  /// The run wrote a field's text (a moved wing's height); the field's change has already been handled.
  virtual void fieldWritten(FieldKey) {}
};

/// Runs `Button4Click` on the document: on success results_valid and grid_valid are set and
/// doc.output/doc.results hold the results; on failure calc_failed is set and the panel says why.
/// Returns true for a complete run. `cancel`, when given, stops the run inside its long stages as
/// soon as it is set; the document is then left as a failed run leaves it.
bool Button4Click(Document& doc, RunObserver* observer = nullptr, const std::atomic<bool>* cancel = nullptr);

}  // namespace volantis4
