#include "views/viewtables.h"

#include "report/starlist.h"

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


QString positionText(int x, int y, int level) {
  QString s = QString::number(x) + QLatin1Char('/') + QString::number(y);
  if (level != 0) s += QLatin1Char('/') + QString::number(level);
  return s;
}

QStringList itemFields(const Table& einheiten) {
  return itemBlockFields(einheiten);
}

QStringList skillFields(const Table& einheiten) {
  return skillBlockFields(einheiten);
}

}  // namespace viewtables
