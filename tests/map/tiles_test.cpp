#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "map/terraintiles.h"
#include "map/tilecache.h"

using namespace tilecache;

TEST(TileFiles, ByTerrainNameWithTheLowerCaseRule) {
  const struct { const char* terrain; const char* world; const char* small; } cases[] = {
      {"Ozean", "wozean.bmp", "ozean.bmp"},         {"OZEAN", "wozean.bmp", "ozean.bmp"},
      {"Berge", "wgebirge.bmp", "gebirge.bmp"},     {"Hochland", "whochl.bmp", "hochl.bmp"},
      {"Wueste", "wwüste.bmp", "wüste.bmp"},        {"Wüste", "wwüste.bmp", "wüste.bmp"},
      {"Feuerwand", "wflamm.bmp", "flamm.bmp"},     {"Dichter Nebel", "wdichter nebel.bmp", "dichter nebel.bmp"},
      {"Desert", "wdesert.bmp", "desert.bmp"},      {"Aktiver Vulkan", "waktiver vulkan.bmp", "aktiver vulkan.bmp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(worldTileFile(QString::fromUtf8(c.terrain)), QString::fromUtf8(c.world)) << c.terrain;
    EXPECT_EQ(smallTileFile(QString::fromUtf8(c.terrain)), QString::fromUtf8(c.small)) << c.terrain;
  }
}

TEST(TileFiles, EveryTerrainOfTodaysReportsHasItsTileInBothSets) {
  QSet<QString> files;
  for (const terraintiles::Tile& t : terraintiles::standardTiles()) files.insert(t.fileName);
  for (const char* terrain : {"Ozean", "Ebene", "Hochland", "Gletscher", "Berge", "Sumpf", "Wald", "Wüste", "Wueste",
                              "Feuerwand", "Eisberg", "Nebel", "Dichter Nebel", "Vulkan", "Aktiver Vulkan", "Wand",
                              "Desert"}) {
    EXPECT_TRUE(files.contains(worldTileFile(QString::fromUtf8(terrain)))) << terrain;
    EXPECT_TRUE(files.contains(smallTileFile(QString::fromUtf8(terrain)))) << terrain;
  }
}

TEST(TileFiles, MissingTilesAreAddedWithoutOverwritingThePlayersOwn) {
  QTemporaryDir dir;
  const QString images = dir.filePath(QStringLiteral("images"));
  const int all = terraintiles::writeMissingTiles(images);
  EXPECT_EQ(all, terraintiles::standardTiles().size());
  QImage own(8, 8, QImage::Format_RGB32);
  own.fill(QColor(1, 2, 3));
  ASSERT_TRUE(own.save(QDir(images).filePath(QStringLiteral("wozean.bmp")), "BMP"));
  ASSERT_TRUE(QFile::remove(QDir(images).filePath(QStringLiteral("wvulkan.bmp"))));
  EXPECT_EQ(terraintiles::writeMissingTiles(images), 1);
  EXPECT_EQ(QImage(QDir(images).filePath(QStringLiteral("wozean.bmp"))).pixelColor(3, 3), QColor(1, 2, 3));
  EXPECT_FALSE(QImage(QDir(images).filePath(QStringLiteral("wvulkan.bmp"))).isNull());
}

TEST(TileFiles, EachFileLoadsOnceAndAMissingTerrainIsReportedOnce) {
  QTemporaryDir dir;
  terraintiles::writeMissingTiles(dir.path());
  TileCache cache(dir.path(), QStringLiteral("wblank.bmp"), 8);
  const QImage& first = cache.tile(QStringLiteral("wozean.bmp"), QStringLiteral("Ozean"));
  // A file removed after its first load is not read again in the same drawing.
  QFile::remove(QDir(dir.path()).filePath(QStringLiteral("wozean.bmp")));
  EXPECT_EQ(&cache.tile(QStringLiteral("wozean.bmp"), QStringLiteral("Ozean")), &first);
  for (int i = 0; i < 300; ++i) cache.tile(QStringLiteral("wlava.bmp"), QStringLiteral("Lava"));
  cache.tile(QStringLiteral("wschlamm.bmp"), QStringLiteral("Schlamm"));
  EXPECT_EQ(cache.messages(), QStringList({missingTileMessage(QStringLiteral("Lava")),
                                           missingTileMessage(QStringLiteral("Schlamm"))}));
  EXPECT_EQ(missingTileMessage(QStringLiteral("Lava")), QStringLiteral("Fuer die Regionart Lava existiert noch keine Grafik!"));
  const QColor blank = QImage(QDir(dir.path()).filePath(QStringLiteral("wblank.bmp"))).pixelColor(4, 4);
  EXPECT_EQ(cache.tile(QStringLiteral("wlava.bmp"), QStringLiteral("Lava")).pixelColor(4, 4), blank);
  EXPECT_NE(blank, QColor(Qt::white));
}
