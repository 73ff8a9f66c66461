// The import, the template save and the automatic save on a disk that runs
// full: each is complete, or the database and every file of the player are
// byte for byte as before.
#include <gtest/gtest.h>

#include "game/configfile.h"
#include "game/filetransaction.h"
#include "turn/gameopening.h"
#include "turn/programfolder.h"
#include "game/textutil.h"
#include "turn/fullfolder.h"
#include "db/database.h"
#include "orders/templatefile.h"
#include "turn/reportimporter.h"
#include "support/testsupport.h"

namespace {

const QString kFirst = QStringLiteral("481-beispiel.cr");
const QString kSecond = QStringLiteral("550-beispiel-latin1.cr");
// Room for a program folder with one report read, its backup and a second report.
constexpr int kDiskKilobytes = 4096;

struct Budget {
  explicit Budget(qint64 bytes) { safefile::setWriteBudgetForTesting(bytes); }
  ~Budget() { safefile::setWriteBudgetForTesting(-1); }
};

struct Slot {
  explicit Slot(const QString& dir) {
    programfolder::initProgramFolder(dir);
    db.open(textutil::joinPath(dir, Database::fileName()));
    game.db = &db;
    gameopening::beginSlot(game.session, 1, QStringLiteral("Test"), QStringLiteral("Molvanth"));
    gameopening::readSlotSettings(game.session, ConfigFile::load(textutil::joinPath(dir, ConfigFile::fileName())));
  }
  ImportOutcome read(const QString& report) {
    ImportCallbacks callbacks;
    callbacks.askYesNo = [](const QString&) { return true; };
    callbacks.inform = [](const QString&) {};
    return importReport(game, testsupport::sharedReport(report), callbacks);
  }
  Database db;
  OpenGame game;
};

TEST(DiskFull, ImportIsWholeOrNothingAtEveryWriteBudget) {
  bool sawFailure = false;
  for (const qint64 budget : {0, 50, 3000, 20000, 60000, -1}) {
    SCOPED_TRACE(budget);
    QTemporaryDir tmp;
    Slot slot(tmp.path());
    ASSERT_TRUE(slot.read(kFirst).ok());
    const auto files = fullfolder::playerFiles(tmp.path());
    const QString tables = testsupport::dump(slot.db);
    const QString datum = slot.game.status.datum;

    ImportOutcome out;
    {
      Budget limit(budget);
      out = slot.read(kSecond);
    }
    EXPECT_TRUE(fullfolder::leftovers(tmp.path()).isEmpty()) << fullfolder::leftovers(tmp.path()).join(' ').toStdString();
    if (out.ok() && out.message.isEmpty()) {
      EXPECT_NE(slot.game.status.datum, datum);
      EXPECT_NE(testsupport::dump(slot.db), tables);
      const auto after = fullfolder::playerFiles(tmp.path());
      EXPECT_GE(ConfigFile::load(tmp.filePath(ConfigFile::fileName())).lineCount(), ConfigFile::kMinLines);
      EXPECT_FALSE(after.value(templatefile::fileName(1, slot.game.status.datum)).isEmpty());
      continue;
    }
    sawFailure = true;
    EXPECT_EQ(budget >= 0, true) << "failed without a limit: " << out.message.toStdString();
    EXPECT_TRUE(out.message.contains(QStringLiteral("Auf dem Datenträger ist kein Platz mehr"))) << out.message.toStdString();
    EXPECT_TRUE(out.message.contains(QStringLiteral("unverändert")));
    EXPECT_EQ(fullfolder::playerFiles(tmp.path()), files);
    EXPECT_EQ(testsupport::dump(slot.db), tables);
    EXPECT_EQ(slot.game.status.datum, datum);
  }
  EXPECT_TRUE(sawFailure);
}

TEST(DiskFull, ImportAndStatusOfTheHeadlessToolOnAFullTmpfs) {
  if (!fullfolder::Tmpfs(64).mounted())
    GTEST_SKIP() << "no tmpfs can be mounted here (needs root); the write budget test covers the files";
  struct Case {
    bool previousBackup;  // without it the new backup takes its room first
    qint64 freeKilobytes;
    bool mustRead;
  };
  // The free sizes run through the backup, the database and the files
  // running out of room in turn.
  const Case cases[] = {{true, 0, false},     {true, 64, false},    {true, 1024, true},  {false, 320, false},
                        {false, 336, false},  {false, 344, false},  {false, 400, false}, {false, 1024, true}};
  int failures = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(QStringLiteral("Sicherung %1, frei %2 KB").arg(c.previousBackup).arg(c.freeKilobytes).toStdString());
    fullfolder::Tmpfs disk(kDiskKilobytes);
    const QString dir = disk.path();
    const QStringList where = {QStringLiteral("--dir"), dir};
    ASSERT_EQ(fullfolder::cli(QStringList{QStringLiteral("init"), dir}).code, 0);
    ASSERT_EQ(fullfolder::cli(QStringList{QStringLiteral("import")} + where +
                              QStringList{QStringLiteral("--typ"), QStringLiteral("Molvanth"), QStringLiteral("--ja"),
                                          testsupport::sharedReport(kFirst)})
                  .code,
              0);
    if (!c.previousBackup) QFile::remove(QDir(dir).filePath(QStringLiteral("Molvanth-vor-dem-Einlesen.sqlite")));
    const fullfolder::CliRun statusBefore = fullfolder::cli(QStringList{QStringLiteral("status")} + where);
    ASSERT_EQ(statusBefore.code, 0) << statusBefore.err.toStdString();
    const auto files = fullfolder::playerFiles(dir);

    disk.leaveFree(c.freeKilobytes * 1024);
    const fullfolder::CliRun run = fullfolder::cli(QStringList{QStringLiteral("import")} + where +
                                                   QStringList{QStringLiteral("--ja"), testsupport::sharedReport(kSecond)});
    const auto after = fullfolder::playerFiles(dir);
    disk.emptyFiller();
    EXPECT_TRUE(fullfolder::leftovers(dir).isEmpty()) << fullfolder::leftovers(dir).join(' ').toStdString();
    const fullfolder::CliRun status = fullfolder::cli(QStringList{QStringLiteral("status")} + where);
    EXPECT_EQ(status.code, 0) << status.err.toStdString();
    if (run.code == 0) {
      EXPECT_NE(status.out, statusBefore.out);
      continue;
    }
    ++failures;
    EXPECT_FALSE(c.mustRead) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("kein Platz mehr"))) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("Unknown error")));
    EXPECT_EQ(after, files);
    EXPECT_EQ(status.out, statusBefore.out);
  }
  EXPECT_GT(failures, 0);
}

