// BURG and SCHIFF blocks: one row each in the building and ship tables, and
// the owner and captain lists the unit reader consults.
#include <QLatin1StringView>
#include <optional>

#include "report/blockreaders.h"
#include "report/importstate.h"
#include "report/reportblock.h"
#include "report/reportlines.h"

namespace {

using L = QLatin1StringView;

bool has(const QString& line, QLatin1StringView key) { return reportlines::contains(line, key); }

// A building or ship block ends at the next block of the report's top
// level; other headers (effects, say) open parts of it that are not read.
bool endsBlock(QStringView header) {
  const QStringView name = reportblock::headerName(header);
  return name == L("BURG") || name == L("SCHIFF") || name == L("EINHEIT") || name == L("REGION") ||
         name == L("DURCHREISEREGION") || reportlines::isTopLevelBlock(header);
}

// The number of a "BURG n" / "SCHIFF n" header, decimal.
qint32 headerNumber(ImportState& state) {
  const QString& line = state.line();
  const qsizetype blank = line.indexOf(QLatin1Char(' '));
  if (blank < 0) state.fail(QStringLiteral("Der Blockkopf nennt keine Nummer."));
  return state.toNumber(QStringView(line).mid(blank + 1));
}

void editOrAppend(Table& table, const QString& key, int slot, qint32 number) {
  table.setIndexFields(key);
  if (table.findKey({slot, number}))
    table.edit();
  else
    table.append();
}

// A row stored from a newer report stays as it is; an empty stamp counts as
// older than every round.
void stampAndPost(ImportState& state, Table& table) {
  const QString field = QStringLiteral("Info Datum");
  if (!table.isNull(field) && table.intValue(field) > state.game.roundCode) {
    table.cancel();
    return;
  }
  table.setValue(field, state.game.roundCode);
  table.post();
}

// Full size of a ship type, 0 for types whose size says nothing.
int fullShipSize(const QString& type) {
  if (type == QLatin1StringView("Boot")) return 5;
  if (type == QLatin1StringView("Langboot")) return 50;
  if (type == QLatin1StringView("Drachenschiff")) return 100;
  if (type == QLatin1StringView("Karavelle")) return 250;
  if (type == QLatin1StringView("Trireme")) return 200;
  return 0;
}

QString coastText(qint32 code) {
  switch (code) {
    case 0: return QStringLiteral("Nordwestküste");
    case 1: return QStringLiteral("Nordostküste");
    case 2: return QStringLiteral("Ostküste");
    case 3: return QStringLiteral("Südostküste");
    case 4: return QStringLiteral("Südwestküste");
    case 5: return QStringLiteral("Westküste");
    default: return QString();
  }
}

void readBuildingLine(ImportState& state, Table& table) {
  const QString& line = state.line();
  if (has(line, L("\";Beschr")))
    table.setValue(QStringLiteral("Burg Beschreibung"), ImportState::textValue(line));
  // A quoted text is never a number, whatever keys it holds.
  if (reportlines::isValue(line)) return;
  if (has(line, L(";Groesse"))) table.setValue(QStringLiteral("Burggrösse"), state.number());
  if (has(line, L(";Besitzer"))) table.setValue(QStringLiteral("Besitzer"), state.number());
  if (has(line, L(";Partei"))) table.setValue(QStringLiteral("Partei"), state.number());
  if (has(line, L(";Unterhalt"))) table.setValue(QStringLiteral("Unterhalt"), state.number());
  if (has(line, L(";Belagerer"))) table.setValue(QStringLiteral("Belagerer"), state.number());
}

// Load and capacity under the keys of today's reports, used when the block
// has none of the older keys.
struct ShipCargo {
  bool oldLoad = false, oldCapacity = false;
  std::optional<qint32> cargo, capacity;
  // The state of repair needs the size and the type: it is worked out once
  // the block is read, whatever order the lines stand in.
  std::optional<qint32> percent, size, damage;
};

// A damaged ship carries its damage as a negative percentage; else the
// size counts against the full size of the type, else the percentage
// given stands; without any of them the ship is whole.
double shipPercent(const ShipCargo& c, const QString& type) {
  if (c.damage) return -double(*c.damage);
  const int full = fullShipSize(type);
  if (c.size && full > 0) return double(*c.size) * 100.0 / full;
  if (c.percent) return double(*c.percent);
  return 100.0;
}

void readShipLine(ImportState& state, Table& table, ShipCargo& cargo) {
  const QString& line = state.line();
  if (has(line, L("\";Typ")))
    table.setValue(QStringLiteral("Schiffstyp"), ImportState::textValue(line));
  if (has(line, L("\";Beschr")))
    table.setValue(QStringLiteral("Schiffs Beschreibung"), ImportState::textValue(line));
  // A quoted text is never a number, whatever keys it holds.
  if (reportlines::isValue(line)) return;
  if (has(line, L(";Prozent"))) cargo.percent = state.number();
  if (has(line, L(";Groesse"))) cargo.size = state.number();
  if (has(line, L(";Schaden"))) cargo.damage = state.number();
  if (has(line, L(";Kueste"))) {
    const QString coast = coastText(state.number());
    if (!coast.isEmpty()) table.setValue(QStringLiteral("Kueste"), coast);
  }
  if (has(line, L(";Kapitaen"))) table.setValue(QStringLiteral("Kapitaen"), state.number());
  if (has(line, L(";Partei"))) table.setValue(QStringLiteral("Partei"), state.number());
  // ";MaxLadung" does not contain ";Ladung", so each key fills its own field.
  if (has(line, L(";Ladung"))) {
    table.setValue(QStringLiteral("Ladung"), state.number());
    cargo.oldLoad = true;
  }
  if (has(line, L(";MaxLadung"))) {
    table.setValue(QStringLiteral("MaxLadung"), state.number());
    cargo.oldCapacity = true;
  }
  if (has(line, L(";cargo"))) cargo.cargo = state.number();
  if (has(line, L(";capacity"))) cargo.capacity = state.number();
}

}  // namespace

