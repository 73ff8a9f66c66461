#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "turn/programfolder.h"
#include "db/database.h"
#include "db/table.h"

TEST(ProgramFolder, InitCreatesAFolderThatOpensAndNeverOverwrites) {
  QTemporaryDir tmp;
  const QString dir = tmp.filePath(QStringLiteral("z"));
  const QStringList said = programfolder::initProgramFolder(dir);
  EXPECT_FALSE(said.isEmpty());

  const ConfigFile cfg = ConfigFile::load(dir + QStringLiteral("/zendral.cfg"));
  EXPECT_EQ(cfg.lineCount(), 138);
  EXPECT_EQ(cfg.slotLine(3, ConfigFile::ProgramPath), QDir(dir).absolutePath() + QLatin1Char('/'));

  for (const char* tile : {"wozean.bmp", "wwüste.bmp", "wblank.bmp", "ozean.bmp", "wüste.bmp", "blank.bmp",
                           "gebirge.bmp", "wflamm.bmp", "eisberg.bmp"}) {
    const QImage image(dir + QStringLiteral("/images/") + QString::fromUtf8(tile));
    EXPECT_FALSE(image.isNull()) << tile;
  }
  EXPECT_EQ(QImage(dir + QStringLiteral("/images/webene.bmp")).size(), QSize(8, 10));  // a hex on the 8-pixel pitch
  EXPECT_EQ(QDir(dir + QStringLiteral("/status-data")).entryList(QDir::Files).size(), 66);
  EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/status-data/6-meldungen.txt")));

  Database db;
  ASSERT_NO_THROW(db.open(dir + QStringLiteral("/Molvanth.sqlite")));
  EXPECT_TRUE(db.missingTables().isEmpty());
  db.close();

  // A second run keeps what the player changed.
  QFile cfgFile(dir + QStringLiteral("/zendral.cfg"));
  ASSERT_TRUE(cfgFile.open(QIODevice::Append));
  cfgFile.write("eigene Zeile\r\n");
  cfgFile.close();
  programfolder::initProgramFolder(dir);
  EXPECT_EQ(ConfigFile::load(dir + QStringLiteral("/zendral.cfg")).lineCount(), 139);
}

TEST(ProgramFolder, StatusFileNamesOfASlot) {
  const QStringList names = programfolder::statusFileNames(2);
  ASSERT_EQ(names.size(), 11);
  EXPECT_EQ(names.first(), QStringLiteral("2-kaempfe.txt"));
  EXPECT_TRUE(names.contains(QStringLiteral("2-buendnisse.txt")));
  EXPECT_EQ(names.last(), QStringLiteral("2-meldungen.txt"));
}
