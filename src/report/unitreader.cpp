#include "db/table.h"
#include "report/blockreaders.h"
#include "report/importstate.h"
#include "report/unitread.h"

namespace {

using L = QLatin1StringView;

// Finds or creates the unit's row and sets what every read starts from.
void startRow(UnitRead& u) {
  ImportState& state = u.state;
  Table& t = u.table;
  const UnitFields& f = u.f;
  const QString& header = state.lineAt(u.block.own.headerIndex);
  const qsizetype blank = header.indexOf(QLatin1Char(' '));
  u.number = state.toNumber(blank < 0 ? QStringView() : QStringView(header).mid(blank + 1));
  u.numberText = state.game.idText(u.number);

  t.setIndexFields(QStringLiteral("Spiel;Einheit Nr"));
  if (state.unitKeys.mayHold({state.game.slot, u.number}) && t.findKey({state.game.slot, u.number})) {
    t.edit();
  } else {
    t.append();
    state.unitKeys.add({state.game.slot, u.number});
  }
  u.set(f.spiel, state.game.slot);
  u.set(f.stationiert, QStringLiteral("in Region"));
  u.set(f.position, state.regionPosition);
  u.set(f.nr, u.number);
  // The name stands right after the header.
  u.set(f.name, ImportState::textValue(state.lineAt(u.block.own.headerIndex + 1)));

  state.progress.setUnitText(u.text(f.name));
  state.progress.setPercent(state.percent());
  state.progress.repaint();

  // Only the "marked for next round too" flag survives a new report.
  u.set(f.flags, u.text(f.flags).contains(QLatin1Char('X')) ? QStringLiteral("X") : QString());
  u.set(f.silber, 0);
  u.set(f.personen, 1);
  u.set(f.parteiNr, -1);
  u.set(f.beschreibung, QString());
  if (u.text(f.kommtAus).isEmpty()) u.set(f.kommtAus, QStringLiteral("unbekannt"));
  if (t.value(f.einreisedatum).isNull()) u.set(f.einreisedatum, 0);
}

// The item fields start from 0. Silber heads the item block but is no item
// field: it keeps what the unit's header said unless an items line sets it.
void resetItems(UnitRead& u) {
  const UnitFields& f = u.f;
  const bool silverInside = f.silber >= f.itemBegin && f.silber < f.itemEnd;
  u.table.setValues(f.itemBegin, silverInside ? f.silber : f.itemEnd, 0);
  if (silverInside) u.table.setValues(f.silber + 1, f.itemEnd, 0);
  if (u.own) u.set(f.zauber, QString());
  u.set(f.unbekannteGegenstaende, QString());
  if (!u.auraText.isEmpty()) u.set(f.zauber, QLatin1Char('*') + u.auraText + QLatin1Char('*'));
}

// A row stored from a newer report keeps all its values.
void finishRow(UnitRead& u) {
  Table& t = u.table;
  const QVariant stored = t.value(u.f.infoDatum);
  if (!stored.isNull() && stored.toLongLong() > u.state.game.roundCode) {
    t.cancel();
    return;
  }
  u.set(u.f.infoDatum, u.state.game.roundCode);
  t.post();
}

}  // namespace

void readLetters(UnitRead& u) {
  const BlockPart* part = u.block.sub(L("EINHEITSBOTSCHAFTEN"));
  if (!part) return;
  QStringList& page = u.state.pages.botschaften;
  page << QStringLiteral("Botschaften an Einheit ") + u.text(u.f.name) + QStringLiteral(" in (") +
              u.state.regionPosition + QStringLiteral(") :");
  for (int i = part->headerIndex + 1; i < part->endIndex; ++i) page << QStringLiteral("    ") + u.lineAt(i);
}

namespace {

// The parts a unit block holds. Any other header ends the block: it opens
// a block of its own (an old unit's ALTEINHEIT, ...), and the parts that
// follow it are that block's, not the unit's.
bool isUnitPart(QStringView name) {
  static const QLatin1StringView kParts[] = {L("COMMANDS"), L("TALENTE"),     L("SPRUECHE"),
                                             L("KAMPFZAUBER"), L("GEGENSTAENDE"), L("EFFECTS"),
                                             L("EINHEITSBOTSCHAFTEN")};
  for (const QLatin1StringView part : kParts)
    if (name == part) return true;
  return false;
}

bool endsUnitBlock(QStringView header) { return !isUnitPart(reportblock::headerName(header)); }

}  // namespace

void getEinheitenInfo(ImportState& state) {
  const ReportBlock block = reportblock::read(state, state.currentLine, endsUnitBlock);
  UnitRead u(state, state.tables.einheiten, block);
  const UnitFields& f = u.f;
  startRow(u);
  readUnitHeader(u);

  u.own = u.integer(f.parteiNr) == state.game.ownPartyNumber;
  addOwnCounters(u);
  reportImmigration(u);
  if (u.own) u.set(f.defaultBefehl, QStringLiteral("*"));

  readOrders(u);
  readSkills(u);
  resetItems(u);
  readSpells(u);
  if (!u.capacityText.isEmpty()) u.set(f.unbekannteGegenstaende, QLatin1Char('*') + u.capacityText + QLatin1Char('*'));
  readItems(u);
  if (u.own) addTemplateHeader(u);
  readLetters(u);
  // The region's silver is written when the next block is no unit.
  state.currentLine = block.endIndex;
  addRegionSilver(u);
  finishRow(u);

  // The driver's own step lands on the line that ended the block.
  state.currentLine = block.endIndex - 1;
}
