// Reports as they arrive by mail: cut off, edited by hand, of another game,
// or no report at all. None may crash the import or damage the database.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/opengame.h"
#include "turn/programfolder.h"
#include "game/textutil.h"
#include "db/database.h"
#include "turn/reportimporter.h"
#include "support/testsupport.h"

namespace {

// A small report that carries every numeric key the readers convert.
const char* const kFullReport[] = {
    "VERSION 45", "\"Molvanth\";Spiel", "36;Basis", "1;Umlaute", "450;Runde", "PARTEI 757", "120;Punkte",
    "80;Punktedurchschnitt", "50;Rekrutierungskosten", "\"Testvolk\";Parteiname", "\"pw\";Passwort",
    // sections
    "EINKOMMEN", "\"Hans (1) verdient 10 Silber.\"", "BATTLE 1 2", "MESSAGE 1", "\"Kampf!\";rendered",
    "1185902130;type", "MESSAGE 2", "\"Einnahmen\";rendered", "771334452;type", "30;amount", "ALLIANZ 100",
    "\"Freunde\";Parteiname", "27;Status", "PARTEI 100", "\"Freunde\";Parteiname", "\"f@example.org\";email",
    // a region with all its sections
    "REGION 1 2", "\"Testland\";Name", "\"Ebene\";Terrain", "100;Baeume", "2;Mallorn", "3;Laen", "4;Eisen",
    "500;Bauern", "1000;Silber", "10;Pferde", "0;Strasse", "30;Unterh", "12;Rekruten", "5;maxLuxus", "12;Lohn",
    "PREISE", "10;Balsam", "20;Gewürz", "30;Juwel", "40;Myrrhe", "50;Öl", "60;Seide", "70;Weihrauch", "RESOURCE 1",
    "\"Eisen\";type", "40;number", "RESOURCE 2", "\"Bäume\";type", "90;number", "GRENZE 1", "\"Straße\";typ",
    "1;richtung", "100;prozent",
    // a building, a ship and two units
    "BURG 10", "\"Burg\";Typ", "\"Feste\";Name", "50;Groesse", "9001;Besitzer", "757;Partei", "0;Unterhalt",
    "0;Belagerer", "SCHIFF 20", "\"Kahn\";Name", "\"Langboot\";Typ", "25;Groesse", "10;Schaden", "1;Kueste",
    "9001;Kapitaen", "757;Partei", "0;Ladung", "100;MaxLadung", "EINHEIT 9001", "\"Anna\";Name", "757;Partei", "5;Anzahl",
    "100;Silber", "10;Burg", "2;Kampfstatus", "COMMANDS", "\"ARBEITE\"", "TALENTE", "30 2;Hiebwaffen",
    "GEGENSTAENDE", "3;Schwert", "EINHEIT 9002", "\"Bert\";Name", "100;Partei", "1;Anzahl", "20;Schiff",
    "MESSAGETYPE 1"};

QStringList fullReport() {
  QStringList lines;
  for (const char* l : kFullReport) lines << QString::fromUtf8(l);
  return lines;
}

// A program folder with an open Molvanth slot that already knows a real report.
struct KnownGame {
  KnownGame() {
    programfolder::initProgramFolder(tmp.path());
    db.open(textutil::joinPath(tmp.path(), Database::fileName()));
    game.db = &db;
    gameopening::beginSlot(game.session, 1, QStringLiteral("Test"), QStringLiteral("Molvanth"));
    gameopening::readSlotSettings(game.session, ConfigFile::load(tmp.filePath(QStringLiteral("zendral.cfg"))));
    read(*textutil::readLines(testsupport::testData(QStringLiteral("481-beispiel.cr"))), true);
  }
  ImportOutcome read(const QStringList& lines, bool yes = false, const QByteArray& lineEnd = "\r\n") {
    QByteArray bytes;
    for (const QString& l : lines) bytes += l.toUtf8() + lineEnd;
    return readBytes(bytes, yes);
  }
  ImportOutcome readBytes(const QByteArray& bytes, bool yes = false) {
    ImportCallbacks callbacks;
    callbacks.askYesNo = [yes](const QString&) { return yes; };
    // The small reports are of an earlier round than the known one, on purpose.
    callbacks.askOlder = [](const QString&) { return true; };
    return importReportData(game, bytes, QStringLiteral("test.cr"), callbacks);
  }
  int rows(const char* table) { return testsupport::rowCount(db, QLatin1String(table)); }
  QTemporaryDir tmp;
  Database db;
  OpenGame game;
};

TEST(BadReports, TheFullReportReadsAsWritten) {
  KnownGame g;
  const int regions = g.rows("regionen");
  const ImportOutcome outcome = g.read(fullReport());
  ASSERT_TRUE(outcome.ok()) << outcome.message.toStdString();
  EXPECT_EQ(g.rows("regionen"), regions + 1);
  QSqlQuery q(g.db.sql());
  q.exec(QStringLiteral("SELECT Eisen, Strasse1, Balsam, Umgebung FROM regionen WHERE Breite = 1 AND \"Länge\" = 2"));
  ASSERT_TRUE(q.next());
  EXPECT_EQ(q.value(0).toInt(), 40);
  EXPECT_EQ(q.value(1).toInt(), 100);
  EXPECT_EQ(q.value(2).toInt(), 10);
  EXPECT_TRUE(q.value(3).toString().startsWith(QStringLiteral("Kampf in Runde 3806")));
  EXPECT_EQ(g.game.status.einheiten, QStringLiteral("1"));
  EXPECT_EQ(g.game.status.gesamteinkommen, QStringLiteral("30"));
}

// Every number the readers convert, made a non-number in turn: the import
// fails with the line, and the database is what it was.
TEST(BadReports, ANonNumberAtAnyNumericKeyFailsOnItsLineAndChangesNothing) {
  KnownGame g;
  QString before = testsupport::dump(g.db);
  const QStringList report = fullReport();
  int checked = 0;
  QStringList wrong;
  for (int i = 0; i < report.size(); ++i) {
    const QString& line = report.at(i);
    QString broken;
    // Block numbers that only label a block are not read as numbers.
    bool labelOnly = false;
    for (const char* label : {"VERSION ", "MESSAGETYPE ", "MESSAGE ", "RESOURCE ", "GRENZE ", "ALLIANZ "})
      labelOnly = labelOnly || line.startsWith(QLatin1String(label));
    if (labelOnly) continue;
    if (line.contains(QLatin1Char('"')) || line == QStringLiteral("30 2;Hiebwaffen")) continue;
    // The type of a message only chooses its page; a sum of 0 needs no line.
    if (line.endsWith(QStringLiteral(";type")) || line == QStringLiteral("0;Strasse")) continue;
    const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
    if (semicolon > 0) {
      broken = QStringLiteral("7x") + line.mid(semicolon);
    } else if (line.contains(QLatin1Char(' ')) && line.at(0).isUpper()) {
      broken = line + QStringLiteral("x");  // a header number
    } else {
      continue;
    }
    QStringList variant = report;
    variant[i] = broken;
    const ImportOutcome outcome = g.read(variant);
    ++checked;
    const bool failedOnItsLine = outcome.status == ImportOutcome::Status::Failed &&
                                 outcome.message.contains(QStringLiteral("Zeile %1 ").arg(i + 1));
    const bool unchanged = testsupport::dump(g.db) == before;
    if (!failedOnItsLine || !unchanged) wrong << QStringLiteral("%1: %2").arg(broken, outcome.message.left(160));
    if (outcome.ok()) before = testsupport::dump(g.db);  // keep the later cases meaningful
  }
  EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char('\n')).toStdString();
  EXPECT_GT(checked, 50);
}

