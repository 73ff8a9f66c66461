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

// One alliance entry: the current line opens it, the name and the status
// follow. Leaves the current line after the entry (or on the line where a
// cut-off entry ends).
void readAllianceEntry(ImportState& state) {
  const int nameLine = state.currentLine + 1;
  if (!canTakeSectionLine(state, nameLine)) {
    state.currentLine = nameLine;
    return;
  }
  const QString name = ImportState::textValue(state.lineAt(nameLine));
  state.currentLine = nameLine + 1;
  if (!canTakeSectionLine(state, state.currentLine)) return;
  const QString text = allianceText(name, state.number());
  if (!text.isEmpty()) state.pages.status << text;
  ++state.currentLine;
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

// A PARTEI block: its values by key, wherever they stand. A value the
// block does not give keeps what is stored. Leaves the current line on the
// block's first sub-block or the next block.
void readFactionBlock(ImportState& state) {
  const ReportBlock block = reportblock::read(state, state.currentLine, [](QStringView) { return true; });
  const qint32 number = headerNumber(state);
  writeFaction(state, number, [&](Table& table) {
    const auto text = [&](QLatin1StringView key) -> std::optional<QString> {
      const BlockEntry* e = block.own.last(key);
      if (!e) return std::nullopt;
      return ImportState::textValue(state.lineAt(e->index));
    };
    if (const auto name = text(QLatin1StringView("Parteiname"))) table.setValue(QStringLiteral("Partei Name"), *name);
    if (const auto mail = text(QLatin1StringView("email"))) table.setValue(QStringLiteral("E-Mail"), *mail);
    auto banner = text(QLatin1StringView("banner"));
    if (!banner) banner = text(QLatin1StringView("Banner"));
    if (banner) table.setValue(QStringLiteral("Banner"), *banner);
  });
  state.currentLine = block.own.endIndex;
}

// One entry of the old address list whose number is known: the current
// line opens it, name, e-mail and an optional banner line follow, by
// position. Leaves the current line after the entry.
void readFactionEntry(ImportState& state, qint32 number) {
  int next = state.currentLine + 1;
  writeFaction(state, number, [&](Table& table) {
    if (!canTakeSectionLine(state, next)) return;
    table.setValue(QStringLiteral("Partei Name"), ImportState::textValue(state.lineAt(next)));
    ++next;
    if (!canTakeSectionLine(state, next)) return;
    table.setValue(QStringLiteral("E-Mail"), ImportState::textValue(state.lineAt(next)));
    ++next;
    // The banner line is optional; without it the stored banner stays.
    const QString& banner = state.lineAt(next);
    if (canTakeSectionLine(state, next) &&
        (banner.contains(QLatin1StringView(";banner")) || banner.contains(QLatin1StringView(";Banner")))) {
      table.setValue(QStringLiteral("Banner"), ImportState::textValue(banner));
      ++next;
    }
  });
  state.currentLine = next;
}

}  // namespace

void readAllianzBlocks(ImportState& state) {
  while (!state.atEnd() && reportlines::hasKey(state.line(), QLatin1StringView("ALLIANZ "))) readAllianceEntry(state);
}

void readAlliierteList(ImportState& state) {
  ++state.currentLine;
  // The first entry in any case, further ones while they look like value lines.
  do {
    if (!canTakeSectionLine(state, state.currentLine)) return;
    readAllianceEntry(state);
  } while (!state.atEnd() && state.line().contains(QLatin1Char(';')));
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
  ++state.currentLine;
  do {
    if (!canTakeSectionLine(state, state.currentLine)) break;
    readFactionEntry(state, state.number());
  } while (!state.atEnd() && state.line().contains(QLatin1Char(';')));
  table.close();
}
