#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "game/textutil.h"
#include "db/database.h"
#include "db/dberror.h"
#include "db/table.h"
#include "support/testsupport.h"

namespace {

// A database whose statistics and region tables predate the added fields.
void replaceWithOldTables(Database& db, bool regionHasStones) {
  db.exec(QStringLiteral("DROP TABLE statistik"));
  db.exec(QStringLiteral("DROP TABLE regionen"));
  db.exec(QStringLiteral("CREATE TABLE statistik (\"Spiel\" INTEGER, \"Breite\" INTEGER, \"Länge\" INTEGER, "
                         "\"Ebene\" INTEGER, \"Datum\" INTEGER, \"Bauern\" INTEGER, "
                         "PRIMARY KEY (\"Spiel\", \"Breite\", \"Länge\", \"Ebene\", \"Datum\"))"));
  db.exec(QStringLiteral("CREATE TABLE regionen (\"Spiel\" INTEGER, \"Breite\" INTEGER, \"Länge\" INTEGER, "
                         "\"Ebene\" INTEGER, \"Regionname\" TEXT%1, "
                         "PRIMARY KEY (\"Spiel\", \"Breite\", \"Länge\", \"Ebene\"))")
              .arg(regionHasStones ? QStringLiteral(", \"Steine\" INTEGER") : QString()));
  db.exec(QStringLiteral("INSERT INTO regionen (\"Spiel\", \"Breite\", \"Länge\", \"Ebene\", \"Regionname\") "
                         "VALUES (2, 5, -3, 0, 'Altland')"));
  db.exec(QStringLiteral("INSERT INTO statistik VALUES (2, 5, -3, 0, 3806, 1200)"));
}

struct Messages {
  QStringList shown;
  std::function<void(const QString&)> sink() {
    return [this](const QString& m) { shown << m; };
  }
};

TEST(GameOpeningUpgrade, AddsMissingFieldsOnceWithTheirMessagesAndKeepsRows) {
  Database db;
  db.open(QStringLiteral(":memory:"), true);
  replaceWithOldTables(db, false);
  Messages messages;

  EXPECT_EQ(gameopening::upgradeTables(db, messages.sink()), 3);
  EXPECT_EQ(messages.shown, QStringList({QStringLiteral("Statistik-Tabelle wird nun erweitert."),
                                         QStringLiteral("Regions-Tabelle wird nun erweitert. (Steine)"),
                                         QStringLiteral("Regions-Tabelle wird nun erweitert. (Schoesslinge)")}));
  Table regions(db, QStringLiteral("regionen"));
  Table stats(db, QStringLiteral("statistik"));
  EXPECT_TRUE(regions.hasField(QStringLiteral("Steine")));
  EXPECT_TRUE(regions.hasField(QStringLiteral("Schoesslinge")));
  EXPECT_TRUE(stats.hasField(QStringLiteral("Partei Silber Region")));
  ASSERT_TRUE(regions.findKey({2, 5, -3, 0}));
  EXPECT_EQ(regions.text(QStringLiteral("Regionname")), QStringLiteral("Altland"));
  EXPECT_TRUE(regions.isNull(QStringLiteral("Steine")));
  ASSERT_TRUE(stats.findKey({2, 5, -3, 0, 3806}));
  EXPECT_EQ(stats.intValue(QStringLiteral("Bauern")), 1200);

  // A second opening finds everything in place.
  messages.shown.clear();
  EXPECT_EQ(gameopening::upgradeTables(db, messages.sink()), 0);
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(GameOpeningUpgrade, OnlyTheMissingFieldIsAnnounced) {
  Database db;
  db.open(QStringLiteral(":memory:"), true);
  replaceWithOldTables(db, true);
  Messages messages;
  EXPECT_EQ(gameopening::upgradeTables(db, messages.sink()), 2);
  EXPECT_EQ(messages.shown, QStringList({QStringLiteral("Statistik-Tabelle wird nun erweitert."),
                                         QStringLiteral("Regions-Tabelle wird nun erweitert. (Schoesslinge)")}));

  Database current;
  current.open(QStringLiteral(":memory:"), true);
  messages.shown.clear();
  EXPECT_EQ(gameopening::upgradeTables(current, messages.sink()), 0);
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(GameOpeningType, OnlyTheExactMolvanthTextIsMolvanth) {
  EXPECT_EQ(gameopening::gameTypeFor(QStringLiteral("Molvanth")), kMolvanth);
  for (const QString& other : {QStringLiteral("Quarnel"), QString(), QStringLiteral("Molvanth "),
                               QStringLiteral("molvanth"), QStringLiteral(" Molvanth")})
    EXPECT_EQ(gameopening::gameTypeFor(other), kQuarnel) << other.toStdString();
  EXPECT_EQ(gameopening::captionFor(QStringLiteral("Quarnel")), QStringLiteral("Quarnel Assistent"));

  GameSession s;
  s.currentLevel = 2;
  gameopening::beginSlot(s, 4, QStringLiteral("Nordreich"), QString());
  EXPECT_EQ(s.slot, 4);
  EXPECT_EQ(s.slotName, QStringLiteral("Nordreich"));
  EXPECT_EQ(s.gameType, kQuarnel);
  EXPECT_EQ(s.currentLevel, 0);
}

// A configuration whose slot 3 holds distinct values in every line.
ConfigFile sampleConfig(const QString& path = QStringLiteral("/spiele/zendral.cfg")) {
  ConfigFile c(ConfigFile::freshLines(QStringLiteral("/spiele/")), path);
  const int s = 3;
  c.setSlotLine(s, ConfigFile::SlotName, QStringLiteral("Drittes"));
  c.setSlotLine(s, ConfigFile::GameTypeText, QStringLiteral("Molvanth"));
  c.setSlotLine(s, ConfigFile::PartyName, QStringLiteral("Die Wölfe"));
  c.setSlotLine(s, ConfigFile::PartyNumber, QStringLiteral("757"));
  c.setSlotLine(s, ConfigFile::NewestRound, QStringLiteral("3806"));
  c.setSlotLine(s, ConfigFile::ProgramPath, QStringLiteral("C:\\Zendral\\"));
  c.setSlotLine(s, ConfigFile::OriginX, QStringLiteral("-12"));
  c.setSlotLine(s, ConfigFile::OriginY, QStringLiteral("-7"));
  c.setSlotLine(s, ConfigFile::HomeX, QStringLiteral("4"));
  c.setSlotLine(s, ConfigFile::HomeY, QStringLiteral("-2"));
  c.setSlotLine(s, ConfigFile::IdBase, QStringLiteral("36"));
  c.setSlotLine(s, ConfigFile::Umlaute, QStringLiteral("1"));
  c.setSlotLine(s, ConfigFile::CheckerPath, QStringLiteral("C:\\tools\\mcheck.exe"));
  return c;
}

TEST(GameOpeningSettings, ReadsEveryValueOfTheSlot) {
  GameSession s;
  gameopening::beginSlot(s, 3, QStringLiteral("Drittes"), QStringLiteral("Molvanth"));
  gameopening::readSlotSettings(s, sampleConfig());
  EXPECT_EQ(s.ownPartyName, QStringLiteral("Die Wölfe"));
  EXPECT_EQ(s.ownPartyNumber, 757);
  EXPECT_EQ(s.roundCode, 3806);
  EXPECT_EQ(s.programPath, QStringLiteral("C:/Zendral/"));
  EXPECT_EQ(s.path(QStringLiteral("zendral.cfg")), QStringLiteral("C:/Zendral/zendral.cfg"));
  EXPECT_DOUBLE_EQ(s.mapOriginX, -12.0);
  EXPECT_DOUBLE_EQ(s.mapOriginY, -7.0);
  EXPECT_EQ(s.smallMapX, 4);
  EXPECT_EQ(s.smallMapY, -2);
  EXPECT_EQ(s.idBase, 36);
  EXPECT_EQ(s.umlautFlag, 1);
  EXPECT_EQ(s.checkerPath, QStringLiteral("C:\\tools\\mcheck.exe"));
}

TEST(GameOpeningSettings, BadOrMissingLinesAreNamedAndLeaveTheSessionAlone) {
  GameSession s;
  gameopening::beginSlot(s, 3, QStringLiteral("Drittes"), QStringLiteral("Molvanth"));
  s.ownPartyName = QStringLiteral("vorher");

  ConfigFile bad = sampleConfig();
  bad.setSlotLine(3, ConfigFile::HomeY, QStringLiteral("zwei"));
  try {
    gameopening::readSlotSettings(s, bad);
    FAIL() << "no error for a non-number";
  } catch (const ConfigError& e) {
    // Slot 3 starts at line 46; o+10 is line 57 when counted from 1.
    EXPECT_TRUE(e.message().contains(QStringLiteral("/spiele/zendral.cfg"))) << e.message().toStdString();
    EXPECT_TRUE(e.message().contains(QStringLiteral("Zeile 57"))) << e.message().toStdString();
    EXPECT_TRUE(e.message().contains(QStringLiteral("zwei")));
  }
  EXPECT_EQ(s.ownPartyName, QStringLiteral("vorher"));
  EXPECT_EQ(s.ownPartyNumber, 0);

  QStringList shortLines = sampleConfig().lines().mid(0, 50);
  try {
    gameopening::readSlotSettings(s, ConfigFile(shortLines, QStringLiteral("/spiele/zendral.cfg")));
    FAIL() << "no error for a short file";
  } catch (const ConfigError& e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("Zeile 51"))) << e.message().toStdString();
  }
  EXPECT_EQ(s.ownPartyName, QStringLiteral("vorher"));

  // Blanks around a number are no number either where the file is strict.
  ConfigFile trailing = sampleConfig();
  trailing.setSlotLine(3, ConfigFile::PartyNumber, QStringLiteral("757x"));
  EXPECT_THROW(gameopening::readSlotSettings(s, trailing), ConfigError);
}

TEST(GameOpeningStartConfig, ReportsMissingAndShortFilesButKeepsTheLines) {
  QTemporaryDir dir;
  const auto missing = gameopening::readStartConfig(dir.path());
  EXPECT_TRUE(missing.error.contains(QStringLiteral("zendral.cfg")));
  EXPECT_EQ(missing.config.lineCount(), 0);

  const QString path = dir.filePath(QStringLiteral("zendral.cfg"));
  testsupport::writeFile(path, "kopf\r\nErstes\r\nQuarnel\r\n");
  const auto shortFile = gameopening::readStartConfig(dir.path());
  EXPECT_TRUE(shortFile.error.contains(path)) << shortFile.error.toStdString();
  EXPECT_TRUE(shortFile.error.contains(QStringLiteral("Zeile 4"))) << shortFile.error.toStdString();
  EXPECT_EQ(shortFile.config.lines().value(2), QStringLiteral("Quarnel"));

  sampleConfig(path).save();
  const auto sound = gameopening::readStartConfig(dir.path());
  EXPECT_TRUE(sound.error.isEmpty()) << sound.error.toStdString();
  EXPECT_EQ(sound.config.slotLine(3, ConfigFile::SlotName), QStringLiteral("Drittes"));
}

struct SaveOptionsTest : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    path = dir.filePath(QStringLiteral("zendral.cfg"));
    ConfigFile c = sampleConfig(path);
    c.setSlotLine(3, ConfigFile::ProgramPath, dir.path() + QStringLiteral("/"));
    c.setSlotLine(3, ConfigFile::StatusFirst, QStringLiteral("1234"));
    c.save();
    gameopening::beginSlot(session, 3, QStringLiteral("Neuer Name"), QStringLiteral("Molvanth"));
    gameopening::readSlotSettings(session, ConfigFile::load(path));
  }
  ConfigFile reread() const { return ConfigFile::load(path); }

  QTemporaryDir dir;
  QString path;
  GameSession session;
};

