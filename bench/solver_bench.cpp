// Influence matrix and equation solve at the sizes of real runs, against LAPACK's dgesv and its
// mixed-precision driver dsgesv.

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
extern "C" void dsgesv_(const int* n, const int* nrhs, double* a, const int* lda, int* ipiv, const double* b,
                        const int* ldb, double* x, const int* ldx, double* work, float* swork, int* iter, int* info);

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

// The matrices of size n as EINFLUSS leaves them, and the working matrix LOES scales them to, built once.
struct Matrices {
  std::vector<double> influence;  // by rows
  std::vector<float> single;      // the same rounded to single precision
  std::vector<double> scaled;     // 0.0795775 × influence, by rows
};

const Matrices& matricesOf(int n) {
  static std::map<int, Matrices> cache;
  auto it = cache.find(n);
  if (it == cache.end()) {
    SolveWorkspace workspace;
    const InfluenceMatrix m = EINFLUSS(latticeOf(n), workspace).matrix;
    Matrices built{{m.values.begin(), m.values.end()}, {m.single.begin(), m.single.end()}, {}};
    built.scaled = built.influence;
    for (double& v : built.scaled) v *= 0.0795775;
    it = cache.emplace(n, std::move(built)).first;
  }
  return it->second;
}

// The working matrix by columns, as LAPACK takes it.
std::vector<double> byColumns(const std::vector<double>& byRows, std::size_t n) {
  std::vector<double> out(byRows.size());
  for (std::size_t r = 0; r < n; ++r)
    for (std::size_t c = 0; c < n; ++c) out[c * n + r] = byRows[r * n + c];
  return out;
}

// False (and the benchmark skipped) when the lattice behind a size has another panel count.
bool sizeMatches(benchmark::State& state, std::size_t entries, int n) {
  if (entries == static_cast<std::size_t>(n) * static_cast<std::size_t>(n)) return true;
  state.SkipWithError("the lattice has another panel count");
  return false;
}

void BM_SIMQ902(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double>& source = matricesOf(n).scaled;
  if (!sizeMatches(state, source.size(), n)) return;
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
  const std::vector<double>& source = matricesOf(n).scaled;
  if (!sizeMatches(state, source.size(), n)) return;
  const std::vector<double> columns = byColumns(source, size);
  std::vector<double> a(source.size());
  std::vector<double> b(size);
  std::vector<int> pivots(size);
  const int one = 1;
  for (auto _ : state) {
    state.PauseTiming();
    std::copy(columns.begin(), columns.end(), a.begin());
    std::fill(b.begin(), b.end(), -1.0);
    state.ResumeTiming();
    int info = 0;
    dgesv_(&n, &one, a.data(), &n, pivots.data(), b.data(), &n, &info);
    benchmark::DoNotOptimize(info);
  }
}

// LAPACK's mixed-precision driver on the same system, for comparison with LOES (which needs its own
// elimination for the countdown).
void BM_dsgesv(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto size = static_cast<std::size_t>(n);
  const std::vector<double>& source = matricesOf(n).scaled;
  if (!sizeMatches(state, source.size(), n)) return;
  const std::vector<double> columns = byColumns(source, size);
  std::vector<double> a(source.size());
  const std::vector<double> b(size, -1.0);
  std::vector<double> x(size);
  std::vector<double> work(size);
  std::vector<float> singleWork(size * (size + 1));
  std::vector<int> pivots(size);
  const int one = 1;
  int refinements = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::copy(columns.begin(), columns.end(), a.begin());
    state.ResumeTiming();
    int info = 0;
    dsgesv_(&n, &one, a.data(), &n, pivots.data(), b.data(), &n, x.data(), &n, work.data(), singleWork.data(),
            &refinements, &info);
    benchmark::DoNotOptimize(info);
  }
  state.counters["refinements"] = refinements;
}

// LOES on the matrices EINFLUSS leaves in the workspace (double and single precision): the
// single-precision elimination with its countdown and the refinement.
void BM_LOES_mixed(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto size = static_cast<std::size_t>(n);
  const Matrices& source = matricesOf(n);
  if (!sizeMatches(state, source.influence.size(), n)) return;
  SolveWorkspace workspace;
  workspace.reserve(size);
  const InfluenceMatrix matrix{n, workspace.matrix(size), workspace.single(size)};
  int corrections = 0;
  bool refined = true;
  for (auto _ : state) {
    state.PauseTiming();
    std::ranges::copy(source.influence, matrix.values.begin());
    std::ranges::copy(source.single, matrix.single.begin());
    state.ResumeTiming();
    const LoesResult r = LOES(matrix, [](int remaining) { benchmark::DoNotOptimize(remaining); });
    corrections = r.corrections;
    refined = refined && r.refined;
    benchmark::DoNotOptimize(r.gamma.data());
  }
  if (!refined) state.SkipWithError("the refinement fell back to the double-precision elimination");
  state.counters["corrections"] = corrections;
}

void BM_EINFLUSS(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Lattice lattice = latticeOf(n);
  SolveWorkspace workspace;  // allocated once, as in a session
  if (!sizeMatches(state, EINFLUSS(lattice, workspace).matrix.values.size(), n)) return;
  for (auto _ : state) {
    const EinflussResult r = EINFLUSS(lattice, workspace);
    benchmark::DoNotOptimize(r.matrix.values.data());
  }
}

// The equation stages of a run on one workspace; reports the process's peak resident set.
void BM_LOES(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Lattice lattice = latticeOf(n);
  SolveWorkspace workspace;
  if (!sizeMatches(state, EINFLUSS(lattice, workspace).matrix.values.size(), n)) return;
  for (auto _ : state) {
    const EinflussResult r = EINFLUSS(lattice, workspace);
    const LoesResult solved = LOES(r.matrix);
    benchmark::DoNotOptimize(solved.gamma.data());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

BENCHMARK(BM_SIMQ902)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_dgesv)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_dsgesv)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LOES_mixed)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EINFLUSS)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LOES)->Arg(1144)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
