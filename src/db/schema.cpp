#include "db/schema.h"

namespace schema {

namespace {

FieldDef I(const char* n) { return {QString::fromUtf8(n), FieldType::Integer, 0}; }
FieldDef T(const char* n, int size = 0) { return {QString::fromUtf8(n), FieldType::Text, size}; }
FieldDef M(const char* n, int size = 0) { return {QString::fromUtf8(n), FieldType::Memo, size}; }
FieldDef R(const char* n) { return {QString::fromUtf8(n), FieldType::Real, 0}; }

QStringList names(std::initializer_list<const char*> list) {
  QStringList out;
  for (const char* n : list) out << QString::fromUtf8(n);
  return out;
}

const char* const kItems[] = {
    "Holz", "Stein", "Pferd", "Eisen", "Wagen", "Plattenpanzer", "Gewürz", "Gewuerz", "Balsam",
    "Myrrhe", "Öl", "Oel", "Juwel", "Seide", "Weihrauch", "Kräuterbeutel", "Kraeuterbeutel",
    "Windbeutel", "Fjordwuchs", "Würzige Wagemut", "Flachwurz", "Blauer Baumringel", "Amulett",
    "Silberkassette", "Silberbeutel", "Wasserfinder", "Kakteenschwitz", "Sandfäule", "Steinbeißer",
    "Höhlenglimm", "Spaltwachs", "Grüner Spinnerich", "Elfenlieb", "Gurgelkräuter", "Schildstein",
    "Zauberstab", "Speer", "Bogen", "Schwert", "Katapult", "Armbrust", "Bihänder", "Elfenbogen",
    "Laen", "Mallorn", "Kriegsaxt", "Laenschwert", "Hellebarde", "Lanze", "Schild", "Laenschild",
    "Laenkettenhemd", "Kettenhemd", "Runenschwert", "Gurgelkraut", "Dumpfbackenbrot",
    "Wasser des Lebens", "Mäntel", "Ring der Macht", "Ring der Unsichtbarkeit",
    "Amulett des wahren Sehens", "Alraune", "Amulett der Keuschheit", "Amulett der Heilung",
    "Gehirnschmalz", "Weißer Wüterich", "Würziger Wagemut", "Eulenauge", "Blasenmorchel",
    "Knotiger Saugwurz", "Eisblume", "Schneekristall", "Heiltrank", "Schaffenstrunk", "Bauernlieb",
    "Drachenkopf"};

const char* const kSkills[] = {
    "Ausdauer", "Armbrustschiessen", "Bergbau", "Bogenschiessen", "Burgenbau", "Handeln",
    "Holzfällen", "Holzfaellen", "Katapultbedienung", "Magie", "Pferdedressur", "Reiten",
    "Rüstungsbau", "Ruestungsbau", "Schiffbau", "Schiffsbau", "Hiebwaffen", "Segeln",
    "Stangenwaffen", "Spionage", "Steinbau", "Steuereintreiben", "Strassenbau", "Taktik", "Tarnung",
    "Unterhaltung", "Waffenbau", "Wagenbau", "Wahrnehmung", "Kräuterkunde", "Alchemie"};

TableDef makeRegionen() {
  TableDef t{QStringLiteral("regionen"),
             {I("Spiel"), I("Breite"), I("Länge"), I("Ebene"), T("Regionname", 80), T("Regiontyp", 40),
              M("Beschreibung"), T("Bewachung", 80), T("Umgebung"), I("Bauern"), I("VermögenBauern"),
              I("Holzstämme"), I("Schoesslinge"), I("Pferde"), I("Eisen"), I("Lean"), I("Mallorn"),
              I("Steine"), I("Strasse"), I("Strasse1"), I("Strasse2"), I("Strasse3"), I("Strasse4"),
              I("Strasse5"), I("Arbeitslohn"), I("Rekrutieren"), I("Unterhaltung max"), I("Luxusgüter"),
              I("Balsam"), I("Gewuerz"), I("Juwel"), I("Myrrhe"), I("Oel"), I("Seide"), I("Weihrauch"),
              T("Angebot", 80), I("Info Datum")},
             names({"Spiel", "Breite", "Länge", "Ebene"}),
             {}};
  return t;
}

TableDef makeEbenen() {
  return {QStringLiteral("ebenen"), {I("Spiel"), I("Ebene"), T("Name", 30)}, names({"Spiel", "Ebene"}), {}};
}

TableDef makeSchiffe() {
  return {QStringLiteral("schiffe"),
          {I("Spiel"), T("Schiffs Position", 15), I("Schiffs Nr"), T("Schiffs Name", 80), T("Schiffstyp", 40),
           M("Schiffs Beschreibung"), R("Prozent"), T("Kueste", 20), I("Partei"), I("Kapitaen"), I("Ladung"),
           I("MaxLadung"), I("Info Datum")},
          names({"Spiel", "Schiffs Nr"}),
          // The region view finds the ships of a region by position.
          {{QStringLiteral("schiffe_position"), names({"Spiel", "Schiffs Position", "Schiffs Nr"}), false}}};
}

TableDef makeBurgen() {
  return {QStringLiteral("burgen"),
          {I("Spiel"), T("Burg Position", 15), I("Burg Nr"), T("Burg Name", 80), T("Typ", 40),
           M("Burg Beschreibung"), I("Burggrösse"), I("Besitzer"), I("Partei"), I("Unterhalt"), I("Belagerer"),
           I("Info Datum")},
          names({"Spiel", "Burg Nr"}),
          // The region view finds the buildings of a region by position.
          {{QStringLiteral("burgen_position"), names({"Spiel", "Burg Position", "Burg Nr"}), false}}};
}

TableDef makeEinheiten() {
  TableDef t;
  t.name = QStringLiteral("einheiten");
  // Positions 1..11: the nine leading fields, then Rasse and Info Datum.
  t.fields = {I("Spiel"),  T("Einheit Position", 15), I("Einheit Nr"), T("Einheit Name", 80),
              M("Einheit Beschreibung", 1), I("Personen"), T("Stationiert", 10), I("Partei Nr"),
              T("Status", 25), T("Rasse", 20), I("Info Datum")};
  t.fields << I("Silber");
  for (const char* item : kItems) t.fields << I(item);
  for (const char* skill : kSkills) t.fields << T(skill, 10);
  t.fields << M("Default Befehl", 10) << M("Zauber", 10) << T("Gruppe", 20) << T("Kommt aus", 30)
           << T("Privat", 100) << T("Flags", 5) << I("Phiolen") << I("Einreisedatum") << T("Hitpoints", 20)
           << M("Unbekannte Talente", 10) << M("Unbekannte Gegenstaende", 10);
  t.primaryKey = names({"Spiel", "Einheit Nr"});
  t.indexes = {{QStringLiteral("einheiten_position"), names({"Spiel", "Einheit Position", "Einheit Nr"}), false}};
  return t;
}

TableDef makeStatistik() {
  return {QStringLiteral("statistik"),
          {I("Spiel"), I("Breite"), R("Länge"), I("Ebene"), I("Datum"), I("Bauern"), I("Bauern Silber"),
           I("Anzahl Holz"), I("Eisen"), I("Laen"), I("Mallorn"), I("Pferde"), I("Partei Silber Region"),
           I("PunkteNeu"), I("PunkteSchnitt"), I("PunkteDiv"), I("ParteiSilber"), I("Personen")},
          names({"Spiel", "Breite", "Länge", "Ebene", "Datum"}),
          {}};
}

TableDef makeParteien() {
  return {QStringLiteral("parteien"),
          {I("Spiel"), I("Partei Nr"), T("Partei Name", 50), T("E-Mail", 50), M("Banner", 5), M("Notizen", 5),
           I("Datum")},
          names({"Spiel", "Partei Nr"}),
          {}};
}

QString sqlType(FieldType type) {
  switch (type) {
    case FieldType::Integer: return QStringLiteral("INTEGER");
    case FieldType::Real: return QStringLiteral("REAL");
    case FieldType::Text:
    case FieldType::Memo: return QStringLiteral("TEXT");
  }
  return QStringLiteral("TEXT");
}

}  // namespace

const TableDef& regionen() { static const TableDef t = makeRegionen(); return t; }
const TableDef& ebenen() { static const TableDef t = makeEbenen(); return t; }
const TableDef& schiffe() { static const TableDef t = makeSchiffe(); return t; }
const TableDef& burgen() { static const TableDef t = makeBurgen(); return t; }
const TableDef& einheiten() { static const TableDef t = makeEinheiten(); return t; }
const TableDef& statistik() { static const TableDef t = makeStatistik(); return t; }
const TableDef& parteien() { static const TableDef t = makeParteien(); return t; }

QList<const TableDef*> allTables() {
  return {&regionen(), &ebenen(), &schiffe(), &burgen(), &einheiten(), &statistik(), &parteien()};
}

QList<Upgrade> fieldUpgrades() {
  return {{QStringLiteral("statistik"), QStringLiteral("Partei Silber Region"),
           QStringLiteral("Statistik-Tabelle wird nun erweitert.")},
          {QStringLiteral("regionen"), QStringLiteral("Steine"),
           QStringLiteral("Regions-Tabelle wird nun erweitert. (Steine)")},
          {QStringLiteral("regionen"), QStringLiteral("Schoesslinge"),
           QStringLiteral("Regions-Tabelle wird nun erweitert. (Schoesslinge)")}};
}

QString quoted(const QString& identifier) {
  QString escaped = identifier;
  escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QStringList createStatements(const TableDef& def) {
  QStringList columns;
  for (const FieldDef& f : def.fields) columns << quoted(f.name) + QLatin1Char(' ') + sqlType(f.type);
  QStringList key;
  for (const QString& k : def.primaryKey) key << quoted(k);
  QStringList out;
  out << QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2, PRIMARY KEY (%3))")
             .arg(quoted(def.name), columns.join(QStringLiteral(", ")), key.join(QStringLiteral(", ")));
  for (const IndexDef& index : def.indexes) {
    QStringList fields;
    for (const QString& f : index.fields) fields << quoted(f);
    out << QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
               .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(), quoted(index.name), quoted(def.name),
                    fields.join(QStringLiteral(", ")));
  }
  return out;
}

}  // namespace schema