TEST(DiskFull, TemplateSaveAndAutosaveKeepTheOldFile) {
  QTemporaryDir tmp;
  Slot slot(tmp.path());
  ASSERT_TRUE(slot.read(kFirst).ok());
  const QString datum = slot.game.status.datum;
  const QString path = templatefile::filePath(slot.game.session, datum);
  const auto before = fullfolder::playerFiles(tmp.path());

  struct Case {
    const char* name;
    bool automatic;
  };
  for (const Case c : {Case{"Zugvorlage Speichern", false}, Case{"automatisch", true}}) {
    SCOPED_TRACE(c.name);
    slot.game.orders.add(QStringLiteral("  ; neue Zeile"));
    slot.game.orders.setUnsaved(true);
    QString error;
    {
      Budget full(10);
      error = c.automatic ? templatefile::autosave(slot.game.orders, slot.game.session, datum).error
                          : templatefile::save(slot.game.orders, slot.game.session, datum);
    }
    EXPECT_TRUE(error.contains(QStringLiteral("kein Platz mehr"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(slot.game.orders.unsaved());  // the indicator stays red
    EXPECT_EQ(fullfolder::playerFiles(tmp.path()), before);
    // The next turn, with room again, writes the whole template.
    if (c.automatic) {
      EXPECT_TRUE(templatefile::autosave(slot.game.orders, slot.game.session, datum).error.isEmpty());
      EXPECT_FALSE(slot.game.orders.unsaved());
      EXPECT_EQ(*templatefile::load(path), slot.game.orders.lines());
    }
  }
}

}  // namespace
