#include "views/regionview.h"

#include <QHash>
#include <algorithm>
#include <optional>

#include "game/gamesession.h"
#include "game/textutil.h"
#include "game/codec.h"
#include "game/regionname.h"
#include "views/viewtables.h"

namespace {

using L = QLatin1StringView;

QString u(const char* text) { return QString::fromUtf8(text); }

// The position texts a building or ship of the hex may carry: without the
// level, and with the shown level (the import never writes "/0", so on
// level 0 both texts name the same rows only once).
QStringList hexPositions(int x, int y, int level) {
  const QString plain = QString::number(x) + QLatin1Char('/') + QString::number(y);
  const QString withLevel = plain + QLatin1Char('/') + QString::number(level);
  return {plain, withLevel};
}

struct FoundRow {
  qint64 number;
  QString line;
  qint64 infoDatum;
};

// The rows of one of the building and ship tables at the hex's positions,
// by indexed lookups, in number order as a walk of the whole table meets them.
template <typename MakeLine>
QVector<FoundRow> rowsAt(Table& table, const char* positionField, const char* numberField, int slot,
                         const QStringList& positions, MakeLine makeLine) {
  const QString position = u(positionField);
  const QString number = u(numberField);
  table.setIndexFields(QStringLiteral("Spiel;") + position + QLatin1Char(';') + number);
  table.open();
  QVector<FoundRow> rows;
  for (const QString& p : positions) {
    if (!table.findKey({slot, p})) continue;
    for (; !table.eof() && table.intValue(QStringLiteral("Spiel")) == slot && table.text(position) == p; table.next())
      rows.push_back({table.intValue(number), makeLine(table), table.intValue(QStringLiteral("Info Datum"))});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const FoundRow& a, const FoundRow& b) { return a.number < b.number; });
  table.close();
  return rows;
}

QString buildingLine(const Table& t, const GameSession& s) {
  return QStringLiteral("-Burg : ") + t.text(u("Burg Name")) + QStringLiteral(", ") + t.text(u("Typ")) +
         QStringLiteral(", größe: ") + t.text(u("Burggrösse")) + QStringLiteral(" (") +
         s.idText(qint32(t.intValue(u("Burg Nr")))) + QLatin1Char(')');
}

QString percentText(double p) { return QString::number(p); }

QString shipLine(const Table& t, const GameSession& s) {
  const double percent = t.value(u("Prozent")).toDouble();
  const QString head = QStringLiteral("-Schiff : ") + t.text(u("Schiffs Name")) + QStringLiteral(", ") +
                       t.text(u("Schiffstyp"));
  const QString nr = s.idText(qint32(t.intValue(u("Schiffs Nr"))));
  if (percent > 0 && percent < 100)
    return head + QStringLiteral(", zu ") + percentText(percent) + QStringLiteral("% fertig. [") + nr + QLatin1Char(']');
  const QString load = QStringLiteral(" [") + nr + QStringLiteral("], Ladung: ") + t.text(u("Ladung")) +
                       QLatin1Char('/') + t.text(u("MaxLadung"));
  if (percent < 0)
    return head + load + QStringLiteral(", Schäden: ") + percentText(-percent) + QStringLiteral("% ,") + t.text(u("Kueste"));
  return head + load + QStringLiteral(" ,") + t.text(u("Kueste"));
}

bool marked(const QString& flags) {
  return flags.contains(QLatin1Char('x')) || flags.contains(QLatin1Char('X')) || flags.contains(QLatin1Char('V'));
}

// Adds `amount` to the child "name:n" of a node, or adds the child.
void addToChild(RegionTreeNode& node, const QString& name, qint64 amount, bool newFirst) {
  const QString prefix = name + QLatin1Char(':');
  for (QString& child : node.children) {
    if (!child.startsWith(prefix)) continue;
    child = prefix + QString::number(child.mid(prefix.size()).toLongLong() + amount);
    return;
  }
  if (newFirst)
    node.children.prepend(prefix + QString::number(amount));
  else
    node.children.append(prefix + QString::number(amount));
}

// The faction names of the slot, looked up once per faction and call.
class PartyNames {
 public:
  PartyNames(Table& parteien, int slot) : table_(parteien), slot_(slot) {}
  std::optional<QString> name(qint32 nr) {
    const auto it = cache_.constFind(nr);
    if (it != cache_.constEnd()) return *it;
    std::optional<QString> found;
    table_.open();
    table_.setIndexFields(QStringLiteral("Spiel;Partei Nr"));
    if (table_.findKey({slot_, nr})) found = table_.text(QStringLiteral("Partei Name"));
    table_.close();
    cache_.insert(nr, found);
    return found;
  }

