#include "map/tilecache.h"

#include <QDir>

#include "map/terraintiles.h"

namespace tilecache {

QString smallTileFile(const QString& t) {
  // Exact comparisons; everything else goes by its lower-case name.
  static const QHash<QString, QString> named = {
      {QStringLiteral("Ozean"), QStringLiteral("ozean.bmp")},
      {QStringLiteral("Ebene"), QStringLiteral("ebene.bmp")},
      {QStringLiteral("Hochland"), QStringLiteral("hochl.bmp")},
      {QStringLiteral("Gletscher"), QStringLiteral("gletscher.bmp")},
      {QStringLiteral("Berge"), QStringLiteral("gebirge.bmp")},
      {QStringLiteral("Sumpf"), QStringLiteral("sumpf.bmp")},
      {QStringLiteral("Wald"), QStringLiteral("wald.bmp")},
      {QStringLiteral("Wueste"), QStringLiteral("wüste.bmp")},
      {QStringLiteral("Wüste"), QStringLiteral("wüste.bmp")},
      {QStringLiteral("Feuerwand"), QStringLiteral("flamm.bmp")},
      {QStringLiteral("Eisberg"), QStringLiteral("eisberg.bmp")},
  };
  const auto it = named.constFind(t);
  if (it != named.constEnd()) return *it;
  return t.toLower() + QStringLiteral(".bmp");
}

QString worldTileFile(const QString& regiontyp) { return QLatin1Char('w') + smallTileFile(regiontyp); }

QString missingTileMessage(const QString& regiontyp) {
  return QStringLiteral("Fuer die Regionart ") + regiontyp + QStringLiteral(" existiert noch keine Grafik!");
}

TileCache::TileCache(QString imagesDir, QString blankFile, int blankSize)
    : imagesDir_(std::move(imagesDir)), blankFile_(std::move(blankFile)), blankSize_(blankSize) {}

const QImage& TileCache::blank() {
  auto it = loaded_.find(blankFile_);
  if (it == loaded_.end()) {
    QImage image(QDir(imagesDir_).filePath(blankFile_));
    if (image.isNull()) {
      // Without its file the blank tile is still the "unknown" grey, never white.
      const QString name = blankSize_ <= terraintiles::kWorldTileSize ? QStringLiteral("wblank.bmp") : QStringLiteral("blank.bmp");
      for (const terraintiles::Tile& t : terraintiles::standardTiles())
        if (t.fileName == name) image = terraintiles::drawTile(t);
    }
    it = loaded_.insert(blankFile_, terraintiles::withTransparentKey(image));
  }
  return *it;
}

const QImage& TileCache::tile(const QString& fileName, const QString& regiontyp) {
  if (fileName == blankFile_) return blank();
  if (!missingFiles_.contains(fileName)) {
    auto it = loaded_.constFind(fileName);
    if (it != loaded_.constEnd()) return *it;
    const QImage image(QDir(imagesDir_).filePath(fileName));
    if (!image.isNull()) return *loaded_.insert(fileName, terraintiles::withTransparentKey(image));
    missingFiles_.insert(fileName);
  }
  if (!reportedTerrains_.contains(regiontyp)) {
    reportedTerrains_.insert(regiontyp);
    messages_ << missingTileMessage(regiontyp);
  }
  return blank();
}

}  // namespace tilecache
