// The map tools and the cleanup of the headless tool, run as separate processes.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/testsupport.h"

namespace {

struct CliResult {
  int code = -1;
  QString out;
  QString err;
};

CliResult cli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(ZENDRAL_CLI), args);
  p.waitForFinished(60000);
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(CliMapTools, ExportImportAddRegionAndCleanup) {
  QTemporaryDir tmp;
  const QString dir = tmp.path();
  const QString d = QStringLiteral("--dir");
  ASSERT_EQ(cli({QStringLiteral("init"), dir}).code, 0);
  ASSERT_EQ(cli({QStringLiteral("import"), d, dir, QStringLiteral("--typ"), QStringLiteral("Molvanth"), QStringLiteral("--ja"),
                 testsupport::testData(QStringLiteral("481-beispiel.cr"))})
                .code,
            0);

  const QString full = tmp.filePath(QStringLiteral("karte.txt"));
  const CliResult exported = cli({QStringLiteral("map-export"), d, dir, full});
  ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
  EXPECT_TRUE(exported.out.contains(QStringLiteral("Exportieren der Gesamtkarte in Datei: ") + full +
                                    QStringLiteral(" erfolgreich durchgeführt.")));
  EXPECT_TRUE(exported.out.contains(QStringLiteral("17 Regionen")));

  // Into an empty slot, then once more: the second run adds nothing.
  const CliResult first = cli({QStringLiteral("map-import"), d, dir, QStringLiteral("--slot"), QStringLiteral("4"), full});
  ASSERT_EQ(first.code, 0) << first.err.toStdString();
  EXPECT_TRUE(first.out.contains(QStringLiteral("17 Regionen neu, 0 bereits bekannt")));
  const CliResult second = cli({QStringLiteral("map-import"), d, dir, QStringLiteral("--slot"), QStringLiteral("4"), full});
  EXPECT_TRUE(second.out.contains(QStringLiteral("0 Regionen neu, 17 bereits bekannt")));
  const QString copy = tmp.filePath(QStringLiteral("kopie.txt"));
  ASSERT_EQ(cli({QStringLiteral("map-export"), d, dir, QStringLiteral("--slot"), QStringLiteral("4"), copy}).code, 0);
  EXPECT_EQ(contents(copy), contents(full));

  // Area export: a bad radius writes nothing.
  const QString area = tmp.filePath(QStringLiteral("bereich.txt"));
  const CliResult badRadius = cli({QStringLiteral("map-export"), d, dir, QStringLiteral("--around"), QStringLiteral("0"),
                             QStringLiteral("0"), QStringLiteral("zwei"), area});
  EXPECT_NE(badRadius.code, 0);
  EXPECT_TRUE(badRadius.err.contains(QStringLiteral("Exportradius")));
  EXPECT_FALSE(QFile::exists(area));
  const CliResult around = cli({QStringLiteral("map-export"), d, dir, QStringLiteral("--around"), QStringLiteral("-1"),
                          QStringLiteral("1"), QStringLiteral("0"), area});
  ASSERT_EQ(around.code, 0) << around.err.toStdString();
  EXPECT_TRUE(around.out.contains(QStringLiteral("Exportieren des Kartenteiles")));

  // A region by hand on level 2; "Wüste" is stored as "Desert"; "3a" is refused.
  const CliResult added = cli({QStringLiteral("add-region"), d, dir, QStringLiteral("--level"), QStringLiteral("2"),
                         QStringLiteral("--x"), QStringLiteral("-3"), QStringLiteral("--y"), QStringLiteral("12"),
                         QStringLiteral("--name"), QStringLiteral("Sandmeer"), QStringLiteral("--typ"),
                         QStringLiteral("Wüste"), QStringLiteral("--angebot"), QStringLiteral("Salz")});
  ASSERT_EQ(added.code, 0) << added.err.toStdString();
  EXPECT_TRUE(added.out.contains(QStringLiteral("-3/12/2")));
  const QString level2 = tmp.filePath(QStringLiteral("ebene2.txt"));
  ASSERT_EQ(cli({QStringLiteral("map-export"), d, dir, QStringLiteral("--level"), QStringLiteral("2"), level2}).code, 0);
  EXPECT_EQ(contents(level2), QByteArray("REGION -3 12 2\r\n\"Desert\";Terrain\r\n\"Sandmeer\";Name\r\n"));
  const CliResult refused = cli({QStringLiteral("add-region"), d, dir, QStringLiteral("--x"), QStringLiteral("3a"),
                           QStringLiteral("--y"), QStringLiteral("1"), QStringLiteral("--name"), QStringLiteral("X"),
                           QStringLiteral("--typ"), QStringLiteral("Wald")});
  EXPECT_NE(refused.code, 0);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("3a")));
  EXPECT_NE(cli({QStringLiteral("add-region"), d, dir, QStringLiteral("--x"), QStringLiteral("1"), QStringLiteral("--y"),
                 QStringLiteral("1"), QStringLiteral("--name"), QStringLiteral("X"), QStringLiteral("--typ"),
                 QStringLiteral("Lava")})
                .code,
            0);

  // The cleanup: all units of the report are from the current round.
  const CliResult analysed = cli({QStringLiteral("cleanup"), d, dir});
  ASSERT_EQ(analysed.code, 0) << analysed.err.toStdString();
  EXPECT_TRUE(analysed.out.contains(QStringLiteral("älter 36 Runden:")));
  const QStringList lines = analysed.out.split(QLatin1Char('\n'));
  const QString current = lines.filter(QStringLiteral("Aktuelle Runde:")).value(0);
  const QString total = lines.filter(QStringLiteral("Datensätze des Spiels:")).value(0);
  EXPECT_EQ(current.section(QLatin1Char(' '), -1), total.section(QLatin1Char(' '), -1));
  EXPECT_NE(cli({QStringLiteral("cleanup"), d, dir, QStringLiteral("--delete"), QStringLiteral("aktuell")}).code, 0);
  EXPECT_NE(cli({QStringLiteral("cleanup"), d, dir, QStringLiteral("--delete"), QStringLiteral("alt")}).code, 0);
  const CliResult deleted = cli({QStringLiteral("cleanup"), d, dir, QStringLiteral("--delete"), QStringLiteral("1-6")});
  EXPECT_EQ(deleted.code, 0);
  EXPECT_TRUE(deleted.out.contains(QStringLiteral("Gelöscht: 0")));
}

}  // namespace
