#pragma once
// The values of a unit that the group and army reports show: group,
// position, name, number, persons, the four fighting skills and the four
// weapon and horse counts.
#include <QString>

class SqliteStatement;

namespace fightingunit {

// The select list that `read` takes apart, in this order.
QString columnsSql();

struct FightingUnit {
  QString group;
  QString position;
  QString name;
  qint32 number = 0;
  qint32 persons = 0;
  QString skills[4];   // Stangenwaffen, Hiebwaffen, Bogenschiessen, Ausdauer
  qint64 items[4] = {};       // Speer, Schwert, Bogen, Pferd
  bool hasItem[4] = {};       // false when the field is empty
};
enum Item { Speer, Schwert, Bogen, Pferd };

FightingUnit read(const SqliteStatement& q);

// A skill entry per person ("[30] 3" for "180 3" and 6 persons); the
// empty entry gives `empty`.
QString skillPerPerson(const FightingUnit& unit, int skill, const QString& empty);

}  // namespace fightingunit
