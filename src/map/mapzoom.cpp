#include "map/mapzoom.h"

#include <QPainter>

namespace mapzoom {

QImage composed(const QImage& map, const QList<QImage>& layers) {
  QImage out = map.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&out);
  for (const QImage& layer : layers)
    if (!layer.isNull()) p.drawImage(0, 0, layer);
  return out;
}

}  // namespace mapzoom
