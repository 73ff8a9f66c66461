#include "military/partychoices.h"

#include <algorithm>

#include "db/database.h"
#include "db/sqlitestatement.h"

namespace partychoices {

QString allPartiesText() { return QStringLiteral("(alle Parteien)"); }

QList<PartyChoice> partyChoices(Database& db, int slot) {
  QList<PartyChoice> out{{allPartiesText(), kAllParties}};
  SqliteStatement q(db.handle(),
                    QStringLiteral("SELECT \"Partei Name\", \"Partei Nr\" FROM \"parteien\" WHERE \"Spiel\" = ?1 "
                                   "ORDER BY \"Partei Nr\""));
  q.bind(1, slot);
  while (q.step()) out.append({q.column(0).toString(), qint32(q.columnInt(1))});
  // By name as the player reads them; equal names stay in number order.
  std::stable_sort(out.begin() + 1, out.end(), [](const PartyChoice& a, const PartyChoice& b) {
    return QString::localeAwareCompare(a.name, b.name) < 0;
  });
  return out;
}

}  // namespace partychoices
