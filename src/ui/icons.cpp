#include "ui/icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace volantis4 {
namespace {

// An icon of pixmaps drawn by `draw` on a transparent square of 16 and 32 pixels, scaled from
// a 16-pixel design.
template <typename Draw>
QIcon drawn(Draw draw) {
  QIcon icon;
  for (const int side : {16, 32}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 16.0, side / 16.0);
    draw(painter, side);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QIcon saveAsIcon() {
  const QIcon save = QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton);
  return QIcon::fromTheme(QStringLiteral("document-save-as"), drawn([&save](QPainter& p, int side) {
                            p.save();
                            p.resetTransform();
                            p.drawPixmap(0, 0, save.pixmap(side, side));
                            p.restore();
                            // The pencil: a yellow body from the lower right towards the middle, a dark tip.
                            QPainterPath body;
                            body.moveTo(15.5, 10.5);
                            body.lineTo(10.5, 15.5);
                            body.lineTo(7.5, 15.5);
                            body.lineTo(7.5, 12.5);
                            body.lineTo(12.5, 7.5);
                            body.closeSubpath();
                            p.setPen(QPen(QColor(60, 60, 60), 1));
                            p.setBrush(QColor(250, 200, 40));
                            p.drawPath(body);
                            p.setBrush(QColor(40, 40, 40));
                            p.drawPolygon(QPolygonF({{7.5, 12.5}, {7.5, 15.5}, {10.5, 15.5}}));
                          }));
}

QIcon printIcon() {
  return QIcon::fromTheme(QStringLiteral("document-print"), drawn([](QPainter& p, int) {
                            p.setPen(QPen(QColor(50, 50, 50), 1));
                            // The sheet going in at the top, the body, the sheet coming out in front.
                            p.setBrush(Qt::white);
                            p.drawRect(QRectF(4.5, 1.5, 7, 5));
                            p.setBrush(QColor(150, 150, 160));
                            p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
                            p.setBrush(Qt::white);
                            p.drawRect(QRectF(4.5, 10.5, 7, 5));
                            p.drawLine(QPointF(6, 12.5), QPointF(10, 12.5));
                            p.drawLine(QPointF(6, 14), QPointF(9, 14));
                            p.setPen(Qt::NoPen);
                            p.setBrush(QColor(60, 200, 60));
                            p.drawEllipse(QRectF(12, 8, 1.6, 1.6));
                          }));
}

}  // namespace volantis4
