// A player's machine can die in the middle of reading a large report. The
// database must come back exactly as it was before that import.
#include <gtest/gtest.h>

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include "db/database.h"
#include "support/testsupport.h"

namespace {

QProcess* startCli(const QStringList& args) {
  auto* p = new QProcess;
  p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  p->start(QStringLiteral(ZENDRAL_CLI), args);
  p->waitForStarted();
  return p;
}

int runCli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(ZENDRAL_CLI), args);
  p.waitForFinished(300000);
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

struct Snapshot {
  QString integrity;
  QString rows;
};

Snapshot snapshot(const QString& dir) {
  Database db;
  db.open(dir + QStringLiteral("/Molvanth.sqlite"));
  QSqlQuery q(db.sql());
  q.exec(QStringLiteral("PRAGMA integrity_check"));
  Snapshot s;
  s.integrity = q.next() ? q.value(0).toString() : QStringLiteral("keine Antwort");
  q.finish();
  s.rows = testsupport::dump(db);
  return s;
}

TEST(Crash, KilledImportLeavesTheDatabaseAsItWas) {
  QTemporaryDir tmp;
  const QString dir = tmp.path();
  ASSERT_EQ(runCli({QStringLiteral("init"), dir}), 0);
  ASSERT_EQ(runCli({QStringLiteral("import"), QStringLiteral("--dir"), dir, QStringLiteral("--typ"),
                    QStringLiteral("Molvanth"), QStringLiteral("--ja"), testsupport::testData(QStringLiteral("481-beispiel.cr"))}),
            0);
  const Snapshot before = snapshot(dir);
  ASSERT_EQ(before.integrity, QStringLiteral("ok"));

  const QString big = tmp.filePath(QStringLiteral("big.cr"));
  QProcess generate;
  generate.setStandardOutputFile(big);
  // Through python3, so a copy of the tool without its execute bit still runs.
  generate.start(QStringLiteral("python3"), {QStringLiteral(ZENDRAL_SHARED_DIR "/tools/make-big-report"),
                                             QStringLiteral("--regions"), QStringLiteral("10000"),
                                             QStringLiteral("--units"), QStringLiteral("30000")});
  ASSERT_TRUE(generate.waitForFinished(120000));
  ASSERT_EQ(generate.exitCode(), 0);

  const QStringList import = {QStringLiteral("import"), QStringLiteral("--dir"), dir, QStringLiteral("--typ"),
                              QStringLiteral("Molvanth"), QStringLiteral("--aelter"), big};
  for (int delayMs : {50, 250, 500}) {
    QProcess* child = startCli(import);
    QThread::msleep(delayMs);
    ASSERT_EQ(child->state(), QProcess::Running) << "the import ended before the kill at " << delayMs << " ms";
    child->kill();  // SIGKILL: no handler, no clean-up
    child->waitForFinished(10000);
    EXPECT_EQ(child->exitStatus(), QProcess::CrashExit);
    delete child;

    const Snapshot after = snapshot(dir);
    EXPECT_EQ(after.integrity, QStringLiteral("ok")) << delayMs;
    EXPECT_TRUE(after.rows == before.rows) << "rows changed by the import killed at " << delayMs << " ms";
  }

  // The next import of the same report goes through.
  ASSERT_EQ(runCli(import), 0);
  Database db;
  db.open(dir + QStringLiteral("/Molvanth.sqlite"));
  EXPECT_GE(testsupport::rowCount(db, QStringLiteral("einheiten")), 30000);
  EXPECT_GE(testsupport::rowCount(db, QStringLiteral("regionen")), 10000);
}

}  // namespace
