#include "report/sectionfactions.h"

#include <QLatin1StringView>
#include <optional>

#include "report/importstate.h"
#include "report/reportblock.h"
#include "report/reportlines.h"
#include "report/sectionlines.h"

namespace {

// The "Status" line for a help status; empty for statuses that are not listed.
QString allianceText(const QString& name, qint32 status) {
  switch (status) {
    case 0: return name + QStringLiteral(" = Helfe Nicht");
    case 8: return name + QStringLiteral(" = Helfe Gib");
    case 10: return name + QStringLiteral(" = Helfe Kampf, Gib");
    case 11: return name + QStringLiteral(" = Helfe Kampf, Gib, Silber");
    case 25: return name + QStringLiteral(" = Helfe Gib, Silber, Bewache");
    case 27: return name + QStringLiteral(" = Helfe Alles");
    default: return QString();
  }
}

// The lines of a list block that make up its entries: each entry begins on
// a line with the key `opener` ("Partei") and runs to the next one. A block
// without that key is one entry. The entries' values are then taken by key.
QList<BlockPart> listEntries(const BlockPart& list, QLatin1StringView opener) {
  QList<BlockPart> entries;
  // An entry's lines follow each other in the list's: its range grows by one.
  for (const BlockEntry& e : list.entries) {
    if (e.key == opener || entries.isEmpty()) {
      if (!entries.isEmpty()) entries.last().endIndex = e.index;
      entries.append(BlockPart{});
      entries.last().headerIndex = e.key == opener ? e.index : list.headerIndex;
      entries.last().entries = BlockRange<BlockEntry>(&e, 0);
    }
    BlockRange<BlockEntry>& own = entries.last().entries;
    own = BlockRange<BlockEntry>(own.begin(), own.size() + 1);
  }
  if (!entries.isEmpty()) entries.last().endIndex = list.endIndex;
  return entries;
}

// The text value of the last line with `key`, if there is one.
std::optional<QString> textOf(const ImportState& state, const BlockPart& part, QLatin1StringView key) {
  const BlockEntry* e = part.last(key);
  if (!e) return std::nullopt;
  return ImportState::textValue(state.lineAt(e->index));
}

// One alliance: its name and help status by key, a line on "Status" for a
// listed status.
void readAlliance(ImportState& state, const BlockPart& alliance) {
  const auto name = textOf(state, alliance, QLatin1StringView("Parteiname"));
  const BlockEntry* status = alliance.last(QLatin1StringView("Status"));
  if (!name || !status) return;
  const QString text = allianceText(*name, state.numberAt(status->index));
  if (!text.isEmpty()) state.pages.status << text;
}

// Faction number of a "PARTEI n" header: the text after its first blank.
qint32 headerNumber(ImportState& state) {
  const QString& line = state.line();
  const qsizetype blank = line.indexOf(QLatin1Char(' '));
  return state.toNumber(QStringView(line).mid(blank + 1));
}

// Writes the faction row (slot, number) with `fill`; a row written from a
// newer report keeps what that report said.
template <typename Fill>
void writeFaction(ImportState& state, qint32 number, Fill&& fill) {
  Table& table = state.tables.parteien;
  const int slot = state.game.slot;
  if (table.findKey({slot, number}))
    table.edit();
  else
    table.append();
  table.setValue(QStringLiteral("Spiel"), slot);
  table.setValue(QStringLiteral("Partei Nr"), number);
  fill(table);
  if (!table.isNull(QStringLiteral("Datum")) && table.intValue(QStringLiteral("Datum")) > state.game.roundCode) {
    table.cancel();
  } else {
    table.setValue(QStringLiteral("Datum"), state.game.roundCode);
    table.post();
  }
}

// Name, e-mail and banner of a faction by key, wherever they stand; a value
// the part does not give keeps what is stored.
void setFactionValues(const ImportState& state, const BlockPart& part, Table& table) {
  if (const auto name = textOf(state, part, QLatin1StringView("Parteiname")))
    table.setValue(QStringLiteral("Partei Name"), *name);
  if (const auto mail = textOf(state, part, QLatin1StringView("email"))) table.setValue(QStringLiteral("E-Mail"), *mail);
  auto banner = textOf(state, part, QLatin1StringView("banner"));
  if (!banner) banner = textOf(state, part, QLatin1StringView("Banner"));
  if (banner) table.setValue(QStringLiteral("Banner"), *banner);
}

// A PARTEI block. Leaves the current line on the block's first sub-block or
// the next block.
void readFactionBlock(ImportState& state) {
  const ReportBlock block = readSectionBlock(state);
  writeFaction(state, headerNumber(state), [&](Table& table) { setFactionValues(state, block.own, table); });
  state.currentLine = block.own.endIndex;
}

// One entry of the old address list, its number on its "Partei" line.
void readFactionEntry(ImportState& state, const BlockPart& entry) {
  const BlockEntry* number = entry.first(QLatin1StringView("Partei"));
  if (!number) return;
  writeFaction(state, state.numberAt(number->index), [&](Table& table) { setFactionValues(state, entry, table); });
}

}  // namespace

void readAllianzBlocks(ImportState& state) {
  while (!state.atEnd() && reportlines::hasKey(state.line(), QLatin1StringView("ALLIANZ "))) {
    const ReportBlock block = readSectionBlock(state);
    readAlliance(state, block.own);
    state.currentLine = block.endIndex;
  }
}

void readAlliierteList(ImportState& state) {
  const ReportBlock block = readSectionBlock(state);
  for (const BlockPart& entry : listEntries(block.own, QLatin1StringView("Partei"))) readAlliance(state, entry);
  state.currentLine = block.endIndex;
}

void readParteiBlocks(ImportState& state) {
  Table& table = state.tables.parteien;
  table.open();
  table.setIndexFields(QStringLiteral("Spiel;Partei Nr"));
  while (!state.atEnd() && reportlines::hasKey(state.line(), QLatin1StringView("PARTEI "))) readFactionBlock(state);
  table.close();
}

void readAdressenList(ImportState& state) {
  Table& table = state.tables.parteien;
  table.open();
  table.setIndexFields(QStringLiteral("Spiel;Partei Nr"));
  const ReportBlock block = readSectionBlock(state);
  for (const BlockPart& entry : listEntries(block.own, QLatin1StringView("Partei"))) readFactionEntry(state, entry);
  state.currentLine = block.endIndex;
  table.close();
}
