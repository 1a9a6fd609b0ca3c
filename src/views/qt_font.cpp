#include "views/qt_font.h"

#include <QStringList>
#include <algorithm>

#include "model/numbers.h"

namespace volantis4 {
namespace {

// Liberation Mono advances 0.6 em: 15 pixels give the 9-pixel cell of Courier at 12 points.
constexpr const char* kFixedWidthFamily = "Liberation Mono";
constexpr double kCourierCellScale = 15.0 / 16.0;
// The sans-serif face of the pictures: its hinting keeps small text evenly spaced at whole pixels.
constexpr const char* kPictureSansFamily = "Liberation Sans";

}  // namespace

QFont qtFontFor(const Font& f) {
  int pixels = std::max(1, roundHalfEven(f.size * 96.0 / 72.0));
  QFont qfont(QString::fromStdString(f.name));
  if (f.name == "MS Sans Serif")
    qfont.setFamilies(QStringList{QString::fromLatin1(kPictureSansFamily), QString::fromStdString(f.name)});
  if (f.name == "Courier") {
    qfont = QFont(QString::fromLatin1(kFixedWidthFamily));
    qfont.setStyleHint(QFont::TypeWriter);
    pixels = std::max(1, roundHalfEven(pixels * kCourierCellScale));
  }
  qfont.setPixelSize(pixels);
  qfont.setBold(f.bold);
  qfont.setItalic(f.italic);
  qfont.setUnderline(f.underline);
  // Whole-pixel advances and no pair kerning: small text on the pictures keeps an even letter
  // spacing, and fixed-width columns keep their cell.
  qfont.setHintingPreference(QFont::PreferFullHinting);
  qfont.setKerning(false);
  return qfont;
}

}  // namespace volantis4
