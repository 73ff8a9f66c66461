#pragma once
// Choosing a terrain's tile file and loading each file once per drawing.
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tilecache {

// The tile file of a terrain: "w" + name for the world map, the plain name
// for the small map. Terrains without their own entry use their lower-case
// name, so "OZEAN" still finds "ozean.bmp".
QString smallTileFile(const QString& regiontyp);
QString worldTileFile(const QString& regiontyp);

// The message shown when a terrain has no picture.
QString missingTileMessage(const QString& regiontyp);

// Tiles of one drawing, loaded once per file name. A missing file gives the
// blank tile, and its terrain's message once per drawing.
class TileCache {
 public:
  // `blankFile` lies in `imagesDir`; `blankSize` is used when it is missing too.
  TileCache(QString imagesDir, QString blankFile, int blankSize);

  const QImage& tile(const QString& fileName, const QString& regiontyp);
  const QImage& blank();
  // The messages of missing tiles, one per terrain, in the order they arose.
  const QStringList& messages() const { return messages_; }

 private:
  QString imagesDir_;
  QString blankFile_;
  int blankSize_;
  QHash<QString, QImage> loaded_;
  QSet<QString> missingFiles_;
  QSet<QString> reportedTerrains_;
  QStringList messages_;
};

}  // namespace tilecache
