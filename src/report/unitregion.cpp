#include "report/unitread.h"

#include <QStringList>

#include "db/table.h"

namespace {

// Regionname of the region read last; empty before the first region.
QString regionName(ImportState& state) { return state.tables.regionen.text(QStringLiteral("Regionname")); }

bool isUndead(UnitRead& u) { return u.text(u.f.rasse) == QStringLiteral("Untote"); }

// Whether the table already stands on the row of `key` (its active index).
bool onRow(const Table& t, const QStringList& fields, const QVariantList& key) {
  if (!t.hasRow() || t.state() != Table::State::Browse) return false;
  for (qsizetype i = 0; i < key.size(); ++i)
    if (t.value(fields.at(i)).toLongLong() != key.at(i).toLongLong()) return false;
  return true;
}

}  // namespace

void addOwnCounters(UnitRead& u) {
  if (!u.own || isUndead(u)) return;
  u.state.sums.units += 1;
  u.state.sums.persons += u.integer(u.f.personen);
  u.state.sums.silver += u.integer(u.f.silber);
}

void reportImmigration(UnitRead& u) {
  if (u.own) return;
  const QString name = regionName(u.state);
  if (name == QStringLiteral("Ozean")) return;
  const UnitFields& f = u.f;
  const QString& position = u.state.regionPosition;
  const QString cameFrom = u.text(f.kommtAus);
  // "name x/y", compared without making it: most units stay where they were.
  const bool stayed = cameFrom.size() == name.size() + 1 + position.size() && cameFrom.startsWith(name) &&
                      cameFrom.at(name.size()) == QLatin1Char(' ') && cameFrom.endsWith(position);
  if (stayed) return;
  QStringList& page = u.state.pages.einreise;
  if (cameFrom == QStringLiteral("unbekannt"))
    page << QStringLiteral("Eine neue Einheit wurde rekrutiert oder ist aus einer fremden Region eingereist:");
  else
    page << QStringLiteral("Eine Einheit ist aus ") + cameFrom + QStringLiteral(" eingereist:");
  const QString here = name + QLatin1Char(' ') + position;
  const QString party = u.partyKnown() ? u.partyName() : u.state.game.idText(qint32(u.integer(f.parteiNr)));
  page << QStringLiteral("   ") + u.text(f.name) + QStringLiteral(", ") + party + QStringLiteral(", ") +
              QString::number(u.integer(f.personen));
  u.set(f.kommtAus, here);
  u.set(f.einreisedatum, u.state.game.roundCode);
}

void addRegionSilver(UnitRead& u) {
  ImportState& state = u.state;
  const qint64 silver = u.integer(u.f.silber);
  if (u.own && silver > 0) state.sums.pendingRegionSilver += silver;
  // The next unit stands in the same region and adds to the same row: the
  // sum is written once, after the last unit of the run.
  if (state.sums.pendingRegionSilver == 0 || state.line().startsWith(QLatin1String("EINHEIT "))) return;
  const qint64 sum = state.sums.pendingRegionSilver;
  state.sums.pendingRegionSilver = 0;
  // x/y or x/y/z; a unit outside any region has no statistics row.
  const QStringList parts = u.state.regionPosition.split(QLatin1Char('/'));
  if (parts.size() < 2 || parts.size() > 3) return;
  const auto x = textutil::strictInt(parts.at(0));
  const auto y = textutil::strictInt(parts.at(1));
  const auto z = parts.size() == 3 ? textutil::strictInt(parts.at(2)) : std::optional<qint32>(0);
  if (!x || !y || !z) return;
  Table& statistik = u.state.tables.statistik;
  if (!statistik.isOpen()) statistik.open();
  statistik.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene;Datum"));
  const QVariantList key{u.state.game.slot, *x, *y, *z, u.state.game.roundCode};
  // The region reader has just written the region's row of the round, and
  // the region's units follow it: mostly the table stands on it already.
  if (!onRow(statistik, statistik.indexFields(), key) && !statistik.findKey(key)) return;
  statistik.edit();
  const QString field = QStringLiteral("Partei Silber Region");
  statistik.setValue(field, statistik.intValue(field) + sum);
  statistik.post();
}
