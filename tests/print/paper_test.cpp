// Which paper the pages are laid out for: the printer's when it is Letter, the locale's for exports.

#include "print/paper.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QPageSize>
#include <QSize>

namespace volantis4 {
namespace {

TEST(Paper, SheetSizesInMillimetres) {
  EXPECT_DOUBLE_EQ(paperWidthMm(Paper::A4), 210);
  EXPECT_DOUBLE_EQ(paperHeightMm(Paper::A4), 297);
  EXPECT_DOUBLE_EQ(paperWidthMm(Paper::Letter), 8.5 * 25.4);
  EXPECT_DOUBLE_EQ(paperHeightMm(Paper::Letter), 11 * 25.4);
  EXPECT_EQ(pageSizeOf(Paper::Letter).sizePoints(), QSize(612, 792));
  EXPECT_EQ(pageSizeOf(Paper::A4).sizePoints(), QSize(595, 842));
}

// US Letter by its name or its 8.5 × 11 in either way round; every other size is printed on A4.
TEST(Paper, APrinterOnLetterGetsLetterEveryOtherA4) {
  struct Case {
    const char* name;
    QPageSize size;
    Paper expected;
  };
  const Case cases[] = {
      {"Letter", QPageSize(QPageSize::Letter), Paper::Letter},
      {"8.5 x 11 in by size", QPageSize(QSizeF(8.5, 11), QPageSize::Inch, "US Letter"), Paper::Letter},
      {"landscape 792 x 612 pt", QPageSize(QSize(792, 612), "Letter landscape"), Paper::Letter},
      {"A4", QPageSize(QPageSize::A4), Paper::A4},
      {"Legal", QPageSize(QPageSize::Legal), Paper::A4},
      {"A5", QPageSize(QPageSize::A5), Paper::A4},
      {"none", QPageSize(), Paper::A4},
  };
  for (const Case& c : cases) EXPECT_EQ(paperOf(c.size), c.expected) << c.name;
}

// Exports: Letter in the US and Canada (both languages), Mexico and the Philippines, A4 in Europe,
// Australia and the "C" locale.
TEST(Paper, ExportsFollowTheLocalesPaper) {
  struct Case {
    const char* name;
    Paper expected;
  };
  const Case cases[] = {{"en_US", Paper::Letter}, {"en_CA", Paper::Letter}, {"fr_CA", Paper::Letter},
                        {"es_MX", Paper::Letter}, {"en_PH", Paper::Letter}, {"de_DE", Paper::A4},
                        {"en_GB", Paper::A4},     {"fr_FR", Paper::A4},     {"en_AU", Paper::A4},
                        {"C", Paper::A4}};
  for (const Case& c : cases) EXPECT_EQ(paperOfLocale(QLocale(QString::fromLatin1(c.name))), c.expected) << c.name;
}

}  // namespace
}  // namespace volantis4
