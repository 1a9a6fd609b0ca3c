#pragma once
// The information window (TForm2): seven lines about the program, in the current language.

#include <QWidget>
#include <array>

#include "model/language.h"

class QLabel;

namespace volantis4 {

class InfoWindow : public QWidget {
  Q_OBJECT
 public:
  explicit InfoWindow(QWidget* parent = nullptr);

  /// Fills the labels in `language` (BitBtn1Click does this before showing the window).
  void fill(Language language);

 private:
  std::array<QLabel*, 7> lines_{};
};

}  // namespace volantis4
