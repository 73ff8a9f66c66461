#include "map/terraintiles.h"

#include <QPainter>
#include <QPolygonF>

namespace terraintiles {

namespace {
struct Terrain {
  const char* worldFile;
  const char* smallFile;
  QColor colour;
};

const Terrain kTerrains[] = {
    {"wozean.bmp", "ozean.bmp", QColor(40, 90, 200)},
    {"webene.bmp", "ebene.bmp", QColor(150, 210, 90)},
    {"whochl.bmp", "hochl.bmp", QColor(170, 150, 80)},
    {"wgletscher.bmp", "gletscher.bmp", QColor(210, 235, 250)},
    {"wgebirge.bmp", "gebirge.bmp", QColor(130, 110, 100)},
    {"wsumpf.bmp", "sumpf.bmp", QColor(80, 120, 90)},
    {"wwald.bmp", "wald.bmp", QColor(30, 120, 40)},
    {"wwüste.bmp", "wüste.bmp", QColor(235, 210, 120)},
    {"wflamm.bmp", "flamm.bmp", QColor(220, 60, 20)},
    {"weisberg.bmp", "eisberg.bmp", QColor(190, 220, 240)},
};
}  // namespace

QList<Tile> standardTiles() {
  QList<Tile> tiles;
  for (const Terrain& t : kTerrains) tiles.append({QString::fromUtf8(t.worldFile), t.colour, kWorldTileSize});
  tiles.append({QStringLiteral("wblank.bmp"), QColor(), kWorldTileSize});
  for (const Terrain& t : kTerrains) tiles.append({QString::fromUtf8(t.smallFile), t.colour, kSmallTileSize});
  tiles.append({QStringLiteral("blank.bmp"), QColor(), kSmallTileSize});
  return tiles;
}

QImage drawTile(const Tile& tile) {
  QImage image(tile.size, tile.size, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (!tile.colour.isValid()) return image;
  // A pointed-top hexagon filling the cell, so neighbouring rows interlock.
  const double s = tile.size;
  const QPolygonF hexagon({QPointF(s / 2, 0), QPointF(s, s / 4), QPointF(s, 3 * s / 4), QPointF(s / 2, s),
                           QPointF(0, 3 * s / 4), QPointF(0, s / 4)});
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, tile.size > 10);
  painter.setPen(Qt::NoPen);
  painter.setBrush(tile.colour);
  painter.drawPolygon(hexagon);
  return image;
}

}  // namespace terraintiles