 private:
  Table& table_;
  int slot_;
  QHash<qint32, std::optional<QString>> cache_;
};

void readRegionRow(Table& regionen, RegionView& view, int slot) {
  regionen.open();
  regionen.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene"));
  view.found = regionen.findKey({slot, view.x, view.y, view.level});
  if (!view.found) {
    view.panelText = regionview::noRegionText();
    regionen.close();
    return;
  }
  view.panelText = regionname::shown(regionen.text(u("Regionname")), regionen.text(u("Regiontyp"))) +
                   QStringLiteral("  ") + QString::number(view.x) +
                   QLatin1Char('/') + QString::number(view.y);
  for (int i = 0; i < regionen.fieldCount(); ++i) view.row.push_back({regionen.fieldNames().at(i), regionen.value(i)});
  const QVariant surroundings = regionen.value(u("Umgebung"));
  if (!surroundings.isNull() && !surroundings.toString().isEmpty())
    view.surroundings = textutil::splitLines(surroundings.toString());
  if (!regionen.text(u("Steine")).isEmpty()) view.steine = regionen.text(u("Steine"));
  if (!regionen.text(u("Schoesslinge")).isEmpty()) view.schoesslinge = regionen.text(u("Schoesslinge"));
  // The page shows and edits the row through its own row model.
  regionen.close();
}

void listBuildingsAndShips(ViewTables& t, const GameSession& s, RegionView& view, bool currentOnly) {
  const QStringList positions = hexPositions(view.x, view.y, view.level);
  const auto buildings = rowsAt(t.burgen, "Burg Position", "Burg Nr", s.slot, positions,
                                [&](const Table& row) { return buildingLine(row, s); });
  for (const FoundRow& b : buildings) {
    if (b.infoDatum != s.roundCode) continue;
    view.unitList << b.line;
    view.unitEntries.push_back({unitview::EntryKind::Building, qint32(b.number)});
    ++view.buildingSectionEnd;
  }
  const auto ships = rowsAt(t.schiffe, "Schiffs Position", "Schiffs Nr", s.slot, positions,
                            [&](const Table& row) { return shipLine(row, s); });
  for (const FoundRow& ship : ships) {
    if (currentOnly && ship.infoDatum != s.roundCode) continue;
    view.unitList << ship.line;
    view.unitEntries.push_back({unitview::EntryKind::Ship, qint32(ship.number)});
    view.shipSectionEnd = int(view.unitList.size()) + 1;
  }
}

// Puts a unit line under its building or ship, or at the end.
void placeUnitLine(RegionView& view, const GameSession& s, const QString& stationed, const QString& name, qint32 nr) {
  const bool inBuilding = stationed.startsWith(QLatin1Char('B'));
  const bool onShip = stationed.startsWith(QLatin1Char('S'));
  const RegionView::ListEntry entry{unitview::EntryKind::Unit, nr};
  if (!inBuilding && !onShip) {
    view.unitList << name;
    view.unitEntries.push_back(entry);
    return;
  }
  const QString id = stationed.mid(2);
  const unitview::EntryKind kind = inBuilding ? unitview::EntryKind::Building : unitview::EntryKind::Ship;
  int& sectionEnd = inBuilding ? view.buildingSectionEnd : view.shipSectionEnd;
  const int end = qMin(sectionEnd, int(view.unitList.size()));
  for (int i = 0; i < end; ++i) {
    const RegionView::ListEntry& at = view.unitEntries.at(i);
    if (at.kind != kind || s.idText(at.number) != id) continue;
    view.unitList.insert(i + 1, name);
    view.unitEntries.insert(i + 1, entry);
    if (inBuilding) ++view.shipSectionEnd;
    break;
  }
  ++sectionEnd;
}

