#pragma once
// The terrain tile pictures both maps load from images/: their file names
// and the simple artwork a new program folder starts with.
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace terraintiles {

constexpr int kWorldTileSize = 8;   // world map: 8-pixel pitch
constexpr int kSmallTileSize = 30;  // small map: 29-pixel pitch, overlapping by one

struct Tile {
  QString fileName;  // e.g. "wozean.bmp"
  QColor colour;     // hexagon fill; the blank tiles are white only
  int size;
};

// Every tile file the world map ("w" set) and the small map name, blanks included.
QList<Tile> standardTiles();

// A hexagon in the tile's colour on white; a blank tile is plain white.
QImage drawTile(const Tile& tile);

}  // namespace terraintiles
