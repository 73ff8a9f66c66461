#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "game/filetransaction.h"
#include "turn/programfolder.h"
#include "turn/statusdata.h"
#include "game/textutil.h"
#include "db/database.h"
#include "db/table.h"
#include "support/testsupport.h"

namespace {

struct StatusData : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("status-data")));
    ConfigFile(ConfigFile::freshLines(dir.path())).save(dir.filePath(ConfigFile::fileName()));
    db.open(QStringLiteral(":memory:"), true);
    setUp(game, 1, kMolvanth);
  }

  void setUp(OpenGame& g, int slot, int type) {
    g.db = &db;
    g.session.slot = slot;
    g.session.gameType = type;
    g.session.gameTypeText = type == kMolvanth ? QStringLiteral("Molvanth") : QStringLiteral("Quarnel");
    g.session.slotName = QStringLiteral("Meine Partei");
    g.session.programPath = textutil::normalizeDirectory(dir.path());
    g.session.ownPartyNumber = 42;
    g.session.roundCode = 3806;
  }

  // A report's worth of pages, status fields and template.
  void fill(OpenGame& g) {
    g.pages.kaempfe = {QStringLiteral("Kampf in Region:  3 4 !")};
    g.pages.warnungen = {QStringLiteral("Einheit Ab (x1) hat Hunger.")};
    g.pages.ereignisse = {QStringLiteral("Einheit Kriegsbande (o1) vermehrt sich um 12 Orks.")};
    g.pages.status = {QStringLiteral("Nachbarn = Helfe Alles")};
    g.pages.einkommen.setLines({QStringLiteral("Einheit Ab (x1) verdient in Ort (1,2) 10 Silber."),
                                QStringLiteral("Einheit Cd (x2) treibt 40 Silber an Steuern ein.")});
    g.pages.handel = {QStringLiteral("Einheit Ab (x1) kauft 3 Öl.")};
    g.pages.produktion = {QStringLiteral("Einheit Ab (x1) in Ort (1,2) produziert 12 Holz.")};
    g.pages.bewegungen = {QStringLiteral("Die Karavelle (b0ae) segelt von Susot (-2011,2) nach Susot (-2011,2).")};
    g.pages.einreise = {QStringLiteral("Einreise über die Grenze")};
    g.pages.geheimdienst = {QStringLiteral("Bericht"), QString(), QStringLiteral("Ende")};
    g.pages.botschaften = {QString(), QStringLiteral("Meldungen:"), QString(), QStringLiteral("Hey, Welt")};
    g.status.gesamteinkommen = QStringLiteral("50 Silber");
    g.status.setConfigFields({"120", "100", "Die Tapferen", "Juni im Jahre 38", "5", "17", "5000", "2", "9"});
    g.orders.setLines({QStringLiteral(" PARTEI 16 \"geheim\""), QString(), QStringLiteral(" NAECHSTER")});
  }

  QString statusFile(int slot, int index) const {
    return dir.filePath(QStringLiteral("status-data/") + programfolder::statusFileNames(slot).at(index));
  }
  QStringList fileLines(const QString& path) const { return textutil::readLines(path).value_or(QStringList{"<fehlt>"}); }

  int statRows() { return testsupport::rowCount(db, QStringLiteral("statistik")); }

  // The save as the import does it: the files staged and put in place.
  QString saveFiles(OpenGame& g) {
    ConfigFile config = ConfigFile::load(g.session.path(ConfigFile::fileName()));
    FileTransaction files;
    QString error = statusdata::saveStatusData(files, config, g.session, g.pages, g.status, g.orders);
    if (error.isEmpty()) error = files.commit();
    if (!error.isEmpty()) files.discard();
    return error;
  }
  QString writeRow(OpenGame& g) {
    Table statistik(db, QStringLiteral("statistik"));
    return statusdata::writeFactionStatistics(statistik, g.session, g.status);
  }

  QTemporaryDir dir;
  Database db;
  OpenGame game;
};

