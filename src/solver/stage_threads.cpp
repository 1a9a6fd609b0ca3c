#include "solver/stage_threads.h"

#include <cblas.h>

#include <algorithm>
#include <thread>

namespace volantis4 {
namespace {

thread_local int budget = 0;  // 0: no budget on this thread

}  // namespace

int machineCores() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

int stageThreads() { return budget > 0 ? std::min(budget, machineCores()) : machineCores(); }

int backgroundThreads() { return std::max(1, machineCores() - 1); }

SingleThreadedBlas::SingleThreadedBlas(bool active) : saved_(active ? openblas_get_num_threads() : 0) {
  if (active) openblas_set_num_threads(1);
}

SingleThreadedBlas::~SingleThreadedBlas() {
  if (saved_ > 0) openblas_set_num_threads(saved_);
}

ThreadBudget::ThreadBudget(int threads) : saved_(budget) { budget = std::max(1, threads); }

ThreadBudget::~ThreadBudget() { budget = saved_; }

}  // namespace volantis4
