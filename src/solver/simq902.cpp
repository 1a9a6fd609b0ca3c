#include "solver/simq902.h"

#include <cblas.h>

#include <algorithm>
#include <atomic>
#include <barrier>
#include <cmath>
#include <cstddef>
#include <exception>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "solver/stage_threads.h"

namespace volantis4 {
namespace detail {
namespace {

// Columns eliminated one by one at the bottom of the panel recursion.
constexpr int kLeafWidth = 8;
// Columns per piece of a step's trailing update shared by the threads.
constexpr int kPieceWidth = 256;

// The panel being factorised, copied out by columns so that the pivot searches and the column
// updates run through contiguous memory.
struct Panel {
  double* w;        // m × width, by columns
  int m;            // rows: from the panel's diagonal to the last row of the matrix
  int width;        // columns
  int* pivots;      // pivot row of each panel column, relative to the panel
  int n;            // order of the whole system, for the countdown
  int firstColumn;  // the panel's first column in the whole matrix
  const SolveProgress* progress;

  double* column(int c) const { return w + static_cast<std::size_t>(c) * static_cast<std::size_t>(m); }
  double& at(int r, int c) const { return column(c)[r]; }
};

// Plain elimination of panel columns [c0, c1): pivot search on the updated column (ties to the later
// row), row swap across the whole panel, multipliers, update of the leaf's remaining columns.
int factorLeaf(const Panel& p, int c0, int c1) {
  for (int c = c0; c < c1; ++c) {
    double* col = p.column(c);
    double largest = 0.0;
    int pivotRow = c;
    for (int r = c; r < p.m; ++r) {
      const double magnitude = std::fabs(col[r]);
      if (magnitude >= largest) {
        largest = magnitude;
        pivotRow = r;
      }
    }
    if (!(largest > 0.0)) return c;

    p.pivots[c] = pivotRow;
    if (pivotRow != c) {
      for (int k = 0; k < p.width; ++k) std::swap(p.at(c, k), p.at(pivotRow, k));
    }
    const double pivot = col[c];
    for (int r = c + 1; r < p.m; ++r) col[r] /= pivot;
    for (int k = c + 1; k < c1; ++k) {
      double* target = p.column(k);
      const double factor = target[c];
      for (int r = c + 1; r < p.m; ++r) target[r] -= col[r] * factor;
    }
    if (*p.progress) (*p.progress)(p.n - (p.firstColumn + c + 1));
  }
  return -1;
}

// Recursive halving of the panel: left half, its effect on the right half by BLAS, right half.
int factorPanel(const Panel& p, int c0, int c1) {
  if (c1 - c0 <= kLeafWidth) return factorLeaf(p, c0, c1);
  const int mid = c0 + (c1 - c0) / 2;
  if (const int singular = factorPanel(p, c0, mid); singular >= 0) return singular;
  const int k = mid - c0;
  cblas_dtrsm(CblasColMajor, CblasLeft, CblasLower, CblasNoTrans, CblasUnit, k, c1 - mid, 1.0, &p.at(c0, c0), p.m,
              &p.at(c0, mid), p.m);
  cblas_dgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, p.m - mid, c1 - mid, k, -1.0, &p.at(mid, c0), p.m,
              &p.at(c0, mid), p.m, 1.0, &p.at(mid, mid), p.m);
  return factorPanel(p, mid, c1);
}

// The row-major matrix with its pivot rows.
struct Rows {
  double* a;
  int n;
  int* pivots;

  double* row(int r) const { return a + static_cast<std::size_t>(r) * static_cast<std::size_t>(n); }

  // The row swaps of the panel at columns [kb, kb + jb), in order, on columns [c0, c1).
  void swap(int kb, int jb, int c0, int c1) const {
    for (int r1 = kb; r1 < kb + jb; ++r1) {
      const int r2 = pivots[r1];
      if (r1 != r2) std::swap_ranges(row(r1) + c0, row(r1) + c1, row(r2) + c0);
    }
  }

  // Columns [c0, c1) brought up to date with the factored panel [kb, kb + jb): its swaps, the rows
  // of U beside it, and the elimination below.
  void update(int kb, int jb, int c0, int c1) const {
    swap(kb, jb, c0, c1);
    cblas_dtrsm(CblasRowMajor, CblasLeft, CblasLower, CblasNoTrans, CblasUnit, jb, c1 - c0, 1.0, row(kb) + kb, n,
                row(kb) + c0, n);
    if (kb + jb < n) {
      cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, n - kb - jb, c1 - c0, jb, -1.0, row(kb + jb) + kb, n,
                  row(kb) + c0, n, 1.0, row(kb + jb) + c0, n);
    }
  }
};

// Factorises the panel at columns [kb, kb + jb), already up to date with every panel before it:
// copied out by columns, eliminated, pivots recorded, written back. Returns the singular column or −1.
int factorPanelAt(const Rows& m, std::vector<double>& w, std::vector<int>& local, int kb, int jb,
                  const SolveProgress& progress) {
  const int rows = m.n - kb;
  const Panel p{w.data(), rows, jb, local.data(), m.n, kb, &progress};
  for (int r = 0; r < rows; ++r) {
    const double* source = m.row(kb + r) + kb;
    for (int c = 0; c < jb; ++c) p.at(r, c) = source[c];
  }
  if (const int singular = factorPanel(p, 0, jb); singular >= 0) return kb + singular;
  for (int c = 0; c < jb; ++c) m.pivots[kb + c] = kb + local[static_cast<std::size_t>(c)];
  for (int r = 0; r < rows; ++r) {
    double* target = m.row(kb + r) + kb;
    for (int c = 0; c < jb; ++c) target[c] = p.at(r, c);
  }
  return -1;
}

// A column range of one step's shared work: either swaps only (the finished L columns) or a full update.
struct Piece {
  int c0, c1;
  bool update;
};

// Helper threads that share each step's pieces with the calling thread; the calling thread first
// does its own part of the step (the next panel, which also drives the countdown).
class Team {
 public:
  Team(int helpers, const std::atomic<bool>* cancel) : sync_(helpers + 1), cancel_(cancel) {
    for (int t = 0; t < helpers; ++t) {
      try {
        threads_.emplace_back([this] { serve(); });
      } catch (const std::system_error&) {
        // Fewer threads than planned: their places in the barrier are given up, the rest carry on.
        for (int missing = t; missing < helpers; ++missing) sync_.arrive_and_drop();
        break;
      }
    }
  }
  ~Team() {
    quit_ = true;
    sync_.arrive_and_wait();
    for (std::thread& t : threads_) t.join();
  }
  Team(const Team&) = delete;
  Team& operator=(const Team&) = delete;

