// region, unit and orders of the headless tool on a real report.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "game/textutil.h"
#include "support/testsupport.h"

namespace {

struct CliResult {
  int code = -1;
  QString out, err;
};

CliResult cli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(ZENDRAL_CLI), args);
  p.waitForFinished(60000);
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString u8(const char* text) { return QString::fromUtf8(text); }

TEST(ViewCommands, RegionUnitAndOrdersOfTheOwnUnit) {
  QTemporaryDir tmp;
  const QString dir = tmp.path();
  ASSERT_EQ(cli({u8("init"), dir}).code, 0);
  ASSERT_EQ(cli({u8("import"), u8("--dir"), dir, u8("--typ"), u8("Molvanth"), u8("--ja"),
                 testsupport::sharedReport(u8("481-beispiel.cr"))})
                .code,
            0);
  const CliResult region = cli({u8("region"), u8("--dir"), dir, u8("--alle"), u8("14"), u8("-27")});
  ASSERT_EQ(region.code, 0) << region.err.toStdString();
  const QString listing = region.out.section(u8("Einheiten in Region :\n"), 1).section(u8("Statistik"), 0, 0);
  EXPECT_EQ(listing, u8("  -Burg : Falkentürme, Burg, größe: 374 (asb2)\n"
                        "                Falke (wzqt) , Halblinge\n"
                        "      Erschlagene der Verfluchten (Lnme) , Zombies\n"));
  EXPECT_TRUE(region.out.contains(u8("eigene Leute: 9")));
  EXPECT_TRUE(region.out.contains(u8("   Falke (wzqt) für Die Spielkinder")));

  const CliResult unit = cli({u8("unit"), u8("--dir"), dir, u8("wzqt")});
  ASSERT_EQ(unit.code, 0) << unit.err.toStdString();
  EXPECT_TRUE(unit.out.contains(u8("Gegenstände\n  9 Schwert\n  9 Schild\n")));

  const QString edited = tmp.filePath(u8("befehle.txt"));
  testsupport::writeFile(edited, u8(" EINHEIT wzqt;\tFalke\n    LERNE Tarnung\n    BEWACHE\n").toUtf8());
  const CliResult set = cli({u8("orders"), u8("--dir"), dir, u8("wzqt"), u8("--set"), edited, u8("--mark"), u8("X")});
  ASSERT_EQ(set.code, 0) << set.err.toStdString();
  EXPECT_TRUE(set.out.contains(u8("Flags: „BX“")));
  EXPECT_TRUE(set.out.contains(u8("hellgrün")));
  const CliResult again = cli({u8("orders"), u8("--dir"), dir, u8("wzqt")});
  EXPECT_EQ(again.out, u8(" EINHEIT wzqt;\tFalke [9,0$,Gasb2]\n    LERNE Tarnung\n    BEWACHE\n"));
  EXPECT_TRUE(cli({u8("region"), u8("--dir"), dir, u8("14"), u8("-27")}).out.contains(u8("      *       Falke (wzqt)")));

  const CliResult foreign = cli({u8("orders"), u8("--dir"), dir, u8("Lnme")});
  EXPECT_NE(foreign.code, 0);
  EXPECT_TRUE(foreign.err.contains(u8("nicht zur eigenen Partei")));
  EXPECT_EQ(cli({u8("unit"), u8("--dir"), dir, u8("zzzz")}).code, 1);
}

}  // namespace