void walkUnits(ViewTables& t, const GameSession& s, RegionView& view, const RegionFilters& filters) {
  Table& units = t.einheiten;
  units.setIndexFields(QStringLiteral("Spiel;Einheit Position;Einheit Nr"));
  units.open();
  PartyNames parties(t.parteien, s.slot);
  const QStringList items = viewtables::itemFields(units);
  QVector<int> itemIndex;
  for (const QString& f : items) itemIndex << units.fieldIndex(f);
  const QString position = view.regionPosition;
  if (!units.findKey({s.slot, position})) {
    units.close();
    return;
  }
  for (; !units.eof() && units.intValue(u("Spiel")) == s.slot && units.text(u("Einheit Position")) == position;
       units.next()) {
    const qint32 party = qint32(units.intValue(u("Partei Nr")));
    const bool current = units.intValue(u("Info Datum")) == s.roundCode;
    const bool own = party == s.ownPartyNumber;
    const bool selected = filters.alle ? (!filters.nurAktuelleInfo || current) : own;
    if (!selected) continue;
    const qint32 nr = qint32(units.intValue(u("Einheit Nr")));
    const QString flags = units.text(u("Flags"));
    const std::optional<QString> partyName = parties.name(party);

    if (current) {
      const QString label = partyName ? *partyName + QStringLiteral(" (") + s.idText(party) + QLatin1Char(')')
                                      : QStringLiteral("unbekannt (") + s.idText(party) + QLatin1Char(')');
      int node = -1;
      for (int i = 0; i < view.possessions.size(); ++i)
        if (view.possessions.at(i).text == label) { node = i; break; }
      if (node < 0) {
        view.possessions.push_back({label, {}});
        node = int(view.possessions.size()) - 1;
        if (!s.ownPartyName.isEmpty() && label.contains(s.ownPartyName)) view.ownPartyNode = node;
      }
      RegionTreeNode& n = view.possessions[node];
      for (int i = 0; i < items.size(); ++i) {
        const QVariant v = units.value(itemIndex.at(i));
        if (!v.isNull() && v.toLongLong() > 0) addToChild(n, items.at(i), v.toLongLong(), false);
      }
      addToChild(n, QStringLiteral("Personen"), units.intValue(u("Personen")), true);
    }
    if (own && current) {
      view.ownSilver = QString::number(view.ownSilver.toLongLong() + units.intValue(u("Silber")));
      view.ownPeople = QString::number(view.ownPeople.toLongLong() + units.intValue(u("Personen")));
      if (!marked(flags)) view.unflaggedUnits += QString::number(nr) + QLatin1Char('*');
    }
    const QString name = units.text(u("Einheit Name")) + QStringLiteral(" (") + codec::Encode(nr) + QLatin1Char(')');
    if (flags.contains(QLatin1Char('B'))) {
      const QString whose = partyName && !partyName->isEmpty() ? QStringLiteral(" für ") + *partyName
                                                               : QStringLiteral(" für eine unbekannte Partei");
      view.guards << QLatin1Char(' ') + name + whose;
    }
    if (!current && filters.nurAktuelleInfo) continue;
    const QString stationed = units.text(u("Stationiert"));
    const bool nested = stationed.startsWith(QLatin1Char('B')) || stationed.startsWith(QLatin1Char('S'));
    const bool star = flags.contains(QLatin1Char('x')) || flags.contains(QLatin1Char('X'));
    const bool v = !star && flags.contains(QLatin1Char('V'));
    const char* marker = nested ? (star ? regionview::kIndentStar : v ? regionview::kIndentV : regionview::kIndentNone)
                                : (star ? regionview::kStar : v ? regionview::kV : regionview::kNone);
    placeUnitLine(view, s, stationed, QLatin1StringView(marker) + name + QStringLiteral(" , ") + units.text(u("Rasse")), nr);
  }
  units.close();
}

QString zeroWhenEmpty(const Table& t, const char* field) {
  const QString v = t.text(u(field));
  return v.isEmpty() ? QStringLiteral("0") : v;
}

void readHistory(Table& statistik, const GameSession& s, RegionView& view) {
  statistik.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene;Datum"));
  statistik.open();
  if (!statistik.findKey({s.slot, view.x, view.y, view.level})) {
    statistik.close();
    return;
  }
  view.history << regionview::historyHeader();
  // The walk keeps to the region's x and y; rows of its other levels follow.
  for (; !statistik.eof() && statistik.intValue(u("Spiel")) == s.slot && statistik.intValue(u("Breite")) == view.x &&
         statistik.value(u("Länge")).toDouble() == view.y;
       statistik.next()) {
    view.history << QStringList{statistik.text(u("Datum")),   statistik.text(u("Anzahl Holz")),
                                zeroWhenEmpty(statistik, "Eisen"), zeroWhenEmpty(statistik, "Laen"),
                                zeroWhenEmpty(statistik, "Mallorn"), statistik.text(u("Bauern")),
                                statistik.text(u("Pferde")),  statistik.text(u("Bauern Silber")),
                                zeroWhenEmpty(statistik, "Partei Silber Region")};
  }
  statistik.close();
}

}  // namespace

