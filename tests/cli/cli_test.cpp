// The headless tool as a player's script would run it: separate processes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "game/textutil.h"
#include "support/clirun.h"
#include "support/testsupport.h"

namespace {

using testsupport::CliRun;
using testsupport::cli;

TEST(Cli, HelpInitAndUnknownCommands) {
  const CliRun help = cli({QStringLiteral("--help")});
  EXPECT_EQ(help.code, 0);
  for (const char* command : {"init", "import", "status", "template"})
    EXPECT_TRUE(help.out.contains(QLatin1String(command))) << command;
  const CliRun unknown = cli({QStringLiteral("zaubern")});
  EXPECT_NE(unknown.code, 0);
  EXPECT_TRUE(unknown.err.contains(QStringLiteral("Unbekannter Befehl")));

  QTemporaryDir tmp;
  const QString dir = tmp.filePath(QStringLiteral("z"));
  EXPECT_EQ(cli({QStringLiteral("init"), dir}).code, 0);
  EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/Molvanth.sqlite")));
  // A second init changes nothing and says so.
  const CliRun again = cli({QStringLiteral("init"), dir});
  EXPECT_EQ(again.code, 0);
  EXPECT_TRUE(again.out.contains(QStringLiteral("bereits vollständig")));
}

TEST(Cli, ImportLeavesStatusFilesThatANewProcessShows) {
  QTemporaryDir tmp;
  const QString dir = tmp.path();
  ASSERT_EQ(cli({QStringLiteral("init"), dir}).code, 0);
  const QString report = testsupport::testData(QStringLiteral("481-beispiel.cr"));

  // Without --ja the version question is answered no: nothing is read.
  const CliRun refused = cli({QStringLiteral("import"), QStringLiteral("--dir"), dir, QStringLiteral("--typ"),
                           QStringLiteral("Molvanth"), report});
  EXPECT_NE(refused.code, 0);

  const CliRun read = cli({QStringLiteral("import"), QStringLiteral("--dir"), dir, QStringLiteral("--typ"),
                        QStringLiteral("Molvanth"), QStringLiteral("--ja"), report});
  ASSERT_EQ(read.code, 0) << read.err.toStdString();
  EXPECT_TRUE(read.out.contains(QStringLiteral("17 Regionen")));

  const QStringList files = QDir(dir + QStringLiteral("/status-data")).entryList({QStringLiteral("1-*.txt")});
  EXPECT_EQ(files.size(), 11);
  const QStringList income = *textutil::readLines(dir + QStringLiteral("/status-data/1-einkommen.txt"));
  ASSERT_FALSE(income.isEmpty());
  EXPECT_TRUE(income.last().startsWith(QStringLiteral("zzzz")));
  EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/status-data/1-besitz.4101")));

  const ConfigFile cfg = ConfigFile::load(dir + QStringLiteral("/zendral.cfg"));
  EXPECT_EQ(cfg.slotLine(1, ConfigFile::GameTypeText), QStringLiteral("Molvanth"));
  const QString datum = cfg.slotLine(1, ConfigFile::StatusFirst + 3);
  EXPECT_EQ(datum, QStringLiteral("Feldsegen, Woche 1 im Jahre 12"));
  EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/Zug-Spiel1-12-Feldsegen,.txt")));

  const CliRun status = cli({QStringLiteral("status"), QStringLiteral("--dir"), dir});
  ASSERT_EQ(status.code, 0) << status.err.toStdString();
  EXPECT_TRUE(status.out.contains(datum));
  EXPECT_TRUE(status.out.contains(QStringLiteral("Die Spielkinder")));
  EXPECT_TRUE(status.out.contains(QStringLiteral("296796")));  // points of the report
  EXPECT_TRUE(status.out.contains(QStringLiteral("Holz       : ")));

  const CliRun tmpl = cli({QStringLiteral("template"), QStringLiteral("--dir"), dir});
  ASSERT_EQ(tmpl.code, 0);
  EXPECT_TRUE(tmpl.out.contains(QStringLiteral("Zug-Spiel1-12-Feldsegen,.txt")));
  EXPECT_TRUE(tmpl.out.contains(QStringLiteral(" NAECHSTER")));

  // The slot's type is fixed now: another type is refused.
  const CliRun wrong = cli({QStringLiteral("import"), QStringLiteral("--dir"), dir, QStringLiteral("--typ"),
                         QStringLiteral("Quarnel"), QStringLiteral("--ja"), report});
  EXPECT_NE(wrong.code, 0);
  EXPECT_TRUE(wrong.err.contains(QStringLiteral("Molvanth")));

  // Slot 2 keeps no income total line.
  ASSERT_EQ(cli({QStringLiteral("import"), QStringLiteral("--dir"), dir, QStringLiteral("--slot"), QStringLiteral("2"),
                 QStringLiteral("--typ"), QStringLiteral("Molvanth"), QStringLiteral("--ja"), report})
                .code,
            0);
  const QStringList income2 = *textutil::readLines(dir + QStringLiteral("/status-data/2-einkommen.txt"));
  for (const QString& line : income2) EXPECT_FALSE(line.startsWith(QStringLiteral("zzzz")));
}

TEST(Cli, BadInputGivesGermanMessagesAndNonZeroExit) {
  QTemporaryDir tmp;
  const CliRun noFolder = cli({QStringLiteral("status"), QStringLiteral("--dir"), tmp.filePath(QStringLiteral("fehlt"))});
  EXPECT_NE(noFolder.code, 0);
  EXPECT_TRUE(noFolder.err.contains(QStringLiteral("zendral.cfg")));
  const CliRun badSlot = cli({QStringLiteral("status"), QStringLiteral("--slot"), QStringLiteral("7")});
  EXPECT_NE(badSlot.code, 0);
  EXPECT_TRUE(badSlot.err.contains(QStringLiteral("1 bis 6")));

  ASSERT_EQ(cli({QStringLiteral("init"), tmp.path()}).code, 0);
  // An empty file and a binary attachment: refused with the line, nothing written.
  const QString empty = tmp.filePath(QStringLiteral("leer.cr"));
  testsupport::writeFile(empty, QByteArray());
  const QString binary = tmp.filePath(QStringLiteral("anhang.cr"));
  QByteArray bytes;
  for (int i = 0; i < 2048; ++i) bytes += char((i * 131) % 256);
  testsupport::writeFile(binary, bytes);
  for (const QString& bad : {empty, binary}) {
    const CliRun run = cli({QStringLiteral("import"), QStringLiteral("--dir"), tmp.path(), QStringLiteral("--typ"),
                            QStringLiteral("Molvanth"), bad});
    EXPECT_NE(run.code, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Zeile 1"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Die Datenbank ist unverändert")));
  }

  const QString missing = tmp.filePath(QStringLiteral("keiner.cr"));
  const CliRun noReport = cli({QStringLiteral("import"), QStringLiteral("--dir"), tmp.path(), missing});
  EXPECT_NE(noReport.code, 0);
  EXPECT_TRUE(noReport.err.contains(missing));
}

}  // namespace
