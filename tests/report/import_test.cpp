// Whole imports of real reports into a fresh program folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/opengame.h"
#include "turn/programfolder.h"
#include "game/textutil.h"
#include "db/database.h"
#include "report/reportfile.h"
#include "turn/reportimporter.h"
#include "support/testsupport.h"

namespace {

// A program folder with an open Molvanth slot, as the window has after "Start".
struct Folder {
  explicit Folder(int slot = 1, const QString& type = QStringLiteral("Molvanth")) {
    programfolder::initProgramFolder(tmp.path());
    db.open(textutil::joinPath(tmp.path(), Database::fileName()));
    game.db = &db;
    gameopening::beginSlot(game.session, slot, QStringLiteral("Test"), type);
    gameopening::readSlotSettings(game.session, ConfigFile::load(tmp.filePath(QStringLiteral("zendral.cfg"))));
  }
  ImportOutcome read(const QString& report, bool yes = true) {
    ImportCallbacks callbacks;
    callbacks.askYesNo = [&](const QString&) {
      ++questions;
      return yes;
    };
    callbacks.inform = [&](const QString& m) { informed << m; };
    return importReport(game, report, callbacks);
  }
  QTemporaryDir tmp;
  Database db;
  OpenGame game;
  int questions = 0;
  QStringList informed;
};

// Distinct numbers after a block keyword ("REGION 1 2" counts coordinates).
int distinctHeaders(const QStringList& lines, const QString& keyword) {
  QSet<QString> seen;
  for (const QString& l : lines)
    if (l.startsWith(keyword + QLatin1Char(' '))) seen.insert(l.mid(keyword.size() + 1));
  return int(seen.size());
}

QString scalar(Database& db, const QString& sql) {
  QSqlQuery q(db.sql());
  q.exec(sql);
  return q.next() ? q.value(0).toString() : QString();
}

class RealReport : public ::testing::TestWithParam<const char*> {};

TEST_P(RealReport, ImportsWithRowsAsTheReportHasThem) {
  Folder f;
  const QString path = testsupport::sharedReport(QString::fromLatin1(GetParam()));
  const ImportOutcome outcome = f.read(path);
  ASSERT_TRUE(outcome.ok()) << outcome.message.toStdString();
  EXPECT_EQ(f.questions, 1);  // all shared reports are newer than version 45

  const QStringList lines = *reportfile::load(path, nullptr);
  EXPECT_EQ(testsupport::rowCount(f.db, QStringLiteral("regionen")), distinctHeaders(lines, QStringLiteral("REGION")));
  EXPECT_EQ(testsupport::rowCount(f.db, QStringLiteral("einheiten")), distinctHeaders(lines, QStringLiteral("EINHEIT")));
  EXPECT_EQ(testsupport::rowCount(f.db, QStringLiteral("burgen")), distinctHeaders(lines, QStringLiteral("BURG")));
  EXPECT_EQ(testsupport::rowCount(f.db, QStringLiteral("schiffe")), distinctHeaders(lines, QStringLiteral("SCHIFF")));
  EXPECT_EQ(testsupport::rowCount(f.db, QStringLiteral("parteien")), distinctHeaders(lines, QStringLiteral("PARTEI")));
  EXPECT_GT(f.game.session.ownPartyNumber, 0);

  // The template frame around the region and unit lines.
  const QStringList t = f.game.orders.lines();
  ASSERT_GE(t.size(), 6);
  EXPECT_TRUE(t.first().startsWith(QStringLiteral(" PARTEI ") + f.game.session.idText(f.game.session.ownPartyNumber)));
  EXPECT_TRUE(t.at(2).startsWith(QStringLiteral(" ; MCHECK -l -w4 -r")));
  EXPECT_EQ(t.at(t.size() - 2), QStringLiteral(" NAECHSTER"));
  EXPECT_FALSE(f.game.orders.unsaved());
  const int ownUnits = f.game.status.einheiten.toInt();
  EXPECT_EQ(int(std::count_if(t.begin(), t.end(), [](const QString& l) { return l.startsWith(QStringLiteral(" EINHEIT ")); })),
            ownUnits);
  // Every region header but the last has a unit under it: a header without
  // units is dropped when the next region follows.
  int lastRegion = -1;
  for (int i = 0; i < t.size(); ++i)
    if (t.at(i).startsWith(QStringLiteral(" REGION "))) lastRegion = i;
  for (int i = 0; i < lastRegion; ++i)
    if (t.at(i).startsWith(QStringLiteral(" REGION "))) {
      ASSERT_LT(i + 3, t.size());
      EXPECT_TRUE(t.at(i + 3).startsWith(QStringLiteral(" EINHEIT "))) << t.at(i).toStdString();
    }
  // Text is stored as Unicode: no replacement characters from a wrong decoding.
  EXPECT_EQ(scalar(f.db, QStringLiteral("SELECT COUNT(*) FROM regionen WHERE Regionname LIKE '%' || char(65533) || '%'")),
            QStringLiteral("0"));
  EXPECT_EQ(scalar(f.db, QStringLiteral("SELECT COUNT(*) FROM einheiten WHERE \"Einheit Name\" LIKE '%' || char(65533) || '%'")),
            QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(SharedReports, RealReport,
                         ::testing::Values("481-beispiel.cr", "550-beispiel-latin1.cr", "astral-latin1.cr",
                                           "1234-neue-partei.cr", "334-kampf-bom.cr"));

TEST(Import, Latin1NamesKeepTheirUmlautsAndTheBattleRegionIsMarked) {
  Folder latin;
  ASSERT_TRUE(latin.read(testsupport::sharedReport(QStringLiteral("550-beispiel-latin1.cr"))).ok());
  const QString building = scalar(latin.db, QStringLiteral("SELECT \"Burg Name\" FROM burgen"));
  EXPECT_TRUE(building.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]")))) << building.toStdString();

  Folder battle;
  ASSERT_TRUE(battle.read(testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr"))).ok());
  const QString marker = QStringLiteral("Kampf in Runde ") + QString::number(battle.game.session.roundCode);
  EXPECT_EQ(scalar(battle.db, QStringLiteral("SELECT Umgebung FROM regionen WHERE Breite = -2011 AND \"Länge\" = 0")).left(marker.size()),
            marker);
  EXPECT_FALSE(battle.game.pages.kaempfe.isEmpty());
}

TEST(Import, SameReportTwiceLeavesTheSameRows) {
  Folder f;
  const QString path = testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr"));
  ASSERT_TRUE(f.read(path).ok());
  const QString first = testsupport::dump(f.db);
  const QStringList firstTemplate = f.game.orders.lines();
  ASSERT_TRUE(f.read(path).ok());
  EXPECT_EQ(testsupport::dump(f.db), first);
  EXPECT_EQ(f.game.orders.lines(), firstTemplate);
  EXPECT_EQ(scalar(f.db, QStringLiteral("SELECT COUNT(*) FROM statistik WHERE \"Länge\" = 5000")), QStringLiteral("1"));
}

TEST(Import, OlderReportAfterNewerLeavesTheNewerRows) {
  Folder f;
  const QString report = testsupport::sharedReport(QStringLiteral("481-beispiel.cr"));
  QStringList lines = *reportfile::load(report, nullptr);
  ASSERT_TRUE(f.read(report).ok());
  const QString newer = testsupport::dump(f.db);
  // The same report one round earlier.
  for (QString& l : lines)
    if (l == QStringLiteral("481;Runde")) l = QStringLiteral("480;Runde");
  const QString olderPath = f.tmp.filePath(QStringLiteral("older.cr"));
  testsupport::writeFile(olderPath, lines.join(QStringLiteral("\r\n")).toUtf8());
  ASSERT_TRUE(f.read(olderPath).ok());
  for (const char* table : {"regionen", "einheiten", "burgen", "schiffe", "parteien"}) {
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE \"%2\" = 4101")
                            .arg(QLatin1String(table),
                                 QLatin1String(qstrcmp(table, "parteien") == 0 ? "Datum" : "Info Datum"));
    EXPECT_EQ(scalar(f.db, sql), scalar(f.db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))))
        << table;
  }
  // The newest round code in the configuration is not lowered.
  EXPECT_EQ(ConfigFile::load(f.tmp.filePath(QStringLiteral("zendral.cfg"))).slotInt(1, ConfigFile::NewestRound), 4101);
  (void)newer;
}

TEST(Import, BrokenReportLeavesDatabaseAndPagesAsTheyWere) {
  Folder f;
  ASSERT_TRUE(f.read(testsupport::sharedReport(QStringLiteral("481-beispiel.cr"))).ok());
  const QString before = testsupport::dump(f.db);
  const QStringList templateBefore = f.game.orders.lines();
  const QStringList einreiseBefore = f.game.pages.einreise;

  QStringList lines = *reportfile::load(testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr")), nullptr);
  // A non-number deep inside the unit blocks, after many rows were written.
  int broken = -1;
  for (int i = int(lines.size()) - 1; i >= 0; --i)
    if (lines.at(i).endsWith(QStringLiteral(";Anzahl"))) {
      lines[i] = QStringLiteral("viele;Anzahl");
      broken = i;
      break;
    }
  ASSERT_GT(broken, 0);
  const QString path = f.tmp.filePath(QStringLiteral("kaputt.cr"));
  testsupport::writeFile(path, lines.join(QStringLiteral("\r\n")).toUtf8());
  const ImportOutcome outcome = f.read(path);
  EXPECT_EQ(outcome.status, ImportOutcome::Status::Failed);
  EXPECT_TRUE(outcome.message.contains(QStringLiteral("Zeile %1").arg(broken + 1))) << outcome.message.toStdString();
  EXPECT_TRUE(outcome.message.contains(QStringLiteral("viele;Anzahl")));
  EXPECT_EQ(testsupport::dump(f.db), before);
  EXPECT_EQ(f.game.orders.lines(), templateBefore);
  EXPECT_EQ(f.game.pages.einreise, einreiseBefore);
}

TEST(Import, RefusedVersionAndOtherGameTypeWriteNothing) {
  Folder f;
  const QString before = testsupport::dump(f.db);
  const ImportOutcome no = f.read(testsupport::sharedReport(QStringLiteral("481-beispiel.cr")), false);
  EXPECT_EQ(no.status, ImportOutcome::Status::Refused);
  EXPECT_EQ(testsupport::dump(f.db), before);

  Folder quarnel(1, QStringLiteral("Quarnel"));
  const ImportOutcome wrong = quarnel.read(testsupport::sharedReport(QStringLiteral("481-beispiel.cr")));
  EXPECT_EQ(wrong.status, ImportOutcome::Status::Refused);
  EXPECT_TRUE(wrong.message.startsWith(QStringLiteral("Zendral wurde nicht mit dem Spieltyp des CR initialisiert.")));
  EXPECT_EQ(testsupport::rowCount(quarnel.db, QStringLiteral("parteien")), 0);
}

}  // namespace
