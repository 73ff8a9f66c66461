#include "map/mapstart.h"

#include <QStringList>
#include <cmath>

#include "db/database.h"
#include "db/sqlitestatement.h"
#include "game/textutil.h"
#include "map/worldmap.h"

namespace mapstart {

namespace {

bool hasRegion(Database& db, int slot, int x, int y, int level) {
  SqliteStatement q(db.handle(), QStringLiteral("SELECT 1 FROM \"regionen\" WHERE \"Spiel\" = ?1 AND \"Breite\" = ?2 "
                                                "AND \"Länge\" = ?3 AND \"Ebene\" = ?4 LIMIT 1"));
  q.bind(1, slot);
  q.bind(2, x);
  q.bind(3, y);
  q.bind(4, level);
  return q.step();
}

bool firstOwnUnit(Database& db, const GameSession& s, QPoint* at) {
  SqliteStatement q(db.handle(),
                    QStringLiteral("SELECT \"Einheit Position\" FROM \"einheiten\" WHERE \"Spiel\" = ?1 AND "
                                   "\"Partei Nr\" = ?2 ORDER BY \"Info Datum\" DESC, \"Einheit Nr\""));
  q.bind(1, s.slot);
  q.bind(2, s.ownPartyNumber);
  while (q.step()) {
    int x = 0, y = 0, level = 0;
    if (textutil::parsePosition(q.column(0).toString(), &x, &y, &level) && level == s.currentLevel) {
      *at = QPoint(x, y);
      return true;
    }
  }
  return false;
}

bool nearestToMiddle(Database& db, const GameSession& s, QPoint* at) {
  const worldmap::Extent extent = worldmap::regionExtent(db, s.slot, s.currentLevel);
  if (!extent.any) return false;
  const mapgeometry::WorldGeometry& g = extent.geometry;
  const double mx = (g.minX + g.maxX) / 2.0, my = (g.minY + g.maxY) / 2.0;
  SqliteStatement q(db.handle(),
                    QStringLiteral("SELECT \"Breite\", \"Länge\" FROM \"regionen\" WHERE \"Spiel\" = ?1 AND \"Ebene\" = ?2 "
                                   "ORDER BY (\"Breite\" - ?3) * (\"Breite\" - ?3) + (\"Länge\" - ?4) * (\"Länge\" - ?4), "
                                   "\"Länge\" DESC, \"Breite\" LIMIT 1"));
  q.bind(1, s.slot);
  q.bind(2, s.currentLevel);
  q.bind(3, mx);
  q.bind(4, my);
  if (!q.step()) return false;
  *at = QPoint(int(q.columnInt(0)), int(q.columnInt(1)));
  return true;
}

}  // namespace

QPoint smallMapCentre(Database& db, const GameSession& s) {
  const QPoint configured(s.smallMapX, s.smallMapY);
  if (hasRegion(db, s.slot, configured.x(), configured.y(), s.currentLevel)) return configured;
  QPoint at;
  if (firstOwnUnit(db, s, &at) || nearestToMiddle(db, s, &at)) return at;
  return configured;
}

bool reportBroughtShownLevel(Database& db, const GameSession& s) {
  SqliteStatement q(db.handle(), QStringLiteral("SELECT 1 FROM \"regionen\" WHERE \"Spiel\" = ?1 AND \"Ebene\" = ?2 "
                                                "AND \"Info Datum\" = ?3 LIMIT 1"));
  q.bind(1, s.slot);
  q.bind(2, s.currentLevel);
  q.bind(3, s.roundCode);
  return q.step();
}

}  // namespace mapstart
