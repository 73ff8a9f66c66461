#pragma once
// Showing the maps larger: whole factors 1 to 4, each pixel a square of
// equal pixels, so tiles and marks stay sharp and clicks map back exactly.
#include <QImage>
#include <QList>
#include <QPoint>

namespace mapzoom {

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 4;

int clamped(int factor);
// The picture `factor` times as large, without smoothing.
QImage zoomed(const QImage& image, int factor);
// The picture pixel under a point of the shown, zoomed picture.
QPoint unzoomed(QPoint shown, int factor);
// The map with the layers drawn over it in order (transparent where empty).
QImage composed(const QImage& map, const QList<QImage>& layers);

}  // namespace mapzoom
