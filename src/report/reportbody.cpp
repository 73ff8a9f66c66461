#include "report/reportbody.h"

#include "db/database.h"
#include "report/blockreaders.h"
#include "report/importstate.h"

namespace reportbody {

// The template's first lines: faction and password, the checker directive.
void startTemplate(ImportState& s) {
  s.orders.clear();
  s.orders.add(QStringLiteral(" PARTEI ") + s.game.idText(s.game.ownPartyNumber) + QStringLiteral(" \"") + s.header.password +
               QLatin1Char('"'));
  s.orders.add(QString());
  s.orders.add(QStringLiteral(" ; MCHECK -l -w4 -r") + QString::number(s.header.recruitCost));
}

void writeOwnFactionRow(ImportState& s) {
  Table& t = s.tables.parteien;
  const bool found = t.findKey({s.game.slot, s.game.ownPartyNumber});
  // A row written from a newer report is left as it is.
  if (found && !t.isNull(QStringLiteral("Datum")) && t.intValue(QStringLiteral("Datum")) > s.game.roundCode) return;
  found ? t.edit() : t.append();
  t.setValue(QStringLiteral("Spiel"), s.game.slot);
  t.setValue(QStringLiteral("Partei Nr"), s.game.ownPartyNumber);
  t.setValue(QStringLiteral("Partei Name"), s.game.ownPartyName);
  if (!s.header.ownEmail.isEmpty()) t.setValue(QStringLiteral("E-Mail"), s.header.ownEmail);
  // A report without a banner line keeps the stored banner.
  if (s.header.ownBanner) t.setValue(QStringLiteral("Banner"), *s.header.ownBanner);
  t.setValue(QStringLiteral("Datum"), s.game.roundCode);
  t.post();
}

// Read inside the import's transaction, after the sections: the filters
// then know every row a block reader could find.
void loadKeyFilters(ImportState& s) {
  Database& db = s.tables.einheiten.database();
  const int slot = s.game.slot;
  s.unitKeys.load(db, QStringLiteral("einheiten"), {QStringLiteral("Spiel"), QStringLiteral("Einheit Nr")}, slot);
  s.regionKeys.load(db, QStringLiteral("regionen"),
                    {QStringLiteral("Spiel"), QStringLiteral("Breite"), QStringLiteral("Länge"), QStringLiteral("Ebene")},
                    slot);
  s.statisticsKeys.load(db, QStringLiteral("statistik"),
                        {QStringLiteral("Spiel"), QStringLiteral("Breite"), QStringLiteral("Länge"),
                         QStringLiteral("Ebene"), QStringLiteral("Datum")},
                        slot, {{QStringLiteral("Datum"), s.game.roundCode}});
}

void walkBlocks(ImportState& s) {
  const int steps = s.lineCount() - s.currentLine + 1;
  for (int step = 0; step < steps && !s.atEnd(); ++step) {
    // No reader looks back before the block it starts on.
    s.releaseLinesBefore(s.currentLine);
    if (s.line().startsWith(QLatin1String("REGION "))) getRegionInfo(s);
    if (s.line().startsWith(QLatin1String("BURG "))) getBurgInfo(s);
    if (s.line().startsWith(QLatin1String("SCHIFF "))) getSchiffInfo(s);
    if (s.line().startsWith(QLatin1String("EINHEIT "))) getEinheitenInfo(s);
    if (s.line().startsWith(QLatin1String("MESSAGETYPE "))) break;
    ++s.currentLine;
  }
}

}  // namespace reportbody
