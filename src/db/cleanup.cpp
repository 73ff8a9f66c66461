#include "db/cleanup.h"

#include <QVector>

#include "game/gamesession.h"
#include "game/codec.h"
#include "db/database.h"
#include "db/dberror.h"
#include "db/sqlitestatement.h"
#include "db/table.h"

namespace cleanup {

namespace {

struct ClassName {
  UnitClass unitClass;
  const char* caption;
  const char* option;
};

constexpr ClassName kNames[kClassCount] = {
    {UnitClass::Current, "Aktuelle Runde", "aktuell"},
    {UnitClass::OwnVanished, "eigene, vernichtete Einheiten", "eigene"},
    {UnitClass::Older1to6, "1-6 Runden älter", "1-6"},
    {UnitClass::Older6to24, "6-24 Runden älter", "6-24"},
    {UnitClass::Older24to36, "älter 24 Runden", "24-36"},
    {UnitClass::Older36, "älter 36 Runden", "36+"},
};

qint64 monthIndex(qint32 code) { return qint64(code / 100) * 12 + code % 100; }

}  // namespace

QString caption(UnitClass c) { return QString::fromUtf8(kNames[int(c)].caption); }
QString optionName(UnitClass c) { return QString::fromLatin1(kNames[int(c)].option); }

std::optional<UnitClass> classByOptionName(const QString& name) {
  for (const ClassName& n : kNames)
    if (name == QLatin1String(n.option)) return n.unitClass;
  return std::nullopt;
}

int roundsBetween(qint32 newerCode, qint32 olderCode) { return int(monthIndex(newerCode) - monthIndex(olderCode)); }

qint32 previousRoundCode(qint32 code) {
  // Months run from 1 to 12, so month index m belongs to year (m - 1) / 12.
  const qint64 m = monthIndex(code) - 1;
  const qint64 year = (m - 1) / 12;
  return qint32(year * 100 + (m - 12 * year));
}

std::optional<UnitClass> classify(qint32 seenCode, qint32 currentCode, qint32 partyNumber, qint32 ownParty) {
  const int age = roundsBetween(currentCode, seenCode);
  if (age < 0) return std::nullopt;
  if (age == 0) return UnitClass::Current;
  if (partyNumber == ownParty) return UnitClass::OwnVanished;
  if (age < 6) return UnitClass::Older1to6;
  if (age < 24) return UnitClass::Older6to24;
  if (age < 36) return UnitClass::Older24to36;
  return UnitClass::Older36;
}

Context Context::of(const GameSession& session) {
  return {session.slot, session.roundCode, session.ownPartyNumber, session.isMolvanth(), session.idBase};
}

int Result::sum() const {
  int total = 0;
  for (int n : counters) total += n;
  return total;
}

namespace {

struct OwnUnit {
  QString name;
  qint32 number = 0;
  qint64 persons = 0;
  QString position;
  QString description;
  qint64 rowid = 0;
};

QStringList listingOf(const OwnUnit& u, const Context& context, bool deleted) {
  const QString number = context.molvanth ? codec::Encode(u.number, context.idBase) : QString::number(u.number);
  QStringList lines{u.name + QStringLiteral(" (") + number + QStringLiteral("), Personen: ") + QString::number(u.persons),
                    QStringLiteral("Zuletzt gesehen in: ") + u.position,
                    QStringLiteral("Beschreibung: ") + u.description};
  if (deleted) lines << QStringLiteral("Einheit aus DB geloescht!");
  lines << QString();
  return lines;
}

}  // namespace

Result run(Database& db, const Context& context, std::optional<UnitClass> deleteClass) {
  Result result;
  if (deleteClass == UnitClass::Current) deleteClass.reset();
  const int chosen = deleteClass ? int(*deleteClass) : -1;
  QVector<qint64> doomed;
  QList<OwnUnit> own;
  try {
    // Only the fields the classes and the listing need, in unit number order.
    SqliteStatement q(db.handle(), QStringLiteral(
        "SELECT rowid, \"Info Datum\", \"Partei Nr\", \"Einheit Name\", \"Einheit Nr\", \"Personen\", "
        "\"Einheit Position\", \"Einheit Beschreibung\" FROM \"einheiten\" WHERE \"Spiel\" = ? "
        "ORDER BY \"Spiel\", \"Einheit Nr\", rowid"));
    q.bind(1, context.slot);
    while (q.step()) {
      ++result.rows;
      const std::optional<UnitClass> c =
          classify(qint32(q.columnInt(1)), context.currentRound, qint32(q.columnInt(2)), context.ownParty);
      if (!c) continue;
      if (*c == UnitClass::OwnVanished)
        own << OwnUnit{q.column(3).toString(), qint32(q.columnInt(4)), q.columnInt(5), q.column(6).toString(),
                       q.column(7).toString(), q.columnInt(0)};
      if (int(*c) == chosen)
        doomed << q.columnInt(0);
      else
        ++result.counters[size_t(*c)];
    }
  } catch (const DbError& e) {
    result = Result();
    result.error = QStringLiteral("Die Einheiten-Tabelle konnte nicht gelesen werden: %1").arg(e.message());
    return result;
  }

  if (!doomed.isEmpty()) {
    try {
      db.begin();
      Table einheiten(db, QStringLiteral("einheiten"));
      for (qint64 rowid : doomed) einheiten.removeRow(rowid);
      db.commit();
      result.deleted = int(doomed.size());
    } catch (const DbError& e) {
      db.rollback();
      // Nothing was deleted: the chosen class counts as it stands.
      result.counters[size_t(chosen)] += int(doomed.size());
      result.error = QStringLiteral("Die Datensätze „%1“ konnten nicht gelöscht werden; es wurde nichts gelöscht: %2")
                         .arg(caption(UnitClass(chosen)), e.message());
    }
  }
  const bool ownDeleted = result.deleted > 0 && chosen == int(UnitClass::OwnVanished);
  for (const OwnUnit& u : own) result.listing << listingOf(u, context, ownDeleted);
  return result;
}

}  // namespace cleanup