RegionView getSekKoo(ViewTables& tables, GameSession& session, int x, int y, const RegionFilters& filters) {
  RegionView view;
  view.x = x;
  view.y = y;
  view.level = session.currentLevel;
  view.shownX = QString::number(x);
  view.shownY = QString::number(y);
  session.shownX = view.shownX;
  session.shownY = view.shownY;
  // An unknown hex lists its own position's units, not those of the region shown before.
  view.regionPosition = viewtables::positionText(x, y, view.level);
  readRegionRow(tables.regionen, view, session.slot);
  listBuildingsAndShips(tables, session, view, filters.nurAktuelleInfo);
  walkUnits(tables, session, view, filters);
  readHistory(tables.statistik, session, view);
  return view;
}

namespace regionview {

QString noRegionText() { return QStringLiteral("Keine Informationen über Region"); }

QStringList historyHeader() {
  return {u("Datum"),  u("Bäume"),  u("Eisen"),         u("Laen"),         u("Mallorn"),
          u("Bauern"), u("Pferde"), u("Bauern Silber"), u("Partei Silber")};
}

namespace {
const QVector<QPair<const char*, const char*>>& fieldCaptions() {
  static const QVector<QPair<const char*, const char*>> captions = {
      {"Region Name", "Regionname"},  {"Region Typ", "Regiontyp"},    {"X", "Breite"},
      {"Y", "Länge"},                 {"Pferde", "Pferde"},           {"Bauern", "Bauern"},
      {"Rekrut.", "Rekrutieren"},     {"Lohn", "Arbeitslohn"},        {"Bauern Silber", "VermögenBauern"},
      {"Unterhaltung", "Unterhaltung max"}, {"Bäume", "Holzstämme"},  {"Eisen", "Eisen"},
      {"Laen", "Lean"},               {"Mallorn", "Mallorn"},         {"Straße 0", "Strasse"},
      {"Straße 1", "Strasse1"},       {"Straße 2", "Strasse2"},       {"Straße 3", "Strasse3"},
      {"Straße 4", "Strasse4"},       {"Straße 5", "Strasse5"},       {"Luxusgüter zum Preis:", "Luxusgüter"},
      {"Juwelen", "Juwel"},           {"Balsam", "Balsam"},           {"Gewürze", "Gewuerz"},
      {"Myrrhe", "Myrrhe"},           {"Seide", "Seide"},             {"Weihrauch", "Weihrauch"},
      {"Oel", "Oel"},                 {"Regionsbeschreibung", "Beschreibung"}};
  return captions;
}

QVariant rowValue(const RegionView& view, const QString& field) {
  for (const auto& [name, value] : view.row)
    if (name.compare(field, Qt::CaseInsensitive) == 0) return value;
  return {};
}

void section(QStringList& out, const QString& title, const QStringList& lines) {
  out << title;
  for (const QString& l : lines) out << QStringLiteral("  ") + l;
}
}  // namespace

QStringList describe(const RegionView& view) {
  QStringList out;
  out << view.panelText;
  out << QStringLiteral("Position: ") + view.regionPosition;
  if (view.found) {
    QStringList fields;
    for (const auto& [caption, field] : fieldCaptions())
      fields << u(caption) + QStringLiteral(": ") + rowValue(view, u(field)).toString().replace(QLatin1Char('\n'), QStringLiteral(" / "));
    section(out, QStringLiteral("Felder"), fields);
  }
  out << QStringLiteral("Steine: ") + view.steine + QStringLiteral("   Schößl.: ") + view.schoesslinge;
  out << QStringLiteral("eigenes Silber: ") + view.ownSilver + QStringLiteral("   eigene Leute: ") + view.ownPeople;
  QStringList tree;
  for (const RegionTreeNode& node : view.possessions) {
    tree << node.text;
    for (const QString& child : node.children) tree << QStringLiteral("  ") + child;
  }
  section(out, QStringLiteral("Besitztümer"), tree);
  section(out, QStringLiteral("Regionsbewacher"), view.guards);
  section(out, QStringLiteral("Regionsumgebung"), view.surroundings);
  section(out, QStringLiteral("Einheiten in Region :"), view.unitList);
  QStringList rows;
  for (const QStringList& r : view.history) rows << r.join(QStringLiteral(" | "));
  section(out, QStringLiteral("Statistik"), rows);
  return out;
}

}  // namespace regionview
