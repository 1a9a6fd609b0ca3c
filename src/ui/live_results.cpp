#include "ui/live_results.h"

#include <QAction>
#include <QSettings>
#include <QTimer>
#include <vector>

#include "solver/calculation_run.h"
#include "ui/widgets.h"

namespace volantis4 {
namespace {

constexpr const char* kLiveResultsKey = "analysis/liveResults";

}  // namespace

std::optional<Document> liveRun(Document doc, const std::atomic<bool>* cancel) {
  const Form typed = doc.form;
  Button4Click(doc, nullptr, cancel);
  if (cancel && cancel->load(std::memory_order_relaxed)) return std::nullopt;
  if (doc.run.flags.wings_moved) {
    // "Attention:" and, instead of the moved-wings line, where each moved wing is computed; the
    // lines after it (a refusal's) stay.
    const std::vector<MessagePanel::Line> before = doc.run.panel.entries();
    std::vector<Message> lines{{MessageId::Attention}};
    for (int w = 1; w <= kWingCount; ++w)
      if (doc.form.wing(w).positionZ != typed.wing(w).positionZ)
        lines.push_back({MessageId::WingComputedAt, w, doc.geometry.position(w).z});
    doc.run.panel.replaceAll(lines, doc.language);
    for (std::size_t i = 2; i < before.size(); ++i) doc.run.panel.append(before[i].message, before[i].language);
  }
  doc.form = typed;
  return doc;
}

LiveResults::LiveResults(QAction* item, const Document& doc, std::function<void(const Document&)> show, QObject* parent)
    : QObject(parent), item_(item), doc_(doc), show_(std::move(show)) {
  const QSignalBlocker blocker(item_);
  item_->setChecked(userSettings().value(kLiveResultsKey, false).toBool());
}

LiveResults::~LiveResults() {
  {
    const std::lock_guard lock(mutex_);
    quit_ = true;
    stop_ = true;
  }
  wake_.notify_one();
  if (worker_.joinable()) worker_.join();
}

bool LiveResults::on() const { return item_->isChecked(); }

void LiveResults::toggled() {
  userSettings().setValue(kLiveResultsKey, on());
  if (on()) {
    request();
  } else {
    cancel();
  }
}

void LiveResults::request() {
  if (scheduled_ || !on()) return;
  scheduled_ = true;
  // Changes that come before the loop is idle (the fields of one drag move, an undo) are taken
  // by the same run.
  QTimer::singleShot(0, this, [this] {
    scheduled_ = false;
    const RunFlags& f = doc_.run.flags;
    if (on() && !(f.results_valid && f.grid_valid)) submit();
  });
}

void LiveResults::submit() {
  {
    const std::lock_guard lock(mutex_);
    asked_ = doc_;
    stop_ = true;  // the run going, if any, makes way
  }
  if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
  wake_.notify_one();
}

void LiveResults::cancel() {
  const std::lock_guard lock(mutex_);
  asked_.reset();
  done_.reset();
  stop_ = true;
}

// The worker: takes the newest request, runs it, and hands the result over unless a newer request
// came meanwhile.
void LiveResults::work() {
  for (;;) {
    Document asked;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || asked_.has_value(); });
      if (quit_) return;
      asked = std::move(*asked_);
      asked_.reset();
      stop_ = false;
    }
    std::optional<Document> run = liveRun(std::move(asked), &stop_);
    if (!run) continue;
    {
      const std::lock_guard lock(mutex_);
      if (asked_ || stop_) continue;
      done_ = std::make_shared<const Document>(std::move(*run));
    }
    QMetaObject::invokeMethod(this, &LiveResults::deliver, Qt::QueuedConnection);
  }
}

void LiveResults::deliver() {
  std::shared_ptr<const Document> run;
  {
    const std::lock_guard lock(mutex_);
    run = std::move(done_);
  }
  if (!run || !on()) return;
  show_(*run);
  emit finished();
}

}  // namespace volantis4
