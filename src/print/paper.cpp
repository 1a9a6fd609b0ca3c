#include "print/paper.h"

#include <QLocale>
#include <QSize>
#include <algorithm>
#include <cstdlib>

namespace volantis4 {

double paperWidthMm(Paper paper) { return paper == Paper::Letter ? 215.9 : 210; }

double paperHeightMm(Paper paper) { return paper == Paper::Letter ? 279.4 : 297; }

QPageSize pageSizeOf(Paper paper) { return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4); }

Paper paperOf(const QPageSize& printerPaper) {
  if (printerPaper.id() == QPageSize::Letter) return Paper::Letter;
  const QSize points = printerPaper.sizePoints();
  const int shorter = std::min(points.width(), points.height());
  const int longer = std::max(points.width(), points.height());
  return std::abs(shorter - 612) <= 1 && std::abs(longer - 792) <= 1 ? Paper::Letter : Paper::A4;
}

Paper paperOfLocale(const QLocale& locale) {
  if (locale.measurementSystem() == QLocale::ImperialUSSystem) return Paper::Letter;
  switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
    case QLocale::Guatemala:
    case QLocale::CostaRica:
    case QLocale::Panama:
    case QLocale::ElSalvador:
    case QLocale::Nicaragua:
    case QLocale::DominicanRepublic:
      return Paper::Letter;
    default:
      return Paper::A4;
  }
}

}  // namespace volantis4
