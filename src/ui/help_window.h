#pragma once
// The page that explains the stability report's terms (band, effectiveness, volume coefficient and
// the positions), opened by F1 from any window.

#include <QWidget>

#include "model/language.h"

class QTextBrowser;

namespace volantis4 {

class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  /// The page in `language`.
  void fill(Language language);

 private:
  QTextBrowser* text_;
};

}  // namespace volantis4
