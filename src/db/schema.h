#pragma once
// The seven game tables: names, fields in physical order, keys and indexes.
#include <QList>
#include <QString>
#include <QStringList>

namespace schema {

enum class FieldType { Integer, Text, Memo, Real };

struct FieldDef {
  QString name;
  FieldType type;
  int size = 0;  // characters for Text/Memo, 0 = not limited
};

struct IndexDef {
  QString name;
  QStringList fields;
  bool unique = false;
};

struct TableDef {
  QString name;
  QList<FieldDef> fields;
  QStringList primaryKey;
  QList<IndexDef> indexes;  // further indexes besides the primary key
};

const TableDef& regionen();
const TableDef& ebenen();
const TableDef& schiffe();
const TableDef& burgen();
const TableDef& einheiten();
const TableDef& statistik();
const TableDef& parteien();

// All seven tables in a fixed order.
QList<const TableDef*> allTables();

// Item block (positions 12..88, Silber first) and skill block (89..119)
// of einheiten, counted from 1 as the table's field positions.
constexpr int kItemBlockFirst = 12;
constexpr int kItemBlockLast = 88;
constexpr int kSkillBlockFirst = 89;
constexpr int kSkillBlockLast = 119;

// The fields added to older tables when a game is opened.
struct Upgrade {
  QString table;
  QString field;
  QString message;
};
QList<Upgrade> fieldUpgrades();

// SQL identifier quoting for names with blanks and umlauts.
QString quoted(const QString& identifier);

// CREATE TABLE / CREATE INDEX statements for one table.
QStringList createStatements(const TableDef& def);

}  // namespace schema
