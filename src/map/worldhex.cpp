#include "map/worldhex.h"

#include <cmath>

namespace worldhex {

bool insideHex(double a, double b) {
  if (a < 0 || a >= kTileWidth || b < 0 || b >= kTileHeight) return false;
  // The slanted edges fall by kPoint over half the width.
  const double slope = std::abs(a - kTileWidth / 2.0) * kPoint / (kTileWidth / 2.0);
  return b >= slope && b <= kTileHeight - slope;
}

ZoomedGeometry::ZoomedGeometry(double minX, double minY, int height, int scale)
    : minX_(minX), minY_(minY), height_(height), scale_(scale < 1 ? 1 : scale) {}

double ZoomedGeometry::tileLeft(int x, int y) const {
  return mapgeometry::kWorldPitch * (x - minX_ + 0.5 * (y - minY_));
}

double ZoomedGeometry::tileTop(int y) const { return height_ - mapgeometry::kWorldPitch * (y - minY_ + 1); }

QPoint ZoomedGeometry::hexTopLeft(int x, int y) const {
  return QPoint(int(std::lround(tileLeft(x, y) * scale_)), int(std::lround(tileTop(y) * scale_)));
}

QPolygonF ZoomedGeometry::hexOutline(int x, int y) const {
  const QPointF o = hexTopLeft(x, y);
  const double s = scale_, w = kTileWidth * s, h = kTileHeight * s, p = kPoint * s;
  return QPolygonF({o + QPointF(w / 2, 0), o + QPointF(w, p), o + QPointF(w, h - p), o + QPointF(w / 2, h),
                    o + QPointF(0, h - p), o + QPointF(0, p)});
}

QPointF ZoomedGeometry::hexCentre(int x, int y) const {
  return QPointF(hexTopLeft(x, y)) + QPointF(kTileWidth * scale_ / 2.0, kTileHeight * scale_ / 2.0);
}

mapgeometry::Coordinates ZoomedGeometry::pixelToRegion(int px, int py) const {
  // The pixel's centre in 1× pixels.
  const double u = (px + 0.5) / scale_, v = (py + 0.5) / scale_;
  const double pitch = mapgeometry::kWorldPitch;
  // The row whose 8-pixel band holds v ...
  const int row = int(minY_ + std::ceil((height_ - v) / pitch) - 1);
  auto columnIn = [&](int y) { return int(std::floor(u / pitch + minX_ - 0.5 * (y - minY_))); };
  const int x = columnIn(row);
  if (insideHex(u - tileLeft(x, row), v - tileTop(row))) return {x, row};
  // ... else the bottom point of the row above reaches down to it.
  return {columnIn(row + 1), row + 1};
}

ZoomedGeometry::Span ZoomedGeometry::rowsTouching(const QRect& zoomed) const {
  const double pitch = mapgeometry::kWorldPitch;
  const double top = double(zoomed.top()) / scale_, bottom = double(zoomed.bottom() + 1) / scale_;
  // A hex reaches kPoint below its band: one row more at the top edge.
  const int first = int(std::floor(minY_ + (height_ - bottom) / pitch)) - 1;
  const int last = int(std::ceil(minY_ + (height_ - top) / pitch)) + 1;
  return {first, last};
}

std::pair<int, int> ZoomedGeometry::columnsTouching(const QRect& zoomed, int row) const {
  const double pitch = mapgeometry::kWorldPitch;
  const double left = double(zoomed.left()) / scale_, right = double(zoomed.right() + 1) / scale_;
  const double shift = minX_ - 0.5 * (row - minY_);
  return {int(std::floor(left / pitch + shift)) - 1, int(std::ceil(right / pitch + shift))};
}

}  // namespace worldhex
