// A damaged database file and the way back to the copy made before the
// last import.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "turn/fullfolder.h"
#include "db/database.h"
#include "db/dbbackup.h"
#include "db/dberror.h"
#include "support/testsupport.h"

namespace {

// Overwrites `length` bytes from `offset` (to the end when negative).
void damage(const QString& path, qint64 offset, qint64 length) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  const qint64 size = f.size();
  ASSERT_LT(offset, size);
  f.seek(offset);
  f.write(QByteArray(length < 0 ? size - offset : length, char(0x5a)));
}

int ownRound(const QString& dbPath) {
  Database db;
  db.open(dbPath);
  QSqlQuery q(db.sql());
  q.exec(QStringLiteral("SELECT MAX(\"Datum\") FROM \"parteien\""));
  return q.next() ? q.value(0).toInt() : -1;
}

TEST(DatabaseBackup, ADamagedFileGoesBackToTheRoundBeforeTheLastImport) {
  struct Case {
    const char* name;
    qint64 offset;
    qint64 length;
  };
  // The header, and every page after the schema page.
  for (const Case c : {Case{"Kopf", 0, 100}, Case{"Seiten", 16384, -1}}) {
    SCOPED_TRACE(c.name);
    QTemporaryDir tmp;
    const QString dir = tmp.path();
    const QString dbPath = QDir(dir).filePath(Database::fileName());
    const QStringList where = {QStringLiteral("--dir"), dir};
    ASSERT_EQ(fullfolder::cli({QStringLiteral("init"), dir}).code, 0);
    QList<int> rounds;
    for (const char* report : {"481-beispiel.cr", "550-beispiel-latin1.cr"}) {
      const auto run = fullfolder::cli(QStringList{QStringLiteral("import")} + where +
                                       QStringList{QStringLiteral("--typ"), QStringLiteral("Molvanth"), QStringLiteral("--ja"),
                                                   testsupport::sharedReport(QString::fromLatin1(report))});
      ASSERT_EQ(run.code, 0) << run.err.toStdString();
      rounds << ownRound(dbPath);
    }
    ASSERT_LT(rounds[0], rounds[1]);
    ASSERT_TRUE(QFile::exists(dbbackup::backupPath(dbPath)));

    damage(dbPath, c.offset, c.length);
    // The program's start finds either damage before any page is shown.
    QString found;
    try {
      Database db;
      db.open(dbPath);
      db.checkIntact();
    } catch (const DbError& e) {
      found = e.message();
    }
    EXPECT_TRUE(dbbackup::isDamage(found)) << found.toStdString();
    const auto broken = fullfolder::cli(QStringList{QStringLiteral("status")} + where);
    EXPECT_NE(broken.code, 0);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("ist beschädigt"))) << broken.err.toStdString();
    EXPECT_TRUE(broken.err.contains(QStringLiteral("zendral-cli restore --dir"))) << broken.err.toStdString();

    const auto restored = fullfolder::cli(QStringList{QStringLiteral("restore")} + where);
    ASSERT_EQ(restored.code, 0) << restored.err.toStdString();
    EXPECT_EQ(fullfolder::cli(QStringList{QStringLiteral("status")} + where).code, 0);
    EXPECT_EQ(ownRound(dbPath), rounds[0]);
    // The damaged file is kept beside it, not thrown away.
    EXPECT_EQ(QDir(dir).entryList({QStringLiteral("Molvanth-vor-Rueckkehr-*.sqlite")}, QDir::Files).size(), 1);
    // The last report can be read again.
    EXPECT_EQ(fullfolder::cli(QStringList{QStringLiteral("import")} + where +
                              QStringList{QStringLiteral("--ja"), testsupport::sharedReport(QStringLiteral("550-beispiel-latin1.cr"))})
                  .code,
              0);
    EXPECT_EQ(ownRound(dbPath), rounds[1]);
  }
}

TEST(DatabaseBackup, RestoreWithoutBackupChangesNothing) {
  QTemporaryDir tmp;
  const QString dbPath = tmp.filePath(Database::fileName());
  testsupport::writeFile(dbPath, "kaputt");
  const dbbackup::Restored out = dbbackup::restore(dbPath);
  EXPECT_TRUE(out.error.contains(QStringLiteral("keine Sicherung"))) << out.error.toStdString();
  QFile f(dbPath);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("kaputt"));
}

}  // namespace
