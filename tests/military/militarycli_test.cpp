// The group, army, ship and checker commands of the headless tool on a real
// report, as separate processes.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "support/testsupport.h"

namespace {

struct CliResult {
  int code = -1;
  QString out, err;
};

struct MilitaryCliTest : ::testing::Test {
  static void SetUpTestSuite() {
    folder = new QTemporaryDir;
    ASSERT_EQ(cli({QStringLiteral("init"), folder->path()}).code, 0);
    const CliResult read = cli({QStringLiteral("import"), QStringLiteral("--typ"), QStringLiteral("Molvanth"),
                          QStringLiteral("--ja"), testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr"))});
    ASSERT_EQ(read.code, 0) << read.err.toStdString();
  }
  static void TearDownTestSuite() {
    delete folder;
    folder = nullptr;
  }
  static CliResult cli(QStringList args) {
    if (folder && args.first() != QLatin1String("init")) args << QStringLiteral("--dir") << folder->path();
    QProcess p;
    p.start(QStringLiteral(ZENDRAL_CLI), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
  }
  static QTemporaryDir* folder;
};
QTemporaryDir* MilitaryCliTest::folder = nullptr;

TEST_F(MilitaryCliTest, ReportsListTheRowsOfTheTabs) {
  struct Case {
    QStringList args;
    int code;
    QString contains;
  };
  const QList<Case> cases = {
      {{"groups", "--partei", "146"}, 0, QStringLiteral("Gefunden: 11")},
      {{"groups", "--partei", "-2"}, 0, QStringLiteral("Gefunden: 13")},
      {{"groups", "--partei", "-2", "--datum", ">", "9999"}, 0, QStringLiteral("Gefunden: 0")},
      {{"groups", "--partei", "-2", "--name", "x' or '1'='1"}, 0, QStringLiteral("Gefunden: 0")},
      {{"groups", "--partei", "-2", "--einheit", "FWPQ"},
       0,
       QStringLiteral("Keine | -2011/0 | Einheit fwpq | fwpq | 997 | 0 | 0 | [6300] 20 | [1650] 10 | 0 | 0 | 1000\n")},
      {{"groups"}, 2, QStringLiteral("keine Partei gewählt")},
      {{"groups", "--partei", "-2", "--datum", "=", "Juni"}, 1, QStringLiteral("„Info Datum“")},
      {{"ships", "--partei", "-2"}, 0, QStringLiteral("-2011/2 | Karavelle | 352849 | Karavelle | 146 | -1%\n")},
      {{"ships", "--partei", "-2", "--typ", "Karavelle"}, 0, QStringLiteral("gefundene Schiffe: 3")},
      {{"ships", "--partei", "77"}, 0, QStringLiteral("gefundene Schiffe: 0")},
      {{"army"}, 0, QStringLiteral("Soldaten: 0\nWaffen: 0\nFernwaffen: 0")},
  };
  for (const Case& c : cases) {
    const CliResult r = cli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args.join(' ').toStdString() << r.err.toStdString();
    EXPECT_TRUE((r.out + r.err).contains(c.contains)) << c.args.join(' ').toStdString() << "\n"
                                                       << (r.out + r.err).toStdString();
  }
}

TEST_F(MilitaryCliTest, SetGroupPutsTheUnitIntoItsArmy) {
  const CliResult set = cli({QStringLiteral("set-group"), QStringLiteral("-2011/0"), QStringLiteral("FWPQ"),
                       QStringLiteral("1. Armee")});
  ASSERT_EQ(set.code, 0) << set.err.toStdString();
  const CliResult army = cli({QStringLiteral("army"), QStringLiteral("--armee"), QStringLiteral("1. Armee")});
  EXPECT_TRUE(army.out.contains(QStringLiteral("-2011/0 | Einheit fwpq | fwpq | 997 |  |  | [6300] 20 | [1650] 10 | 0 | 0 | 1000 | 0\n")))
      << army.out.toStdString();
  EXPECT_TRUE(army.out.contains(QStringLiteral("Soldaten: 997\nWaffen: 0\nFernwaffen: 1000")));
  // Back to no army; an unknown unit and an unknown group are refused.
  EXPECT_EQ(cli({QStringLiteral("set-group"), QStringLiteral("-2011/0"), QStringLiteral("fwpq"), QStringLiteral("Keine")}).code, 0);
  EXPECT_TRUE(cli({QStringLiteral("army")}).out.contains(QStringLiteral("Soldaten: 0")));
  EXPECT_EQ(cli({QStringLiteral("set-group"), QStringLiteral("9/9"), QStringLiteral("fwpq"), QStringLiteral("Keine")}).code, 1);
  EXPECT_EQ(cli({QStringLiteral("set-group"), QStringLiteral("-2011/0"), QStringLiteral("fwpq"), QStringLiteral("Armee")}).code, 2);
}

TEST_F(MilitaryCliTest, CheckRunsTheConfiguredCheckerOnTheTemplate) {
  const QString script = folder->filePath(QStringLiteral("mein checker"));
  {
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\necho \"Prüfe $1\"\n");
  }
  QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  ConfigFile cfg = ConfigFile::load(folder->filePath(ConfigFile::fileName()));
  cfg.setSlotLine(1, ConfigFile::CheckerPath, script);
  cfg.save();
  const CliResult r = cli({QStringLiteral("check")});
  EXPECT_EQ(r.code, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QStringLiteral("Prüfe Zug-Spiel1-6-Schneebann,.txt\n"));
  QFile check(folder->filePath(QStringLiteral("status-data/check.txt")));
  ASSERT_TRUE(check.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(check.readAll()), r.out);
}

}  // namespace
