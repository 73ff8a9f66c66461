#include "report/unitread.h"

#include <QStringList>

#include "db/dberror.h"
#include "db/schema.h"
#include "db/table.h"

namespace {

int need(const Table& table, const char* name) {
  const QString field = QString::fromUtf8(name);
  const int i = table.fieldIndex(field);
  if (i < 0) throw DbError(QStringLiteral("Feld '%1' in Tabelle %2 nicht gefunden").arg(field, table.name()));
  return i;
}

UnitFields computeFields(const Table& t) {
  UnitFields f;
  f.spiel = need(t, "Spiel");
  f.position = need(t, "Einheit Position");
  f.nr = need(t, "Einheit Nr");
  f.name = need(t, "Einheit Name");
  f.beschreibung = need(t, "Einheit Beschreibung");
  f.personen = need(t, "Personen");
  f.stationiert = need(t, "Stationiert");
  f.parteiNr = need(t, "Partei Nr");
  f.status = need(t, "Status");
  f.rasse = need(t, "Rasse");
  f.infoDatum = need(t, "Info Datum");
  f.silber = need(t, "Silber");
  f.maentel = need(t, "Mäntel");
  f.defaultBefehl = need(t, "Default Befehl");
  f.zauber = need(t, "Zauber");
  f.kommtAus = need(t, "Kommt aus");
  f.flags = need(t, "Flags");
  f.einreisedatum = need(t, "Einreisedatum");
  f.hitpoints = need(t, "Hitpoints");
  f.unbekannteTalente = need(t, "Unbekannte Talente");
  f.unbekannteGegenstaende = need(t, "Unbekannte Gegenstaende");
  f.bogenschiessen = need(t, "Bogenschiessen");
  f.armbrustschiessen = need(t, "Armbrustschiessen");
  f.strassenbau = need(t, "Strassenbau");
  const int count = t.fieldCount();
  f.itemBegin = qMin(schema::kItemBlockFirst - 1, count);
  f.itemEnd = qMin(schema::kItemBlockLast, count);
  f.skillBegin = qMin(schema::kSkillBlockFirst - 1, count);
  f.skillEnd = qMin(schema::kSkillBlockLast, count);
  return f;
}

}  // namespace

const UnitFields& unitFields(const Table& einheiten) {
  // Keyed to the field list: the kept copy shares the table's list, so the
  // same data pointer means the same fields; anything else is compared.
  static QStringList cachedNames;
  static UnitFields cached;
  const QStringList& names = einheiten.fieldNames();
  if (names.constData() != cachedNames.constData() || names.size() != cachedNames.size()) {
    if (names != cachedNames) cached = computeFields(einheiten);
    cachedNames = names;
  }
  return cached;
}

void UnitRead::lookupParty() {
  if (partyLooked_) return;
  partyLooked_ = true;
  const qint32 number = qint32(integer(f.parteiNr));
  auto cached = state.factionNames.constFind(number);
  if (cached == state.factionNames.constEnd()) {
    Table& parteien = state.tables.parteien;
    parteien.setIndexFields(QStringLiteral("Spiel;Partei Nr"));
    std::optional<QString> name;
    if (parteien.findKey({state.game.slot, number})) name = parteien.text(QStringLiteral("Partei Name"));
    cached = state.factionNames.insert(number, name);
  }
  partyFound_ = cached->has_value();
  if (partyFound_) partyName_ = **cached;
}

bool UnitRead::partyKnown() {
  lookupParty();
  return partyFound_;
}

const QString& UnitRead::partyName() {
  lookupParty();
  return partyName_;
}

QString UnitRead::partyLabel() {
  const qint32 number = qint32(integer(f.parteiNr));
  auto cached = state.factionLabels.constFind(number);
  if (cached != state.factionLabels.constEnd()) return *cached;
  const QString id = state.game.idText(number);
  const QString label = partyKnown() ? partyName_ + QStringLiteral(" (") + id + QLatin1Char(')')
                                     : QStringLiteral("unbekannt (") + id + QLatin1Char(')');
  state.factionLabels.insert(number, label);
  return label;
}
