#pragma once
// How many threads a solver stage may use: the machine's cores, or fewer on a thread that runs
// under a budget (background work that leaves a core to the window).

namespace volantis4 {

/// The machine's cores (at least 1).
int machineCores();

/// Threads the stages started on the calling thread may use: machineCores(), or the budget in
/// force on this thread when it is smaller.
int stageThreads();

/// The budget for background work: every core but one, at least one.
int backgroundThreads();

/// OpenBLAS on one thread for the guard's lifetime when `active`, e.g. while a team of our own runs
/// BLAS calls side by side, or under a budget, where OpenBLAS's own threads would take the cores
/// the budget leaves free. The setting is the process's; it is restored after.
class SingleThreadedBlas {
 public:
  explicit SingleThreadedBlas(bool active);
  ~SingleThreadedBlas();
  SingleThreadedBlas(const SingleThreadedBlas&) = delete;
  SingleThreadedBlas& operator=(const SingleThreadedBlas&) = delete;

 private:
  int saved_;
};

/// Limits the stages run on the calling thread to `threads` (at least 1) for its lifetime.
class ThreadBudget {
 public:
  explicit ThreadBudget(int threads);
  ~ThreadBudget();
  ThreadBudget(const ThreadBudget&) = delete;
  ThreadBudget& operator=(const ThreadBudget&) = delete;

 private:
  int saved_;
};

}  // namespace volantis4
