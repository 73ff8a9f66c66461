#include "map/worldmap.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>

#include "game/configfile.h"
#include "game/filetransaction.h"
#include "game/slotsettings.h"
#include "db/database.h"
#include "db/dberror.h"
#include "db/sqlitestatement.h"
#include "map/terraintiles.h"
#include "map/tilecache.h"

namespace worldmap {

using mapgeometry::WorldGeometry;

QString savedMapFile(int slot, int level) {
  QString name = QStringLiteral("worldmap-") + QString::number(slot);
  if (level != 0) name += QLatin1Char('-') + QString::number(level);
  return name + QStringLiteral(".bmp");
}

QString savedMapPath(const GameSession& session, int level) {
  return session.path(QStringLiteral("images/") + savedMapFile(session.slot, level));
}

namespace {

struct RegionTile {
  int x, y;
  QString type;
};

// The slot's regions of one level in key order (Breite, then Länge).
QList<RegionTile> levelRegions(Database& db, int slot, int level) {
  SqliteStatement q(db.handle(),
                    QStringLiteral("SELECT \"Breite\", \"Länge\", \"Regiontyp\" FROM \"regionen\" "
                                   "WHERE \"Spiel\" = ?1 AND \"Ebene\" = ?2 ORDER BY \"Breite\", \"Länge\""));
  q.bind(1, slot);
  q.bind(2, level);
  QList<RegionTile> rows;
  while (q.step()) rows.append({int(q.columnInt(0)), int(q.columnInt(1)), q.column(2).toString()});
  return rows;
}

Extent extentOf(const QList<RegionTile>& rows) {
  Extent e;
  if (rows.isEmpty()) return e;
  e.any = true;
  WorldGeometry& g = e.geometry;
  g.minX = rows.first().x;
  g.maxX = rows.last().x;
  g.minY = g.maxY = rows.first().y;
  for (const RegionTile& r : rows) {
    if (r.y < g.minY) g.minY = r.y;
    if (r.y > g.maxY) g.maxY = r.y;
  }
  return e;
}

}  // namespace

QList<Level> levels(Database& db, int slot) {
  SqliteStatement q(db.handle(), QStringLiteral("SELECT \"Ebene\", \"Name\" FROM \"ebenen\" WHERE \"Spiel\" = ?1 "
                                                "ORDER BY \"Ebene\""));
  q.bind(1, slot);
  QList<Level> out;
  bool main = false;
  while (q.step()) {
    out.append({int(q.columnInt(0)), q.column(1).toString()});
    main = main || out.last().level == 0;
  }
  if (!main) {
    auto at = std::find_if(out.begin(), out.end(), [](const Level& l) { return l.level > 0; });
    out.insert(at, Level{0, QString()});
  }
  return out;
}

Extent regionExtent(Database& db, int slot, int level) { return extentOf(levelRegions(db, slot, level)); }

Drawing displayWorldMapHex(Database& db, GameSession& session) {
  Drawing d;
  const QList<RegionTile> rows = levelRegions(db, session.slot, session.currentLevel);
  const Extent extent = extentOf(rows);
  if (!extent.any) return d;
  const WorldGeometry& g = extent.geometry;

  tilecache::TileCache tiles(session.path(QStringLiteral("images")), QStringLiteral("wblank.bmp"),
                             terraintiles::kWorldTileSize);
  // Where no tile lands the map stays white, as the blank tile is.
  d.image = QImage(g.width(), g.height(), QImage::Format_RGB32);
  d.image.fill(Qt::white);
  {
    QPainter painter(&d.image);
    const int h = d.image.height();
    for (const RegionTile& r : rows)
      painter.drawImage(g.tileAt(r.x, r.y, h), tiles.tile(tilecache::worldTileFile(r.type), r.type));
  }
  d.drawn = true;
  d.messages = tiles.messages();

  session.mapOriginX = g.minX;
  session.mapOriginY = g.minY;
  try {
    gameopening::saveAktuelleOptionen(session);
  } catch (const ConfigError& e) {
    d.error = e.message();
  }
  const QString path = savedMapPath(session, session.currentLevel);
  if (const QString written = safefile::writeImage(d.image, path, "BMP"); !written.isEmpty()) {
    const QString failed = QStringLiteral("Die Weltkarte wurde nicht gespeichert. ") + written;
    d.error = d.error.isEmpty() ? failed : d.error + QLatin1Char('\n') + failed;
  }
  return d;
}

Drawing openingWorldMap(Database& db, GameSession& session) {
  const QString path = savedMapPath(session, session.currentLevel);
  if (QFileInfo::exists(path)) {
    Drawing d;
    d.image = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (!d.image.isNull()) {
      d.drawn = true;
      return d;
    }
  }
  // A new slot has no saved picture yet; an unreadable one is replaced.
  return displayWorldMapHex(db, session);
}

int scrollPosition(int extent) { return int(extent / 2.25); }

LevelSwitch switchLevel(Database& db, GameSession& session, int level) {
  LevelSwitch s;
  if (level == session.currentLevel) return s;
  session.currentLevel = level;

  if (level != 0) {
    const Extent extent = regionExtent(db, session.slot, level);
    if (!extent.any) {
      s.result = LevelSwitch::Result::NoRegions;
      return s;
    }
    session.mapOriginX = extent.geometry.minX;
    session.mapOriginY = extent.geometry.minY;
    s.map.image = QImage(savedMapPath(session, level)).convertToFormat(QImage::Format_RGB32);
    if (!s.map.image.isNull()) {
      s.map.drawn = true;
      s.result = LevelSwitch::Result::Loaded;
      return s;
    }
    s.map = displayWorldMapHex(db, session);
    s.result = LevelSwitch::Result::Redrawn;
    return s;
  }

  // The main level: origin and home region as the configuration keeps them.
  try {
    const ConfigFile config = ConfigFile::load(session.path(ConfigFile::fileName()));
    const double originX = config.slotInt(session.slot, ConfigFile::OriginX);
    const double originY = config.slotInt(session.slot, ConfigFile::OriginY);
    const int homeX = config.slotInt(session.slot, ConfigFile::HomeX);
    const int homeY = config.slotInt(session.slot, ConfigFile::HomeY);
    session.mapOriginX = originX;
    session.mapOriginY = originY;
    session.smallMapX = homeX;
    session.smallMapY = homeY;
  } catch (const ConfigError& e) {
    s.result = LevelSwitch::Result::Failed;
    s.error = e.message();
    return s;
  }
  s.recentred = true;
  s.scroll = true;
  s.map.image = QImage(savedMapPath(session, 0)).convertToFormat(QImage::Format_RGB32);
  if (!s.map.image.isNull()) {
    s.map.drawn = true;
    s.result = LevelSwitch::Result::Loaded;
    return s;
  }
  // The saved main-level picture is gone: draw it again as other levels do.
  s.map = displayWorldMapHex(db, session);
  s.result = s.map.drawn ? LevelSwitch::Result::Redrawn : LevelSwitch::Result::NoRegions;
  return s;
}

}  // namespace worldmap
