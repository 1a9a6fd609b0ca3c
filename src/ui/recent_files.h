#pragma once
// File > Recent files: the last eight aircraft files opened or saved, newest first, kept in the
// user settings; and the window's file drops (a .vn4 or .da4 file dropped on it is opened).

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;
class QMimeData;
class QWidget;

namespace volantis4 {

class RecentFiles : public QObject {
 public:
  static constexpr int kMaximum = 8;

  /// Gives the menu item `item` (whose parent is the window) a submenu filled with the list each
  /// time it is about to show (files gone since are dropped; the item is disabled while the list
  /// is empty); choosing an entry calls `open` with its path.
  RecentFiles(QAction* item, std::function<void(const QString&)> open);

  /// The list, newest first, as kept in the settings.
  static QStringList files();
  /// `path` made absolute at the top; the oldest beyond eight drops out.
  void add(const QString& path);
  void remove(const QString& path);

 private:
  void fill();
  static void store(const QStringList& list);

  QAction* item_;
  QMenu* menu_;
  std::function<void(const QString&)> open_;
};

/// The aircraft or data file a drag carries: the first local file whose name ends in .vn4 or
/// .da4 (any case); empty when there is none.
QString droppedAircraftFile(const QMimeData& data);

/// Lets `window` take drops of aircraft and data files: `open` gets the file once the drop is
/// over (so that a question it asks does not hold up the drag); other drops are refused.
void acceptAircraftDrops(QWidget* window, std::function<void(const QString&)> open);

}  // namespace volantis4