TEST(BadReports, FilesThatAreNoReportOrNotForThisGameChangeNothing) {
  KnownGame g;
  const QString before = testsupport::dump(g.db);
  const QStringList templateBefore = g.game.orders.lines();

  const ImportOutcome empty = g.readBytes(QByteArray());
  EXPECT_EQ(empty.status, ImportOutcome::Status::Failed);
  EXPECT_TRUE(empty.message.contains(QStringLiteral("leer")));

  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary += char((i * 7919) % 256);
  const ImportOutcome garbage = g.readBytes(binary);
  EXPECT_EQ(garbage.status, ImportOutcome::Status::Failed);
  EXPECT_TRUE(garbage.message.contains(QStringLiteral("Zeile 1")));

  QStringList quarnel = fullReport();
  quarnel[1] = QStringLiteral("\"Quarnel\";Spiel");
  EXPECT_EQ(g.read(quarnel).status, ImportOutcome::Status::Refused);

  QStringList newer = fullReport();
  newer[0] = QStringLiteral("VERSION 70");
  EXPECT_EQ(g.read(newer, false).status, ImportOutcome::Status::Refused);
  newer[0] = QStringLiteral("VERSION 33");
  EXPECT_EQ(g.read(newer, false).status, ImportOutcome::Status::Refused);

  EXPECT_EQ(testsupport::dump(g.db), before);
  EXPECT_EQ(g.game.orders.lines(), templateBefore);
}