TEST_F(SaveOptionsTest, WritesTheSlotValuesAndLeavesTheRestAlone) {
  const QStringList before = reread().lines();
  session.ownPartyName = QStringLiteral("Die Raben");
  session.ownPartyNumber = 1234;
  session.idBase = 10;
  session.umlautFlag = 0;
  gameopening::saveAktuelleOptionen(session);
  const ConfigFile after = reread();
  EXPECT_EQ(after.slotLine(3, ConfigFile::SlotName), QStringLiteral("Neuer Name"));
  EXPECT_EQ(after.slotLine(3, ConfigFile::GameTypeText), QStringLiteral("Molvanth"));
  EXPECT_EQ(after.slotLine(3, ConfigFile::PartyName), QStringLiteral("Die Raben"));
  EXPECT_EQ(after.slotLine(3, ConfigFile::PartyNumber), QStringLiteral("1234"));
  EXPECT_EQ(after.slotLine(3, ConfigFile::IdBase), QStringLiteral("10"));
  EXPECT_EQ(after.slotLine(3, ConfigFile::Umlaute), QStringLiteral("0"));
  for (int line : {int(ConfigFile::Header), int(ConfigFile::ProgramPath), int(ConfigFile::HomeX),
                   int(ConfigFile::HomeY), int(ConfigFile::StatusFirst), int(ConfigFile::CheckerPath)})
    EXPECT_EQ(after.slotLine(3, line), before.at(ConfigFile::offset(3) + line)) << line;
  for (int slot : {1, 2, 4, 5, 6})
    for (int line = 0; line < ConfigFile::kBlockLines; ++line)
      EXPECT_EQ(after.slotLine(slot, line), before.at(ConfigFile::offset(slot) + line));
  QFile raw(path);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_TRUE(raw.readAll().contains("Die Raben\r\n"));
}

