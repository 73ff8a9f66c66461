#pragma once
// What the check and the completion know of the game, read from the
// tables of the open slot: item and skill names (the unit table's item and
// skill fields), luxury goods (the region table's price fields), building
// and ship types, and the units of the slot and of the newest round.
#include <QHash>
#include <QList>
#include <QString>

#include "orders/orderscheck.h"

class Database;
struct GameSession;

namespace ordersknowledge {

// A unit of the newest round, for completion by region.
struct UnitEntry {
  QString id;    // as the game writes it
  QString name;
};

struct GameKnowledge {
  orderscheck::Knowledge check;
  // "x/y" or "x/y/z" → the units standing there in the newest round.
  QHash<QString, QList<UnitEntry>> unitsByPosition;
  // Unit number → its position in the newest round.
  QHash<qint32, QString> positionOf;
};

// The names without the database: the field names of the schema.
orderscheck::Knowledge namesFromSchema(int gameType);

// Everything from the slot's tables; throws DbError.
GameKnowledge read(Database& db, const GameSession& session);

// "x,y" of a template REGION line as the position text "x/y" ("x/y/z" off level 0).
QString positionText(int x, int y, int z);

}  // namespace ordersknowledge
