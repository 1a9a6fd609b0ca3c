#pragma once
// The stability report of a completed run: where the centre of gravity goes on the model, how sure
// the neutral point is, what each surface does and what moving a wing changes.

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/balance.h"
#include "analysis/fuselage.h"
#include "model/aircraft_geometry.h"
#include "model/document.h"
#include "model/messages.h"
#include "solver/lattice.h"
#include "solver/stabil.h"

namespace volantis4 {

struct CalculationOutput;

/// What the extra runs start from: the geometry as the standard run left it (moved heights
/// included), the wings in use and that run's lattice and results.
struct ReportBasis {
  AircraftGeometry geometry;
  int wingsInUse = 0;
  std::shared_ptr<const CalculationOutput> output;
};

/// The basis of a document whose last run is complete; nullopt without valid results and lattice.
std::optional<ReportBasis> reportBasis(const Document& doc);

/// The whole run on the finer lattice (kFinerLattice) with the standard run's heights.
struct FinerLattice {
  bool available = false;
  int n_panels = 0;
  double xnp = 0;                 // mm, aircraft x
  std::vector<Message> messages;  // why it could not be built (the stages' lines)
};

/// The runs beyond the standard one.
struct ExtraRuns {
  FinerLattice fine;
  std::array<std::optional<double>, kWingCount> liftSlopeAlone{};  // per radian; wing solved alone
  std::array<std::optional<double>, kWingCount> xnpPer10mm{};      // mm the neutral point moves per 10 mm aft
  bool cancelled = false;                                          // stopped before all runs ended
  bool pending = false;  // not run yet: the report of the completed run alone, while the runs go on
};

/// Progress steps done so far and all steps: each run counts kStepsPerRun, taken as its
/// elimination goes on (so that the long run on the finer lattice advances too).
using ReportProgress = std::function<void(int done, int total)>;
inline constexpr int kStepsPerRun = 20;

/// Number of extra runs for a basis: the finer lattice, each wing alone, each wing moved 10 mm
/// forward and 10 mm aft.
int extraRunCount(const ReportBasis& basis);
/// Progress steps of all extra runs of a basis.
inline int extraRunSteps(const ReportBasis& basis) { return kStepsPerRun * extraRunCount(basis); }

/// The extra runs, each through the ordinary stages. The wing moves keep the standard run's
/// heights. `cancel`, when given, is read between runs and inside their stages; a cancelled call
/// leaves the figures of the runs not done empty.
ExtraRuns runExtraRuns(const ReportBasis& basis, const std::atomic<bool>* cancel = nullptr,
                       const ReportProgress& progress = {});

/// The chord-weighted mean leading-edge x of a wing's lattice, gap filled with the root chord at the
/// root leading edge: ∫c·x_le dy / ∫c dy with c and x_le linear across each strip (mm, aircraft x).
double chordWeightedLeadingEdge(const WingLattice& wing);

/// One of the three proposed centres of gravity.
struct CgPosition {
  CgTarget name = CgTarget::Manual;
  double margin = 0;      // percent of lmue
  double x = 0;           // mm, aircraft x
  double fromRootLe = 0;  // x − R, mm
  double percentMac = 0;  // 100·(x − x_le_ref)/lmue
};

/// The figures of one surface in use.
struct SurfaceFigures {
  int wing = 0;
  double liftShare = 0;                  // L_w / ΣL, L_w = lift slope × lattice area
  double liftSlope = 0;                  // per radian, in the aircraft
  std::optional<double> liftSlopeAlone;  // per radian, alone on the same lattice
  std::optional<double> effectiveness;   // liftSlope / liftSlopeAlone
  std::optional<double> volume;          // S_w·(ac_x_w − ac_x_ref)/(sb·lmue); none for the reference wing
  std::optional<double> xnpPer10mm;      // mm
};

/// The finer-lattice figures as the report gives them.
struct AccuracyFigures {
  bool available = false;
  int n_panels = 0;
  double xnp = 0;             // mm
  double xnpConverged = 0;    // 2·xnp_fine − xnp, mm
  double bandMm = 0;          // |xnp_fine − xnp|
  double bandPercentMac = 0;  // 100·band/lmue
  std::vector<Message> messages;
};

/// The fuselage's part of the report.
struct FuselageReport {
  FuselageInput input;
  FuselageFigures figures;
  std::array<CgPosition, 3> cg{};  // low, high, manual: the margins on the neutral point with the fuselage
};

/// Everything the report shows.
struct StabilityReport {
  double xnp = 0;
  double lmue = 0;
  double sb = 0;
  int refWing = 0;
  double refRootLeX = 0;  // R: the reference wing's wing_x, mm
  double xLeRef = 0;      // leading edge of the reference chord, mm, aircraft x
  double npPercentMac = 0;
  double npFromRootLe = 0;
  std::array<CgPosition, 3> cg{};  // low, high, manual
  AccuracyFigures fine;
  std::vector<SurfaceFigures> wings;
  std::optional<BalanceFigures> balance;   // against the centres of gravity with the fuselage when there is one
  std::optional<FuselageReport> fuselage;  // when a fuselage is entered and a run's lattice gives its flow
  bool fuselageEntered = false;            // a fuselage is entered (its figures may still need a run)
  bool extrasPending = false;              // the extra runs' figures are still being computed
  int panels = 0;                          // of the standard lattice the neutral point comes from
  bool fromFile = false;                   // results stored with an aircraft file: no lattice, no surfaces

  /// Percent MAC of an aircraft x: 100·(x − x_le_ref)/lmue.
  double percentMac(double x) const { return 100 * (x - xLeRef) / lmue; }
};

/// The report of a completed run, with the extra runs' figures and, when given, the balance inputs
/// and the fuselage (one that passes checkFuselage).
StabilityReport makeReport(const ReportBasis& basis, const StabilityProposal& proposal, const ExtraRuns& extras,
                           const BalanceInputs* balance = nullptr, const FuselageInput* fuselage = nullptr);

/// The whole report over `basis`, extra runs included, for the margin, results, balance inputs and
/// fuselage `doc` holds.
StabilityReport fullReport(const ReportBasis& basis, const Document& doc);

}  // namespace volantis4
