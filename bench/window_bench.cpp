// The real window, offscreen, with live results on: a keystroke in one of wing 1's fields until
// its results and the redrawn top view are shown, and corner drags on wing 1's planform, on the
// default aircraft and on a five-wing aircraft of 2604 panels. The drags also measure the longest
// time the window's thread is held at once (a mouse event handled, or one pass of the event loop):
// live runs go on beside it.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

#include "../tests/support/qt_app.h"
#include "bench_aircraft.h"
#include "files/document_io.h"
#include "solver/calculation_output.h"
#include "ui/live_results.h"
#include "ui/main_window.h"

namespace {

using namespace volantis4;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The aircraft of a benchmark argument: 0 the default one, 1 the five-wing one of 2604 panels.
constexpr int kDefaultAircraft = 0;

// A window as the program builds it, in a working folder of its own (the defaults and clipboard
// files live there) and with fresh user settings, live results on and wing 1's page in front.
class LiveWindow {
 public:
  explicit LiveWindow(int aircraft) : previous_(QDir::currentPath()) {
    testing_support::qtApp();
    QDir::setCurrent(folder_.path());
    QSettings(QStringLiteral("volantis4"), QStringLiteral("volantis4")).clear();
    QStringList arguments;
    if (aircraft != kDefaultAircraft) {
      Document doc = bench::dragAircraftDocument();
      doc.fileName = folder_.filePath(QStringLiteral("drag.vn4")).toStdString();
      if (std::holds_alternative<SavedDocument>(saveDocument(doc))) arguments << QString::fromStdString(doc.fileName);
    }
    window_ = std::make_unique<MainWindow>(arguments);
    window_->show();
    live_ = window_->findChild<LiveResults*>();
    if (live_) QObject::connect(live_, &LiveResults::finished, [this] { ++shown_; });
    find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    find<QAction>("LiveResults1")->trigger();
    ready_ = live_ && settle(0) && (aircraft == kDefaultAircraft || !arguments.isEmpty());
  }
  ~LiveWindow() {
    window_.reset();
    QDir::setCurrent(previous_);
  }
  LiveWindow(const LiveWindow&) = delete;
  LiveWindow& operator=(const LiveWindow&) = delete;

  template <typename T>
  T* find(const char* name) const {
    return window_->findChild<T*>(QString::fromLatin1(name));
  }
  /// The first live run has completed.
  bool ready() const { return ready_; }
  bool resultsValid() const { return window_->document().run.flags.results_valid; }
  double neutralPoint() const { return window_->document().results.xnp; }
  int panels() const { return window_->document().output ? window_->document().output->counts.n_panels : 0; }
  /// Live results shown so far.
  int shown() const { return shown_; }
  /// The longest single pass of the event loop (or handled input, through `held`) so far, ms.
  double longestHeld() const { return longestHeld_; }
  void resetHeld() { longestHeld_ = 0; }

  /// One pass of the event loop, timed.
  void pass() {
    held([] { QCoreApplication::processEvents(); });
  }
  /// Runs `work` on the window's thread, timed as one interval it is held.
  template <typename Work>
  void held(Work work) {
    const auto start = Clock::now();
    work();
    longestHeld_ = std::max(longestHeld_, millisecondsSince(start));
  }
  /// Runs the event loop until more than `before` live results have been shown (a minute at
  /// most), then once more for the repaints they asked for; false when none came.
  bool settle(int before) {
    return settleUntil([this, before] { return shown_ > before; });
  }
  /// The same until the results on show are those of the aircraft as it stands.
  bool settleValid() {
    return settleUntil([this] { return resultsValid(); });
  }

 private:
  template <typename Done>
  bool settleUntil(Done done) {
    const auto start = Clock::now();
    while (!done()) {
      if (millisecondsSince(start) > 60000) return false;
      pass();
      std::this_thread::sleep_for(std::chrono::microseconds(200));  // the worker's turn
    }
    pass();
    return true;
  }

