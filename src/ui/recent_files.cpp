#include "ui/recent_files.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include "ui/widgets.h"

namespace volantis4 {
namespace {

constexpr const char* kRecentKey = "files/recent";

// Takes the drags and drops that reach the window itself (fields take their own text drops).
class DropFilter : public QObject {
 public:
  DropFilter(QObject* parent, std::function<void(const QString&)> open) : QObject(parent), open_(std::move(open)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (droppedAircraftFile(*drag->mimeData()).isEmpty()) {
        drag->ignore();
      } else {
        drag->acceptProposedAction();
      }
      return true;
    }
    if (event->type() == QEvent::Drop) {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString file = droppedAircraftFile(*drop->mimeData());
      if (file.isEmpty()) {
        drop->ignore();
      } else {
        drop->acceptProposedAction();
        QTimer::singleShot(0, this, [this, file] { open_(file); });
      }
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void(const QString&)> open_;
};

}  // namespace

RecentFiles::RecentFiles(QAction* item, std::function<void(const QString&)> open)
    : QObject(item), item_(item), menu_(new QMenu(qobject_cast<QWidget*>(item->parent()))), open_(std::move(open)) {
  menu_->setObjectName(QStringLiteral("RecentFilesMenu"));
  item_->setMenu(menu_);
  connect(menu_, &QMenu::aboutToShow, this, &RecentFiles::fill);
  fill();
}

QStringList RecentFiles::files() { return userSettings().value(kRecentKey).toStringList(); }

void RecentFiles::store(const QStringList& list) { userSettings().setValue(kRecentKey, list.mid(0, kMaximum)); }

void RecentFiles::add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList list = files();
  list.removeAll(absolute);
  list.prepend(absolute);
  store(list);
  fill();
}

void RecentFiles::remove(const QString& path) {
  QStringList list = files();
  list.removeAll(QFileInfo(path).absoluteFilePath());
  store(list);
  fill();
}

void RecentFiles::fill() {
  QStringList list = files();
  const qsizetype before = list.size();
  list.removeIf([](const QString& file) { return !QFileInfo(file).isFile(); });
  if (list.size() != before) store(list);
  menu_->clear();
  for (qsizetype i = 0; i < list.size(); ++i) {
    // "&1 name" … "&8 name": the digit picks the entry from the keyboard; the tooltip has the path.
    const QString file = list[i];
    QString name = QFileInfo(file).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* entry = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
    entry->setToolTip(QDir::toNativeSeparators(file));
    entry->setStatusTip(QDir::toNativeSeparators(file));
    connect(entry, &QAction::triggered, this, [this, file] { open_(file); });
  }
  menu_->setToolTipsVisible(true);
  item_->setEnabled(!list.isEmpty());
}

QString droppedAircraftFile(const QMimeData& data) {
  for (const QUrl& url : data.urls()) {
    if (!url.isLocalFile()) continue;
    QString file = url.toLocalFile();
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QLatin1String("vn4") || suffix == QLatin1String("da4")) return file;
  }
  return {};
}

void acceptAircraftDrops(QWidget* window, std::function<void(const QString&)> open) {
  window->setAcceptDrops(true);
  window->installEventFilter(new DropFilter(window, std::move(open)));
}

}  // namespace volantis4
