#include "map/overlays.h"

#include <QPainter>
#include <QSet>

#include "db/database.h"
#include "db/sqlitestatement.h"
#include "map/mapcanvas.h"
#include "map/mapgeometry.h"

namespace overlays {

using mapgeometry::overlayCell;
using mapgeometry::splitPosition;

namespace {
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kMagenta(255, 0, 255);

// Positions of the current level as cells of the layer; bad ones are noted.
struct PositionCells {
  const GameSession& session;
  int height;
  QStringList bad;

  bool cell(const QString& position, QPoint* at, mapgeometry::Coordinates* region) {
    const mapgeometry::PositionCheck c = splitPosition(position, session.currentLevel);
    if (!c.numbers) {
      if (!bad.contains(position)) bad << position;
      return false;
    }
    if (!c.onLevel) return false;
    *at = overlayCell(c.at.x, c.at.y, session.mapOriginX, session.mapOriginY, height);
    *region = c.at;
    return true;
  }
  QStringList messages() const { return bad.isEmpty() ? QStringList() : QStringList{badPositionsMessage(bad)}; }
};
}  // namespace

QString badPositionsMessage(const QStringList& positions) {
  QStringList quoted;
  for (const QString& p : positions) quoted << QStringLiteral("„%1“").arg(p);
  return QStringLiteral("Diese Positionen sind keine Koordinaten und werden auf der Karte übersprungen: %1")
      .arg(quoted.join(QStringLiteral(", ")));
}

Layer drawShips(Database& db, const GameSession& session, QSize mapSize) {
  Layer layer{mapcanvas::wipedLayer(mapSize), {}, {}};
  SqliteStatement q(db.handle(), QStringLiteral("SELECT \"Schiffs Position\", \"Partei\" FROM \"schiffe\" "
                                                "WHERE \"Spiel\" = ?1 AND \"Info Datum\" = ?2 ORDER BY \"Schiffs Nr\""));
  q.bind(1, session.slot);
  q.bind(2, session.roundCode);
  PositionCells cells{session, mapSize.height(), {}};
  QPainter p(&layer.image);
  while (q.step()) {
    QPoint at;
    mapgeometry::Coordinates region;
    if (!cells.cell(q.column(0).toString(), &at, &region)) continue;
    const int px = at.x(), py = at.y();
    const bool own = q.columnInt(1) == session.ownPartyNumber;
    if (own)
      mapcanvas::ellipse(p, px + 2, py + 2, px + 5, py + 5, kRed, kRed);
    else
      mapcanvas::ellipse(p, px + 4, py + 4, px + 7, py + 7, kYellow, kYellow);
    layer.marks.append({region.x, region.y, own ? Mark::Kind::OwnShip : Mark::Kind::ForeignShip, own ? kRed : kYellow});
  }
  layer.messages = cells.messages();
  return layer;
}

Layer drawRegionMessages(Database& db, const GameSession& session, QSize mapSize) {
  Layer layer{mapcanvas::wipedLayer(mapSize), {}, {}};
  SqliteStatement q(db.handle(),
                    QStringLiteral("SELECT \"Breite\", \"Länge\", \"Regiontyp\", \"Umgebung\", \"Info Datum\" "
                                   "FROM \"regionen\" WHERE \"Spiel\" = ?1 AND \"Ebene\" = ?2 "
                                   "AND \"Umgebung\" IS NOT NULL AND \"Umgebung\" <> '' "
                                   "ORDER BY \"Breite\", \"Länge\""));
  q.bind(1, session.slot);
  q.bind(2, session.currentLevel);
  const QString roundText = QStringLiteral("in Runde ") + QString::number(session.roundCode);
  // Thousands of regions carry the same three marks: draw each once and stamp it.
  auto stamp = [](auto draw) {
    QImage image(9, 9, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    draw(p);
    return image;
  };
  const QImage diamond = stamp([](QPainter& p) {
    mapcanvas::polygon(p, {QPoint(1, 4), QPoint(4, 7), QPoint(7, 4), QPoint(4, 1)}, kYellow, kRed);
  });
  const QImage ocean = stamp([](QPainter& p) { mapcanvas::ellipse(p, 1, 8, 4, 5, kRed, kYellow); });
  const QImage triangle = stamp([](QPainter& p) {
    mapcanvas::polygon(p, {QPoint(1, 1), QPoint(7, 1), QPoint(4, 7)}, kYellow, kYellow);
  });
  QPainter p(&layer.image);
  while (q.step()) {
    const QString umgebung = q.column(3).toString();
    const bool thisRound = umgebung.contains(roundText);
    if (q.columnInt(4) != session.roundCode && !thisRound) continue;
    const int x = int(q.columnInt(0)), y = int(q.columnInt(1));
    const QPoint at = overlayCell(x, y, session.mapOriginX, session.mapOriginY, mapSize.height());
    const bool sea = q.column(2).toString() == QLatin1String("Ozean");
    p.drawImage(at, thisRound ? diamond : (sea ? ocean : triangle));
    layer.marks.append({x, y, thisRound ? Mark::Kind::Diamond : (sea ? Mark::Kind::OceanDot : Mark::Kind::Triangle),
                        thisRound ? kRed : kYellow});
  }
  return layer;
}

bool UnitOverlay::draw(Database& db, const GameSession& session, QSize mapSize) {
  layer_ = Layer{mapcanvas::wipedLayer(mapSize), {}, {}};
  minX_ = session.mapOriginX;
  minY_ = session.mapOriginY;
  SqliteStatement q(db.handle(), QStringLiteral("SELECT \"Einheit Position\", \"Flags\" FROM \"einheiten\" "
                                                "WHERE \"Spiel\" = ?1 AND \"Partei Nr\" = ?2 AND \"Info Datum\" = ?3 "
                                                "ORDER BY \"Einheit Nr\""));
  q.bind(1, session.slot);
  q.bind(2, session.ownPartyNumber);
  q.bind(3, session.roundCode);
  PositionCells cells{session, mapSize.height(), {}};
  QSet<QString> magenta;  // regions that already hold an unmarked own unit
  bool any = false;
  QPainter p(&layer_.image);
  while (q.step()) {
    any = true;
    const QString position = q.column(0).toString();
    if (magenta.contains(position)) continue;
    QPoint at;
    mapgeometry::Coordinates region;
    if (!cells.cell(position, &at, &region)) continue;
    const QString flags = q.column(1).toString();
    const bool marked = flags.contains(QLatin1Char('X')) || flags.contains(QLatin1Char('V')) ||
                        flags.contains(QLatin1Char('x'));
    mapcanvas::hollowBox(p, at.x(), at.y(), at.x() + 8, at.y() + 8, marked ? kGreen : kMagenta);
    layer_.marks.append({region.x, region.y, Mark::Kind::UnitBox, marked ? kGreen : kMagenta});
    if (!marked) magenta.insert(position);
  }
  p.end();
  layer_.messages = cells.messages();
  if (!any) {
    layer_.image = mapcanvas::wipedLayer(mapSize);
    layer_.marks.clear();
  }
  return any;
}

void UnitOverlay::clear() { layer_ = Layer{}; }

void UnitOverlay::faerbe_region(int x, int y, const QColor& colour) {
  if (layer_.image.isNull()) return;
  const QPoint at = overlayCell(x, y, minX_, minY_, layer_.image.height());
  QPainter p(&layer_.image);
  mapcanvas::hollowBox(p, at.x(), at.y(), at.x() + 8, at.y() + 8, colour);
  layer_.marks.append({x, y, Mark::Kind::UnitBox, colour});
}

}  // namespace overlays
