#include "views/qt_font.h"

#include <algorithm>

#include "model/numbers.h"

namespace volantis4 {
namespace {

// Liberation Mono advances 0.6 em: 15 pixels give the 9-pixel cell of Courier at 12 points.
constexpr const char* kFixedWidthFamily = "Liberation Mono";
constexpr double kCourierCellScale = 15.0 / 16.0;

}  // namespace

QFont qtFontFor(const Font& f) {
  int pixels = std::max(1, roundHalfEven(f.size * 96.0 / 72.0));
  QFont qfont(QString::fromStdString(f.name));
  if (f.name == "Courier") {
    qfont = QFont(QString::fromLatin1(kFixedWidthFamily));
    qfont.setStyleHint(QFont::TypeWriter);
    pixels = std::max(1, roundHalfEven(pixels * kCourierCellScale));
  }
  qfont.setPixelSize(pixels);
  qfont.setBold(f.bold);
  qfont.setItalic(f.italic);
  qfont.setUnderline(f.underline);
  return qfont;
}

}  // namespace volantis4
