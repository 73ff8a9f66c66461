#pragma once
// The terrain tile pictures both maps load from images/: their file names
// and the simple artwork a new program folder starts with.
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace terraintiles {

constexpr int kWorldTileSize = 8;   // world map: 8-pixel pitch, tiles 8 wide
constexpr int kWorldTileHeight = 10;  // and 10 high: a hex whose points reach the next rows
constexpr int kSmallTileSize = 30;  // small map: 29-pixel pitch, overlapping by one

// What is drawn on a tile besides its ground colour.
enum class Pattern { None, Waves, Trees, Peaks, Ice, Dunes, Reeds, Flames, Mist, Crater, Wall, Hills, Unknown };

// BMP keeps no alpha: tile pixels of this colour are not drawn, so the
// corners of a hex tile show the neighbouring tiles.
inline QColor transparentKey() { return QColor(255, 0, 255); }

struct Tile {
  QString fileName;  // e.g. "wozean.bmp"
  QColor colour;     // ground colour
  int size;
  Pattern pattern = Pattern::None;
  QColor detail;     // colour of the pattern
};

// Every tile file the world map ("w" set) and the small map name, blanks included.
QList<Tile> standardTiles();

// The tile's artwork: world tiles are an 8 × 10 hex with corners in the
// transparent key colour, small tiles a hexagon on white. The blank tiles
// are mid grey with a mark: a region nobody has seen.
QImage drawTile(const Tile& tile);

// The picture as it is drawn: pixels of the transparent key colour made
// transparent (a tile without them is drawn whole, as before).
QImage withTransparentKey(const QImage& tile);

// Writes the standard tiles that `imagesDir` lacks; files already there
// (perhaps the player's own artwork) are left alone. A tile that the folder
// `copyFrom` holds (the installed default tiles) is copied from there, the
// others are drawn. Returns how many were written; throws nothing, and
// `error` names the first file that could not be written.
int writeMissingTiles(const QString& imagesDir, QString* error = nullptr, const QString& copyFrom = {});

}  // namespace terraintiles
