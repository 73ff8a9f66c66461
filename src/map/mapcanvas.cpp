#include "map/mapcanvas.h"

#include <QPolygon>

namespace mapcanvas {

namespace {
}  // namespace

QImage wipedLayer(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (size.width() > 2 && size.height() > 2) {
    QPainter p(&image);
    hollowBox(p, 1, 1, size.width() - 1, size.height() - 1, Qt::black);
  }
  return image;
}

void ellipse(QPainter& p, int x1, int y1, int x2, int y2, const QColor& outline, const QColor& fill) {
  const QRect box = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(outline, 0));
  p.setBrush(fill);
  p.drawEllipse(QRect(box.left(), box.top(), box.width() - 2, box.height() - 2));
}

void polygon(QPainter& p, std::initializer_list<QPoint> corners, const QColor& outline, const QColor& fill) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(outline, 0));
  p.setBrush(fill);
  p.drawPolygon(QPolygon(QList<QPoint>(corners)));
}

void hollowBox(QPainter& p, int x1, int y1, int x2, int y2, const QColor& outline) {
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  const QPainter::CompositionMode mode = p.compositionMode();
  // The inside shows what lies below again, as the layer's white ground does.
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Qt::transparent);
  p.fillRect(QRect(x1, y1, x2 - x1, 1), outline);
  p.fillRect(QRect(x1, y2 - 1, x2 - x1, 1), outline);
  p.fillRect(QRect(x1, y1, 1, y2 - y1), outline);
  p.fillRect(QRect(x2 - 1, y1, 1, y2 - y1), outline);
  p.setCompositionMode(mode);
}

}  // namespace mapcanvas
