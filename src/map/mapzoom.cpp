#include "map/mapzoom.h"

#include <QPainter>
#include <algorithm>

namespace mapzoom {

int clamped(int factor) { return std::clamp(factor, kMinZoom, kMaxZoom); }

QImage zoomed(const QImage& image, int factor) {
  factor = clamped(factor);
  if (factor == 1 || image.isNull()) return image;
  return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QPoint unzoomed(QPoint shown, int factor) {
  factor = clamped(factor);
  // Rounded down, also left of and above the picture.
  auto down = [factor](int v) { return v >= 0 ? v / factor : -((-v + factor - 1) / factor); };
  return QPoint(down(shown.x()), down(shown.y()));
}

QImage composed(const QImage& map, const QList<QImage>& layers) {
  QImage out = map.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&out);
  for (const QImage& layer : layers)
    if (!layer.isNull()) p.drawImage(0, 0, layer);
  return out;
}

}  // namespace mapzoom
