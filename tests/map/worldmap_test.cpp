#include <gtest/gtest.h>

#include <QFile>

#include "game/configfile.h"
#include "db/sqlitestatement.h"
#include "map/worldmap.h"
#include "mapfixture.h"

using maptest::MapFixture;
using worldmap::LevelSwitch;

namespace {
QString configLine(const MapFixture& f, int line) {
  return ConfigFile::load(f.dir.path() + QStringLiteral("/zendral.cfg")).slotLine(1, line);
}
QColor tileColour(const MapFixture& f, const char* file) {
  return QImage(f.images() + QString::fromUtf8(file)).pixelColor(4, 5);  // the hex's middle
}
}  // namespace

TEST(WorldMap, SingleRegionGivesOneTileSavedWithItsOrigin) {
  MapFixture f;
  f.region(0, 0, 0, QStringLiteral("Ebene"));
  const worldmap::Drawing d = worldmap::displayWorldMapHex(f.db, f.session);
  ASSERT_TRUE(d.drawn);
  EXPECT_TRUE(d.error.isEmpty()) << d.error.toStdString();
  EXPECT_EQ(d.image.size(), QSize(8, 8));
  EXPECT_EQ(d.image.pixelColor(4, 5), tileColour(f, "webene.bmp"));
  EXPECT_EQ(QImage(f.images() + QStringLiteral("worldmap-1.bmp")).size(), QSize(8, 8));
  EXPECT_EQ(configLine(f, ConfigFile::OriginX), QStringLiteral("0"));
}

TEST(WorldMap, TilesByTerrainAndOneMessagePerUnknownTerrain) {
  MapFixture f;
  f.region(-2, 5, 0, QStringLiteral("OZEAN"));
  f.region(-2, 8, 0, QStringLiteral("Wald"));
  for (int x = 0; x < 3; ++x) f.region(x, 6, 0, QStringLiteral("Lava"));
  const worldmap::Drawing d = worldmap::displayWorldMapHex(f.db, f.session);
  ASSERT_TRUE(d.drawn);
  EXPECT_EQ(d.messages, QStringList({QStringLiteral("Fuer die Regionart Lava existiert noch keine Grafik!")}));
  // minX -2, minY 5, R = 4, C = round(2 + 4 + 1 + 2 - 2.5) = 6 (6.5 to the even 6).
  EXPECT_EQ(d.image.size(), QSize(48, 32));
  EXPECT_EQ(d.image.pixelColor(4, 29), tileColour(f, "wozean.bmp"));  // (-2, 5) at the bottom left
  EXPECT_EQ(d.image.pixelColor(16, 5), tileColour(f, "wwald.bmp"));   // (-2, 8) three half tiles on
  EXPECT_EQ(d.image.pixelColor(24, 21), tileColour(f, "wblank.bmp")); // (0, 6): blank tile
  EXPECT_NE(tileColour(f, "wblank.bmp"), QColor(Qt::white));
  // The hex corners show what lies below: the white ground above (-2, 8).
  EXPECT_EQ(d.image.pixelColor(12, 0), QColor(Qt::white));
  EXPECT_EQ(f.session.mapOriginX, -2);
  EXPECT_EQ(f.session.mapOriginY, 5);
  EXPECT_EQ(configLine(f, ConfigFile::OriginY), QStringLiteral("5"));
}

TEST(WorldMap, OtherLevelsAreSavedApartAndKeepTheStoredOrigin) {
  MapFixture f;
  f.region(4, 4, 1, QStringLiteral("Ebene"));
  f.session.currentLevel = 1;
  ASSERT_TRUE(worldmap::displayWorldMapHex(f.db, f.session).drawn);
  EXPECT_TRUE(QFile::exists(f.images() + QStringLiteral("worldmap-1-1.bmp")));
  EXPECT_FALSE(QFile::exists(f.images() + QStringLiteral("worldmap-1.bmp")));
  EXPECT_EQ(configLine(f, ConfigFile::OriginX), QStringLiteral("0"));
  // No regions on level 0: nothing is drawn, saved or changed.
  f.session.currentLevel = 0;
  EXPECT_FALSE(worldmap::displayWorldMapHex(f.db, f.session).drawn);
  EXPECT_FALSE(worldmap::openingWorldMap(f.db, f.session).drawn);
  EXPECT_FALSE(QFile::exists(f.images() + QStringLiteral("worldmap-1.bmp")));
}

