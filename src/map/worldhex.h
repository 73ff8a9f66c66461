#pragma once
// The world map's hex and its geometry at any scale. At 1× a region's tile
// is 8 pixels wide and 10 high on the 8-pixel pitch: a pointed-top hex whose
// top and bottom points (2 pixels each) reach into the rows above and below,
// so neighbouring rows interlock. Scaled by a whole factor the same hex is
// drawn larger; everything that draws, picks or marks the zoomed world map
// asks this geometry.
#include <QPoint>
#include <QPolygonF>
#include <QRect>
#include <QRectF>

#include "map/mapgeometry.h"

namespace worldhex {

constexpr int kTileWidth = 8;
constexpr int kTileHeight = 10;  // 8-pixel pitch plus the 2-pixel point below
constexpr int kPoint = 2;        // height of the top and bottom points

// True where the point (a, b) of a tile (from its top-left corner, in 1×
// pixels) lies inside the hex; pixel (i, j) is inside when its centre is.
bool insideHex(double a, double b);
inline bool pixelInsideHex(int i, int j) { return insideHex(i + 0.5, j + 0.5); }

// The world map at `scale` (1, 2, 3, 4, 6, 8 ...), over the 1× map whose
// origin is (minX, minY) and whose height is `height` pixels.
class ZoomedGeometry {
 public:
  ZoomedGeometry(double minX, double minY, int height, int scale);

  int scale() const { return scale_; }
  // Top-left corner of the hex's box of region (x, y), in zoomed pixels.
  QPoint hexTopLeft(int x, int y) const;
  QPolygonF hexOutline(int x, int y) const;
  QPointF hexCentre(int x, int y) const;
  // The region whose drawn hex holds the zoomed pixel (px, py).
  mapgeometry::Coordinates pixelToRegion(int px, int py) const;

  // The rows (Länge) and, per row, the columns (Breite) whose hexes can
  // touch `zoomed`, a rectangle of zoomed pixels.
  struct Span {
    int firstRow, lastRow;
  };
  Span rowsTouching(const QRect& zoomed) const;
  std::pair<int, int> columnsTouching(const QRect& zoomed, int row) const;

 private:
  double tileLeft(int x, int y) const;  // 1× pixels
  double tileTop(int y) const;
  double minX_, minY_;
  int height_;
  int scale_;
};

}  // namespace worldhex
