#pragma once
// "Suchen…": finds regions by name or by "x y" ("x y level"), units by
// number or name, buildings and ships by number, in the slot's tables.
#include <QList>
#include <QString>

class Database;
struct GameSession;

namespace mapsearch {

struct Hit {
  enum class Kind { Region, Unit, Building, Ship };
  Kind kind = Kind::Region;
  qint32 number = 0;  // unit, building or ship
  QString name;
  int x = 0, y = 0, level = 0;
};

// Every hit of `text` (blanks around it ignored), regions first, then units,
// buildings and ships, each in the order of its table's key. Names match
// without regard to case anywhere in the name; numbers are written as the
// game writes them. Empty text finds nothing. Throws DbError.
QList<Hit> find(Database& db, const GameSession& session, const QString& text);

// One line of a hit: "Region x/y[/level] Name", "Einheit id Name (x/y)",
// "Burg id Name (x/y)", "Schiff id Name (x/y)".
QString lineOf(const Hit& hit, const GameSession& session);

}  // namespace mapsearch
