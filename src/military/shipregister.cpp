#include "military/shipregister.h"

#include "game/gamesession.h"
#include "db/database.h"
#include "db/sqlitestatement.h"

namespace shipregister {

QStringList typeChoices() {
  return {QStringLiteral("Alle"), QStringLiteral("Boot"), QStringLiteral("Langboot"), QStringLiteral("Drachenschiff"),
          QStringLiteral("Karavelle"), QStringLiteral("Trireme")};
}

QStringList header() {
  return {QStringLiteral("   X/Y"),      QStringLiteral("Name"),          QStringLiteral("Nr."),
          QStringLiteral("Schiffstyp"), QStringLiteral("Eigner Partei"), QStringLiteral("Zustand")};
}

QList<int> columnWidths() { return {64, 185, 64, 97, 84, 64}; }

Result listShips(Database& db, const GameSession& game, const Filter& filter) {
  Result out;
  const std::optional<QVariant> partyOrAll = reportgrid::partyCondition(filter.partyNumber, &out.error);
  if (!partyOrAll) return out;
  const QVariant party = *partyOrAll;
  const auto round = reportgrid::wholeNumber(filter.round, QStringLiteral("Info Datum"), &out.error);
  if (!round) return out;

  SqliteStatement q(db.handle(),
                    QStringLiteral("SELECT \"Schiffs Position\", \"Schiffs Name\", \"Schiffs Nr\", \"Schiffstyp\", "
                                   "\"Partei\", \"Prozent\" FROM \"schiffe\" WHERE \"Spiel\" = ?1 "
                                   "AND (?2 IS NULL OR \"Partei\" = ?2) AND \"Info Datum\" = ?3 "
                                   "AND (?4 IS NULL OR \"Schiffstyp\" = ?4)"));
  q.bind(1, game.slot);
  q.bind(2, party);
  q.bind(3, *round);
  q.bind(4, filter.type == QLatin1String("Alle") ? QString() : filter.type);
  while (q.step()) {
    reportgrid::Row row;
    // An empty number reads as 0, as everywhere a number is shown.
    row.add(q.columnText(0));
    row.add(q.columnText(1));
    row.addNumber(q.columnInt(2));
    row.add(q.columnText(3));
    row.addNumber(q.columnInt(4));
    row.add(QString(QString::number(q.column(5).toDouble()) + QLatin1Char('%')));
    out.rows.append(row);
  }
  reportgrid::sortRows(out.rows);
  return out;
}

}  // namespace shipregister
