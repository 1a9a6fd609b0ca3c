#pragma once
// The stability report's extra runs (finer lattice, each wing alone, each wing moved) on a worker
// thread, with their progress and their figures handed back on the window's thread.

#include <QObject>
#include <atomic>
#include <memory>

#include "solver/stability_report.h"

template <typename T>
class QFutureWatcher;

namespace volantis4 {

class ReportJob : public QObject {
  Q_OBJECT
 public:
  explicit ReportJob(QObject* parent = nullptr);
  /// Cancels a job still running; the worker stops at its next check.
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
  std::shared_ptr<std::atomic<bool>> cancel_;
  QFutureWatcher<ExtraRuns>* watcher_ = nullptr;
};

}  // namespace volantis4
