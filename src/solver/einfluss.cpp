#include "solver/einfluss.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <thread>
#include <vector>

#include "solver/indu.h"
#include "solver/stage_threads.h"

namespace volantis4 {
namespace detail {
namespace {

// Strips of one wing side by side whose common edges are the same numbers: the horseshoes'
// ends are their edges' points, each inner edge but the first one strip's outer edge.
struct Run {
  std::size_t first = 0;  // its first horseshoe, in panel order
  std::size_t count = 0;  // its horseshoes: strips × rows
  std::size_t ends = 0;   // its first end in FlatPanels' ends
  std::size_t rows = 0;   // a horseshoe's outer end follows its inner end by this many ends
};

// Panel geometry flattened in panel order, one array per coordinate, so the inner loop over the
// vortices reads contiguous memory; and the horseshoes' ends, edge by edge and row by row.
struct FlatPanels {
  std::vector<double> x1, y1, x2, y2, z;  // bound-vortex ends: inner (1) and outer (2); wing plane z
  std::vector<double> cx, cy;             // control point (its z is the panel's z)
  std::vector<double> ex, ey, ez;         // the ends
  std::vector<Run> runs;
};

// True when every strip of every wing in use holds the rows its wing's n_chord asks for.
bool wellFormed(const Lattice& lattice) {
  if (lattice.wingsInUse < 0 || lattice.wingsInUse > kWingCount) return false;
  for (int w = 1; w <= lattice.wingsInUse; ++w) {
    const WingLattice& wing = lattice.wing(w);
    if (wing.n_chord < 0) return false;
    const auto rows = static_cast<std::size_t>(wing.n_chord);
    for (const Strip& s : wing.strips) {
      if (s.inner.boundX.size() < rows || s.outer.boundX.size() < rows || s.centreX.size() < rows + 1) return false;
    }
  }
  return true;
}

std::size_t countPanels(const Lattice& lattice) {
  std::size_t n = 0;
  for (int w = 1; w <= lattice.wingsInUse; ++w) {
    n += lattice.wing(w).strips.size() * static_cast<std::size_t>(lattice.wing(w).n_chord);
  }
  return n;
}

// The same number, bit for bit.
bool same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool sameEdge(const StripEdge& a, const StripEdge& b, std::size_t rows) {
  return same(a.y, b.y) &&
         std::equal(a.boundX.begin(), a.boundX.begin() + static_cast<std::ptrdiff_t>(rows), b.boundX.begin(), same);
}

void addEnds(FlatPanels& p, const StripEdge& e, std::size_t rows, double z) {
  for (std::size_t k = 0; k < rows; ++k) {
    p.ex.push_back(e.boundX[k]);
    p.ey.push_back(e.y);
    p.ez.push_back(z);
  }
}

FlatPanels flatten(const Lattice& lattice, std::size_t n) {
  FlatPanels p;
  for (auto* v : {&p.x1, &p.y1, &p.x2, &p.y2, &p.z, &p.cx, &p.cy}) v->reserve(n);
  for (int w = 1; w <= lattice.wingsInUse; ++w) {
    const WingLattice& wing = lattice.wing(w);
    const auto rows = static_cast<std::size_t>(wing.n_chord);
    const Strip* previous = nullptr;
    for (const Strip& s : wing.strips) {
      if (previous == nullptr || !sameEdge(previous->outer, s.inner, rows)) {
        p.runs.push_back({p.x1.size(), 0, p.ex.size(), rows});
        addEnds(p, s.inner, rows, wing.z);
      }
      addEnds(p, s.outer, rows, wing.z);
      p.runs.back().count += rows;
      previous = &s;
      for (std::size_t k = 0; k < rows; ++k) {
        p.x1.push_back(s.inner.boundX[k]);
        p.y1.push_back(s.inner.y);
        p.x2.push_back(s.outer.boundX[k]);
        p.y2.push_back(s.outer.y);
        p.z.push_back(wing.z);
        p.cx.push_back(s.centreX[k + 1]);
        p.cy.push_back(s.controlY);
      }
    }
  }
  return p;
}

// Rows per look at the cancel flag.
constexpr std::size_t kRowBlock = 16;

// The field points of the rows: the control points for the matrix, other points for the flow there.
struct FieldPoints {
  const double* x;
  const double* y;
  const double* z;
};

// Scratch of one thread: the terms of every end for the control point at hand, seen from the right
// half (R) and from the mirror image (L).
struct EndTerms {
  double* lengthR;
  double* legR;
  double* lengthL;
  double* legL;
};

// Rows [j0, j1) of the matrix and of its single-precision copy. Each row first takes the terms of
// INDU that belong to one end of a horseshoe (induEnd: a square root and two divisions) once per
// end, an end shared by two neighbouring horseshoes once for both, and then the rest per horseshoe.
// The calls are inlined (flatten) so that the loops vectorise: four entries at a time with AVX2,
// two with the baseline's SSE2, each with the same IEEE operations as INDU one at a time (the
// division and the square root are correctly rounded in every width; AVX2 brings no FMA, and
// contraction is off for this file). The AVX2 clone is picked at load time where the processor
// has it; not under ThreadSanitizer, whose instrumented picker would run before the sanitizer is set
// up. `cancel`, when given, is read before each block of kRowBlock rows.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
__attribute__((target_clones("avx2", "default"), flatten))
#endif
void fillRows(const FlatPanels& p, FieldPoints f, std::size_t n, std::size_t j0, std::size_t j1, double* out,
              float* single, EndTerms t, const std::atomic<bool>* cancel) {
  const double* __restrict x1 = p.x1.data();
  const double* __restrict y1 = p.y1.data();
  const double* __restrict x2 = p.x2.data();
  const double* __restrict y2 = p.y2.data();
  const double* __restrict z = p.z.data();
  const double* __restrict ex = p.ex.data();
  const double* __restrict ey = p.ey.data();
  const double* __restrict ez = p.ez.data();
  double* __restrict lengthR = t.lengthR;
  double* __restrict legR = t.legR;
  double* __restrict lengthL = t.lengthL;
  double* __restrict legL = t.legL;
  const std::size_t ends = p.ex.size();
  for (std::size_t j = j0; j < j1; ++j) {
    if ((j - j0) % kRowBlock == 0 && cancel != nullptr && cancel->load(std::memory_order_relaxed)) return;
    const double px = f.x[j];
    const double py = f.y[j];
    const double pz = f.z[j];
#pragma omp simd
    for (std::size_t e = 0; e < ends; ++e) {
      const double x = px - ex[e];
      const double zRelative = pz - ez[e];
      const InduEnd right = induEnd(x, py - ey[e], zRelative);
      // Mirror half: the end at (x, −y, z).
      const InduEnd left = induEnd(x, py + ey[e], zRelative);
      lengthR[e] = right.length;
      legR[e] = right.leg;
      lengthL[e] = left.length;
      legL[e] = left.leg;
    }
    double* __restrict row = out + j * n;
    float* __restrict singleRow = single + j * n;
    for (const Run& run : p.runs) {
      const std::size_t first = run.first;
      const std::size_t ends0 = run.ends;
      const std::size_t rows = run.rows;
#pragma omp simd
      for (std::size_t h = 0; h < run.count; ++h) {
        const std::size_t i = first + h;
        const std::size_t inner = ends0 + h;
        const std::size_t outer = inner + rows;
        const double ax = px - x1[i];
        const double ay = py - y1[i];
        const double az = pz - z[i];
        const double bx = px - x2[i];
        const double by = py - y2[i];
        // Mirror half: the ends at (x, −y, z); the segment swapped to keep its sense.
        const double ayMirror = py + y1[i];
        const double byMirror = py + y2[i];
        const double right =
            induFromEnds(ax, ay, az, bx, by, az, {lengthR[inner], legR[inner]}, {lengthR[outer], legR[outer]});
        const double left = induFromEnds(bx, byMirror, az, ax, ayMirror, az, {lengthL[outer], legL[outer]},
                                         {lengthL[inner], legL[inner]});
        const double entry = right + left;
        row[i] = entry;
        singleRow[i] = static_cast<float>(entry);
      }
    }
  }
}

// Rows [0, rows) for the field points `f`, in equal contiguous shares over the stage's threads (rows
// cost the same); small jobs stay on this thread.
void fillAllRows(const FlatPanels& p, FieldPoints f, std::size_t n, std::size_t rows, double* out, float* single,
                 const std::atomic<bool>* cancel = nullptr) {
  const auto cores = static_cast<std::size_t>(stageThreads());
  const std::size_t workers = rows * static_cast<std::size_t>(n) < std::size_t{64} * 64 ? 1 : std::min(cores, rows);
  const std::size_t ends = p.ex.size();
  std::vector<double> scratch(4 * ends * workers);
  auto terms = [&](std::size_t t) {
    double* s = scratch.data() + 4 * ends * t;
    return EndTerms{s, s + ends, s + 2 * ends, s + 3 * ends};
  };
  std::vector<std::thread> threads;
  threads.reserve(workers - 1);
  for (std::size_t t = 1; t < workers; ++t) {
    threads.emplace_back(fillRows, std::cref(p), f, n, rows * t / workers, rows * (t + 1) / workers, out, single,
                         terms(t), cancel);
  }
  fillRows(p, f, n, 0, rows / workers, out, single, terms(0), cancel);
  for (std::thread& th : threads) th.join();
}

}  // namespace
}  // namespace detail

EinflussResult EINFLUSS(const Lattice& lattice, SolveWorkspace& workspace, int maxPanels,
                        const std::atomic<bool>* cancel) {
  EinflussResult result;
  if (!detail::wellFormed(lattice)) {
    result.report.fail({MessageId::InfluenceCountMismatch});
    return result;
  }
  const std::size_t n = detail::countPanels(lattice);
  if (n > static_cast<std::size_t>(std::max(maxPanels, 0))) {
    result.report.fail({MessageId::TooManyPanels, static_cast<long long>(n), maxPanels});
    result.report.add({MessageId::TooManyPanelsAdvice});
    return result;
  }

  const detail::FlatPanels panels = detail::flatten(lattice, n);
  workspace.reserve(n);  // every entry in use is written below
  double* out = workspace.matrix(n).data();
  float* single = workspace.single(n).data();

  detail::fillAllRows(panels, {panels.cx.data(), panels.cy.data(), panels.z.data()}, n, n, out, single, cancel);

  result.matrix = {static_cast<int>(n), workspace.matrix(n), workspace.single(n)};

  // Consistency of the walk with the lattice's own count, compared as unsigned 32-bit products.
  const auto expected = static_cast<std::uint32_t>(lattice.n_panels);
  const auto walked = static_cast<std::uint32_t>(n);
  if (expected * expected != walked * walked) result.report.fail({MessageId::InfluenceCountMismatch});
  return result;
}

std::vector<double> inducedZ(const Lattice& lattice, std::span<const double> gamma, std::span<const Vec3> points) {
  std::vector<double> induced(points.size(), 0.0);
  if (!detail::wellFormed(lattice)) return induced;
  const std::size_t n = detail::countPanels(lattice);
  if (gamma.size() < n || n == 0) return induced;
  const detail::FlatPanels panels = detail::flatten(lattice, n);
  std::vector<double> x, y, z;
  for (const Vec3& p : points) {
    x.push_back(p.x);
    y.push_back(p.y);
    z.push_back(p.z);
  }
  // The rows EINFLUSS would fill for control points there, then each row against the circulations.
  std::vector<double> rows(points.size() * n);
  std::vector<float> single(rows.size());
  detail::fillAllRows(panels, {x.data(), y.data(), z.data()}, n, points.size(), rows.data(), single.data());
  for (std::size_t k = 0; k < points.size(); ++k) {
    const double* row = rows.data() + k * n;
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += gamma[i] * row[i];
    induced[k] = sum;
  }
  return induced;
}

}  // namespace volantis4
