#include <gtest/gtest.h>

#include "map/mapgeometry.h"

using namespace mapgeometry;

TEST(MapGeometry, HalvesRoundToTheEvenNeighbour) {
  const struct { double in, out; } cases[] = {{2.5, 2}, {1.5, 2}, {0.5, 0}, {-0.5, 0}, {-1.5, -2},
                                              {2.4, 2}, {2.6, 3}, {3.0, 3}, {-2.5, -2}};
  for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(MapGeometry, BitmapSizeAndTilePositions) {
  const struct {
    WorldGeometry g;
    int rows, columns;
    int x, y;
    QPoint tile;
  } cases[] = {
      {{0, 0, 0, 0}, 1, 1, 0, 0, QPoint(0, 0)},     // single region: 8 × 8
      {{0, 0, 0, 1}, 2, 2, 0, 1, QPoint(4, 0)},     // 1.5 columns give 2
      {{0, 0, 0, 1}, 2, 2, 0, 0, QPoint(0, 8)},
      {{0, 0, 0, 3}, 4, 2, 0, 3, QPoint(12, 0)},    // 2.5 columns give 2: tile cut at x = 16
      {{-3, 2, -5, -1}, 5, 8, -3, -5, QPoint(0, 32)},
      {{-3, 2, -5, -1}, 5, 8, 2, -1, QPoint(56, 0)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.g.rows(), c.rows);
    EXPECT_EQ(c.g.columns(), c.columns);
    EXPECT_EQ(c.g.tileAt(c.x, c.y), c.tile) << c.x << "/" << c.y;
  }
  EXPECT_EQ(WorldGeometry({0, 0, 0, 3}).width(), 16);
}

TEST(MapGeometry, TileCentresOfTheWorldMapPickTheirRegion) {
  const WorldGeometry g{-4, 5, -6, 3};
  for (int y = -6; y <= 3; ++y)
    for (int x = -4; x <= 5; ++x) {
      const QPoint tile = g.tileAt(x, y);
      const Coordinates c = worldPixelToRegion(tile.x() + 4, tile.y() + 4, g.height(), g.minX, g.minY);
      EXPECT_EQ(c, (Coordinates{x, y})) << x << "/" << y;
      // The overlays put their cells where the tiles are.
      EXPECT_EQ(overlayCell(x, y, g.minX, g.minY, g.height()), tile);
    }
  // The top pixel row of a cell belongs to the row above.
  const Coordinates top = worldPixelToRegion(3, 0, 8, 0, 0);
  EXPECT_EQ(top, (Coordinates{-1, 1}));
}

TEST(MapGeometry, SmallMapCellsAroundTheOrigin) {
  const QList<SmallCell> cells = smallMapCells(0, 0);
  ASSERT_EQ(cells.size(), 85);
  QList<int> row4, row5;
  for (const SmallCell& c : cells) {
    if (c.row == 5) {
      EXPECT_EQ(c.region.y, 0);
      row5 << c.region.x;
    }
    if (c.row == 4) {
      EXPECT_EQ(c.region.y, 1);
      row4 << c.region.x;
    }
    if (c.row == 5 && c.column == 5) {
      EXPECT_EQ(c.topLeft, QPoint(116, 116));
      EXPECT_EQ(c.region, (Coordinates{0, 0}));
    }
    if (c.row == 4 && c.column == 1) {
      EXPECT_EQ(c.topLeft.x(), -14);
    }
    if (c.row == 1) {
      EXPECT_EQ(c.region.y, 4);
    }
    if (c.row == 9) {
      EXPECT_EQ(c.region.y, -4);
    }
  }
  EXPECT_EQ(row5, QList<int>({-4, -3, -2, -1, 0, 1, 2, 3, 4}));
  EXPECT_EQ(row4, QList<int>({-5, -4, -3, -2, -1, 0, 1, 2, 3, 4}));
}

TEST(MapGeometry, SmallMapClicks) {
  const struct { double px, py; int cx, cy; Coordinates region; } cases[] = {
      {130, 130, 0, 0, {0, 0}},
      {130, 116, 0, 0, {-1, 1}},  // top pixel row of the centre cell
      {130, 130, 20, -7, {20, -7}},
  };
  for (const auto& c : cases) EXPECT_EQ(smallPixelToRegion(c.px, c.py, c.cx, c.cy), c.region) << c.px << "," << c.py;
  // Every cell's middle picks the region the cell shows.
  for (const auto& [cx, cy] : {std::pair{0, 0}, std::pair{-13, 7}, std::pair{5, -9}})
    for (const SmallCell& c : smallMapCells(cx, cy))
      EXPECT_EQ(smallPixelToRegion(c.topLeft.x() + 15, c.topLeft.y() + 15, cx, cy), c.region)
          << "row " << c.row << " cell " << c.column;
}

TEST(MapGeometry, PositionTextsAndTheLevelTest) {
  const struct {
    const char* position;
    int level;
    bool onLevel, numbers;
    int x, y;
  } cases[] = {
      {"3/4", 0, true, true, 3, 4},      {"3/4/1", 0, false, true, 3, 4},  {"3/4/1", 1, true, true, 3, 4},
      {"3/4/12", 1, true, true, 3, 4},   {"3/4/12", 12, true, true, 3, 4}, {"3/4/12", 2, false, true, 3, 4},
      {"-3/-14", 0, true, true, -3, -14}, {"a/4", 0, true, false, 0, 4},   {"3/", 0, true, false, 3, 0},
  };
  for (const auto& c : cases) {
    const PositionCheck p = splitPosition(QString::fromLatin1(c.position), c.level);
    EXPECT_EQ(p.onLevel, c.onLevel) << c.position << " level " << c.level;
    EXPECT_EQ(p.numbers, c.numbers) << c.position;
    if (c.numbers) {
      EXPECT_EQ(p.at, (Coordinates{c.x, c.y})) << c.position;
    }
  }
}
