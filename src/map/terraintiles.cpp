#include "map/terraintiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPolygonF>

#include "game/filetransaction.h"
#include "map/worldhex.h"

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
    {"wgletscher.bmp", "gletscher.bmp", QColor(180, 200, 215), Pattern::Ice, QColor(110, 140, 170)},
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

// Unknown ground: mid grey with a lighter question mark, unlike any terrain.
const QColor kBlankColour(128, 128, 128);
const QColor kBlankMark(205, 205, 205);

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
    case Pattern::Unknown: dot(2, 1, 3); dot(5, 2); dot(4, 3); dot(3, 4); dot(3, 6); break;  // a question mark
  }
}
}  // namespace

QList<Tile> standardTiles() {
  QList<Tile> tiles;
  for (const Terrain& t : kTerrains)
    tiles.append({QString::fromUtf8(t.worldFile), t.colour, kWorldTileSize, t.pattern, t.detail});
  tiles.append({QStringLiteral("wblank.bmp"), kBlankColour, kWorldTileSize, Pattern::Unknown, kBlankMark});
  for (const Terrain& t : kTerrains)
    tiles.append({QString::fromUtf8(t.smallFile), t.colour, kSmallTileSize, t.pattern, t.detail});
  tiles.append({QStringLiteral("blank.bmp"), kBlankColour, kSmallTileSize, Pattern::Unknown, kBlankMark});
  return tiles;
}

QImage drawTile(const Tile& tile) {
  const bool world = tile.size <= kWorldTileSize;
  QImage image(tile.size, world ? kWorldTileHeight : tile.size, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (!tile.colour.isValid()) return image;
  QPainter painter(&image);
  if (world) {
    // The hex of the world map, pixel by pixel so that neighbouring tiles
    // on the 8-pixel pitch fit without gap or overlap.
    for (int j = 0; j < image.height(); ++j)
      for (int i = 0; i < image.width(); ++i)
        image.setPixelColor(i, j, worldhex::pixelInsideHex(i, j) ? tile.colour : transparentKey());
    // The pattern lies in the middle of the hex, one pixel below the points.
    painter.translate(0, 1);
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

QImage withTransparentKey(const QImage& tile) {
  QImage out = tile.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = transparentKey().rgb();
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] | 0xFF000000u) == key) line[x] = 0;
  }
  return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
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
