#include "map/smallmap.h"

#include <QHash>
#include <QPainter>

#include "db/database.h"
#include "db/sqlitestatement.h"
#include "map/mapcanvas.h"
#include "map/mapgeometry.h"
#include "map/pixelfont.h"
#include "map/terraintiles.h"
#include "map/tilecache.h"

namespace smallmap {

using mapgeometry::Coordinates;

namespace {
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kBlack(0, 0, 0);
// Ground never seen: flat and quiet, so that the known regions stand out.
const QColor kUnseen(222, 222, 216);
const QString kOzean = QStringLiteral("Ozean");

bool isHundred(const QVariant& road) { return !road.isNull() && !road.toString().isEmpty() && road.toLongLong() == 100; }

quint64 keyOf(int x, int y) { return (quint64(quint32(x)) << 32) | quint32(y); }

// The regions of the shown level in the small map's window, in one query.
QHash<quint64, Region> regionsAround(Database& db, const GameSession& session, int cx, int cy) {
  SqliteStatement q(db.handle(),
                    QStringLiteral("SELECT \"Breite\", \"Länge\", \"Regiontyp\", \"Strasse\", \"Strasse1\", "
                                   "\"Strasse2\", \"Strasse3\", \"Strasse4\", \"Strasse5\", \"Umgebung\", "
                                   "\"Info Datum\" FROM \"regionen\" WHERE \"Spiel\" = ?1 AND \"Ebene\" = ?2 "
                                   "AND \"Breite\" BETWEEN ?3 AND ?4 AND \"Länge\" BETWEEN ?5 AND ?6"));
  q.bind(1, session.slot);
  q.bind(2, session.currentLevel);
  q.bind(3, cx - 6);
  q.bind(4, cx + 6);
  q.bind(5, cy - 4);
  q.bind(6, cy + 4);
  QHash<quint64, Region> regions;
  while (q.step()) {
    Region r;
    r.type = q.column(2).toString();
    for (int i = 3; i <= 8; ++i) r.roads << q.column(i);
    r.umgebung = q.column(9).toString();
    r.infoDatum = q.columnInt(10);
    regions.insert(keyOf(int(q.columnInt(0)), int(q.columnInt(1))), r);
  }
  return regions;
}

// Edge points of the six roads, from the upper left clockwise.
const QPoint kRoadEdges[6] = {QPoint(8, 0), QPoint(23, 0), QPoint(29, 15), QPoint(23, 29), QPoint(8, 29), QPoint(0, 15)};

void drawMark(QPainter& p, Mark mark, QPoint at) {
  const int px = at.x(), py = at.y();
  switch (mark) {
    case Mark::None: return;
    case Mark::Diamond:
      mapcanvas::polygon(p, {QPoint(px + 5, py + 15), QPoint(px + 15, py + 25), QPoint(px + 25, py + 15), QPoint(px + 15, py + 5)},
                         kYellow, kRed);
      return;
    case Mark::OceanDot: mapcanvas::ellipse(p, px + 12, py + 10, px + 14, py + 12, kRed, kRed); return;
    case Mark::Triangle:
      mapcanvas::polygon(p, {QPoint(px + 3, py + 3), QPoint(px + 10, py + 3), QPoint(px + 6, py + 10)}, kYellow, kYellow);
      return;
    default:
      pixelfont::drawText(p, px + 1, py + 1, markText(mark), mark == Mark::Plague ? kBlack : kRed, kYellow);
      return;
  }
}
}  // namespace

Mark markFor(const Region& r, qint32 roundCode) {
  if (r.umgebung.isEmpty()) return Mark::None;
  const QString roundText = QStringLiteral("in Runde ") + QString::number(roundCode);
  const bool thisRound = r.umgebung.contains(roundText);
  if (r.infoDatum != roundCode && !thisRound) return Mark::None;
  if (thisRound) return Mark::Diamond;
  const QString& u = r.umgebung;
  if (u.contains(QStringLiteral("Bauern flohen aus Furcht")) || u.contains(QStringLiteral(") verspeiste ")))
    return Mark::Monster;
  if (u.contains(QStringLiteral("von ")) && u.contains(QStringLiteral("): '"))) return Mark::Battle;
  if (u.contains(QStringLiteral("tete die Pest, und"))) return Mark::Plague;
  if (u.contains(QStringLiteral("spendete"))) return Mark::Donation;
  if (u.contains(QStringLiteral("An Unterer"))) return Mark::Underworld;
  return r.type == kOzean ? Mark::OceanDot : Mark::Triangle;
}

QString markText(Mark mark) {
  switch (mark) {
    case Mark::Monster: return QStringLiteral(" M ");
    case Mark::Battle: return QStringLiteral(" B ");
    case Mark::Plague: return QStringLiteral(" P ");
    case Mark::Donation: return QStringLiteral(" $ ");
    case Mark::Underworld: return QStringLiteral(" U ");
    default: return QString();
  }
}

std::array<bool, 6> roadLines(const Region& r, int gameType) {
  std::array<bool, 6> lines{};
  if (r.type == kOzean) return lines;
  if (gameType == kQuarnel) {
    const bool all = isHundred(r.roads.value(0));
    lines.fill(all);
    return lines;
  }
  for (int i = 0; i < 6; ++i) lines[size_t(i)] = isHundred(r.roads.value(i));
  return lines;
}

Drawing displaySmallMap(Database& db, const GameSession& session, int cx, int cy) {
  Drawing d;
  const QSize size(mapgeometry::kSmallMapSize, mapgeometry::kSmallMapSize);
  d.tiles = QImage(size, QImage::Format_RGB32);
  d.tiles.fill(Qt::white);
  d.marks = mapcanvas::wipedLayer(size);

  const QHash<quint64, Region> regions = regionsAround(db, session, cx, cy);
  tilecache::TileCache tiles(session.path(QStringLiteral("images")), QStringLiteral("blank.bmp"),
                             terraintiles::kSmallTileSize);
  QPainter tilePainter(&d.tiles);
  QPainter markPainter(&d.marks);
  QPen road(kDarkRed, 2, Qt::DashLine);
  for (const mapgeometry::SmallCell& cell : mapgeometry::smallMapCells(cx, cy)) {
    const auto it = regions.constFind(keyOf(cell.region.x, cell.region.y));
    if (it == regions.constEnd()) {
      tilePainter.fillRect(QRect(cell.topLeft, tiles.blank().size()), kUnseen);
      continue;
    }
    const Region& r = *it;
    tilePainter.drawImage(cell.topLeft, tiles.tile(tilecache::smallTileFile(r.type), r.type));

    const std::array<bool, 6> lines = roadLines(r, session.gameType);
    const QPoint centre = cell.topLeft + QPoint(15, 15);
    markPainter.setPen(road);
    for (int i = 0; i < 6; ++i)
      if (lines[size_t(i)]) markPainter.drawLine(cell.topLeft + kRoadEdges[i], centre);
    drawMark(markPainter, markFor(r, session.roundCode), cell.topLeft);
  }
  d.messages = tiles.messages();
  return d;
}

}  // namespace smallmap
