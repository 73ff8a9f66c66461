#include "military/armyreport.h"

#include "app/gamesession.h"
#include "db/database.h"
#include "db/sqlitestatement.h"
#include "military/fightingunit.h"

namespace armyreport {

QStringList armyChoices() {
  return {QStringLiteral("Alle"), QStringLiteral("1. Armee"), QStringLiteral("2. Armee"), QStringLiteral("3. Armee"),
          QStringLiteral("4. Armee")};
}

QStringList header() {
  return {QStringLiteral("   X/Y"),   QStringLiteral("Name"),    QStringLiteral("Nr."),     QStringLiteral("Stärke"),
          QStringLiteral("Stangen"),  QStringLiteral("Hiebw."),  QStringLiteral("Schußw."), QStringLiteral("Ausdauer"),
          QStringLiteral("Speer"),    QStringLiteral("Schwert"), QStringLiteral("Bögen"),   QStringLiteral("Pferde")};
}

Result Truppenverwaltung(Database& db, const GameSession& game, const QString& army) {
  using namespace fightingunit;
  Result out;
  const QString wanted = army == QLatin1String("Alle") ? QStringLiteral("Armee") : army;
  // An empty text is contained in no group.
  if (wanted.isEmpty()) return out;

  // instr() compares case-sensitively, as the group's substring test does.
  SqliteStatement q(db.handle(), QStringLiteral("SELECT ") + columnsSql() +
                                     QStringLiteral(" FROM \"einheiten\" WHERE \"Spiel\" = ?1 AND \"Partei Nr\" = ?2 "
                                                    "AND \"Info Datum\" = ?3 AND \"Gruppe\" <> '' "
                                                    "AND instr(\"Gruppe\", ?4) > 0"));
  q.bind(1, game.slot);
  q.bind(2, game.ownPartyNumber);
  q.bind(3, game.roundCode);
  q.bind(4, wanted);
  while (q.step()) {
    const FightingUnit u = read(q);
    out.soldiers += u.persons;
    auto count = [&](int i) { return reportgrid::decimalOrEmpty(u.items[i]); };
    if (!u.items[Speer].isNull()) out.weapons += u.items[Speer].toLongLong();
    if (!u.items[Schwert].isNull()) out.weapons += u.items[Schwert].toLongLong();
    if (!u.items[Bogen].isNull()) out.ranged += u.items[Bogen].toLongLong();
    reportgrid::Row row;
    row.cells = {u.position,
                 u.name,
                 game.idText(u.number),
                 QString::number(u.persons),
                 skillPerPerson(u, 0, QString()),
                 skillPerPerson(u, 1, QString()),
                 skillPerPerson(u, 2, QString()),
                 skillPerPerson(u, 3, QString()),
                 count(Speer),
                 count(Schwert),
                 count(Bogen),
                 count(Pferd)};
    row.line = reportgrid::markedLine(row.cells);
    out.rows.append(row);
  }
  reportgrid::sortRows(out.rows);
  return out;
}

}  // namespace armyreport
