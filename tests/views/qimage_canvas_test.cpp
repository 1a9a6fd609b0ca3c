#include "views/qimage_canvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "qt_app.h"
#include "views/qt_font.h"

namespace volantis4 {
namespace {

class QImageCanvasTest : public testing::Test, private testing_support::WithQtApp {
 protected:
  static Rgb at(const QImageCanvas& c, int x, int y) {
    const QRgb p = c.image().pixel(x, y);
    return {qRed(p), qGreen(p), qBlue(p)};
  }
  static int count(const QImageCanvas& c, Rgb colour) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
      for (int x = 0; x < c.width(); ++x) n += at(c, x, y) == colour;
    return n;
  }
};

TEST_F(QImageCanvasTest, LinesCoverTheStartPixelButNotTheEndPixelInEveryDirection) {
  QImageCanvas c(20, 20);
  c.setPenColour(kRed);
  c.moveTo(2, 3);
  c.lineTo(8, 3);   // right
  c.lineTo(8, 10);  // down
  c.moveTo(15, 15);
  c.lineTo(11, 15);  // left
  c.moveTo(18, 18);
  c.lineTo(18, 14);  // up
  for (Point p : {Point{2, 3}, Point{8, 3}, Point{8, 9}, Point{15, 15}, Point{12, 15}, Point{18, 18}})
    EXPECT_EQ(at(c, p.x, p.y), kRed) << p.x << "," << p.y;
  for (Point p : {Point{8, 10}, Point{11, 15}, Point{18, 14}}) EXPECT_EQ(at(c, p.x, p.y), kWhite) << p.x << "," << p.y;
  EXPECT_EQ(count(c, kRed), 6 + 7 + 4 + 4);

  QImageCanvas d(20, 20);
  d.setPenColour(kBlue);
  d.moveTo(1, 1);
  d.lineTo(11, 6);  // one pixel per column
  d.setPenColour(kRed);
  d.setPenWidth(2);
  d.moveTo(4, 12);
  d.lineTo(7, 12);  // flat-capped: columns 4-6, two rows
  EXPECT_EQ(count(d, kBlue), 10);
  EXPECT_EQ(count(d, kRed), 6);
  EXPECT_EQ(at(d, 7, 12), kWhite);
}

TEST_F(QImageCanvasTest, FillRectAndPolygonFillWithTheBrushInsideThePen) {
  QImageCanvas c(10, 8);
  c.setBrushColour({255, 255, 225});
  c.setPenColour(kGrey);
  c.fillRect({0, 0, 10, 8});
  EXPECT_EQ(count(c, kGrey), 2 * 10 + 2 * 6);
  EXPECT_EQ(count(c, {255, 255, 225}), 8 * 6);

  c.setPenColour(kBlack);
  c.setBrushColour(kAqua);
  c.polygon({{2, 2}, {7, 2}, {7, 5}, {2, 5}});
  EXPECT_EQ(at(c, 7, 5), kBlack);
  EXPECT_EQ(count(c, kAqua), 4 * 2);
}

TEST_F(QImageCanvasTest, TextIsDrawnInTheFontColourOnTheBrushColour) {
  QImageCanvas c(60, 30);
  c.setBrushColour(kSilver);
  c.setFontColour(kRed);
  c.textOut(5, 4, "xy");
  EXPECT_EQ(at(c, 5, 4), kSilver);  // top-left corner of the text cell
  EXPECT_GT(count(c, kRed), 4);
  EXPECT_EQ(at(c, 4, 4), kWhite);
  EXPECT_EQ(at(c, 5, 3), kWhite);
}

TEST_F(QImageCanvasTest, StretchDrawFillsTheTargetRectangleOnly) {
  QImageCanvas source(2, 1);
  source.setPenColour(kRed);
  source.moveTo(0, 0);
  source.lineTo(1, 0);  // left pixel red, right one white
  QImageCanvas c(10, 10);
  c.stretchDraw({2, 2, 6, 4}, source);
  EXPECT_EQ(at(c, 2, 2), kRed);    // the left edge keeps the left pixel's colour
  EXPECT_EQ(at(c, 5, 3), kWhite);  // the right edge the right one's
  int outside = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) outside += (x < 2 || x >= 6 || y < 2 || y >= 4) && at(c, x, y) != kWhite;
  EXPECT_EQ(outside, 0);
}

// A picture squeezed into fewer rows (the summary's top view, 330 rows into 312) loses no row. A
// target row spans H/h source rows; a one-pixel line puts at least half of itself into one target
// row, which it darkens by at least 0.5·h/H (grey at most 255·(1 − 0.5·h/H)).
TEST_F(QImageCanvasTest, StretchDrawShrinkingKeepsEveryRow) {
  struct Case {
    int sourceWidth, sourceHeight;
    Rect target;
  };
  for (const Case& k : {Case{20, 22, {0, 0, 20, 21}}, Case{20, 330, {0, 42, 21, 354}}}) {
    for (int row = 0; row < k.sourceHeight; ++row) {
      QImageCanvas source(k.sourceWidth, k.sourceHeight);
      source.setPenColour(kBlack);
      source.moveTo(0, row);
      source.lineTo(k.sourceWidth, row);
      QImageCanvas page(k.target.right, k.target.bottom);
      page.stretchDraw(k.target, source);
      int darkest = 255;
      for (int y = k.target.top; y < k.target.bottom; ++y) darkest = std::min(darkest, qGray(page.image().pixel(3, y)));
      const double h = k.target.bottom - k.target.top;
      EXPECT_LE(darkest, 255 * (1 - 0.5 * h / k.sourceHeight) + 1) << "source row " << row << " of " << k.sourceHeight;
    }
  }
}