// A report cut off after any line: every loop ends at the last line, the
// blocks read so far are stored, and nothing crashes.
TEST(BadReports, AReportCutOffAnywhereReadsWhatItHas) {
  const QStringList report = fullReport();
  for (int end = 1; end <= report.size(); ++end) {
    KnownGame g;
    const int regions = g.rows("regionen");
    const int units = g.rows("einheiten");
    const QStringList cut = report.mid(0, end);
    const ImportOutcome outcome = g.read(cut);
    ASSERT_TRUE(outcome.ok()) << "cut after line " << end << ": " << outcome.message.toStdString();
    const bool hasRegion = cut.contains(QStringLiteral("REGION 1 2"));
    EXPECT_EQ(g.rows("regionen"), regions + (hasRegion ? 1 : 0)) << end;
    EXPECT_EQ(g.rows("einheiten"), units + int(cut.filter(QRegularExpression(QStringLiteral("^EINHEIT "))).size())) << end;
    EXPECT_EQ(g.game.orders.lines().at(g.game.orders.lineCount() - 2), QStringLiteral(" NAECHSTER")) << end;
  }
}

TEST(BadReports, OddButReadableReports) {
  {
    // A 10 MB description line.
    KnownGame g;
    QStringList report = fullReport();
    const QString huge = QStringLiteral("\"") + QString(10 * 1024 * 1024, QLatin1Char('a')) + QStringLiteral("\";Beschr");
    report.insert(report.indexOf(QStringLiteral("757;Partei"), report.indexOf(QStringLiteral("EINHEIT 9001"))), huge);
    ASSERT_TRUE(g.read(report).ok());
    QSqlQuery q(g.db.sql());
    q.exec(QStringLiteral("SELECT length(\"Einheit Beschreibung\") FROM einheiten WHERE \"Einheit Nr\" = 9001 AND Spiel = 1"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 10 * 1024 * 1024);
  }
  {
    // The same unit twice, negative counts, a region without a name.
    KnownGame g;
    QStringList report = fullReport();
    report.replace(report.indexOf(QStringLiteral("5;Anzahl")), QStringLiteral("-5;Anzahl"));
    report.replace(report.indexOf(QStringLiteral("\"Testland\";Name")), QStringLiteral("\"Ebene\";Terrain"));
    report.insert(report.size() - 1, QStringLiteral("EINHEIT 9001"));
    report.insert(report.size() - 1, QStringLiteral("\"Anna wieder\";Name"));
    const int units = g.rows("einheiten");
    ASSERT_TRUE(g.read(report).ok());
    EXPECT_EQ(g.rows("einheiten"), units + 2);
    QSqlQuery q(g.db.sql());
    q.exec(QStringLiteral("SELECT Regionname FROM regionen WHERE Breite = 1 AND \"Länge\" = 2 AND Spiel = 1"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("Ozean"));
  }
  {
    // A thousand levels.
    KnownGame g;
    QStringList report = fullReport().mid(0, 11);
    for (int z = 1; z <= 1000; ++z) report << QStringLiteral("REGION 0 0 %1").arg(z) << QStringLiteral("\"Höhle\";Terrain");
    ASSERT_TRUE(g.read(report).ok());
    EXPECT_EQ(g.rows("ebenen"), 1000);
  }
  {
    // CR LF and LF mixed read as CR LF alone, and so does a report whose
    // lines all end in CR.
    KnownGame crlf;
    ASSERT_TRUE(crlf.read(fullReport()).ok());
    const QList<QList<const char*>> endings = {{"\r\n", "\n"}, {"\r"}};
    for (const QList<const char*>& ends : endings) {
      KnownGame mixed;
      QByteArray bytes;
      int i = 0;
      for (const QString& l : fullReport()) bytes += l.toUtf8() + ends.at(i++ % ends.size());
      ASSERT_TRUE(mixed.readBytes(bytes).ok());
      EXPECT_EQ(testsupport::dump(mixed.db), testsupport::dump(crlf.db));
    }
  }
}

}  // namespace
