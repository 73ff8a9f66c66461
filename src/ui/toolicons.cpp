#include "ui/toolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace toolicons {

namespace {

const QColor kInk(40, 48, 64);

// A pointy-topped hex around the canvas centre.
QPolygonF hexagon(qreal halfWidth, qreal halfHeight, qreal shoulder) {
  return QPolygonF({{16, 16 - halfHeight}, {16 + halfWidth, 16 - shoulder}, {16 + halfWidth, 16 + shoulder},
                    {16, 16 + halfHeight}, {16 - halfWidth, 16 + shoulder}, {16 - halfWidth, 16 - shoulder}});
}

// Draws on a 32 × 32 canvas, scaled to the pixmap's size.
void draw(Picture picture, QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(kInk, 2.0);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  switch (picture) {
    case Picture::Ships: {
      p.setBrush(QColor(150, 100, 60));
      p.drawPolygon(QPolygonF({{4, 20}, {28, 20}, {23, 27}, {9, 27}}));
      p.drawLine(QPointF(16, 20), QPointF(16, 4));
      p.setBrush(QColor(240, 240, 230));
      p.drawPolygon(QPolygonF({{17, 5}, {26, 17}, {17, 17}}));
      p.setPen(QPen(QColor(40, 110, 200), 2.0));
      p.drawLine(QPointF(2, 30), QPointF(30, 30));
      break;
    }
    case Picture::Units: {
      p.setBrush(QColor(220, 170, 60));
      p.drawEllipse(QPointF(11, 10), 4, 4);
      p.drawEllipse(QPointF(22, 10), 4, 4);
      p.drawRoundedRect(QRectF(5, 16, 12, 13), 4, 4);
      p.drawRoundedRect(QRectF(16, 16, 12, 13), 4, 4);
      break;
    }
    case Picture::RedrawMap: {
      p.setBrush(QColor(90, 160, 90));
      p.drawPolygon(hexagon(11, 12, 6));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(Qt::white, 2.5));
      p.drawArc(QRectF(10, 10, 12, 12), 30 * 16, 280 * 16);
      p.setBrush(Qt::white);
      p.drawPolygon(QPolygonF({{22, 9}, {23, 15}, {18, 13}}));
      break;
    }
    case Picture::RegionMessages: {
      p.setBrush(QColor(250, 230, 120));
      QPainterPath bubble;
      bubble.addRoundedRect(QRectF(4, 5, 24, 17), 4, 4);
      bubble.moveTo(10, 22);
      bubble.lineTo(8, 28);
      bubble.lineTo(16, 22);
      p.drawPath(bubble.simplified());
      p.drawLine(QPointF(9, 11), QPointF(23, 11));
      p.drawLine(QPointF(9, 16), QPointF(19, 16));
      break;
    }
    case Picture::CheckOrders: {
      p.setBrush(QColor(245, 245, 240));
      p.drawRect(QRectF(6, 3, 18, 25));
      p.drawLine(QPointF(10, 9), QPointF(20, 9));
      p.drawLine(QPointF(10, 14), QPointF(18, 14));
      p.setPen(QPen(QColor(30, 150, 60), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({{13, 21}, {18, 27}, {29, 13}}));
      break;
    }
    case Picture::SendOrders: {
      // An envelope with an arrow leaving it.
      p.setBrush(QColor(245, 245, 240));
      p.drawRect(QRectF(3, 9, 20, 15));
      p.drawPolyline(QPolygonF({{3, 9}, {13, 18}, {23, 9}}));
      p.setPen(QPen(QColor(30, 110, 200), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawLine(QPointF(18, 26), QPointF(29, 15));
      p.drawPolyline(QPolygonF({{22, 15}, {29, 15}, {29, 22}}));
      break;
    }
    case Picture::Possessions: {
      p.setBrush(QColor(180, 120, 60));
      p.drawRoundedRect(QRectF(4, 12, 24, 16), 2, 2);
      p.setBrush(QColor(210, 150, 80));
      p.drawRoundedRect(QRectF(3, 8, 26, 6), 2, 2);
      p.setBrush(QColor(240, 200, 60));
      p.drawRect(QRectF(14, 12, 4, 6));
      break;
    }
    case Picture::Program: {
      p.setBrush(QColor(40, 90, 150));
      p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
      p.setBrush(QColor(90, 170, 90));
      p.drawPolygon(hexagon(9, 10, 5));
      p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({{11, 11}, {21, 11}, {11, 21}, {21, 21}}));
      break;
    }
  }
}

}  // namespace

QStringList themeNames(Picture picture) {
  switch (picture) {
    case Picture::Ships: return {};  // the usual themes have no ship
    case Picture::Units: return {QStringLiteral("system-users"), QStringLiteral("user-available")};
    case Picture::RedrawMap: return {QStringLiteral("view-refresh")};
    case Picture::RegionMessages: return {QStringLiteral("mail-message"), QStringLiteral("dialog-information")};
    case Picture::CheckOrders: return {QStringLiteral("tools-check-spelling"), QStringLiteral("dialog-ok")};
    case Picture::SendOrders: return {QStringLiteral("mail-send"), QStringLiteral("mail-message-new")};
    case Picture::Possessions: return {QStringLiteral("view-list-details"), QStringLiteral("x-office-spreadsheet")};
    case Picture::Program: return {QStringLiteral("zendral")};
  }
  return {};
}

QIcon drawn(Picture picture) {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(size / 32.0, size / 32.0);
    draw(picture, p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon icon(Picture picture) {
  for (const QString& name : themeNames(picture))
    if (QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
  return drawn(picture);
}

}  // namespace toolicons