TEST_F(StatusData, SaveWritesFilesConfigAndTemplate) {
  fill(game);
  ASSERT_EQ(saveFiles(game), QString());

  EXPECT_EQ(fileLines(statusFile(1, 0)), game.pages.kaempfe);
  EXPECT_EQ(fileLines(statusFile(1, 3)), game.pages.status);
  EXPECT_EQ(fileLines(statusFile(1, 6)), game.pages.produktion);
  EXPECT_EQ(fileLines(statusFile(1, 8)), game.pages.einreise);
  EXPECT_EQ(fileLines(statusFile(1, 9)), game.pages.geheimdienst);
  EXPECT_EQ(fileLines(statusFile(1, 10)), game.pages.botschaften);
  // Slot 1 keeps its income total as the list's last line.
  const QStringList income = fileLines(statusFile(1, 4));
  ASSERT_EQ(income.size(), 3);
  EXPECT_EQ(income.last(), QStringLiteral("zzzz50 Silber"));

  const ConfigFile cfg = ConfigFile::load(dir.filePath(ConfigFile::fileName()));
  EXPECT_EQ(cfg.slotLine(1, ConfigFile::SlotName), QStringLiteral("Meine Partei"));
  EXPECT_EQ(cfg.slotLine(1, ConfigFile::GameTypeText), QStringLiteral("Molvanth"));
  for (int i = 0; i < 9; ++i) EXPECT_EQ(cfg.slotLine(1, ConfigFile::StatusFirst + i), game.status.configFields().at(i));
  EXPECT_EQ(cfg.slotLine(2, ConfigFile::StatusFirst + 3), QString());  // other slots untouched

  EXPECT_EQ(fileLines(dir.filePath(QStringLiteral("Zug-Spiel1-38-Juni.txt"))), game.orders.lines());

  // Saving again replaces the total line instead of adding a second one.
  game.status.gesamteinkommen = QStringLiteral("60 Silber");
  ASSERT_EQ(saveFiles(game), QString());
  EXPECT_EQ(fileLines(statusFile(1, 4)).filter(QStringLiteral("zzzz")), QStringList{"zzzz60 Silber"});
}

TEST_F(StatusData, OtherSlotsHaveNoIncomeTotalLine) {
  OpenGame quarnel;
  setUp(quarnel, 2, kQuarnel);
  fill(quarnel);
  ASSERT_EQ(saveFiles(quarnel), QString());
  EXPECT_EQ(fileLines(statusFile(2, 4)), quarnel.pages.einkommen.lines());
  EXPECT_EQ(fileLines(statusFile(2, 4)).filter(QStringLiteral("zzzz")), QStringList());
  EXPECT_FALSE(QFileInfo::exists(statusFile(1, 4)));
  EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("Zug-Spiel2-38-Juni.txt"))));
}

TEST_F(StatusData, StatisticsRowOncePerRound) {
  fill(game);
  ASSERT_EQ(writeRow(game), QString());
  game.status.punkte = QStringLiteral("999");  // a second read of the round changes nothing
  ASSERT_EQ(writeRow(game), QString());
  EXPECT_EQ(statRows(), 1);

  Table t(db, QStringLiteral("statistik"));
  ASSERT_TRUE(t.findKey({1, 42, 5000}));
  EXPECT_EQ(t.intValue(QStringLiteral("Datum")), 3806);
  EXPECT_EQ(t.intValue(QStringLiteral("PunkteNeu")), 120);
  EXPECT_EQ(t.intValue(QStringLiteral("PunkteSchnitt")), 100);
  EXPECT_EQ(t.intValue(QStringLiteral("PunkteDiv")), 20);
  EXPECT_EQ(t.intValue(QStringLiteral("ParteiSilber")), 5000);
  EXPECT_EQ(t.intValue(QStringLiteral("Personen")), 17);

  game.session.roundCode = 3807;
  ASSERT_EQ(writeRow(game), QString());
  EXPECT_EQ(statRows(), 2);
  // Another slot with the same faction number has its own row of the round.
  game.session.slot = 2;
  ASSERT_EQ(writeRow(game), QString());
  EXPECT_EQ(statRows(), 3);
}

