// Orders through the headless tool: two weeks of one month in a copied
// program folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "game/textutil.h"
#include "support/clirun.h"
#include "support/testsupport.h"

namespace {

using testsupport::CliRun;
using testsupport::cli;

CliRun importInto(const QString& dir, const QString& report) {
  return cli({QStringLiteral("import"), QStringLiteral("--dir"), dir, QStringLiteral("--typ"), QStringLiteral("Molvanth"),
              QStringLiteral("--ja"), report});
}

QStringList templates(const QString& dir) {
  return QDir(dir).entryList({QStringLiteral("Zug-Spiel*")}, QDir::Files, QDir::Name);
}

void copyFolder(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    const QString target = QDir(to).filePath(QDir(from).relativeFilePath(file));
    QDir().mkpath(QFileInfo(target).absolutePath());
    ASSERT_TRUE(QFile::copy(file, target)) << target.toStdString();
  }
}

TEST(CliOrders, WeekTwoKeepsWeekOnesOrdersAndACopiedFolderWritesOnlyIntoItself) {
  QTemporaryDir tmp;
  const QString a = tmp.filePath(QStringLiteral("a"));
  const QString b = tmp.filePath(QStringLiteral("b"));
  ASSERT_EQ(cli({QStringLiteral("init"), a}).code, 0);
  const CliRun week1 = importInto(a, testsupport::testData(QStringLiteral("481-beispiel.cr")));
  ASSERT_EQ(week1.code, 0) << week1.err.toStdString();
  const QStringList afterWeek1 = templates(a);
  ASSERT_EQ(afterWeek1.size(), 1);
  const QString turnFile = afterWeek1.first();
  // The player's orders of week 1.
  const QString orders = QDir(a).filePath(turnFile);
  QStringList mine = *textutil::readLines(orders);
  mine << QStringLiteral("; Befehle der ersten Woche");
  ASSERT_EQ(textutil::writeLinesAtomic(orders, mine), QString());

  copyFolder(a, b);
  const CliRun week2 = importInto(b, testsupport::nextWeekReport(tmp.path()));
  ASSERT_EQ(week2.code, 0) << week2.err.toStdString();

  // The copy got week 2 and kept week 1 under its round; the original folder is untouched.
  const QString kept = turnFile.chopped(4) + QStringLiteral("-4101.txt");
  EXPECT_EQ(templates(b), QStringList({kept, turnFile}));  // by name
  EXPECT_EQ(textutil::readLines(QDir(b).filePath(kept)), std::optional<QStringList>(mine));
  EXPECT_NE(textutil::readLines(QDir(b).filePath(turnFile)), std::optional<QStringList>(mine));
  EXPECT_TRUE(week2.out.contains(QDir(b).filePath(kept))) << week2.out.toStdString();
  EXPECT_EQ(templates(a), afterWeek1);
  EXPECT_EQ(textutil::readLines(orders), std::optional<QStringList>(mine));
}

}  // namespace
