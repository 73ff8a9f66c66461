// Where the program works, where reports are looked for, and what happens
// with a program path that is gone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/programfolder.h"
#include "turn/reportfolder.h"
#include "turn/startfolder.h"
#include "game/textutil.h"
#include "db/database.h"
#include "map/terraintiles.h"
#include "orders/ordertemplate.h"

namespace {

enum class Has { Nothing, ConfigOnly, Complete };

void give(const QString& dir, Has has) {
  QDir().mkpath(dir);
  if (has == Has::Nothing) return;
  ConfigFile(ConfigFile::freshLines(dir), textutil::joinPath(dir, ConfigFile::fileName())).save();
  if (has == Has::Complete) {
    QFile db(textutil::joinPath(dir, Database::fileName()));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
  }
}

TEST(StartFolder, TheStartFolderFirstThenTheDataFolder) {
  struct Case {
    Has start, data;
    const char* expected;  // "start", "data" or "" (set-up offer)
    bool complete;
  };
  const Case cases[] = {
      {Has::Complete, Has::Complete, "start", true},  {Has::ConfigOnly, Has::Complete, "start", false},
      {Has::Nothing, Has::Complete, "data", true},    {Has::Nothing, Has::ConfigOnly, "data", false},
      {Has::Nothing, Has::Nothing, "", false},
  };
  for (const Case& c : cases) {
    QTemporaryDir tmp;
    const QString start = tmp.filePath(QStringLiteral("start")), data = tmp.filePath(QStringLiteral("data"));
    give(start, c.start);
    give(data, c.data);
    const startfolder::Found found = startfolder::find(start, data);
    const QString expected = QString::fromLatin1(c.expected);
    SCOPED_TRACE(expected.toStdString());
    EXPECT_EQ(found.folder, expected.isEmpty() ? QString() : (expected == u"start" ? start : data));
    EXPECT_EQ(found.complete(), c.complete);
    EXPECT_EQ(found.missing.contains(Database::fileName()), !found.folder.isEmpty() && !c.complete);
  }
  EXPECT_TRUE(startfolder::dataFolder().endsWith(QStringLiteral("/zendral")));
}

TEST(ReportFolder, RemembersTheLastReportsFolderNextToTheConfiguration) {
  QTemporaryDir tmp;
  const QString program = textutil::normalizeDirectory(tmp.filePath(QStringLiteral("prog")));
  QDir().mkpath(program);
  const QString cfg = textutil::joinPath(program, ConfigFile::fileName());
  ConfigFile(ConfigFile::freshLines(program), cfg).save();
  const QByteArray cfgBefore = [&] { QFile f(cfg); f.open(QIODevice::ReadOnly); return f.readAll(); }();

  EXPECT_EQ(reportfolder::lastFolder(program), program);  // nothing read yet
  const QString post = tmp.filePath(QStringLiteral("post"));
  QDir().mkpath(post);
  EXPECT_TRUE(reportfolder::remember(program, QDir(post).filePath(QStringLiteral("cr-450.cr"))).isEmpty());
  EXPECT_EQ(reportfolder::lastFolder(program), post);
  // zendral.cfg's fixed lines are not touched.
  QFile f(cfg);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), cfgBefore);
  // A folder that is gone falls back to the program folder.
  QDir(post).removeRecursively();
  EXPECT_EQ(reportfolder::lastFolder(program), program);
  // An unwritable program folder is told, not hidden.
  EXPECT_FALSE(reportfolder::remember(tmp.filePath(QStringLiteral("fehlt/nicht/da")), cfg).isEmpty());
}

TEST(ProgramPath, AMovedFolderIsNamedAndTheStartFolderCanBeTaken) {
  QTemporaryDir tmp;
  const QString here = tmp.filePath(QStringLiteral("hier"));
  const QString empty = tmp.filePath(QStringLiteral("leer"));
  give(here, Has::Complete);
  give(empty, Has::Nothing);
  struct Case {
    QString path;
    const char* says;  // part of the message; "" for a sound path
  };
  const Case cases[] = {{here, ""},
                        {textutil::normalizeDirectory(here), ""},
                        {tmp.filePath(QStringLiteral("verschoben")), "existiert nicht"},
                        {empty, "keine zendral.cfg"},
                        {QStringLiteral("  "), "kein Programmpfad"}};
  for (const Case& c : cases) {
    const QString problem = gameopening::programPathProblem(c.path);
    SCOPED_TRACE(c.path.toStdString());
    if (*c.says == 0) {
      EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    } else {
      EXPECT_TRUE(problem.contains(QString::fromUtf8(c.says))) << problem.toStdString();
      if (!c.path.trimmed().isEmpty()) {
        EXPECT_TRUE(problem.contains(c.path));
      }
    }
  }

  ConfigFile config = ConfigFile::load(textutil::joinPath(here, ConfigFile::fileName()));
  config.setSlotLine(2, ConfigFile::ProgramPath, tmp.filePath(QStringLiteral("verschoben/")));
  config.save();
  GameSession session;
  session.slot = 2;
  gameopening::adoptProgramPath(session, config, here);
  EXPECT_EQ(session.programPath, textutil::normalizeDirectory(here));
  const ConfigFile reread = ConfigFile::load(textutil::joinPath(here, ConfigFile::fileName()));
  EXPECT_EQ(reread.slotLine(2, ConfigFile::ProgramPath), textutil::normalizeDirectory(here));
  EXPECT_EQ(reread.slotLine(1, ConfigFile::ProgramPath), config.slotLine(1, ConfigFile::ProgramPath));
}

TEST(DefaultTiles, InstalledTilesAreCopiedAndMissingOnesDrawn) {
  QTemporaryDir tmp;
  const QString installed = tmp.filePath(QStringLiteral("installed"));
  const QString images = tmp.filePath(QStringLiteral("images"));
  QDir().mkpath(installed);
  QDir().mkpath(images);
  const QList<terraintiles::Tile> tiles = terraintiles::standardTiles();
  ASSERT_GE(tiles.size(), 2);
  // A packager's own picture for the first tile.
  QImage own(8, 8, QImage::Format_RGB32);
  own.fill(Qt::magenta);
  ASSERT_TRUE(own.save(QDir(installed).filePath(tiles.at(0).fileName), "BMP"));
  EXPECT_EQ(programfolder::writeStandardTiles(images, installed), tiles.size());
  EXPECT_EQ(QImage(QDir(images).filePath(tiles.at(0).fileName)).pixelColor(0, 0), QColor(Qt::magenta));
  EXPECT_EQ(QImage(QDir(images).filePath(tiles.at(1).fileName)).size(), terraintiles::drawTile(tiles.at(1)).size());
  EXPECT_EQ(programfolder::writeStandardTiles(images, installed), 0);  // nothing overwritten
}

TEST(OrderTemplateText, EditorTextAndLinesAreEachOthersInverse) {
  const QList<QStringList> cases = {{},
                                    {QStringLiteral(" PARTEI L1 \"x\"")},
                                    {QStringLiteral(" NAECHSTER"), QString()},
                                    {QString(), QStringLiteral("a"), QString(), QString()}};
  for (const QStringList& lines : cases) {
    OrderTemplate t;
    t.setLines(lines);
    OrderTemplate back;
    back.setText(t.text());
    EXPECT_EQ(back.lines(), lines) << t.text().toStdString();
  }
  OrderTemplate pasted;
  pasted.setText(QStringLiteral("a\r\nb\rc"));
  EXPECT_EQ(pasted.lines(), QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

}  // namespace
