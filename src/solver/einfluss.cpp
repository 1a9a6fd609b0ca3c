#include "solver/einfluss.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

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

// Rows [j0, j1) of the matrix and of its single-precision copy. INDU is inlined (flatten) so that
// the loop over the vortices vectorises: four entries at a time with AVX2, two with the baseline's
// SSE2, each with the same IEEE operations as one at a time (the division and the square root are
// correctly rounded in every width; AVX2 brings no FMA, and contraction is off for this file). The
// AVX2 clone is picked at load time where the processor has it.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default"), flatten))
#endif
void fillRows(const FlatPanels& p, std::size_t n, std::size_t j0, std::size_t j1, double* out, float* single) {
  const double* __restrict x1 = p.x1.data();
  const double* __restrict y1 = p.y1.data();
  const double* __restrict x2 = p.x2.data();
  const double* __restrict y2 = p.y2.data();
  const double* __restrict z = p.z.data();
  for (std::size_t j = j0; j < j1; ++j) {
    const double px = p.cx[j];
    const double py = p.cy[j];
    const double pz = p.z[j];
    double* __restrict row = out + j * n;
    float* __restrict singleRow = single + j * n;
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
      const double entry = right + left;
      row[i] = entry;
      singleRow[i] = static_cast<float>(entry);
    }
  }
}

}  // namespace
}  // namespace detail

EinflussResult EINFLUSS(const Lattice& lattice, SolveWorkspace& workspace, int maxPanels) {
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

  // Rows cost the same, so equal contiguous shares; small systems stay on this thread.
  const auto cores = static_cast<std::size_t>(stageThreads());
  const std::size_t workers = n < 64 ? 1 : std::min(cores, n);
  std::vector<std::thread> threads;
  threads.reserve(workers - 1);
  for (std::size_t t = 1; t < workers; ++t) {
    threads.emplace_back(detail::fillRows, std::cref(panels), n, n * t / workers, n * (t + 1) / workers, out, single);
  }
  detail::fillRows(panels, n, 0, n / workers, out, single);
  for (std::thread& th : threads) th.join();

  result.matrix = {static_cast<int>(n), workspace.matrix(n), workspace.single(n)};

  // Consistency of the walk with the lattice's own count, compared as unsigned 32-bit products.
  const auto expected = static_cast<std::uint32_t>(lattice.n_panels);
  const auto walked = static_cast<std::uint32_t>(n);
  if (expected * expected != walked * walked) result.report.fail({MessageId::InfluenceCountMismatch});
  return result;
}

}  // namespace volantis4
