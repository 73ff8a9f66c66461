#include "military/armyreport.h"

#include "game/gamesession.h"
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
    if (u.hasItem[Speer]) out.weapons += u.items[Speer];
    if (u.hasItem[Schwert]) out.weapons += u.items[Schwert];
    if (u.hasItem[Bogen]) out.ranged += u.items[Bogen];
    reportgrid::Row row;
    row.add(u.position);
    row.add(u.name);
    row.add(game.idText(u.number));
    row.addNumber(u.persons);
    for (int skill = 0; skill < 4; ++skill) row.add(skillPerPerson(u, skill, QString()));
    // An empty count adds only its marker.
    for (int i : {Speer, Schwert, Bogen, Pferd}) u.hasItem[i] ? row.addNumber(u.items[i]) : row.add(QStringView());
    out.rows.append(row);
  }
  reportgrid::sortRows(out.rows);
  return out;
}

}  // namespace armyreport
