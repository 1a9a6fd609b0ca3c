// Influence matrix and equation solve at the sizes of real runs, against LAPACK's dgesv.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <vector>

#include "model/aircraft_geometry.h"
#include "solver/einfluss.h"
#include "solver/grid.h"
#include "solver/lattice.h"
#include "solver/loes.h"
#include "solver/simq902.h"
#include "solver/trawy2.h"

extern "C" void dgesv_(const int* n, const int* nrhs, double* a, const int* lda, int* ipiv, double* b, const int* ldb,
                       int* info);

namespace {

using namespace volantis4;

constexpr double kPanel = 50.0;  // mm, square panels

// A flat rectangular half wing of strips × rows square panels, points placed as the lattice
// builder places them (bound vortex at the panel's quarter chord, control point at three quarters).
Lattice flatWing(int strips, int rows) {
  Lattice lattice;
  lattice.wingsInUse = 1;
  lattice.n_panels = strips * rows;
  WingLattice& wing = lattice.wing(1);
  wing.n_chord = rows;
  const double chord = kPanel * rows;
  for (int s = 0; s < strips; ++s) {
    Strip strip;
    strip.inner.y = kPanel * s;
    strip.outer.y = kPanel * (s + 1);
    for (StripEdge* e : {&strip.inner, &strip.outer}) {
      for (int k = 1; k <= rows + 1; ++k) e->cornerX.push_back(chord * (k - 1) / rows);
      for (int k = 1; k <= rows; ++k) e->boundX.push_back(chord * (k - 0.75) / rows);
    }
    strip.controlY = (strip.inner.y + strip.outer.y) * 0.5;
    strip.centreX.push_back(0.0);
    for (int k = 1; k <= rows; ++k) strip.centreX.push_back(chord * (k - 0.25) / rows);
    strip.centreX.push_back(chord);
    strip.chord = chord;
    wing.strips.push_back(strip);
  }
  return lattice;
}

// The default aircraft's lattice (five wings, 1144 panels) for 1144; otherwise a flat wing of
// 100 strips (3000 panels: 30 rows).
Lattice latticeOf(int n) {
  if (n != 1144) return flatWing(100, n / 100);
  const AircraftGeometry geometry = geometryOf(defaultForm());
  const GridResult grid = GRID(geometry, kWingCount);
  return TRAWY2(geometry, grid.counts, kWingCount).lattice;
}

// The scaled working matrix of size n, built once.
const std::vector<double>& workingMatrix(int n) {
  static std::map<int, std::vector<double>> cache;
  auto it = cache.find(n);
  if (it == cache.end()) {
    std::vector<double> m = EINFLUSS(latticeOf(n)).matrix.values;
    for (double& v : m) v *= 0.0795775;
    it = cache.emplace(n, std::move(m)).first;
  }
  return it->second;
}

// False (and the benchmark skipped) when the lattice behind a size has another panel count.
bool sizeMatches(benchmark::State& state, const std::vector<double>& matrix, int n) {
  if (matrix.size() == static_cast<std::size_t>(n) * static_cast<std::size_t>(n)) return true;
  state.SkipWithError("the lattice has another panel count");
  return false;
}

void BM_SIMQ902(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double>& source = workingMatrix(n);
  if (!sizeMatches(state, source, n)) return;
  std::vector<double> a(source.size());
  std::vector<double> b(static_cast<std::size_t>(n));
  for (auto _ : state) {
    state.PauseTiming();
    std::copy(source.begin(), source.end(), a.begin());
    std::fill(b.begin(), b.end(), -1.0);
    state.ResumeTiming();
    const bool solved = SIMQ902(a, b, n, [](int remaining) { benchmark::DoNotOptimize(remaining); });
    benchmark::DoNotOptimize(solved);
  }
}

void BM_dgesv(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto size = static_cast<std::size_t>(n);
  const std::vector<double>& source = workingMatrix(n);
  if (!sizeMatches(state, source, n)) return;
  std::vector<double> byColumns(source.size());
  for (std::size_t r = 0; r < size; ++r)
    for (std::size_t c = 0; c < size; ++c) byColumns[c * size + r] = source[r * size + c];
  std::vector<double> a(source.size());
  std::vector<double> b(size);
  std::vector<int> pivots(size);
  const int one = 1;
  for (auto _ : state) {
    state.PauseTiming();
    std::copy(byColumns.begin(), byColumns.end(), a.begin());
    std::fill(b.begin(), b.end(), -1.0);
    state.ResumeTiming();
    int info = 0;
    dgesv_(&n, &one, a.data(), &n, pivots.data(), b.data(), &n, &info);
    benchmark::DoNotOptimize(info);
  }
}

void BM_EINFLUSS(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Lattice lattice = latticeOf(n);
  std::vector<double> buffer = EINFLUSS(lattice).matrix.values;  // allocated once, as in a session
  if (!sizeMatches(state, buffer, n)) return;
  for (auto _ : state) {
    EinflussResult r = EINFLUSS(lattice, std::move(buffer));
    buffer = std::move(r.matrix.values);
    benchmark::DoNotOptimize(buffer.data());
  }
}

// The equation stages of a run on one buffer; reports the process's peak resident set.
void BM_LOES(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Lattice lattice = latticeOf(n);
  std::vector<double> buffer = EINFLUSS(lattice).matrix.values;
  if (!sizeMatches(state, buffer, n)) return;
  for (auto _ : state) {
    EinflussResult r = EINFLUSS(lattice, std::move(buffer));
    LoesResult solved = LOES(std::move(r.matrix));
    buffer = std::move(solved.workspace);
    benchmark::DoNotOptimize(solved.gamma.data());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

BENCHMARK(BM_SIMQ902)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_dgesv)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EINFLUSS)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LOES)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
