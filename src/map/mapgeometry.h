#pragma once
// Where regions lie on the two maps: the world map's tile grid (8-pixel
// pitch, each row half a tile to the right of the one below), the small
// map's 85 cells, and the way back from a pixel to the region under it.
#include <QList>
#include <QPoint>
#include <QString>
#include <optional>

namespace mapgeometry {

constexpr int kWorldPitch = 8;
constexpr int kSmallPitch = 29;
constexpr int kSmallMapSize = 261;  // Image1 and Image5 are square
constexpr int kSmallRows = 9;

// Whole number nearest to v; exact halves go to the even neighbour.
double roundHalfEven(double v);

// The extent of the drawn regions and the bitmap it needs.
struct WorldGeometry {
  double minX = 0, maxX = 0, minY = 0, maxY = 0;

  int rows() const;     // R = maxY - minY + 1
  int columns() const;  // C, see roundHalfEven
  int width() const { return kWorldPitch * columns(); }
  int height() const { return kWorldPitch * rows(); }
  // Top-left corner of the tile of region (x, y) on a bitmap `height` high.
  QPoint tileAt(int x, int y, int height) const;
  QPoint tileAt(int x, int y) const { return tileAt(x, y, height()); }
};

// Top-left corner of region (x, y) on an overlay `height` pixels high over a
// world map with origin (minX, minY); each value truncated towards zero.
QPoint overlayCell(int x, int y, double minX, double minY, int height);

struct Coordinates {
  int x = 0;
  int y = 0;
  bool operator==(const Coordinates& o) const { return x == o.x && y == o.y; }
};

// The region under pixel (px, py) of the world map (height in pixels,
// origin minX / minY) and of the small map around centre (cx, cy).
Coordinates worldPixelToRegion(double px, double py, int height, double minX, double minY);
Coordinates smallPixelToRegion(double px, double py, int cx, int cy, int height = kSmallMapSize);

// The position text as x + "/" + y.
QString coordinateText(int x, int y);

// One cell of the small map: where it is drawn and which region it shows.
struct SmallCell {
  int row = 1;     // 1..9 from the top
  int column = 1;  // 1..9 (odd rows) or 1..10 (even rows)
  QPoint topLeft;
  Coordinates region;
};
// All 85 cells around centre (cx, cy), row by row, left to right.
QList<SmallCell> smallMapCells(int cx, int cy);

// A position text split into x and y ("3/4" or "3/4/1"), if it passes the
// level test for `level`: on level 0 the part after the first "/" holds no
// further "/", on another level it contains "/" + level.
struct PositionCheck {
  bool onLevel = false;  // passes the level test
  bool numbers = false;  // x and y are whole numbers
  Coordinates at;
};
PositionCheck splitPosition(const QString& position, int level);

}  // namespace mapgeometry
