#pragma once
// Laying the map layers over the world map picture.
#include <QImage>
#include <QList>

namespace mapzoom {

// The map with the layers drawn over it in order (transparent where empty).
QImage composed(const QImage& map, const QList<QImage>& layers);

}  // namespace mapzoom