void getBurgInfo(ImportState& state) {
  Table& table = state.tables.burgen;
  if (!table.isOpen()) table.open();
  const int slot = state.game.slot;
  const qint32 number = headerNumber(state);
  editOrAppend(table, QStringLiteral("Spiel;Burg Nr"), slot, number);
  table.setValue(QStringLiteral("Spiel"), slot);
  table.setValue(QStringLiteral("Burg Position"), state.regionPosition);
  table.setValue(QStringLiteral("Burg Nr"), number);
  table.setValue(QStringLiteral("Besitzer"), 0);
  table.setValue(QStringLiteral("Partei"), -1);
  table.setValue(QStringLiteral("Unterhalt"), 0);
  table.setValue(QStringLiteral("Belagerer"), 0);
  table.setValue(QStringLiteral("Burggrösse"), 0);

  // Type and name come first, by position; the other lines by their keys.
  const ReportBlock block = reportblock::read(state, state.currentLine, endsBlock);
  const int first = block.own.headerIndex + 1;
  for (int i = first; i < block.own.endIndex; ++i) {
    state.currentLine = i;
    if (i == first)
      table.setValue(QStringLiteral("Typ"), ImportState::textValue(state.line()));
    else if (i == first + 1)
      table.setValue(QStringLiteral("Burg Name"), ImportState::textValue(state.line()));
    else
      readBuildingLine(state, table);
  }
  state.currentLine = block.endIndex;

  const qint64 owner = table.intValue(QStringLiteral("Besitzer"));
  if (owner > 0)
    state.buildingCommanders += QLatin1Char('*') + state.game.idText(number) + QLatin1Char(';') +
                                state.game.idText(qint32(owner)) + QLatin1Char('*');
  stampAndPost(state, table);
  --state.currentLine;
}

void getSchiffInfo(ImportState& state) {
  Table& table = state.tables.schiffe;
  if (!table.isOpen()) table.open();
  const int slot = state.game.slot;
  const qint32 number = headerNumber(state);
  editOrAppend(table, QStringLiteral("Spiel;Schiffs Nr"), slot, number);
  table.setValue(QStringLiteral("Spiel"), slot);
  table.setValue(QStringLiteral("Schiffs Position"), state.regionPosition);
  table.setValue(QStringLiteral("Schiffs Nr"), number);

  // The name comes first, by position; the other lines by their keys.
  const ReportBlock block = reportblock::read(state, state.currentLine, endsBlock);
  const int first = block.own.headerIndex + 1;
  if (first < block.own.endIndex)
    table.setValue(QStringLiteral("Schiffs Name"), ImportState::textValue(state.lineAt(first)));
  table.setValue(QStringLiteral("Prozent"), 100.0);
  table.setValue(QStringLiteral("Kueste"), QStringLiteral("keine Küste"));
  table.setValue(QStringLiteral("Partei"), -1);
  table.setValue(QStringLiteral("Kapitaen"), 0);
  table.setValue(QStringLiteral("Ladung"), 0);
  table.setValue(QStringLiteral("MaxLadung"), 0);
  ShipCargo cargo;
  for (int i = first + 1; i < block.own.endIndex; ++i) {
    state.currentLine = i;
    readShipLine(state, table, cargo);
  }
  state.currentLine = block.endIndex;
  table.setValue(QStringLiteral("Prozent"), shipPercent(cargo, table.text(QStringLiteral("Schiffstyp"))));
  if (!cargo.oldLoad && cargo.cargo) table.setValue(QStringLiteral("Ladung"), *cargo.cargo);
  if (!cargo.oldCapacity && cargo.capacity) table.setValue(QStringLiteral("MaxLadung"), *cargo.capacity);

  const qint64 captain = table.intValue(QStringLiteral("Kapitaen"));
  if (captain > 0) {
    state.shipCaptains += QLatin1Char('*') + state.game.idText(number) + QLatin1Char(';') +
                          state.game.idText(qint32(captain)) + QLatin1Char('*');
    // Without a faction line the ship belongs to its captain's faction as
    // stored from earlier reports (units follow the ships in a report).
    if (table.intValue(QStringLiteral("Partei")) == -1) {
      Table& units = state.tables.einheiten;
      units.setIndexFields(QStringLiteral("Spiel;Einheit Nr"));
      if (units.findKey({slot, qint32(captain)}))
        table.setValue(QStringLiteral("Partei"), units.intValue(QStringLiteral("Partei Nr")));
    }
  }
  stampAndPost(state, table);
  --state.currentLine;
}
