#pragma once
// Analysis > Live results: with it on, a whole run follows every change of the geometry. The run
// goes on beside the window, on a copy of the document: the newest request replaces one still
// waiting and stops one running at its next check, and a run never changes what was typed (the
// heights it moves are named in its message panel). The choice is kept in the user's settings
// from one start of the program to the next.

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "model/document.h"

class QAction;

namespace volantis4 {

/// A run of `doc` as live results make it: the document after the run, its form as typed (the
/// heights the overlap rule moves are in its results, its geometry and a panel line per wing).
/// Nullopt when `cancel` stopped it.
std::optional<Document> liveRun(Document doc, const std::atomic<bool>* cancel = nullptr);

class LiveResults : public QObject {
  Q_OBJECT
 public:
  /// Over the checkable menu item `item` (its state read from the settings) and the window's
  /// document `doc`; `show` takes a finished run's document on the window's thread.
  LiveResults(QAction* item, const Document& doc, std::function<void(const Document& run)> show,
              QObject* parent = nullptr);
  /// Stops the run going and waits for it: no worker outlives the window.
  ~LiveResults() override;

  bool on() const;
  /// The item was toggled: the choice is kept; switched on it calculates at once, off it stops.
  void toggled();
  /// The geometry changed: with live results on, a run of the document as it stands once the
  /// event loop is idle, unless it holds the results of a complete run by then.
  void request();
  /// Drops the run waiting and stops the one going (Calculate, Open, the end of the program).
  void cancel();

 signals:
  /// A run has ended and was handed to the window.
  void finished();

 private:
  void submit();
  void work();
  void deliver();

  QAction* item_;
  const Document& doc_;
  std::function<void(const Document&)> show_;
  bool scheduled_ = false;  // a request waits for the idle event loop

  // Shared with the worker.
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<Document> asked_;         // the newest request not yet taken
  std::shared_ptr<const Document> done_;  // the run ended last, for the window
  std::atomic<bool> stop_{false};         // the run going stops at its next check
  bool quit_ = false;
  std::thread worker_;  // started with the first request
};

}  // namespace volantis4
