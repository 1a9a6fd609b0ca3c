// The whole Calculate command, headless: the default aircraft and an aircraft near the panel capacity.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "solver/calculation_output.h"
#include "solver/calculation_run.h"

namespace {

using namespace volantis4;

// The default aircraft (1144 panels).
Document defaultAircraft() { return Document{}; }

// The default aircraft with wings 4 and 5 made large rectangles below the others: 2972 panels.
Document largeAircraft() {
  Document doc;
  for (int w : {4, 5}) {
    WingFields& f = doc.form.wing(w);
    f.checkedTrapezia = 1;
    f.gap = "0";
    f.widths[0] = "1000";
    f.offsets[0] = "0";
    f.chords[0] = f.chords[1] = "940";
  }
  doc.form.wing(4).positionZ = "-1000";
  doc.form.wing(5).positionZ = "-2000";
  Calc(doc, Sender::Other);
  return doc;
}

void runOn(benchmark::State& state, Document (*make)()) {
  int panels = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Document doc = make();
    state.ResumeTiming();
    if (!Button4Click(doc)) state.SkipWithError("the run failed");
    panels = doc.output ? doc.output->counts.n_panels : 0;
    benchmark::DoNotOptimize(doc.results.xnp);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["panels"] = panels;
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace

BENCHMARK_CAPTURE(runOn, default, defaultAircraft)->Name("BM_Run/1144")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(runOn, large, largeAircraft)->Name("BM_Run/2972")->Unit(benchmark::kMillisecond)->UseRealTime();
