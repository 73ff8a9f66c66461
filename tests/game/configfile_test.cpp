#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "game/textutil.h"
#include "support/testsupport.h"

namespace {

QString writeConfig(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString path = dir.filePath(QStringLiteral("zendral.cfg"));
  testsupport::writeFile(path, bytes);
  return path;
}

TEST(ConfigFile, FreshFileReadsBackWithNumbersInEveryNumericLine) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("zendral.cfg"));
  ConfigFile(ConfigFile::freshLines(dir.path())).save(path);
  const ConfigFile cfg = ConfigFile::load(path);
  EXPECT_EQ(cfg.lineCount(), 138);
  for (int slot = 1; slot <= 6; ++slot) {
    for (int line : {4, 5, 7, 8, 9, 10, 11, 12}) EXPECT_NO_THROW(cfg.slotInt(slot, line)) << slot << "/" << line;
    EXPECT_EQ(cfg.slotInt(slot, ConfigFile::IdBase), 36);
    EXPECT_EQ(cfg.slotLine(slot, ConfigFile::ProgramPath), textutil::normalizeDirectory(dir.path()));
    EXPECT_TRUE(cfg.slotLine(slot, ConfigFile::GameTypeText).isEmpty());
  }
  QFile raw(path);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  const QByteArray bytes = raw.readAll();
  EXPECT_EQ(bytes.count("\r\n"), 138);  // CR LF after every line
}

TEST(ConfigFile, BadFilesNameTheFileAndTheLine) {
  QTemporaryDir dir;
  try {
    ConfigFile::load(dir.filePath(QStringLiteral("fehlt.cfg")));
    FAIL();
  } catch (const ConfigError& e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("fehlt.cfg")));
  }

  const QString shortPath = writeConfig(dir, QByteArray("a\r\nb\r\n"));
  try {
    ConfigFile::load(shortPath);
    FAIL();
  } catch (const ConfigError& e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("zendral.cfg")));
    EXPECT_TRUE(e.message().contains(QStringLiteral("2 Zeilen")));
  }

  QStringList lines = ConfigFile::freshLines(dir.path());
  lines[23 + ConfigFile::PartyNumber] = QStringLiteral("12a");
  lines[46 + ConfigFile::IdBase] = QStringLiteral("36 ");
  const QString path = writeConfig(dir, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
  const ConfigFile cfg = ConfigFile::load(path);
  try {
    cfg.slotInt(2, ConfigFile::PartyNumber);
    FAIL();
  } catch (const ConfigError& e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("Zeile 28")));  // 23 + 4, counted from 1
    EXPECT_TRUE(e.message().contains(QStringLiteral("12a")));
  }
  EXPECT_THROW(cfg.slotInt(3, ConfigFile::IdBase), ConfigError);  // trailing blank is no number
  EXPECT_THROW(cfg.line(500), ConfigError);
}

TEST(ConfigFile, OldLatin1FileAndBackslashPathAreRead) {
  QTemporaryDir dir;
  QStringList lines = ConfigFile::freshLines(QStringLiteral("C:\\Zendral\\"));
  lines[ConfigFile::SlotName] = QStringLiteral("Grüße");
  const QString path = writeConfig(dir, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
  const ConfigFile cfg = ConfigFile::load(path);
  EXPECT_EQ(cfg.slotLine(1, ConfigFile::SlotName), QStringLiteral("Grüße"));
  EXPECT_EQ(textutil::joinPath(cfg.slotLine(1, ConfigFile::ProgramPath), QStringLiteral("zendral.cfg")),
            QStringLiteral("C:/Zendral/zendral.cfg"));
}

TEST(ConfigFile, SaveReplacesTheFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("zendral.cfg"));
  ConfigFile cfg(ConfigFile::freshLines(dir.path()), path);
  cfg.setSlotLine(6, ConfigFile::CheckerPath, QStringLiteral("/usr/bin/mcheck"));
  cfg.save();
  EXPECT_EQ(ConfigFile::load(path).line(137), QStringLiteral("/usr/bin/mcheck"));
  // A folder that cannot be written reports the path and leaves no file.
  EXPECT_THROW(cfg.save(dir.filePath(QStringLiteral("gibtsnicht/zendral.cfg"))), ConfigError);
  EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.tmp")}).isEmpty());
}

}  // namespace