  template <typename OwnPart>
  void run(const Rows& m, int kb, int jb, const std::vector<Piece>& pieces, OwnPart&& ownPart) {
    m_ = &m;
    kb_ = kb;
    jb_ = jb;
    pieces_ = &pieces;
    next_ = 0;
    sync_.arrive_and_wait();
    std::exception_ptr failure;
    try {
      ownPart();
    } catch (...) {
      failure = std::current_exception();
    }
    takePieces();
    sync_.arrive_and_wait();
    if (failure) std::rethrow_exception(failure);
  }

 private:
  void serve() {
    for (;;) {
      sync_.arrive_and_wait();
      if (quit_) return;
      takePieces();
      sync_.arrive_and_wait();
    }
  }

  void takePieces() {
    for (std::size_t i = next_++; i < pieces_->size() && !stopped(); i = next_++) {
      const Piece& piece = (*pieces_)[i];
      if (piece.update) {
        m_->update(kb_, jb_, piece.c0, piece.c1);
      } else {
        m_->swap(kb_, jb_, piece.c0, piece.c1);
      }
    }
  }

  bool stopped() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }

  std::barrier<> sync_;
  const std::atomic<bool>* cancel_;
  std::vector<std::thread> threads_;
  bool quit_ = false;
  const Rows* m_ = nullptr;
  int kb_ = 0, jb_ = 0;
  const std::vector<Piece>* pieces_ = nullptr;
  std::atomic<std::size_t> next_{0};
};

void cut(std::vector<Piece>& pieces, int c0, int c1, bool update) {
  for (int c = c0; c < c1; c += kPieceWidth) pieces.push_back({c, std::min(c + kPieceWidth, c1), update});
}

}  // namespace

// Right-looking blocked elimination with a look-ahead of one panel: while the calling thread
// updates and factorises panel p + 1, the team brings the columns beyond it up to date with panel p.
int factorRows(double* a, int n, int* pivots, const SolveProgress& progress, int blockWidth,
               const std::atomic<bool>* cancel) {
  if (n <= 0) return -1;
  const int nb = std::max(1, std::min(blockWidth, n));
  const Rows m{a, n, pivots};
  std::vector<double> w(static_cast<std::size_t>(n) * static_cast<std::size_t>(nb));
  std::vector<int> local(static_cast<std::size_t>(nb));

  const int cores = stageThreads();
  const int helpers = n > nb ? cores - 1 : 0;
  // Under a thread budget OpenBLAS's own threads would take the cores the budget leaves free.
  const SingleThreadedBlas blas(helpers > 0 || cores < machineCores());
  Team team(helpers, cancel);
  const auto stopped = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };

  int singular = factorPanelAt(m, w, local, 0, nb, progress);
  std::vector<Piece> pieces;
  for (int kb = 0; singular < 0 && kb < n; kb += nb) {
    if (stopped()) return n;
    const int jb = std::min(nb, n - kb);
    const int next = kb + jb;
    const int nextWidth = std::min(nb, n - next);
    pieces.clear();
    cut(pieces, next + nextWidth, n, true);
    cut(pieces, 0, kb, false);
    team.run(m, kb, jb, pieces, [&] {
      if (nextWidth <= 0) return;
      m.update(kb, jb, next, next + nextWidth);
      singular = factorPanelAt(m, w, local, next, nextWidth, progress);
    });
  }
  return stopped() ? n : singular;
}

}  // namespace detail

bool SIMQ902(std::span<double> a, std::span<double> b, int n, const SolveProgress& progress,
             const std::atomic<bool>* cancel) {
  const auto size = static_cast<std::size_t>(std::max(n, 0));
  if (n < 0 || a.size() < size * size || b.size() < size) {
    throw std::invalid_argument("SIMQ902: matrix or right-hand side shorter than the order n");
  }
  if (n == 0) return true;

  std::vector<int> pivots(size);
  if (detail::factorRows(a.data(), n, pivots.data(), progress, detail::kSolveBlockWidth, cancel) >= 0) return false;

  for (std::size_t k = 0; k < size; ++k) std::swap(b[k], b[static_cast<std::size_t>(pivots[k])]);
  cblas_dtrsv(CblasRowMajor, CblasLower, CblasNoTrans, CblasUnit, n, a.data(), n, b.data(), 1);
  cblas_dtrsv(CblasRowMajor, CblasUpper, CblasNoTrans, CblasNonUnit, n, a.data(), n, b.data(), 1);
  return true;
}

}  // namespace volantis4
