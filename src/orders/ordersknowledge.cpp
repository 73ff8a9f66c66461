#include "orders/ordersknowledge.h"

#include "db/database.h"
#include "db/schema.h"
#include "db/sqlitestatement.h"
#include "db/table.h"
#include "game/gamesession.h"

namespace ordersknowledge {

namespace {

// Fields first..last, counted from 1.
QStringList fieldsAt(const QStringList& all, int first, int last) {
  const int from = first - 1;
  const int to = qMin(last, int(all.size()));
  return from < to ? all.mid(from, to - from) : QStringList();
}

// The region table's price fields between "Luxusgüter" and "Angebot".
QStringList luxuryFields() {
  QStringList out;
  bool in = false;
  for (const schema::FieldDef& f : schema::regionen().fields) {
    if (f.name == QStringLiteral("Angebot")) break;
    if (in) out << f.name;
    if (f.name == QStringLiteral("Luxusgüter")) in = true;
  }
  // The fields write umlauts out; the orders may use either form.
  QStringList withUmlauts = out;
  withUmlauts.replaceInStrings(QStringLiteral("Gewuerz"), QStringLiteral("Gewürz"));
  withUmlauts.replaceInStrings(QStringLiteral("Oel"), QStringLiteral("Öl"));
  out << withUmlauts;
  out.removeDuplicates();
  return out;
}

QStringList schemaFieldNames() {
  QStringList names;
  for (const schema::FieldDef& f : schema::einheiten().fields) names << f.name;
  return names;
}

}  // namespace

orderscheck::Knowledge namesFromSchema(int gameType) {
  orderscheck::Knowledge k;
  const QStringList all = schemaFieldNames();
  k.items = fieldsAt(all, schema::kItemBlockFirst, schema::kItemBlockLast);
  k.skills = fieldsAt(all, schema::kSkillBlockFirst, schema::kSkillBlockLast);
  k.luxuries = luxuryFields();
  k.idBase = gameType == kMolvanth ? 36 : 10;
  return k;
}

QString positionText(int x, int y, int z) {
  QString out = QString::number(x) + QLatin1Char('/') + QString::number(y);
  if (z != 0) out += QLatin1Char('/') + QString::number(z);
  return out;
}

GameKnowledge read(Database& db, const GameSession& session) {
  GameKnowledge g;
  orderscheck::Knowledge& k = g.check;
  k = namesFromSchema(session.gameType);
  k.idBase = session.isMolvanth() ? session.idBase : 10;
  {
    // The physical table: fields added by an upgrade count as well.
    Table einheiten(db, QStringLiteral("einheiten"));
    k.items = fieldsAt(einheiten.fieldNames(), schema::kItemBlockFirst, schema::kItemBlockLast);
    k.skills = fieldsAt(einheiten.fieldNames(), schema::kSkillBlockFirst, schema::kSkillBlockLast);
  }
  for (const auto& [table, field] : {std::pair{"burgen", "Typ"}, std::pair{"schiffe", "Schiffstyp"}}) {
    SqliteStatement q(db.handle(), QStringLiteral("SELECT DISTINCT %1 FROM %2 WHERE \"Spiel\" = ?1")
                                       .arg(schema::quoted(QString::fromUtf8(field)),
                                            schema::quoted(QString::fromUtf8(table))));
    q.bind(1, session.slot);
    while (q.step())
      if (!q.columnText(0).isEmpty()) k.buildTypes << q.columnText(0);
  }
  SqliteStatement q(db.handle(), QStringLiteral("SELECT \"Einheit Nr\", \"Partei Nr\", \"Info Datum\", "
                                                "\"Einheit Position\", \"Einheit Name\" FROM \"einheiten\" "
                                                "WHERE \"Spiel\" = ?1 ORDER BY \"Einheit Nr\""));
  q.bind(1, session.slot);
  while (q.step()) {
    const qint32 nr = qint32(q.columnInt(0));
    k.knownUnits.insert(nr);
    if (q.columnInt(2) != session.roundCode) continue;
    if (q.columnInt(1) == session.ownPartyNumber) k.ownUnits.insert(nr);
    const QString position = q.columnText(3);
    g.positionOf.insert(nr, position);
    g.unitsByPosition[position].append({session.idText(nr), q.columnText(4)});
  }
  // A slot without any unit row (no report read yet) cannot tell own units from others.
  k.unitsKnown = !k.knownUnits.isEmpty();
  return g;
}

}  // namespace ordersknowledge
