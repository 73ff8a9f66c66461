#include "military/groupings.h"

#include <QSqlError>
#include <QSqlQuery>

#include "game/gamesession.h"
#include "game/codec.h"
#include "db/database.h"
#include "db/dberror.h"
#include "db/sqlitestatement.h"
#include "military/fightingunit.h"

namespace groupings {

QStringList groupChoices() {
  return {QStringLiteral("Alle"),        QStringLiteral("Armee"),       QStringLiteral("Arbeiter"),
          QStringLiteral("Händler"),     QStringLiteral("Botschafter"), QStringLiteral("Unterhalter"),
          QStringLiteral("Transporter")};
}

QStringList comparisons() { return {QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<")}; }

QStringList header() {
  return {QStringLiteral("Gruppe"), QStringLiteral(" X/Y"),    QStringLiteral("Einheit"), QStringLiteral("  Nr."),
          QStringLiteral("Stärke"), QStringLiteral("Stangen"), QStringLiteral("Hieb."),   QStringLiteral("Schuss."),
          QStringLiteral("Ausdauer"), QStringLiteral("Speer"), QStringLiteral("Schwert"), QStringLiteral("Bogen")};
}

QList<MenuItem> menuItems() {
  return {{"Keine", QStringLiteral("Keine"), QStringLiteral("Keine")},
          {"Armee1", QStringLiteral("1. Armee"), QStringLiteral("1. Armee")},
          {"N2Armee1", QStringLiteral("2. Armee"), QStringLiteral("2. Armee")},
          {"N3Armee1", QStringLiteral("3. Armee"), QStringLiteral("3. Armee")},
          {"N4Armee1", QStringLiteral("4. Armee"), QStringLiteral("4. Armee")},
          {"Haendler1", QStringLiteral("Händler"), QStringLiteral("Händler")},
          {"Botschafter1", QStringLiteral("Botschafter"), QStringLiteral("Botschafter")},
          {"Unterhalter1", QStringLiteral("Unterhalter"), QStringLiteral("Unterhalter")},
          {"Transporter1", QStringLiteral("Transporter"), QStringLiteral("Transporter")},
          {"Steuereintreiber1", QStringLiteral("Steuereintreiber"), QString()}};
}

namespace {

// Every condition is a bound value; a null value lifts its condition, and
// the comparison is chosen by number, so nothing the player typed is ever
// part of the statement text.
const char* const kSelect =
    " FROM \"einheiten\" WHERE \"Spiel\" = ?1"
    " AND (?2 IS NULL OR \"Gruppe\" = ?2)"
    " AND (?3 IS NULL OR \"Partei Nr\" = ?3)"
    " AND (?4 IS NULL OR \"Einheit Nr\" = ?4)"
    " AND (?5 IS NULL OR \"Einheit Name\" = ?5)"
    " AND CASE ?6 WHEN 0 THEN \"Info Datum\" = ?7 WHEN 1 THEN \"Info Datum\" > ?7 ELSE \"Info Datum\" < ?7 END";

QString orNull(const QString& text) { return text.isEmpty() ? QString() : text; }

reportgrid::Row groupRow(const GameSession& game, const fightingunit::FightingUnit& u) {
  using namespace fightingunit;
  static const QString zero = QStringLiteral("0");
  static const QString none = QStringLiteral("Keine");
  reportgrid::Row row;
  auto item = [&](int i) { u.hasItem[i] ? row.addNumber(u.items[i]) : row.add(zero); };
  row.add(u.group.isEmpty() ? none : u.group);
  row.add(u.position);
  row.add(u.name);
  row.add(game.idText(u.number));
  row.addNumber(u.persons);
  for (int skill = 0; skill < 4; ++skill) row.add(skillPerPerson(u, skill, zero));
  for (int i : {Speer, Schwert, Bogen, Pferd}) item(i);
  row.add(QStringView());  // "*13;": the grid shows nothing after it
  return row;
}

}  // namespace

Result Gruppierungen(Database& db, const GameSession& game, const Filter& filter) {
  Result out;
  const qsizetype comparison = comparisons().indexOf(filter.comparison);
  if (comparison < 0) {
    out.error = QStringLiteral("Der Vergleich „%1“ für „Info Datum“ ist unbekannt; erlaubt sind =, > und <.")
                    .arg(filter.comparison);
    return out;
  }
  const std::optional<QVariant> partyOrAll = reportgrid::partyCondition(filter.partyNumber, &out.error);
  if (!partyOrAll) return out;
  const QVariant party = *partyOrAll;
  const auto round = reportgrid::wholeNumber(filter.round, QStringLiteral("Info Datum"), &out.error);
  if (!round) return out;

  SqliteStatement q(db.handle(), QStringLiteral("SELECT ") + fightingunit::columnsSql() + QLatin1String(kSelect));
  q.bind(1, game.slot);
  q.bind(2, filter.group == QLatin1String("Alle") ? QString() : filter.group);
  q.bind(3, party);
  // Blanks around a typed number are no digits of it.
  const QString number = filter.unitNumber.trimmed();
  q.bind(4, number.isEmpty() ? QVariant() : QVariant(decodeUnitNumber(game, number)));
  q.bind(5, orNull(filter.unitName));
  q.bind(6, int(comparison));
  q.bind(7, *round);
  while (q.step()) out.rows.append(groupRow(game, fightingunit::read(q)));
  reportgrid::sortRows(out.rows);
  return out;
}

bool isUnitNumber(const GameSession& game, const QString& text) {
  if (text.isEmpty()) return false;
  const int base = game.isMolvanth() ? game.idBase : 10;
  const QString digits = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz").left(base);
  for (const QChar c : text)
    if (!digits.contains(c.toLower())) return false;
  return true;
}

qint32 decodeUnitNumber(const GameSession& game, const QString& text) {
  return codec::Decode(text, game.isMolvanth() ? game.idBase : 10);
}

bool groupchange(Database& db, const GameSession& game, const QString& position, const QString& numberText,
                 const QString& group) {
  QSqlQuery q(db.sql());
  q.prepare(QStringLiteral("UPDATE \"einheiten\" SET \"Gruppe\" = ? WHERE \"Spiel\" = ? AND \"Einheit Position\" = ? "
                           "AND \"Einheit Nr\" = ?"));
  q.addBindValue(group);
  q.addBindValue(game.slot);
  q.addBindValue(position);
  q.addBindValue(decodeUnitNumber(game, numberText));
  if (!q.exec())
    throw DbError(QStringLiteral("Die Gruppe konnte nicht gespeichert werden: %1").arg(q.lastError().text()));
  return q.numRowsAffected() > 0;
}

}  // namespace groupings
