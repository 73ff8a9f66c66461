#include "views/mapsearch.h"

#include <QRegularExpression>
#include <optional>

#include "db/database.h"
#include "db/sqlitestatement.h"
#include "game/codec.h"
#include "game/gamesession.h"
#include "game/textutil.h"
#include "views/viewtables.h"

namespace mapsearch {

namespace {

// A number as the game writes it: base 36 in Molvanth, decimal otherwise.
std::optional<qint32> numberOf(const QString& text, const GameSession& session) {
  if (session.isMolvanth()) {
    static const QRegularExpression word(QStringLiteral("^[0-9A-Za-z]{1,6}$"));
    if (!word.match(text).hasMatch()) return std::nullopt;
    const qint32 n = codec::Decode(text, session.idBase);
    return n > 0 ? std::optional<qint32>(n) : std::nullopt;
  }
  return textutil::strictInt(text);
}

// "x y" or "x y level", with blanks, commas or slashes between.
struct Coordinates {
  int x, y;
  std::optional<int> level;
};
std::optional<Coordinates> coordinatesOf(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^(-?\\d+)[\\s,/]+(-?\\d+)(?:[\\s,/]+(-?\\d+))?$"));
  const QRegularExpressionMatch m = pattern.match(text);
  if (!m.hasMatch()) return std::nullopt;
  Coordinates c{m.captured(1).toInt(), m.captured(2).toInt(), std::nullopt};
  if (!m.captured(3).isEmpty()) c.level = m.captured(3).toInt();
  return c;
}

// A stored position "x/y" or "x/y/level"; one that is none leaves 0/0.
void placeAt(Hit& hit, const QString& position) {
  if (!textutil::parsePosition(position, &hit.x, &hit.y, &hit.level)) hit.x = hit.y = hit.level = 0;
}

void findRegions(Database& db, const GameSession& s, const QString& text, QList<Hit>& out) {
  const std::optional<Coordinates> at = coordinatesOf(text);
  SqliteStatement q(db.handle(), QStringLiteral("SELECT \"Breite\", \"Länge\", \"Ebene\", \"Regionname\" FROM \"regionen\" "
                                                "WHERE \"Spiel\" = ?1 ORDER BY \"Ebene\", \"Breite\", \"Länge\""));
  q.bind(1, s.slot);
  while (q.step()) {
    Hit h;
    h.x = int(q.columnInt(0));
    h.y = int(q.columnInt(1));
    h.level = int(q.columnInt(2));
    h.name = q.columnText(3);
    const bool byPlace = at && at->x == h.x && at->y == h.y && (!at->level || *at->level == h.level);
    if (byPlace || (!h.name.isEmpty() && h.name.contains(text, Qt::CaseInsensitive))) out << h;
  }
}

void findUnits(Database& db, const GameSession& s, const QString& text, std::optional<qint32> number, QList<Hit>& out) {
  SqliteStatement q(db.handle(), QStringLiteral("SELECT \"Einheit Nr\", \"Einheit Name\", \"Einheit Position\" "
                                                "FROM \"einheiten\" WHERE \"Spiel\" = ?1 ORDER BY \"Einheit Nr\""));
  q.bind(1, s.slot);
  while (q.step()) {
    Hit h;
    h.kind = Hit::Kind::Unit;
    h.number = qint32(q.columnInt(0));
    h.name = q.columnText(1);
    if (!(number && *number == h.number) && !h.name.contains(text, Qt::CaseInsensitive)) continue;
    placeAt(h, q.columnText(2));
    out << h;
  }
}

void findStructures(Database& db, const GameSession& s, Hit::Kind kind, qint32 number, QList<Hit>& out) {
  const bool ship = kind == Hit::Kind::Ship;
  SqliteStatement q(db.handle(),
                    ship ? QStringLiteral("SELECT \"Schiffs Name\", \"Schiffs Position\" FROM \"schiffe\" "
                                          "WHERE \"Spiel\" = ?1 AND \"Schiffs Nr\" = ?2")
                         : QStringLiteral("SELECT \"Burg Name\", \"Burg Position\" FROM \"burgen\" "
                                          "WHERE \"Spiel\" = ?1 AND \"Burg Nr\" = ?2"));
  q.bind(1, s.slot);
  q.bind(2, number);
  while (q.step()) {
    Hit h;
    h.kind = kind;
    h.number = number;
    h.name = q.columnText(0);
    placeAt(h, q.columnText(1));
    out << h;
  }
}

}  // namespace

QList<Hit> find(Database& db, const GameSession& session, const QString& text) {
  const QString wanted = text.trimmed();
  QList<Hit> out;
  if (wanted.isEmpty()) return out;
  const std::optional<qint32> number = numberOf(wanted, session);
  findRegions(db, session, wanted, out);
  findUnits(db, session, wanted, number, out);
  if (number) {
    findStructures(db, session, Hit::Kind::Building, *number, out);
    findStructures(db, session, Hit::Kind::Ship, *number, out);
  }
  return out;
}

QString lineOf(const Hit& hit, const GameSession& session) {
  const QString place = QStringLiteral("%1/%2").arg(hit.x).arg(hit.y) +
                        (hit.level != 0 ? QStringLiteral("/%1").arg(hit.level) : QString());
  switch (hit.kind) {
    case Hit::Kind::Region:
      return QStringLiteral("Region %1 %2").arg(place, hit.name).trimmed();
    case Hit::Kind::Unit:
      return QStringLiteral("Einheit %1 %2 (%3)").arg(session.idText(hit.number), hit.name, place);
    case Hit::Kind::Building:
      return QStringLiteral("Burg %1 %2 (%3)").arg(session.idText(hit.number), hit.name, place);
    case Hit::Kind::Ship:
      return QStringLiteral("Schiff %1 %2 (%3)").arg(session.idText(hit.number), hit.name, place);
  }
  return QString();
}

}  // namespace mapsearch
