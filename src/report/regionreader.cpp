// One REGION block: the region row, its level, its statistics row of the
// round, the report pages and the region's header in the order template.
#include "db/table.h"
#include "report/blockreaders.h"
#include "report/importstate.h"
#include "report/reportblock.h"
#include "report/regionsections.h"

namespace {

const QString kOcean = QStringLiteral("Ozean");

struct Coordinates {
  qint32 x = 0;
  qint32 y = 0;
  qint32 z = 0;
};

// "REGION x y" or "REGION x y z".
Coordinates parseHeader(const ImportState& state) {
  const QStringView line(state.line());
  const qsizetype afterWord = line.indexOf(QLatin1Char(' ')) + 1;
  const QStringView rest = line.mid(afterWord);
  const qsizetype xEnd = rest.indexOf(QLatin1Char(' '));
  Coordinates c;
  if (xEnd < 0) state.fail(QStringLiteral("Die Region hat keine zweite Koordinate."));
  c.x = state.toNumber(rest.left(xEnd));
  const QStringView yz = rest.mid(xEnd + 1);
  const qsizetype yEnd = yz.indexOf(QLatin1Char(' '));
  if (yEnd < 0) {
    c.y = state.toNumber(yz);
  } else {
    c.y = state.toNumber(yz.left(yEnd));
    c.z = state.toNumber(yz.mid(yEnd + 1));
  }
  return c;
}

// A level first met in a report gets a row named "unbekannt".
void ensureLevel(ImportState& state, qint32 level) {
  Table& levels = state.tables.ebenen;
  if (!levels.isOpen()) levels.open();
  levels.setIndexFields(QStringLiteral("Spiel;Ebene"));
  if (levels.findKey({state.game.slot, level})) return;
  levels.append();
  levels.setValue(QStringLiteral("Spiel"), state.game.slot);
  levels.setValue(QStringLiteral("Ebene"), level);
  levels.setValue(QStringLiteral("Name"), QStringLiteral("unbekannt"));
  levels.post();
}

// Positions the region row in edit or insert state and resets the values
// every read of the region starts from.
void startRegionRow(ImportState& state, Table& row, const Coordinates& c, const QString& roundMarker) {
  if (state.regionKeys.mayHold({state.game.slot, c.x, c.y, c.z}) && row.findKey({state.game.slot, c.x, c.y, c.z})) {
    row.edit();
  } else {
    row.append();
    state.regionKeys.add({state.game.slot, c.x, c.y, c.z});
  }
  row.setValue(QStringLiteral("Spiel"), state.game.slot);
  row.setValue(QStringLiteral("Breite"), c.x);
  row.setValue(QStringLiteral("Länge"), c.y);
  row.setValue(QStringLiteral("Ebene"), c.z);
  row.setValue(QStringLiteral("Bewachung"), QStringLiteral("unbewacht"));
  for (const QString& zero : {QStringLiteral("Holzstämme"), QStringLiteral("Mallorn"), QStringLiteral("Eisen"),
                              QStringLiteral("Bauern"), QStringLiteral("VermögenBauern"), QStringLiteral("Pferde"),
                              QStringLiteral("Strasse"), QStringLiteral("Strasse1"), QStringLiteral("Strasse2"),
                              QStringLiteral("Strasse3"), QStringLiteral("Strasse4"), QStringLiteral("Strasse5"),
                              QStringLiteral("Luxusgüter"), QStringLiteral("Rekrutieren")})
    row.setValue(zero, 0);
  row.setValue(QStringLiteral("Lean"), -1);
  row.setValue(QStringLiteral("Arbeitslohn"), 11);
  // A battle of this round has already marked the region; anything else is old.
  if (!row.text(QStringLiteral("Umgebung")).contains(roundMarker)) row.setValue(QStringLiteral("Umgebung"), QStringLiteral(""));
  for (qsizetype i = 0; i < state.pendingBattles.size(); ++i) {
    const QList<qint32>& b = state.pendingBattles.at(i);
    if (b.at(0) == c.x && b.at(1) == c.y && (b.size() < 3 || b.at(2) == c.z)) {
      row.setValue(QStringLiteral("Umgebung"), QStringLiteral("Kampf ") + roundMarker);
      state.pendingBattles.removeAt(i);
      break;
    }
  }
}

QString linesText(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QLatin1String("\r\n");
  }
  return text;
}

// Posts the row unless the stored one comes from a later report.
void finishRegionRow(ImportState& state, Table& row) {
  const QVariant stored = row.value(QStringLiteral("Info Datum"));
  if (!stored.isNull() && stored.toLongLong() > state.game.roundCode) {
    row.cancel();
    return;
  }
  row.setValue(QStringLiteral("Info Datum"), state.game.roundCode);
  QStringList& messages = state.pages.regionMessages;
  const QString surroundings = row.text(QStringLiteral("Umgebung"));
  if (surroundings.size() >= 9) messages << surroundings;
  row.setValue(QStringLiteral("Umgebung"), linesText(messages));
  row.post();
}