TEST_F(StatusData, QuarnelRowWithoutPoints) {
  OpenGame quarnel;
  setUp(quarnel, 2, kQuarnel);
  fill(quarnel);
  quarnel.status.punkte = QString();  // hidden in Quarnel, never converted
  ASSERT_EQ(writeRow(quarnel), QString());
  Table t(db, QStringLiteral("statistik"));
  ASSERT_TRUE(t.findKey({2, 42, 5000}));
  EXPECT_TRUE(t.isNull(QStringLiteral("PunkteNeu")));
  EXPECT_TRUE(t.isNull(QStringLiteral("PunkteSchnitt")));
  EXPECT_TRUE(t.isNull(QStringLiteral("PunkteDiv")));
  EXPECT_EQ(t.intValue(QStringLiteral("ParteiSilber")), 5000);
  EXPECT_EQ(t.intValue(QStringLiteral("Personen")), 17);
}

TEST_F(StatusData, StatusTextThatIsNoNumberWritesNoRow) {
  fill(game);
  game.status.punkteMittel = QString();
  QString error = writeRow(game);
  EXPECT_TRUE(error.contains(QStringLiteral("„Punkte mittel:“"))) << error.toStdString();
  EXPECT_EQ(statRows(), 0);

  game.status.punkteMittel = QStringLiteral("100");
  game.status.silber = QStringLiteral("12 Taler");
  error = writeRow(game);
  EXPECT_TRUE(error.contains(QStringLiteral("„12 Taler“"))) << error.toStdString();
  EXPECT_EQ(statRows(), 0);
}

TEST_F(StatusData, SaveAndLoadRoundTrip) {
  fill(game);
  ASSERT_EQ(saveFiles(game), QString());

  OpenGame opened;
  setUp(opened, 1, kMolvanth);
  const statusdata::StatusLoad load = statusdata::loadStatusData(opened);
  ASSERT_TRUE(load.ok()) << load.error.toStdString();
  EXPECT_EQ(load.messages, QStringList());

  EXPECT_EQ(opened.pages.kaempfe, game.pages.kaempfe);
  EXPECT_EQ(opened.pages.einkommen.lines(), game.pages.einkommen.lines());
  EXPECT_EQ(opened.pages.geheimdienst, game.pages.geheimdienst);
  EXPECT_EQ(opened.pages.botschaften, game.pages.botschaften);
  EXPECT_EQ(opened.status.configFields(), game.status.configFields());
  EXPECT_EQ(opened.orders.lines(), game.orders.lines());
  EXPECT_FALSE(opened.orders.unsaved());
  EXPECT_EQ(load.shownPages, (QStringList{"Kämpfe", "Warnungen", "Ereignisse", "Einkommen", "Handel", "Produktion",
                                          "Bewegungen", "Botschaften", "Geheimdienstbericht", "Einreisebericht"}));
  // The summaries ran on what was loaded; round 3806 sums the lines.
  EXPECT_EQ(opened.status.gesamteinkommen, QStringLiteral("50 Silber"));
  EXPECT_EQ(opened.status.orkVermehrung, QStringLiteral("12 Orks"));
  EXPECT_EQ(opened.status.gesamtproduktion.value(0), QStringLiteral("Holz       : 12"));
}

TEST_F(StatusData, SlotOneFromRound1604ShowsTheSavedTotal) {
  fill(game);
  game.session.roundCode = 1604;
  game.status.gesamteinkommen = QStringLiteral("177 Silber");  // summed by the report's message blocks
  ASSERT_EQ(saveFiles(game), QString());

  OpenGame opened;
  setUp(opened, 1, kMolvanth);
  opened.session.roundCode = 1604;
  ASSERT_TRUE(statusdata::loadStatusData(opened).ok());
  EXPECT_EQ(opened.status.gesamteinkommen, QStringLiteral("177 Silber"));
}

TEST_F(StatusData, FreshSlotLoadsEmpty) {
  OpenGame opened;
  setUp(opened, 3, kQuarnel);
  opened.orders.setUnsaved(true);
  const statusdata::StatusLoad load = statusdata::loadStatusData(opened);
  ASSERT_TRUE(load.ok()) << load.error.toStdString();
  EXPECT_EQ(load.shownPages, QStringList());
  EXPECT_EQ(load.messages, QStringList());
  EXPECT_TRUE(opened.pages.kaempfe.isEmpty());
  EXPECT_TRUE(opened.pages.einkommen.isEmpty());
  EXPECT_EQ(opened.status.datum, QString());
  EXPECT_TRUE(opened.orders.lines().isEmpty());  // no date: no template read
  EXPECT_FALSE(opened.orders.unsaved());
  EXPECT_EQ(opened.status.gesamteinkommen, QStringLiteral("0 Silber"));
  EXPECT_EQ(opened.status.gesamtproduktion.size(), 11);
}

