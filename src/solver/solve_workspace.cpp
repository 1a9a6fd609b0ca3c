#include "solver/solve_workspace.h"

namespace volantis4 {

void SolveWorkspace::reserve(std::size_t n) {
  const std::size_t entries = n * n;
  if (entries <= capacity_) return;
  release();
  // Not initialised: the pages are first touched by the rows written into them.
  matrix_ = std::make_unique_for_overwrite<double[]>(entries);
  single_ = std::make_unique_for_overwrite<float[]>(entries);
  capacity_ = entries;
}

void SolveWorkspace::release() {
  matrix_.reset();
  single_.reset();
  capacity_ = 0;
}

void SolveWorkspace::keepAtMost(std::size_t n) {
  if (capacity_ > n * n) release();
}

SolveWorkspace& SolveWorkspace::ofThisThread() {
  thread_local SolveWorkspace workspace;
  return workspace;
}

}  // namespace volantis4