// The land region's row of the round in the statistics table, from the
// values the block gave the region row (still being edited).
void writeStatistics(ImportState& state, const Table& region) {
  Table& stats = state.tables.statistik;
  if (!stats.isOpen()) stats.open();
  stats.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene;Datum"));
  const QVariant x = region.value(QStringLiteral("Breite"));
  const QVariant y = region.value(QStringLiteral("Länge"));
  const QVariant z = region.value(QStringLiteral("Ebene"));
  const std::initializer_list<qint64> key = {state.game.slot, x.toLongLong(), y.toLongLong(), z.toLongLong(),
                                               state.game.roundCode};
  if (state.statisticsKeys.mayHold(key) && stats.findKey({state.game.slot, x, y, z, state.game.roundCode})) {
    stats.edit();
  } else {
    stats.append();
    state.statisticsKeys.add(key);
  }
  stats.setValue(QStringLiteral("Partei Silber Region"), 0);
  stats.setValue(QStringLiteral("Spiel"), state.game.slot);
  stats.setValue(QStringLiteral("Breite"), x);
  stats.setValue(QStringLiteral("Länge"), y);
  stats.setValue(QStringLiteral("Ebene"), z);
  stats.setValue(QStringLiteral("Datum"), state.game.roundCode);
  stats.setValue(QStringLiteral("Bauern"), region.value(QStringLiteral("Bauern")));
  stats.setValue(QStringLiteral("Bauern Silber"), region.value(QStringLiteral("VermögenBauern")));
  stats.setValue(QStringLiteral("Pferde"), region.value(QStringLiteral("Pferde")));
  stats.setValue(QStringLiteral("Laen"), region.value(QStringLiteral("Lean")));
  stats.setValue(QStringLiteral("Eisen"), region.value(QStringLiteral("Eisen")));
  // A Mallorn value of 1 marks the trees of the region as mallorn trees.
  const QVariant trees = region.value(QStringLiteral("Holzstämme"));
  if (region.intValue(QStringLiteral("Mallorn")) == 1) {
    stats.setValue(QStringLiteral("Mallorn"), trees);
    stats.setValue(QStringLiteral("Anzahl Holz"), 0);
  } else {
    stats.setValue(QStringLiteral("Mallorn"), region.value(QStringLiteral("Mallorn")));
    stats.setValue(QStringLiteral("Anzahl Holz"), trees);
  }
  stats.post();
}

// The four header lines of the region in the order template. The previous
// region's header goes when no unit line followed it; only the exact four
// lines written below are recognised, so unit lines are never taken for it.
void addTemplateHeader(ImportState& state, const Table& region) {
  QStringList& lines = state.orders.lines();
  const qsizetype n = lines.size();
  if (n >= 4 && lines.at(n - 4).isEmpty() && lines.at(n - 3).startsWith(QLatin1String(" REGION ")) &&
      lines.at(n - 2).startsWith(QLatin1String(" ; MCheck Lohn ")) && lines.at(n - 1).isEmpty())
    lines.remove(n - 4, 4);
  QString header = QStringLiteral(" REGION ") + region.text(QStringLiteral("Breite")) + QLatin1Char(',') +
                   region.text(QStringLiteral("Länge"));
  if (state.game.currentLevel != 0) header += QLatin1Char(',') + region.text(QStringLiteral("Ebene"));
  header += QStringLiteral(" ; ") + region.text(QStringLiteral("Regionname"));
  lines << QString() << header
        << QStringLiteral(" ; MCheck Lohn ") + QString::number(region.intValue(QStringLiteral("Arbeitslohn")))
        << QString();
}

}  // namespace

void getRegionInfo(ImportState& state) {
  Table& row = state.tables.regionen;
  if (!row.isOpen()) row.open();
  row.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene"));

  const Coordinates c = parseHeader(state);
  if (c.z != 0) ensureLevel(state, c.z);

  const QString roundMarker = QStringLiteral("in Runde ") + QString::number(state.game.roundCode);
  startRegionRow(state, row, c, roundMarker);
  state.pages.regionMessages.clear();

  const ReportBlock block = reportblock::read(state, state.currentLine, regionsections::endsRegionBlock);
  regionsections::readAttributes(state, row, block);
  if (row.intValue(QStringLiteral("Luxusgüter")) == 0)
    row.setValue(QStringLiteral("Luxusgüter"), row.intValue(QStringLiteral("Bauern")) / 100);
  if (row.text(QStringLiteral("Regionname")).isEmpty() || row.text(QStringLiteral("Regiontyp")) == kOcean)
    row.setValue(QStringLiteral("Regionname"), kOcean);

  // The progress names the line the sections start on.
  state.currentLine = regionsections::firstSectionLine(block);
  const QString name = row.text(QStringLiteral("Regionname"));
  const QString xy = QString::number(c.x) + QLatin1Char('/') + QString::number(c.y);
  state.progress.setPart(QStringLiteral("Informationen werden eingelesen für : ") + name + QStringLiteral(" (") + xy +
                         QLatin1Char(')'));
  state.progress.setLineText(QString::number(state.currentLine));
  state.progress.setUnitText(QStringLiteral(" "));
  state.progress.setPercent(state.percent());
  state.progress.repaint();

  state.regionPosition = c.z != 0 ? xy + QLatin1Char('/') + QString::number(c.z) : xy;
  if (name != kOcean)
    state.pages.einreise << QString()
                         << QStringLiteral("Einreisebericht für ") + name + QStringLiteral(" (") + state.regionPosition +
                                QStringLiteral(") :")
                         << QString();

  regionsections::RegionContext region{state, row, name, state.regionPosition,
                                       row.text(QStringLiteral("Regiontyp")) == kOcean};
  regionsections::readRegionSections(region, block);
  state.currentLine = block.endIndex - 1;

  // The round's statistics row holds what this report says, also when the
  // stored region is newer and keeps its values: written before that choice.
  if (row.text(QStringLiteral("Regiontyp")) != kOcean) writeStatistics(state, row);
  finishRegionRow(state, row);
  addTemplateHeader(state, row);
}
