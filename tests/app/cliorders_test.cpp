// Orders through the headless tool: two weeks of one month, a copied program
// folder, and writing one unit's orders back from a file.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "app/textutil.h"
#include "support/testsupport.h"

namespace {

struct CliRun {
  int code = -1;
  QString out;
  QString err;
};

CliRun cli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(ZENDRAL_CLI), args);
  p.waitForFinished(60000);
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

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

TEST(CliOrders, SetTakesAFileWithOrWithoutTheUnitsHeader) {
  QTemporaryDir tmp;
  const QString dir = tmp.path();
  ASSERT_EQ(cli({QStringLiteral("init"), dir}).code, 0);
  ASSERT_EQ(importInto(dir, testsupport::testData(QStringLiteral("481-beispiel.cr"))).code, 0);
  const QString header = cli({QStringLiteral("orders"), QStringLiteral("--dir"), dir, QStringLiteral("wzqt")}).out.section(
      QLatin1Char('\n'), 0, 0);
  ASSERT_TRUE(header.trimmed().startsWith(QStringLiteral("EINHEIT wzqt;"))) << header.toStdString();
  const QString file = tmp.filePath(QStringLiteral("befehle.txt"));
  struct Case {
    QStringList text;
    int code;
    QString shown;  // the unit's lines afterwards
  };
  const Case cases[] = {
      {{QStringLiteral("    LERNE Taktik"), QString(), QStringLiteral("    GIB ry 10 Silber")}, 0,
       header + QStringLiteral("\n    LERNE Taktik\n\n    GIB ry 10 Silber")},
      {{header, QStringLiteral("    BENENNE EINHEIT \"Förster\"")}, 0, header + QStringLiteral("\n    BENENNE EINHEIT \"Förster\"")},
      {{QStringLiteral("    ARBEITE"), QStringLiteral("REGION 1,1")}, 1, header + QStringLiteral("\n    BENENNE EINHEIT \"Förster\"")},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(textutil::writeLinesAtomic(file, c.text), QString());
    for (int press = 0; press < 2; ++press) {
      const CliRun set = cli({QStringLiteral("orders"), QStringLiteral("--dir"), dir, QStringLiteral("wzqt"),
                           QStringLiteral("--set"), file});
      EXPECT_EQ(set.code, c.code) << set.err.toStdString();
    }
    const CliRun shown = cli({QStringLiteral("orders"), QStringLiteral("--dir"), dir, QStringLiteral("wzqt")});
    EXPECT_EQ(shown.out.trimmed(), c.shown.trimmed()) << c.text.join(u'|').toStdString();
  }
}

}  // namespace
