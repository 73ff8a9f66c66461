#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "db/database.h"
#include "game/configfile.h"
#include "game/textutil.h"
#include "turn/slotopening.h"

namespace {

// A program folder with zendral.cfg and the status directory, its tables
// in memory; the steps write down when they are called.
struct SlotOpening : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("status-data")));
    config = ConfigFile(ConfigFile::freshLines(dir.path()), dir.filePath(ConfigFile::fileName()));
    config.setSlotLine(2, ConfigFile::PartyNumber, QStringLiteral("77"));
    config.save();
    db.open(QStringLiteral(":memory:"), true);
    game.db = &db;
    steps.inform = [this](const QString& m) { calls << QStringLiteral("inform ") + m; };
    steps.slotBegun = [this] { calls << QStringLiteral("begun %1").arg(game.session.ownPartyNumber); };
    steps.settingsRead = [this] {
      calls << QStringLiteral("settings %1").arg(game.session.ownPartyNumber);
      return goOn;
    };
    steps.pointsRead = [this] { calls << QStringLiteral("points"); };
  }

  slotopening::Opening open() {
    return slotopening::openSlot(game, config, 2, QStringLiteral("Nordreich"), QStringLiteral("Molvanth"), steps);
  }
  QString statusFile(const char* kind) const { return dir.filePath(QStringLiteral("status-data/2-%1.txt").arg(kind)); }

  QTemporaryDir dir;
  ConfigFile config;
  Database db;
  OpenGame game;
  slotopening::Steps steps;
  QStringList calls;
  bool goOn = true;
};

TEST_F(SlotOpening, StepsInTheirOrderThenTheStatusFiles) {
  // An older statistics table gets its field, announced first.
  db.exec(QStringLiteral("ALTER TABLE statistik DROP COLUMN \"Partei Silber Region\""));
  textutil::writeLinesAtomic(statusFile("kaempfe"), {QStringLiteral("Kampf am Fluss")});

  const slotopening::Opening opening = open();
  ASSERT_TRUE(opening.ok()) << opening.load.error.toStdString();
  // The party number is read with the settings, after the slot is begun.
  EXPECT_EQ(calls, (QStringList{"inform Statistik-Tabelle wird nun erweitert.", "begun 0", "settings 77", "points"}));
  EXPECT_EQ(game.session.slot, 2);
  EXPECT_EQ(game.session.slotName, QStringLiteral("Nordreich"));
  EXPECT_TRUE(game.session.isMolvanth());
  EXPECT_EQ(game.pages.kaempfe, QStringList{"Kampf am Fluss"});
  EXPECT_EQ(opening.load.shownPages, QStringList{"Kämpfe"});
}

TEST_F(SlotOpening, TheCallersNoEndsItBeforeThePointsAndTheStatusFiles) {
  goOn = false;
  textutil::writeLinesAtomic(statusFile("kaempfe"), {QStringLiteral("Kampf am Fluss")});
  const slotopening::Opening opening = open();
  EXPECT_TRUE(opening.stopped);
  EXPECT_FALSE(opening.ok());
  EXPECT_EQ(calls, (QStringList{"begun 0", "settings 77"}));
  EXPECT_TRUE(game.pages.kaempfe.isEmpty());
}

}  // namespace
