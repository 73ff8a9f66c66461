#include "map/terraintiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPolygonF>

#include "app/filetransaction.h"

namespace terraintiles {

namespace {
struct Terrain {
  const char* worldFile;
  const char* smallFile;
  QColor colour;
  Pattern pattern;
  QColor detail;
};

const Terrain kTerrains[] = {
    {"wozean.bmp", "ozean.bmp", QColor(40, 90, 200), Pattern::Waves, QColor(90, 140, 230)},
    {"webene.bmp", "ebene.bmp", QColor(150, 210, 90), Pattern::None, QColor()},
    {"whochl.bmp", "hochl.bmp", QColor(170, 150, 80), Pattern::Hills, QColor(130, 110, 60)},
    {"wgletscher.bmp", "gletscher.bmp", QColor(245, 250, 255), Pattern::Ice, QColor(170, 200, 225)},
    {"wgebirge.bmp", "gebirge.bmp", QColor(140, 120, 100), Pattern::Peaks, QColor(90, 75, 60)},
    {"wsumpf.bmp", "sumpf.bmp", QColor(110, 120, 50), Pattern::Reeds, QColor(70, 80, 30)},
    {"wwald.bmp", "wald.bmp", QColor(25, 100, 35), Pattern::Trees, QColor(10, 60, 20)},
    {"wwüste.bmp", "wüste.bmp", QColor(235, 210, 130), Pattern::Dunes, QColor(205, 175, 95)},
    {"wdesert.bmp", "desert.bmp", QColor(235, 210, 130), Pattern::Dunes, QColor(205, 175, 95)},
    {"wflamm.bmp", "flamm.bmp", QColor(210, 30, 20), Pattern::Flames, QColor(255, 200, 40)},
    {"weisberg.bmp", "eisberg.bmp", QColor(60, 110, 210), Pattern::Ice, QColor(235, 245, 255)},
    {"wnebel.bmp", "nebel.bmp", QColor(215, 215, 215), Pattern::Mist, QColor(190, 190, 190)},
    {"wdichter nebel.bmp", "dichter nebel.bmp", QColor(170, 170, 175), Pattern::Mist, QColor(140, 140, 145)},
    {"wvulkan.bmp", "vulkan.bmp", QColor(70, 55, 50), Pattern::Crater, QColor(200, 40, 20)},
    {"waktiver vulkan.bmp", "aktiver vulkan.bmp", QColor(60, 40, 35), Pattern::Crater, QColor(255, 60, 10)},
    {"wwand.bmp", "wand.bmp", QColor(60, 60, 60), Pattern::Wall, QColor(25, 25, 25)},
};

// Pattern marks in cell units of a 8 × 8 grid, scaled to the tile size.
void drawPattern(QPainter& p, const Tile& tile) {
  const double u = tile.size / 8.0;
  auto dot = [&](double x, double y, double w = 1, double h = 1) { p.fillRect(QRectF(x * u, y * u, w * u, h * u), tile.detail); };
  switch (tile.pattern) {
    case Pattern::None: break;
    case Pattern::Waves: dot(1, 2, 2); dot(5, 5, 2); break;
    case Pattern::Trees: dot(2, 2); dot(5, 3); dot(3, 5); break;
    case Pattern::Peaks: dot(3, 2, 2); dot(2, 3, 4); dot(1, 4, 6, 1); break;
    case Pattern::Hills: dot(1, 4, 2); dot(5, 3, 2); break;
    case Pattern::Ice: dot(2, 2, 2); dot(4, 5, 2); break;
    case Pattern::Dunes: dot(1, 3, 3); dot(4, 5, 3); break;
    case Pattern::Reeds: dot(2, 3, 1, 2); dot(5, 4, 1, 2); break;
    case Pattern::Flames: dot(3, 2, 2, 4); dot(2, 4); dot(5, 4); break;
    case Pattern::Mist: dot(1, 2, 5); dot(2, 5, 5); break;
    case Pattern::Crater: dot(3, 3, 2, 2); dot(2, 2); dot(5, 5); break;
    case Pattern::Wall: dot(0, 3, 8); dot(4, 0, 1, 3); dot(2, 4, 1, 4); break;
  }
}
}  // namespace

QList<Tile> standardTiles() {
  QList<Tile> tiles;
  for (const Terrain& t : kTerrains)
    tiles.append({QString::fromUtf8(t.worldFile), t.colour, kWorldTileSize, t.pattern, t.detail});
  tiles.append({QStringLiteral("wblank.bmp"), QColor(), kWorldTileSize, Pattern::None, QColor()});
  for (const Terrain& t : kTerrains)
    tiles.append({QString::fromUtf8(t.smallFile), t.colour, kSmallTileSize, t.pattern, t.detail});
  tiles.append({QStringLiteral("blank.bmp"), QColor(), kSmallTileSize, Pattern::None, QColor()});
  return tiles;
}

QImage drawTile(const Tile& tile) {
  QImage image(tile.size, tile.size, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (!tile.colour.isValid()) return image;
  QPainter painter(&image);
  if (tile.size <= kWorldTileSize) {
    // The world map's rows shift by half a tile and touch: full squares
    // give an unbroken map.
    image.fill(tile.colour);
  } else {
    // A pointed-top hexagon filling the cell, so neighbouring rows interlock.
    const double s = tile.size;
    const QPolygonF hexagon({QPointF(s / 2, 0), QPointF(s, s / 4), QPointF(s, 3 * s / 4), QPointF(s / 2, s),
                             QPointF(0, 3 * s / 4), QPointF(0, s / 4)});
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile.colour);
    painter.drawPolygon(hexagon);
    painter.setRenderHint(QPainter::Antialiasing, false);
  }
  if (tile.detail.isValid()) drawPattern(painter, tile);
  return image;
}

int writeMissingTiles(const QString& imagesDir, QString* error, const QString& copyFrom) {
  int written = 0;
  if (!QFileInfo(imagesDir).isDir() && !QDir().mkpath(imagesDir)) {
    if (error) *error = QStringLiteral("Der Ordner %1 konnte nicht angelegt werden.").arg(imagesDir);
    return 0;
  }
  for (const Tile& tile : standardTiles()) {
    const QString path = QDir(imagesDir).filePath(tile.fileName);
    if (QFileInfo::exists(path)) continue;
    const QString copy = copyFrom.isEmpty() ? QString() : QDir(copyFrom).filePath(tile.fileName);
    QString failed;
    QFile installed(copy);
    if (!copy.isEmpty() && installed.open(QIODevice::ReadOnly))
      failed = safefile::writeBytes(path, installed.readAll());
    else
      failed = safefile::writeImage(drawTile(tile), path, "BMP");
    if (!failed.isEmpty()) {
      if (error && error->isEmpty()) *error = failed;
      continue;
    }
    ++written;
  }
  return written;
}

}  // namespace terraintiles
