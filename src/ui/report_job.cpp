#include "ui/report_job.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include "solver/stage_threads.h"

namespace volantis4 {

ReportJob::ReportJob(QObject* parent) : QObject(parent) { workers_.setMaxThreadCount(1); }

ReportJob::~ReportJob() {
  cancel();
  workers_.waitForDone();
}

void ReportJob::start(const ReportBasis& basis) {
  cancel();
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  const int total = extraRunSteps(basis);
  watcher_ = new QFutureWatcher<ExtraRuns>(this);
  QFutureWatcher<ExtraRuns>* watcher = watcher_;
  connect(watcher, &QFutureWatcherBase::progressValueChanged, this,
          [this, total](int done) { emit progress(done, total); });
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
    if (watcher != watcher_) return;
    watcher_ = nullptr;
    watcher->deleteLater();
    if (watcher->future().resultCount() > 0) emit finished(watcher->result());
  });
  // The worker holds its own copy of the basis (the run's output is shared, read only) and of
  // the flag, so neither the window nor the document need outlive it.
  watcher->setFuture(QtConcurrent::run(&workers_, [basis, flag = cancel_, total](QPromise<ExtraRuns>& promise) {
    const ThreadBudget budget(backgroundThreads());  // a core stays free for the window
    promise.setProgressRange(0, total);
    ExtraRuns extras = runExtraRuns(basis, flag.get(), [&promise](int done, int) { promise.setProgressValue(done); });
    if (!extras.cancelled) promise.addResult(std::move(extras));
  }));
  emit progress(0, total);
}

void ReportJob::cancel() {
  if (cancel_) cancel_->store(true, std::memory_order_relaxed);
  if (watcher_) {
    watcher_->disconnect(this);
    watcher_->deleteLater();
    watcher_ = nullptr;
  }
}

}  // namespace volantis4
