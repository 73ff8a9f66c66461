#include "report/reportheader.h"

#include "game/textutil.h"
#include "report/importstate.h"
#include "report/reportblock.h"
#include "report/reportlines.h"

namespace reportheader {

namespace {

const char* const kMonths[] = {"Januar", "Februar", "Maerz", "April", "Mai", "Juni", "Juli",
                               "August", "September", "Oktober", "November", "Dezember"};

// The game's own calendar: nine months of three weeks each.
const char* const kCalendarMonths[] = {"Feldsegen", "Nebeltage", "Sturmmond", "Herdfeuer", "Eiswind",
                                       "Schneebann", "Bluetenregen", "Mond der milden Winde", "Sonnenfeuer"};

// Integer division rounded up, for positive and negative numerators.
qint64 ceilDiv(qint64 a, qint64 b) {
  qint64 q = a / b;
  if ((a % b != 0) && ((a > 0) == (b > 0))) ++q;
  return q;
}

QString weekName(int week) {
  const int month = (week - 1) / 3;
  const int inMonth = (week - 1) % 3 + 1;
  const QString name = QString::fromLatin1(kCalendarMonths[month]);
  // This month's name runs into the digit without a blank.
  if (month == 7) return name + QStringLiteral(", Woche%1").arg(inMonth);
  return name + QStringLiteral(", Woche %1").arg(inMonth);
}

}  // namespace

int readVersion(ImportState& state) {
  state.currentLine = 0;
  const QString& first = state.line();
  QString text = first.mid(8);
  const qsizetype semicolon = first.indexOf(QLatin1Char(';'));
  if (semicolon >= 0) text = first.mid(8, semicolon - 8);
  if (!first.startsWith(QLatin1String("VERSION")))
    state.fail(QStringLiteral("Die Datei ist kein CR: die erste Zeile muss „VERSION“ und die Versionsnummer enthalten."));
  return state.toNumber(text);
}

bool versionSupported(int version) { return version >= 34 && version <= 45; }

QString versionQuestion() {
  return QStringLiteral(
      "Der CR ist neuer oder älter als die letzten unterstützten CR (CR34-CR45). Trotzdem einlesen (Auch wenn es sehr "
      "wahrscheinlich kein groesseres Problem geben wird sollte in jedem Fall ein Backup des Databaseverzeichnis "
      "gemacht werden)?");
}

QString wrongGameTypeMessage() {
  return QStringLiteral(
      "Zendral wurde nicht mit dem Spieltyp des CR initialisiert. Bitte beenden und neustarten um diesen CR zu lesen.");
}

QString olderRoundQuestion(qint32 round, qint32 newest, bool molvanth) {
  const auto turn = [molvanth](qint32 code) {
    const qint32 number = gameRound(code);
    return QStringLiteral("%1 (%2)").arg(number).arg(roundDate(number, molvanth).dateText.trimmed());
  };
  return QStringLiteral("Dieser CR ist von Runde %1 und damit älter als der zuletzt eingelesene von Runde %2. "
                        "Trotzdem einlesen?")
      .arg(turn(round), turn(newest));
}

qint32 gameRound(qint32 roundCode) {
  // The code is year * 100 + month with the month 1 to 12, the year counted
  // from 1 (round 12 is month 12 of year 1).
  const qint64 year = roundCode >= 0 ? roundCode / 100 : -((-qint64(roundCode) + 99) / 100);
  const qint64 month = roundCode - year * 100;
  return qint32(12 * (year - 1) + month);
}

RoundDate roundDate(qint32 round, bool molvanth) {
  const qint64 year = ceilDiv(round, 12);
  const qint64 month = round - 12 * year + 12;
  RoundDate out;
  out.roundCode = qint32(year * 100 + month);
  if (month >= 1 && month <= 12)
    out.dateText = QString::fromLatin1(kMonths[month - 1]) + QStringLiteral(" im Jahre ") + QString::number(year);
  else
    out.dateText = QStringLiteral(" im Jahre ") + QString::number(year);
  if (molvanth && round > 183) {
    const qint64 h = round - 183;
    const qint64 year2 = ceilDiv(h, 27);
    const int week = int(h - 27 * year2 + 27);
    out.dateText = weekName(week) + QStringLiteral(" im Jahre ") + QString::number(year2);
  }
  return out;
}

void getDatum(ImportState& state) {
  const qint32 round = state.number();
  const RoundDate rd = roundDate(round, state.game.isMolvanth());
  state.game.roundCode = rd.roundCode;
  state.status.datum = rd.dateText;
}

void getPunkte(ImportState& state) {
  // The points go into the statistics as numbers: a bad one is reported on
  // its own line rather than when the statistics are written.
  // Without an average line after it (a cut-off or unusual header) the
  // average keeps its value.
  const QString points = ImportState::numberText(state.line());
  if (!textutil::strictInt(points)) state.fail(QStringLiteral("„%1“ ist keine gültige ganze Zahl.").arg(points));
  state.status.punkte = points;
  const int next = state.currentLine + 1;
  if (!state.lineAt(next).contains(QLatin1String(";Punktedurch"))) return;
  const QString average = ImportState::numberText(state.lineAt(next));
  if (!textutil::strictInt(average)) state.failAt(next, QStringLiteral("„%1“ ist keine gültige ganze Zahl.").arg(average));
  state.status.punkteMittel = average;
}

namespace {

// Headers that begin the report's sections or blocks: the header ends before them.
bool beginsSections(QStringView name) {
  static const QLatin1StringView kNames[] = {
      QLatin1StringView("FEHLER"),     QLatin1StringView("WARNUNGEN"),   QLatin1StringView("KAEMPFE"),
      QLatin1StringView("MELDUNGEN"),  QLatin1StringView("EREIGNISSE"),  QLatin1StringView("EINKOMMEN"),
      QLatin1StringView("HANDEL"),     QLatin1StringView("PRODUKTION"),  QLatin1StringView("BEWEGUNGEN"),
      QLatin1StringView("ALLIIERTE"),  QLatin1StringView("ADRESSEN"),    QLatin1StringView("MESSAGE"),
      QLatin1StringView("BATTLE"),     QLatin1StringView("ALLIANZ"),     QLatin1StringView("REGION"),
      QLatin1StringView("DURCHREISEREGION"), QLatin1StringView("MESSAGETYPE"), QLatin1StringView("BURG"),
      QLatin1StringView("SCHIFF"),     QLatin1StringView("EINHEIT")};
  for (const QLatin1StringView n : kNames)
    if (name == n) return true;
  return false;
}

}  // namespace

HeaderResult readHeader(ImportState& state) {
  // The header is the report's own value lines and those of the first
  // faction block. Blocks standing before that faction block (coordinate
  // translations, alliances of the other rule variant) are passed over.
  bool inFaction = false;
  bool aside = false;   // in a block before the faction block
  bool ownerGiven = false;
  while (!state.atEnd()) {
    const QString& l = state.line();
    if (reportblock::isHeader(l)) {
      const QStringView name = reportblock::headerName(l);
      if (inFaction || beginsSections(name)) break;
      aside = name != QLatin1StringView("PARTEI");
      if (!aside) {
        inFaction = true;
        if (!ownerGiven) state.game.ownPartyNumber = state.toNumber(QStringView(l).mid(7));
      }
      ++state.currentLine;
      continue;
    }
    // A line without a key ends the header, unless it stands in a passed-over block.
    if (!l.contains(QLatin1Char(';'))) {
      if (!aside) break;
      ++state.currentLine;
      continue;
    }
    if (aside) {
      ++state.currentLine;
      continue;
    }
    if (l.contains(QLatin1String(";Spiel"))) {
      const QString type = ImportState::textValue(l);
      if ((type == QLatin1String("Molvanth") && !state.game.isMolvanth()) ||
          (type == QLatin1String("Quarnel") && state.game.isMolvanth()))
        return HeaderResult::WrongGameType;
    }
    if (l.contains(QLatin1String(";Runde"))) getDatum(state);
    if (l.endsWith(QLatin1String(";reportowner"))) {
      state.game.ownPartyNumber = state.number();
      ownerGiven = true;
    }
    if (l.contains(QLatin1String(";Passwort"))) state.header.password = ImportState::textValue(l);
    if (l.endsWith(QLatin1String("\";mailto"))) state.header.mailTo = ImportState::textValue(l);
    if (l.endsWith(QLatin1String("\";mailcmd"))) state.header.mailCmd = ImportState::textValue(l);
    if (l.contains(QLatin1String(";Rekrutierungskosten"))) state.header.recruitCost = state.number();
    if (l.contains(QLatin1String(";Punkte")) && !l.contains(QLatin1String(";Punktedurch"))) getPunkte(state);
    if (l.contains(QLatin1String("Anzahl Immigranten"))) state.status.immigranten = ImportState::numberText(l);
    if (l.contains(QLatin1String("Max. Immigranten"))) state.status.maxImmigranten = ImportState::numberText(l);
    if (l.contains(QLatin1String("Parteiname"))) state.game.ownPartyName = ImportState::textValue(l);
    if (inFaction && l.endsWith(QLatin1String("\";email"))) state.header.ownEmail = ImportState::textValue(l);
    // The banner by its key, as the other factions' banners are read.
    if (inFaction && (l.endsWith(QLatin1String("\";banner")) || l.endsWith(QLatin1String("\";Banner"))))
      state.header.ownBanner = ImportState::textValue(l);
    if (l.contains(QLatin1String(";Umlaute"))) state.game.umlautFlag = state.number();
    if (l.contains(QLatin1String(";Basis"))) {
      const qint32 base = state.number();
      // Identifiers cannot be written in a base outside 2..36.
      if (base < 2 || base > 36)
        state.fail(QStringLiteral("Die Zahlenbasis %1 ist ungültig (erlaubt sind 2 bis 36).").arg(base));
      state.game.idBase = base;
    }
    ++state.currentLine;
  }
  return HeaderResult::Read;
}

}  // namespace reportheader
