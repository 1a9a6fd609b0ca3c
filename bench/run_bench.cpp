// The whole Calculate command, headless: the default aircraft and an aircraft near the panel capacity.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "bench_aircraft.h"
#include "solver/calculation_output.h"
#include "solver/calculation_run.h"

namespace {

using namespace volantis4;

// The default aircraft (1144 panels).
Document defaultAircraft() { return Document{}; }

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
BENCHMARK_CAPTURE(runOn, large, volantis4::bench::largeAircraftDocument)
    ->Name("BM_Run/2972")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
