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