TEST_F(QImageCanvasTest, FarCoordinatesAreClippedNotWrapped) {
  QImageCanvas c(20, 20);
  c.setPenColour(kRed);
  c.moveTo(10, 5);
  c.lineTo(10, 2'000'000'000);
  c.moveTo(-2'000'000'000, 12);
  c.lineTo(2'000'000'000, 12);
  EXPECT_EQ(count(c, kRed), 15 + 20 - 1);
  EXPECT_EQ(at(c, 10, 4), kWhite);
}

TEST_F(QImageCanvasTest, BorrowedImageIsPaintedAndResizedKeepingItsContent) {
  QImage image(5, 5, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QImageCanvas c(&image);
    c.setBrushColour(kYellow);
    c.setPenColour(kYellow);
    c.fillRect({1, 1, 3, 3});
    c.resize(7, 4);
  }
  EXPECT_EQ(image.size(), QSize(7, 4));
  EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 0));
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(6, 0), qRgb(255, 255, 255));
}

// The same axis-aligned drawing at ratio 1 and 2: every logical pixel becomes a 2 x 2 block of
// the same colour, so the picture keeps its geometry and only gains resolution.
TEST_F(QImageCanvasTest, AtRatioTwoEveryLogicalPixelBecomesATwoByTwoBlock) {
  auto draw = [](QImageCanvas& c) {
    c.setBrushColour({255, 255, 225});
    c.setPenColour(kGrey);
    c.fillRect({0, 0, 20, 16});
    c.setPenColour(kRed);
    c.moveTo(2, 3);
    c.lineTo(8, 3);   // right
    c.lineTo(8, 10);  // down
    c.moveTo(15, 14);
    c.lineTo(11, 14);  // left
    c.moveTo(18, 13);
    c.lineTo(18, 9);  // up
    c.setPenColour(kBlack);
    c.setBrushColour(kAqua);
    c.polygon({{10, 2}, {15, 2}, {15, 6}, {10, 6}});
    c.setPenColour(kBlue);
    c.setPenWidth(2);
    c.moveTo(3, 12);
    c.lineTo(7, 12);
  };
  QImageCanvas plain(20, 16);
  QImageCanvas sharp(20, 16, 2.0);
  draw(plain);
  draw(sharp);
  ASSERT_EQ(sharp.width(), 20);
  ASSERT_EQ(sharp.height(), 16);
  ASSERT_EQ(sharp.image().size(), QSize(40, 32));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 20; ++x)
      for (int d = 0; d < 4; ++d)
        ASSERT_EQ(sharp.image().pixel(2 * x + d % 2, 2 * y + d / 2), plain.image().pixel(x, y)) << x << "," << y;
}

TEST_F(QImageCanvasTest, ANewRatioKeepsTheLogicalSizeAndTheContent) {
  QImageCanvas c(6, 4);
  c.setBrushColour(kYellow);
  c.setPenColour(kYellow);
  c.fillRect({0, 0, 3, 4});
  c.setDevicePixelRatio(1.5);
  EXPECT_EQ(c.width(), 6);
  EXPECT_EQ(c.image().size(), QSize(9, 6));
  EXPECT_EQ(c.image().pixel(1, 1), qRgb(255, 255, 0));
  EXPECT_EQ(c.image().pixel(8, 5), qRgb(255, 255, 255));
  c.resize(4, 2);
  EXPECT_EQ(c.image().size(), QSize(6, 3));
}

// Fractional advances snapped glyph by glyph give uneven gaps ("m m"); whole-pixel advances
// keep the spacing of the picture texts even.
TEST(QtFont, PictureTextAdvancesByWholePixels) {
  testing_support::qtApp();
  for (int size : {8, 10, 12}) {
    Font sans;
    sans.size = size;
    const QFontMetricsF metrics(qtFontFor(sans));
    for (const char* text : {"m", "mm", "Flugrichtung", "71.82dm^2"}) {
      const double advance = metrics.horizontalAdvance(QString::fromLatin1(text));
      EXPECT_EQ(advance, std::round(advance)) << size << " " << text;
    }
  }
}

TEST(QtFont, CourierResolvesToAFixedWidthFaceWithANinePixelCell) {
  testing_support::qtApp();
  Font courier;
  courier.name = "Courier";
  courier.size = 12;
  const QFontMetrics metrics(qtFontFor(courier));
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("M")), 9);
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("i")), 9);
  EXPECT_EQ(metrics.horizontalAdvance(QString(46, QLatin1Char('x'))), 46 * 9);
}

}  // namespace
}  // namespace volantis4
