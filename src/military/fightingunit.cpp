#include "military/fightingunit.h"

#include "game/codec.h"
#include "db/sqlitestatement.h"

namespace fightingunit {

QString columnsSql() {
  return QStringLiteral(
      "\"Gruppe\", \"Einheit Position\", \"Einheit Name\", \"Einheit Nr\", \"Personen\", \"Stangenwaffen\", "
      "\"Hiebwaffen\", \"Bogenschiessen\", \"Ausdauer\", \"Speer\", \"Schwert\", \"Bogen\", \"Pferd\"");
}

FightingUnit read(const SqliteStatement& q) {
  FightingUnit u;
  u.group = q.columnText(0);
  u.position = q.columnText(1);
  u.name = q.columnText(2);
  u.number = qint32(q.columnInt(3));
  u.persons = qint32(q.columnInt(4));
  for (int i = 0; i < 4; ++i) u.skills[i] = q.columnText(5 + i);
  for (int i = 0; i < 4; ++i) {
    u.hasItem[i] = !q.columnIsNull(9 + i);
    u.items[i] = q.columnInt(9 + i);
  }
  return u;
}

QString skillPerPerson(const FightingUnit& unit, int skill, const QString& empty) {
  const QString& entry = unit.skills[skill];
  return entry.isEmpty() ? empty : codec::PerPerson(entry, unit.persons);
}

}  // namespace fightingunit
