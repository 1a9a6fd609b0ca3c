// The whole Calculate command, headless: the default aircraft and an aircraft near the panel capacity.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <string>

#include "analysis/fuselage.h"
#include "analysis/stability_report.h"
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
BENCHMARK_CAPTURE(runOn, drag, volantis4::bench::dragAircraftDocument)
    ->Name("BM_Run/2604")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(runOn, large, volantis4::bench::largeAircraftDocument)
    ->Name("BM_Run/2972")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

namespace {

// The whole stability report on the default aircraft: the standard run, the finer lattice, each
// wing alone and the ten change runs.
void reportOn(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    volantis4::Document doc;
    state.ResumeTiming();
    if (!volantis4::Button4Click(doc)) state.SkipWithError("the run failed");
    const volantis4::ExtraRuns extras = volantis4::runExtraRuns(*volantis4::reportBasis(doc));
    benchmark::DoNotOptimize(extras.fine.xnp);
  }
}

}  // namespace

BENCHMARK(reportOn)->Name("BM_Report/1144")->Unit(benchmark::kMillisecond)->UseRealTime();

namespace {

// The fuselage pass after a run: the default aircraft's first three wings (926 panels, wing 4, which
// covers the whole fuselage, left out) with a 20-station fuselage of 1.5 m, mostly in the open flow.
void fuselageOn(benchmark::State& state) {
  volantis4::Document doc;
  volantis4::chooseWingsCount(doc, 3);
  if (!volantis4::Button4Click(doc)) state.SkipWithError("the run failed");
  volantis4::FuselageInput body;
  for (int i = 0; i < 20; ++i) {
    const double t = i / 19.0;
    body.stations.push_back({static_cast<std::int32_t>(-400 + 1500 * t),
                             static_cast<std::int32_t>(140 * std::sqrt(std::sin(3.14159 * t)) + 10)});
  }
  const volantis4::CalculationOutput& out = *doc.output;
  std::size_t samples = 0;
  for (auto _ : state) {
    const volantis4::FuselageFigures f =
        volantis4::fuselageFigures(body, {out.lattice, out.gamma, doc.geometry, 3, out.vortex});
    samples = f.samples.size();
    benchmark::DoNotOptimize(f.cmAlpha);
  }
  state.counters["panels"] = out.counts.n_panels;
  state.counters["samples"] = static_cast<double>(samples);
}

}  // namespace

BENCHMARK(fuselageOn)->Name("BM_Fuselage/926")->Unit(benchmark::kMillisecond)->UseRealTime();
