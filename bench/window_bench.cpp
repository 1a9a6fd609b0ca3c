// The real window, offscreen, with live results on: a keystroke in one of wing 1's fields until
// its results and the redrawn top view are shown, and a corner drag on wing 1's planform.

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

#include "../tests/support/qt_app.h"
#include "ui/main_window.h"

namespace {

using namespace volantis4;

// The event-loop passes a live run may take before it counts as lost: it is queued for the first
// idle pass after the change.
constexpr int kMaxPasses = 100;

// A window as the program builds it, in a working folder of its own (the defaults and clipboard
// files live there) and with fresh user settings, live results on and wing 1's page in front.
class LiveWindow {
 public:
  LiveWindow() : previous_(QDir::currentPath()) {
    testing_support::qtApp();
    QDir::setCurrent(folder_.path());
    QSettings(QStringLiteral("volantis4"), QStringLiteral("volantis4")).clear();
    window_ = std::make_unique<MainWindow>();
    window_->show();
    find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    find<QAction>("LiveResults1")->trigger();
    ready_ = settle();
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
  /// The first live run, of the default aircraft, has completed.
  bool ready() const { return ready_; }
  bool resultsValid() const { return window_->document().run.flags.results_valid; }
  double neutralPoint() const { return window_->document().results.xnp; }

  /// Runs the event loop until the live run has shown its results, then once more for the
  /// repaints it asked for; false when no run came.
  bool settle() const {
    for (int pass = 0; pass < kMaxPasses; ++pass) {
      QCoreApplication::processEvents();
      if (resultsValid()) {
        QCoreApplication::processEvents();
        return true;
      }
    }
    return false;
  }

 private:
  QTemporaryDir folder_;
  QString previous_;
  std::unique_ptr<MainWindow> window_;
  bool ready_ = false;
};

// A change of wing 1's root chord by one keystroke (its last digit, to 5 or 0 and back), then
// the event loop until the live run has shown its results and the top view is painted. The top
// view sits on the hidden Aircraft page: it is grabbed, so that its painting is measured too.
void BM_LiveFieldEdit(benchmark::State& state) {
  LiveWindow window;
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
    chord->setSelection(static_cast<int>(chord->text().size()) - 1, 1);
    QTest::keyClick(chord, changed ? other : original);
    if (window.resultsValid()) {
      state.SkipWithError("the keystroke left the results valid");
      break;
    }
    if (!window.settle()) {
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

// A drag of wing 1's tip trailing edge, 50 moves of one pixel down, with the event loop run once
// after each move as between the pointer's events; the drag is undone between iterations.
void BM_LiveDrag(benchmark::State& state) {
  constexpr int kMoves = 50;
  LiveWindow window;
  QWidget* image = window.find<QWidget>("Image1");
  QLineEdit* tipChord = window.find<QLineEdit>("Edit14x");
  QAction* undo = window.find<QAction>("Undo1");
  if (!window.ready() || !image || !tipChord || !undo) {
    state.SkipWithError("the window did not come up with live results");
    return;
  }
  const QPoint tip = tipTrailingEdge(image);
  long runs = 0;
  double seconds = 0;
  bool neutralPointMoved = false;
  for (auto _ : state) {
    const double before = window.neutralPoint();
    const QString chordBefore = tipChord->text();
    const auto start = std::chrono::steady_clock::now();
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, tip);
    for (int i = 1; i <= kMoves; ++i) {
      QTest::mouseMove(image, tip + QPoint(0, i));
      const bool asked = !window.resultsValid();
      QCoreApplication::processEvents();
      if (asked && window.resultsValid()) {
        ++runs;
        neutralPointMoved = neutralPointMoved || window.neutralPoint() != before;
      }
    }
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, tip + QPoint(0, kMoves));
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    state.PauseTiming();
    const bool grabbed = tipChord->text() != chordBefore;
    window.settle();
    undo->trigger();
    const bool restored = window.settle() && tipChord->text() == chordBefore;
    state.ResumeTiming();
    if (!grabbed || !restored) {
      state.SkipWithError(grabbed ? "undo did not restore the tip chord" : "the press grabbed no corner");
      return;
    }
  }
  if (runs == 0) {
    state.SkipWithError("no live run completed during the drag");
    return;
  }
  if (!neutralPointMoved) {
    state.SkipWithError("the neutral point did not change during the drag");
    return;
  }
  state.counters["results_per_s"] = benchmark::Counter(static_cast<double>(runs) / seconds);
  state.counters["runs_per_drag"] = benchmark::Counter(static_cast<double>(runs), benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(BM_LiveFieldEdit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LiveDrag)->Unit(benchmark::kMillisecond)->UseRealTime();

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