TEST_F(SaveOptionsTest, NewestRoundIsOnlyEverRaised) {
  session.roundCode = 3711;  // an older report read later
  gameopening::saveAktuelleOptionen(session);
  EXPECT_EQ(reread().slotLine(3, ConfigFile::NewestRound), QStringLiteral("3806"));
  session.roundCode = 3806;
  gameopening::saveAktuelleOptionen(session);
  EXPECT_EQ(reread().slotLine(3, ConfigFile::NewestRound), QStringLiteral("3806"));
  session.roundCode = 3807;
  gameopening::saveAktuelleOptionen(session);
  EXPECT_EQ(reread().slotLine(3, ConfigFile::NewestRound), QStringLiteral("3807"));
}

TEST_F(SaveOptionsTest, OriginIsWrittenOnlyWhileTheMainLevelIsShown) {
  session.mapOriginX = -40;
  session.mapOriginY = 1234567;  // must not turn into an exponent
  session.currentLevel = 1;
  gameopening::saveAktuelleOptionen(session);
  EXPECT_EQ(reread().slotLine(3, ConfigFile::OriginX), QStringLiteral("-12"));
  EXPECT_EQ(reread().slotLine(3, ConfigFile::OriginY), QStringLiteral("-7"));
  session.currentLevel = 0;
  gameopening::saveAktuelleOptionen(session);
  EXPECT_EQ(reread().slotLine(3, ConfigFile::OriginX), QStringLiteral("-40"));
  EXPECT_EQ(reread().slotLine(3, ConfigFile::OriginY), QStringLiteral("1234567"));
  // What was written reads back at the next opening.
  GameSession next;
  gameopening::beginSlot(next, 3, QString(), QStringLiteral("Molvanth"));
  gameopening::readSlotSettings(next, reread());
  EXPECT_DOUBLE_EQ(next.mapOriginY, 1234567.0);
}

TEST_F(SaveOptionsTest, AMissingOrUnreadableFileIsReported) {
  session.programPath = dir.filePath(QStringLiteral("gibtsnicht/"));
  EXPECT_THROW(gameopening::saveAktuelleOptionen(session), ConfigError);

  gameopening::readSlotSettings(session, ConfigFile::load(path));
  ConfigFile broken = reread();
  broken.setSlotLine(3, ConfigFile::NewestRound, QStringLiteral("neu"));
  broken.save();
  try {
    gameopening::saveAktuelleOptionen(session);
    FAIL() << "no error";
  } catch (const ConfigError& e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("Zeile 52"))) << e.message().toStdString();
  }
  EXPECT_EQ(reread().slotLine(3, ConfigFile::NewestRound), QStringLiteral("neu"));
}

}  // namespace
