#include "report/sectionfactions.h"

#include <QLatin1StringView>

#include "report/importstate.h"
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

// One faction entry whose number is known: the current line opens it, name,
// e-mail and an optional banner line follow. Leaves the current line after
// the entry.
void readFactionEntry(ImportState& state, qint32 number) {
  Table& table = state.tables.parteien;
  const int slot = state.game.slot;
  if (table.findKey({slot, number}))
    table.edit();
  else
    table.append();
  table.setValue(QStringLiteral("Spiel"), slot);
  table.setValue(QStringLiteral("Partei Nr"), number);

  int next = state.currentLine + 1;
  if (canTakeSectionLine(state, next)) {
    table.setValue(QStringLiteral("Partei Name"), ImportState::textValue(state.lineAt(next)));
    ++next;
    if (canTakeSectionLine(state, next)) {
      table.setValue(QStringLiteral("E-Mail"), ImportState::textValue(state.lineAt(next)));
      ++next;
      // The banner line is optional; without it the stored banner stays.
      const QString& banner = state.lineAt(next);
      if (canTakeSectionLine(state, next) &&
          (banner.contains(QLatin1StringView(";banner")) || banner.contains(QLatin1StringView(";Banner")))) {
        table.setValue(QStringLiteral("Banner"), ImportState::textValue(banner));
        ++next;
      }
    }
  }
  // A row written from a newer report keeps what that report said.
  if (!table.isNull(QStringLiteral("Datum")) && table.intValue(QStringLiteral("Datum")) > state.game.roundCode) {
    table.cancel();
  } else {
    table.setValue(QStringLiteral("Datum"), state.game.roundCode);
    table.post();
  }
  state.currentLine = next;
}

// Faction number of a "PARTEI n" header: the text after its first blank.
qint32 headerNumber(ImportState& state) {
  const QString& line = state.line();
  const qsizetype blank = line.indexOf(QLatin1Char(' '));
  return state.toNumber(QStringView(line).mid(blank + 1));
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
  while (!state.atEnd() && reportlines::hasKey(state.line(), QLatin1StringView("PARTEI ")))
    readFactionEntry(state, headerNumber(state));
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
