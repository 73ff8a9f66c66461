#include "views/viewtables.h"

#include "db/schema.h"

ViewTables::ViewTables(Database& database)
    : db(database),
      regionen(database, QStringLiteral("regionen")),
      schiffe(database, QStringLiteral("schiffe")),
      burgen(database, QStringLiteral("burgen")),
      einheiten(database, QStringLiteral("einheiten")),
      statistik(database, QStringLiteral("statistik")),
      parteien(database, QStringLiteral("parteien")) {}

namespace viewtables {

namespace {
QStringList fieldsAt(const Table& table, int first, int last) {
  const QStringList& all = table.fieldNames();
  const int from = first - 1;
  const int to = qMin(last, int(all.size()));
  return from < to ? all.mid(from, to - from) : QStringList();
}
}  // namespace

QString positionText(int x, int y, int level) {
  QString s = QString::number(x) + QLatin1Char('/') + QString::number(y);
  if (level != 0) s += QLatin1Char('/') + QString::number(level);
  return s;
}

QStringList itemFields(const Table& einheiten) {
  return fieldsAt(einheiten, schema::kItemBlockFirst, schema::kItemBlockLast);
}

QStringList skillFields(const Table& einheiten) {
  return fieldsAt(einheiten, schema::kSkillBlockFirst, schema::kSkillBlockLast);
}

}  // namespace viewtables