  QTemporaryDir folder_;
  QString previous_;
  std::unique_ptr<MainWindow> window_;
  LiveResults* live_ = nullptr;
  int shown_ = 0;
  double longestHeld_ = 0;
  bool ready_ = false;
};

// A change of wing 1's root chord by one keystroke (its last digit, to 5 or 0 and back), then
// the event loop until the live run has shown its results and the top view is painted. The top
// view sits on the hidden Aircraft page: it is grabbed, so that its painting is measured too.
void BM_LiveFieldEdit(benchmark::State& state) {
  LiveWindow window(kDefaultAircraft);
  QLineEdit* chord = window.find<QLineEdit>("Edit4");
  QWidget* topView = window.find<QWidget>("Image2");
  if (!window.ready() || !chord || !topView || chord->text().isEmpty()) {
    state.SkipWithError("the window did not come up with live results");
    return;
  }
  const char original = chord->text().back().toLatin1();
  const char other = original == '5' ? '0' : '5';
  bool changed = false;
  for (auto _ : state) {
    changed = !changed;
    const int before = window.shown();
    chord->setSelection(static_cast<int>(chord->text().size()) - 1, 1);
    QTest::keyClick(chord, changed ? other : original);
    if (window.resultsValid()) {
      state.SkipWithError("the keystroke left the results valid");
      break;
    }
    if (!window.settle(before)) {
      state.SkipWithError("no live run followed the keystroke");
      break;
    }
    benchmark::DoNotOptimize(topView->grab());
  }
}

// Wing 1's tip trailing edge (half span 1100 mm, tip chord 120 mm behind an offset of 215 mm) on
// its planform image, as the planform view lays the default wing 1 out.
QPoint tipTrailingEdge(const QWidget* image) {
  const double k = std::min(image->width() / 2.03 / 1100, image->height() / 1.6 / 466);
  return {image->width() / 2 + static_cast<int>(std::lround(1100 * k)),
          image->height() / 3 + static_cast<int>(std::lround((215 + 120) * k))};
}

constexpr int kMoves = 50;

// Undoes the drag of one iteration, outside the timing, and checks it was one: what went wrong,
// or null.
const char* undoDrag(benchmark::State& state, LiveWindow& window, const QString& chordBefore) {
  state.PauseTiming();
  QLineEdit* tipChord = window.find<QLineEdit>("Edit14x");
  const bool grabbed = tipChord->text() != chordBefore;
  window.find<QAction>("Undo1")->trigger();
  const bool restored = window.settleValid() && tipChord->text() == chordBefore;
  state.ResumeTiming();
  if (!grabbed) return "the press grabbed no corner";
  return restored ? nullptr : "undo did not restore the tip chord";
}

// A drag of wing 1's tip trailing edge, 50 moves of one pixel down; after each move the event
// loop runs until that move's live results are shown, as a modeller moves the pointer a little
// and looks. The drag is undone between iterations. Counters: results shown per second, and the
// longest time the window's thread was held at once during the drags.
void BM_LiveDrag(benchmark::State& state) {
  LiveWindow window(static_cast<int>(state.range(0)));
  QWidget* image = window.find<QWidget>("Image1");
  QLineEdit* tipChord = window.find<QLineEdit>("Edit14x");
  if (!window.ready() || !image || !tipChord) {
    state.SkipWithError("the window did not come up with live results");
    return;
  }
  const QPoint tip = tipTrailingEdge(image);
  long results = 0;
  double seconds = 0;
  double longestHeld = 0;
  bool neutralPointMoved = false;
  for (auto _ : state) {
    const double before = window.neutralPoint();
    const QString chordBefore = tipChord->text();
    window.resetHeld();
    const auto start = Clock::now();
    window.held([&] { QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, tip); });
    for (int i = 1; i <= kMoves; ++i) {
      const int shown = window.shown();
      window.held([&] { QTest::mouseMove(image, tip + QPoint(0, i)); });
      if (!window.settle(shown)) {
        state.SkipWithError("a move was followed by no live results");
        return;
      }
      ++results;
      neutralPointMoved = neutralPointMoved || window.neutralPoint() != before;
    }
    window.held([&] { QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, tip + QPoint(0, kMoves)); });
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
    longestHeld = std::max(longestHeld, window.longestHeld());

    if (const char* failure = undoDrag(state, window, chordBefore)) {
      state.SkipWithError(failure);
      return;
    }
  }
  if (!neutralPointMoved) {
    state.SkipWithError("the neutral point did not change during the drag");
    return;
  }
  state.counters["panels"] = window.panels();
  state.counters["results_per_s"] = benchmark::Counter(static_cast<double>(results) / seconds);
  state.counters["max_held_ms"] = longestHeld;
}

// The same drag with the pointer moving on every 16 ms (a 60 Hz pointer), whatever the runs do:
// the newest move replaces the run waiting and stops the one going. Counters: the longest time the
// window's thread was held at once, live results shown during the drag, and the time from the
// release to the results of the last position.
void BM_LiveDragAt60Hz(benchmark::State& state) {
  LiveWindow window(static_cast<int>(state.range(0)));
  QWidget* image = window.find<QWidget>("Image1");
  QLineEdit* tipChord = window.find<QLineEdit>("Edit14x");
  if (!window.ready() || !image || !tipChord) {
    state.SkipWithError("the window did not come up with live results");
    return;
  }
  const QPoint tip = tipTrailingEdge(image);
  double longestHeld = 0;
  double lastResultMs = 0;
  long shownDuringDrags = 0;
  for (auto _ : state) {
    const QString chordBefore = tipChord->text();
    window.resetHeld();
    const int shownBefore = window.shown();
    window.held([&] { QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, tip); });
    for (int i = 1; i <= kMoves; ++i) {
      const auto moveAt = Clock::now();
      window.held([&] { QTest::mouseMove(image, tip + QPoint(0, i)); });
      while (millisecondsSince(moveAt) < 16) {
        window.pass();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
    }
    window.held([&] { QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, tip + QPoint(0, kMoves)); });
    shownDuringDrags += window.shown() - shownBefore;
    const auto released = Clock::now();
    if (!window.settleValid()) {
      state.SkipWithError("the last position got no live results");
      return;
    }
    lastResultMs += millisecondsSince(released);
    longestHeld = std::max(longestHeld, window.longestHeld());

    if (const char* failure = undoDrag(state, window, chordBefore)) {
      state.SkipWithError(failure);
      return;
    }
  }
  state.counters["panels"] = window.panels();
  state.counters["max_held_ms"] = longestHeld;
  state.counters["results_in_drag"] =
      benchmark::Counter(static_cast<double>(shownDuringDrags), benchmark::Counter::kAvgIterations);
  state.counters["last_result_ms"] = benchmark::Counter(lastResultMs, benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(BM_LiveFieldEdit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LiveDrag)->Arg(0)->Arg(1)->ArgName("aircraft")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LiveDragAt60Hz)->Arg(0)->Arg(1)->ArgName("aircraft")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  // The window needs no display: offscreen unless the caller chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  volantis4::testing_support::qtApp();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
