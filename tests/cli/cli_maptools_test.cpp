// The map tools and the cleanup of the headless tool, run as separate processes.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/testsupport.h"

namespace {

struct CliRun {
  int code = -1;
  QString out, err;
};

struct CliMapTools : ::testing::Test {
  // One command on the test's program folder.
  CliRun cli(const QString& command, const QStringList& args) {
    QProcess p;
    p.start(ZENDRAL_CLI, QStringList{command, "--dir", tmp.path()} + args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
  }
  QByteArray contents(const QString& name) {
    QFile f(tmp.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QTemporaryDir tmp;
};

TEST_F(CliMapTools, ExportImportAddRegionAndCleanup) {
  QProcess::execute(ZENDRAL_CLI, {"init", tmp.path()});
  ASSERT_EQ(cli("import", {"--typ", "Molvanth", "--ja", testsupport::testData("481-beispiel.cr")}).code, 0);

  const CliRun exported = cli("map-export", {tmp.filePath("karte.txt")});
  EXPECT_TRUE(exported.out.contains("Exportieren der Gesamtkarte in Datei: " + tmp.filePath("karte.txt") +
                                    " erfolgreich durchgeführt.\n17 Regionen"))
      << exported.err.toStdString();
  // Into an empty slot, then once more: the second run adds nothing.
  EXPECT_TRUE(cli("map-import", {"--slot", "4", tmp.filePath("karte.txt")}).out.contains("17 Regionen neu, 0 bereits"));
  EXPECT_TRUE(cli("map-import", {"--slot", "4", tmp.filePath("karte.txt")}).out.contains("0 Regionen neu, 17 bereits"));
  ASSERT_EQ(cli("map-export", {"--slot", "4", tmp.filePath("kopie.txt")}).code, 0);
  EXPECT_EQ(contents("kopie.txt"), contents("karte.txt"));

  const CliRun badRadius = cli("map-export", {"--around", "0", "0", "zwei", tmp.filePath("bereich.txt")});
  EXPECT_TRUE(badRadius.code != 0 && badRadius.err.contains("Exportradius"));
  EXPECT_FALSE(QFile::exists(tmp.filePath("bereich.txt")));
  EXPECT_TRUE(cli("map-export", {"--around", "-1", "1", "0", tmp.filePath("bereich.txt")}).out.contains("Kartenteiles"));

  // --name and --typ name the region and its terrain here.
  const CliRun added = cli("add-region", {"--level", "2", "--x", "-3", "--y", "12", "--name", "Sandmeer", "--typ", "Wüste"});
  EXPECT_TRUE(added.out.contains("-3/12/2")) << added.err.toStdString();
  ASSERT_EQ(cli("map-export", {"--level", "2", tmp.filePath("ebene2.txt")}).code, 0);
  EXPECT_EQ(contents("ebene2.txt"), QByteArray("REGION -3 12 2\r\n\"Desert\";Terrain\r\n\"Sandmeer\";Name\r\n"));
  for (const QStringList& bad : {QStringList{"--x", "3a", "--y", "1", "--name", "X", "--typ", "Wald"},
                                 QStringList{"--x", "1", "--y", "1", "--name", "X", "--typ", "Lava"},
                                 QStringList{"--x", "1", "--name", "X", "--typ", "Wald"}})
    EXPECT_NE(cli("add-region", bad).code, 0) << bad.join(' ').toStdString();

  // Every unit of the report is from the current round.
  const QStringList lines = cli("cleanup", {}).out.split('\n');
  EXPECT_EQ(lines.value(0).section(' ', -1), lines.filter("Datensätze des Spiels:").value(0).section(' ', -1));
  EXPECT_TRUE(lines.value(0).startsWith("Aktuelle Runde:"));
  for (const char* refused : {"aktuell", "alt"}) EXPECT_NE(cli("cleanup", {"--delete", refused}).code, 0) << refused;
  EXPECT_TRUE(cli("cleanup", {"--delete", "1-6"}).out.contains("Gelöscht: 0"));
}

}  // namespace
