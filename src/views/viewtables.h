#pragma once
// The tables the region, unit and flag views read, one object each so their
// prepared statements live as long as the open game.
#include "db/table.h"

class Database;

struct ViewTables {
  explicit ViewTables(Database& db);
  Database& db;
  Table regionen;
  Table schiffe;
  Table burgen;
  Table einheiten;
  Table statistik;
  Table parteien;
};

namespace viewtables {

// "x/y", or "x/y/level" off level 0: the position text of the unit,
// building and ship rows.
QString positionText(int x, int y, int level);

// The fields of the unit table's item block (Silber first) and skill block,
// by their physical positions.
QStringList itemFields(const Table& einheiten);
QStringList skillFields(const Table& einheiten);

}  // namespace viewtables
