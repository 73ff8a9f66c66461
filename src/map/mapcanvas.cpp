#include "map/mapcanvas.h"

#include <QPolygon>
#include <algorithm>

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
  // By pixel centres, so the tiny dots of the maps come out the same everywhere.
  const int left = std::min(x1, x2), right = std::max(x1, x2), top = std::min(y1, y2), bottom = std::max(y1, y2);
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  auto inside = [&](int x, int y) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      p.fillRect(QRect(x, y, 1, 1), edge ? outline : fill);
    }
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