TEST(WorldMap, OpeningDrawsANewSlotsMapAndLoadsASavedOne) {
  MapFixture f;
  f.region(0, 0, 0, QStringLiteral("Ebene"));
  const worldmap::Drawing first = worldmap::openingWorldMap(f.db, f.session);
  ASSERT_TRUE(first.drawn);
  // A saved picture is taken as it is, even when the regions changed since.
  f.region(0, 1, 0, QStringLiteral("Wald"));
  EXPECT_EQ(worldmap::openingWorldMap(f.db, f.session).image.size(), QSize(8, 8));
}

TEST(WorldMap, LevelSwitch) {
  MapFixture f;
  f.region(0, 0, 0, QStringLiteral("Ebene"));
  f.region(-3, 2, 0, QStringLiteral("Wald"));
  f.region(7, -1, 1, QStringLiteral("Ebene"));
  ASSERT_TRUE(worldmap::displayWorldMapHex(f.db, f.session).drawn);
  EXPECT_EQ(worldmap::switchLevel(f.db, f.session, 0).result, LevelSwitch::Result::Unchanged);

  LevelSwitch up = worldmap::switchLevel(f.db, f.session, 1);
  EXPECT_EQ(up.result, LevelSwitch::Result::Redrawn);  // no saved picture yet
  EXPECT_EQ(f.session.currentLevel, 1);
  EXPECT_EQ(f.session.mapOriginX, 7);
  EXPECT_TRUE(QFile::exists(f.images() + QStringLiteral("worldmap-1-1.bmp")));

  // Back on level 0 the origin and the home region come from the configuration.
  ConfigFile config = ConfigFile::load(f.dir.path() + QStringLiteral("/zendral.cfg"));
  config.setSlotLine(1, ConfigFile::HomeX, QStringLiteral("-3"));
  config.setSlotLine(1, ConfigFile::HomeY, QStringLiteral("2"));
  config.save();
  LevelSwitch down = worldmap::switchLevel(f.db, f.session, 0);
  EXPECT_EQ(down.result, LevelSwitch::Result::Loaded);
  EXPECT_TRUE(down.recentred && down.scroll);
  EXPECT_EQ(f.session.mapOriginX, -3);
  EXPECT_EQ(f.session.smallMapX, -3);
  EXPECT_EQ(f.session.smallMapY, 2);

  EXPECT_EQ(worldmap::switchLevel(f.db, f.session, 1).result, LevelSwitch::Result::Loaded);
  EXPECT_EQ(worldmap::switchLevel(f.db, f.session, 5).result, LevelSwitch::Result::NoRegions);

  // A lost main-level picture is drawn anew instead of failing.
  ASSERT_TRUE(QFile::remove(f.images() + QStringLiteral("worldmap-1.bmp")));
  EXPECT_EQ(worldmap::switchLevel(f.db, f.session, 0).result, LevelSwitch::Result::Redrawn);
  EXPECT_TRUE(QFile::exists(f.images() + QStringLiteral("worldmap-1.bmp")));

  // A spoilt origin line is named with file and line; the level is changed.
  config = ConfigFile::load(f.dir.path() + QStringLiteral("/zendral.cfg"));
  config.setSlotLine(1, ConfigFile::OriginY, QStringLiteral("x"));
  config.save();
  worldmap::switchLevel(f.db, f.session, 1);
  LevelSwitch bad = worldmap::switchLevel(f.db, f.session, 0);
  EXPECT_EQ(bad.result, LevelSwitch::Result::Failed);
  EXPECT_TRUE(bad.error.contains(QStringLiteral("zendral.cfg, Zeile 9"))) << bad.error.toStdString();
  EXPECT_EQ(f.session.currentLevel, 0);
}

TEST(WorldMap, TheLevelListAlwaysOffersTheMainLevel) {
  MapFixture f;
  EXPECT_EQ(worldmap::levels(f.db, 1).size(), 1);
  f.region(0, 0, 1, QStringLiteral("Ebene"));
  SqliteStatement(f.db.handle(), QStringLiteral("INSERT INTO ebenen VALUES (1, 1, 'Astral'), (1, -1, 'Tief'), (2, 3, 'x')"))
      .execute();
  QList<int> levels;
  for (const worldmap::Level& l : worldmap::levels(f.db, 1)) levels << l.level;
  EXPECT_EQ(levels, QList<int>({-1, 0, 1}));
}
