#pragma once
// The stability report's extra runs (finer lattice, each wing alone, each wing moved) on a worker
// thread, with their progress and their figures handed back on the window's thread.

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>

#include "analysis/stability_report.h"

template <typename T>
class QFutureWatcher;

namespace volantis4 {

class ReportJob : public QObject {
  Q_OBJECT
 public:
  explicit ReportJob(QObject* parent = nullptr);
  /// Cancels a job still running and waits for its worker, which stops at its next check: no
  /// worker outlives the job (one left running at exit would compute on while the program ends).
  ~ReportJob() override;

  /// Starts the extra runs of `basis`, cancelling the job before it.
  void start(const ReportBasis& basis);
  /// Stops the running job: its progress and its figures are not reported any more.
  void cancel();
  bool running() const { return watcher_ != nullptr; }

 signals:
  /// Runs done so far of all the runs.
  void progress(int done, int total);
  /// All runs of the job that was started last have ended.
  void finished(const volantis4::ExtraRuns& extras);

 private:
  QThreadPool workers_;  // one thread: a new job starts when the cancelled one has stopped
  std::shared_ptr<std::atomic<bool>> cancel_;
  QFutureWatcher<ExtraRuns>* watcher_ = nullptr;
};

}  // namespace volantis4