TEST_F(StatusData, OlderLatin1StatusFilesAndMissingTemplate) {
  testsupport::writeFile(statusFile(4, 0), QByteArray("Kampf in K\xf6nigsbr\xfc" "ck\r\n"));
  testsupport::writeFile(statusFile(4, 10), QByteArray("Botschaft: Gr\xfc\xdf" "e\r\n"));
  ConfigFile cfg = ConfigFile::load(dir.filePath(ConfigFile::fileName()));
  cfg.setSlotLine(4, ConfigFile::StatusFirst + 3, QStringLiteral("Maerz im Jahre 7"));
  cfg.save();

  OpenGame opened;
  setUp(opened, 4, kQuarnel);
  const statusdata::StatusLoad load = statusdata::loadStatusData(opened);
  ASSERT_TRUE(load.ok()) << load.error.toStdString();
  EXPECT_EQ(opened.pages.kaempfe, QStringList{"Kampf in Königsbrück"});
  EXPECT_EQ(opened.pages.botschaften, QStringList{"Botschaft: Grüße"});
  EXPECT_EQ(load.shownPages, (QStringList{"Kämpfe", "Botschaften"}));
  // The date is set but its template file is missing: reported, the
  // opening goes on with an empty template.
  ASSERT_EQ(load.messages.size(), 1);
  EXPECT_TRUE(load.messages.first().contains(QStringLiteral("Zug-Spiel4-7-Maerz.txt")));
  EXPECT_TRUE(opened.orders.lines().isEmpty());
  EXPECT_FALSE(opened.orders.unsaved());
}

TEST_F(StatusData, SummaryErrorsAtLoadAreReportedAndLoadingGoesOn) {
  testsupport::writeFile(statusFile(1, 4), QByteArray("Einheit Ab (x1) verdient in Ort (1,2) viel Silber.\r\n"));
  testsupport::writeFile(statusFile(1, 2), QByteArray("Einheit O (o1) vermehrt sich um etliche Orks.\r\n"));
  testsupport::writeFile(statusFile(1, 6), QByteArray("Einheit Ab (x1) produziert reichlich Holz.\r\n"));
  const statusdata::StatusLoad load = statusdata::loadStatusData(game);
  ASSERT_TRUE(load.ok());
  // An income line without an amount is passed by, not told at every load.
  ASSERT_EQ(load.messages.size(), 2);
  EXPECT_EQ(game.status.gesamteinkommen, QStringLiteral("0 Silber"));
  EXPECT_EQ(load.messages.at(0), QStringLiteral("Fehler bei Orksummierung"));
  EXPECT_TRUE(load.messages.at(1).startsWith(
      QStringLiteral("Fehler bei Produktionssummierung in Zeile: Einheit Ab (x1) produziert reichlich Holz.")));
  EXPECT_EQ(game.pages.einkommen.lines().size(), 1);
}

TEST_F(StatusData, FailedWritesAreReportedWithThePath) {
  fill(game);
  // The status folder is missing and the template's folder too.
  ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("status-data"))).removeRecursively());
  const QString error = saveFiles(game);
  EXPECT_TRUE(error.contains(statusFile(1, 0))) << error.toStdString();
  EXPECT_TRUE(error.contains(statusFile(1, 10)));
  EXPECT_EQ(error.count(QStringLiteral("konnte nicht geschrieben werden")), 11);
  // Nothing is put in place: the configuration stays as it was.
  EXPECT_NE(ConfigFile::load(dir.filePath(ConfigFile::fileName())).slotLine(1, ConfigFile::StatusFirst + 3),
            QStringLiteral("Juni im Jahre 38"));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("Zug-Spiel1-38-Juni.txt"))));
}

}  // namespace
