#include "military/fightingunit.h"

#include "db/codec.h"
#include "db/sqlitestatement.h"

namespace fightingunit {

QString columnsSql() {
  return QStringLiteral(
      "\"Gruppe\", \"Einheit Position\", \"Einheit Name\", \"Einheit Nr\", \"Personen\", \"Stangenwaffen\", "
      "\"Hiebwaffen\", \"Bogenschiessen\", \"Ausdauer\", \"Speer\", \"Schwert\", \"Bogen\", \"Pferd\"");
}

FightingUnit read(const SqliteStatement& q) {
  FightingUnit u;
  u.group = q.column(0).toString();
  u.position = q.column(1).toString();
  u.name = q.column(2).toString();
  u.number = qint32(q.columnInt(3));
  u.persons = qint32(q.columnInt(4));
  for (int i = 0; i < 4; ++i) u.skills[i] = q.column(5 + i).toString();
  for (int i = 0; i < 4; ++i) u.items[i] = q.column(9 + i);
  return u;
}

QString skillPerPerson(const FightingUnit& unit, int skill, const QString& empty) {
  const QString& entry = unit.skills[skill];
  return entry.isEmpty() ? empty : codec::PerPerson(entry, unit.persons);
}

}  // namespace fightingunit
