// Redraw times of the Aircraft page's pictures for an aircraft near the panel capacity: the
// 3-D view with pressure needles and mesh, and the top view with its lattice in pressure colours.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "bench_aircraft.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"
#include "views/qimage_canvas.h"
#include "views/three_d_view.h"
#include "views/top_view.h"

namespace {

using namespace volantis4;

void ensureApplication() {
  static std::unique_ptr<QGuiApplication> app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "views_bench";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

// The default aircraft with wings 4 and 5 made large rectangles below the others: 2972 panels.
const Document& largeAircraft() {
  static const Document doc = [] {
    Document d = bench::largeAircraftDocument();
    Button4Click(d);
    return d;
  }();
  return doc;
}

const PressureDisplay kPressure{true, 8};

void BM_ThreeDView(benchmark::State& state) {
  ensureApplication();
  const Document& doc = largeAircraft();
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  QImageCanvas image3(width, height);
  QImageCanvas image2(591, 300);
  const SystemColours colours;
  TopViewState view;
  const TopViewInput top = topViewInput(doc, colours, kPressure);
  d_1d(image2, view, top, true);
  ThreeDState three;
  const ThreeDInput input{&doc.geometry,
                          doc.form.wingsCount,
                          colours,
                          doc.run.flags.results_valid,
                          doc.run.flags.grid_valid,
                          doc.output.get(),
                          kPressure};
  for (auto _ : state) {
    d_3d(image3, image2, three, view, input);
    three.turn = (three.turn + 1) % 361;
  }
  state.counters["panels"] = doc.output ? doc.output->counts.n_panels : 0;
}

void BM_TopView(benchmark::State& state) {
  ensureApplication();
  const Document& doc = largeAircraft();
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  QImageCanvas image2(width, height);
  const SystemColours colours;
  TopViewState view;
  const TopViewInput input = topViewInput(doc, colours, kPressure);
  for (auto _ : state) {
    clearView(image2, colours);
    d_1d(image2, view, input, true);
    drawResultOverlay(image2, view, input, true, false);
  }
  state.counters["panels"] = doc.output ? doc.output->counts.n_panels : 0;
}

}  // namespace

// Design sizes, and the sizes after a resize to 1200 x 900.
BENCHMARK(BM_ThreeDView)->Args({593, 200})->Args({961, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TopView)->Args({591, 300})->Args({961, 493})->Unit(benchmark::kMillisecond);
