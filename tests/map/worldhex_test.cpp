// The world map's hex: the tile's shape, picking and the drawn part at
// every zoom step.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "map/terraintiles.h"
#include "map/worldhex.h"

using mapgeometry::Coordinates;
using worldhex::ZoomedGeometry;

TEST(WorldHex, TileHasTransparentCornersAfterSavingAsBmp) {
  QTemporaryDir dir;
  ASSERT_EQ(terraintiles::writeMissingTiles(dir.path()), terraintiles::standardTiles().size());
  for (const char* file : {"wozean.bmp", "webene.bmp", "wgletscher.bmp", "wblank.bmp"}) {
    const QImage saved(QDir(dir.path()).filePath(QString::fromUtf8(file)));
    ASSERT_EQ(saved.size(), QSize(8, 10)) << file;
    const QImage tile = terraintiles::withTransparentKey(saved);
    // Corners of the box are outside the hex; the middle and the points are in.
    for (QPoint corner : {QPoint(0, 0), QPoint(7, 0), QPoint(2, 0), QPoint(0, 1), QPoint(0, 9), QPoint(7, 9), QPoint(6, 9)})
      EXPECT_EQ(qAlpha(tile.pixel(corner)), 0) << file << " " << corner.x() << "/" << corner.y();
    for (QPoint inside : {QPoint(3, 0), QPoint(4, 9), QPoint(0, 2), QPoint(7, 7), QPoint(4, 5)})
      EXPECT_EQ(qAlpha(tile.pixel(inside)), 255) << file << " " << inside.x() << "/" << inside.y();
  }
}

TEST(WorldHex, NeighbouringTilesCoverEveryPixelOnce) {
  // Tiles of a 5 × 5 patch at the world map's places (origin 0/0, 5 rows).
  const int height = 40;
  mapgeometry::WorldGeometry g{0, 4, 0, 4};
  QList<int> covered(64 * height, 0);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) {
      const QPoint at = g.tileAt(x, y, height);
      for (int j = 0; j < worldhex::kTileHeight; ++j)
        for (int i = 0; i < worldhex::kTileWidth; ++i)
          if (worldhex::pixelInsideHex(i, j) && at.y() + j < height) ++covered[(at.y() + j) * 64 + at.x() + i];
    }
  // Inside the patch (away from its ragged edges) no gap and no overlap.
  for (int py = 3; py < 30; ++py)
    for (int px = 20; px < 40; ++px) EXPECT_EQ(covered[py * 64 + px], 1) << px << "/" << py;
}

TEST(WorldHex, PickingFindsTheDrawnHexAtEveryZoom) {
  struct Origin {
    double minX, minY;
    int height;
  };
  // Level 0 around 0/0, and a level-1 map with its own (negative) origin.
  const Origin origins[] = {{-3, -2, 80}, {-12, -7, 48}};
  const Coordinates regions[] = {{0, 0}, {1, 1}, {-2, -1}, {-3, -2}, {2, 3}, {-10, -6}};
  for (const Origin& o : origins)
    for (int scale : {2, 3, 4, 6, 8}) {
      const ZoomedGeometry g(o.minX, o.minY, o.height, scale);
      for (const Coordinates r : regions) {
        const QPoint tl = g.hexTopLeft(r.x, r.y);
        auto pick = [&](double a, double b) {  // a point of the tile box in 1× units
          return g.pixelToRegion(tl.x() + int(a * scale), tl.y() + int(b * scale));
        };
        const std::string where = std::to_string(scale) + "x " + std::to_string(r.x) + "/" + std::to_string(r.y);
        EXPECT_EQ(pick(4, 5), r) << where;
        EXPECT_EQ(pick(4, 0.2), r) << where;  // the top point
        EXPECT_EQ(pick(0.2, 2.5), r) << where;
        // The box's corners belong to the neighbours above and below.
        EXPECT_EQ(pick(0.2, 0.2), (Coordinates{r.x - 1, r.y + 1})) << where;
        EXPECT_EQ(pick(7.7, 0.2), (Coordinates{r.x, r.y + 1})) << where;
        EXPECT_EQ(pick(0.2, 9.7), (Coordinates{r.x, r.y - 1})) << where;
        EXPECT_EQ(pick(7.7, 9.7), (Coordinates{r.x + 1, r.y - 1})) << where;
      }
    }
}

TEST(WorldHex, TheDrawnPartHoldsEveryHexTouchingIt) {
  const ZoomedGeometry g(-3, -2, 80, 4);
  const QRect views[] = {QRect(0, 0, 100, 60), QRect(37, 91, 50, 50), QRect(130, 5, 7, 300)};
  for (const QRect& view : views) {
    const ZoomedGeometry::Span rows = g.rowsTouching(view);
    for (int y = -6; y < 14; ++y)
      for (int x = -12; x < 20; ++x) {
        if (!g.hexOutline(x, y).boundingRect().toAlignedRect().adjusted(0, 0, -1, -1).intersects(view)) continue;
        EXPECT_TRUE(y >= rows.firstRow && y <= rows.lastRow) << x << "/" << y;
        const auto [first, last] = g.columnsTouching(view, y);
        EXPECT_TRUE(x >= first && x <= last) << x << "/" << y;
      }
  }
}
