#include "solver/einfluss.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <thread>

#include "solver/indu.h"
#include "solver/stage_threads.h"

namespace volantis4 {
namespace detail {
namespace {

// Panel geometry flattened in panel order, one array per coordinate, so the inner loop over the
// vortices reads contiguous memory.
struct FlatPanels {
  std::vector<double> x1, y1, x2, y2, z;  // bound-vortex ends: inner (1) and outer (2); wing plane z
  std::vector<double> cx, cy;             // control point (its z is the panel's z)
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

FlatPanels flatten(const Lattice& lattice, std::size_t n) {
  FlatPanels p;
  for (auto* v : {&p.x1, &p.y1, &p.x2, &p.y2, &p.z, &p.cx, &p.cy}) v->reserve(n);
  for (int w = 1; w <= lattice.wingsInUse; ++w) {
    const WingLattice& wing = lattice.wing(w);
    const auto rows = static_cast<std::size_t>(wing.n_chord);
    for (const Strip& s : wing.strips) {
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

// One row: the entries of every horseshoe (and its mirror image) at the field point (px, py, pz).
// Inlined into the row loops below, so each keeps its vectorised loop over the vortices.
inline void fillRow(const FlatPanels& p, std::size_t n, double px, double py, double pz, double* __restrict row) {
  const double* __restrict x1 = p.x1.data();
  const double* __restrict y1 = p.y1.data();
  const double* __restrict x2 = p.x2.data();
  const double* __restrict y2 = p.y2.data();
  const double* __restrict z = p.z.data();
#pragma omp simd
  for (std::size_t i = 0; i < n; ++i) {
    const double ax = px - x1[i];
    const double ay = py - y1[i];
    const double az = pz - z[i];
    const double bx = px - x2[i];
    const double by = py - y2[i];
    // Mirror half: the ends at (x, −y, z); the segment swapped to keep its sense.
    const double ayMirror = py + y1[i];
    const double byMirror = py + y2[i];
    const double right = INDU(ax, ay, az, bx, by, az);
    const double left = INDU(bx, byMirror, az, ax, ayMirror, az);
    row[i] = right + left;
  }
}

// Rows [j0, j1) of the matrix. Compiled once more for AVX2 (no FMA, so the arithmetic is the same
// as the baseline build) and picked at load time where the processor has it.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void fillRows(const FlatPanels& p, std::size_t n, std::size_t j0, std::size_t j1, double* out) {
  for (std::size_t j = j0; j < j1; ++j) fillRow(p, n, p.cx[j], p.cy[j], p.z[j], out + j * n);
}

// Σ_i Γ_i · entry_i at points [k0, k1), into induced[k].
void inducedAt(const FlatPanels& p, std::size_t n, std::span<const double> gamma, std::span<const Vec3> points,
               std::size_t k0, std::size_t k1, double* induced) {
  std::vector<double> row(n);
  for (std::size_t k = k0; k < k1; ++k) {
    fillRow(p, n, points[k].x, points[k].y, points[k].z, row.data());
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += gamma[i] * row[i];
    induced[k] = sum;
  }
}

// Runs `work(first, last)` over [0, count) in equal contiguous shares on the stage's threads; small
// jobs stay on this thread.
template <class Work>
void shareOut(std::size_t count, std::size_t cost, Work work) {
  const auto cores = static_cast<std::size_t>(stageThreads());
  const std::size_t workers = cost < 64 * 64 ? 1 : std::min(cores, count);
  std::vector<std::thread> threads;
  threads.reserve(workers > 0 ? workers - 1 : 0);
  for (std::size_t t = 1; t < workers; ++t) threads.emplace_back(work, count * t / workers, count * (t + 1) / workers);
  work(std::size_t{0}, workers > 0 ? count / workers : count);
  for (std::thread& th : threads) th.join();
}

}  // namespace
}  // namespace detail

EinflussResult EINFLUSS(const Lattice& lattice, std::vector<double> buffer, int maxPanels) {
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
  buffer.resize(n * n);  // every entry is written below
  double* out = buffer.data();

  // Rows cost the same, so equal contiguous shares.
  detail::shareOut(n, n * n,
                   [&panels, n, out](std::size_t j0, std::size_t j1) { detail::fillRows(panels, n, j0, j1, out); });

  result.matrix.n = static_cast<int>(n);
  result.matrix.values = std::move(buffer);

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
  if (gamma.size() < n) return induced;
  const detail::FlatPanels panels = detail::flatten(lattice, n);
  detail::shareOut(points.size(), points.size() * n, [&](std::size_t k0, std::size_t k1) {
    detail::inducedAt(panels, n, gamma, points, k0, k1, induced.data());
  });
  return induced;
}

}  // namespace volantis4
