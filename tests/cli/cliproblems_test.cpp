// zendral-cli problems: every shared report's template is sound once each
// unit has one long order and the faction a password; a fault is printed
// with its line and unit and ends with exit code 1.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "game/textutil.h"
#include "orders/orderparse.h"
#include "support/clirun.h"
#include "support/testsupport.h"

namespace {

using testsupport::cli;

QString templateOf(const QString& dir) {
  const QStringList files = QDir(dir).entryList({QStringLiteral("Zug-Spiel1-*.txt")}, QDir::Files);
  return files.size() == 1 ? QDir(dir).filePath(files.first()) : QString();
}

// The template with a password and, after each unit's header, ARBEITE in
// place of the long orders the report gave it (a unit keeps one long order).
QStringList soundened(const QStringList& lines) {
  static const QStringList longOrders = {QStringLiteral("LERNE"), QStringLiteral("NACH"), QStringLiteral("MACHE"),
                                         QStringLiteral("ARBEITE")};
  QStringList out;
  int depth = 0;  // inside MACHE TEMP ... ENDE the orders are the TEMP unit's
  for (QString line : lines) {
    const orderparse::Line l = orderparse::parseLine(line);
    if (l.frame == orderparse::Frame::Partei) line = QStringLiteral(" PARTEI %1 \"geheim\"").arg(l.arg(0));
    const QString key = l.keyword();
    if (key == QLatin1String("MACHE") && orderparse::fold(l.arg(0)) == QLatin1String("TEMP")) ++depth;
    if (key == QLatin1String("ENDE")) --depth;
    if (depth == 0 && l.kind == orderparse::LineKind::Order && longOrders.contains(key)) continue;
    out << line;
    if (l.frame == orderparse::Frame::Einheit) out << QStringLiteral("    ARBEITE");
  }
  return out;
}

TEST(CliProblems, SharedReportsTemplatesAreSoundOnceEachUnitHasOneLongOrder) {
  for (const char* report : {"1234-neue-partei.cr", "334-kampf-bom.cr", "481-beispiel.cr", "550-beispiel-latin1.cr",
                             "astral-latin1.cr"}) {
    QTemporaryDir dir;
    ASSERT_EQ(cli({QStringLiteral("init"), dir.path()}).code, 0);
    const auto imported = cli({QStringLiteral("import"), QStringLiteral("--dir"), dir.path(), QStringLiteral("--typ"),
                               QStringLiteral("Molvanth"), QStringLiteral("--ja"), testsupport::sharedReport(QString::fromLatin1(report))});
    ASSERT_EQ(imported.code, 0) << report << imported.err.toStdString();
    const auto lines = textutil::readLines(templateOf(dir.path()));
    ASSERT_TRUE(lines) << report;
    // As read, the template lacks the password (an error, exit code 1),
    // except where the report told it (the new faction's first report).
    const auto raw = cli({QStringLiteral("problems"), QStringLiteral("--dir"), dir.path()});
    const bool told = QString::fromLatin1(report) == QLatin1String("1234-neue-partei.cr");
    EXPECT_EQ(raw.out.startsWith(QStringLiteral("Zeile 1: Fehler: Kein Passwort")), !told) << report << raw.out.toStdString();
    if (!told) {
      EXPECT_EQ(raw.code, 1) << report;
    }

    const QString sound = dir.filePath(QStringLiteral("sound.txt"));
    ASSERT_TRUE(textutil::writeLinesAtomic(sound, soundened(*lines)).isEmpty());
    const auto run = cli({QStringLiteral("problems"), QStringLiteral("--dir"), dir.path(), QStringLiteral("--slot"),
                          QStringLiteral("1"), sound});
    EXPECT_EQ(run.code, 0) << report << run.err.toStdString();
    EXPECT_EQ(run.out, QString()) << report;
  }
}

TEST(CliProblems, PrintsOneLinePerProblemInLineOrderAndWarningsAloneExitWithZero) {
  QTemporaryDir dir;
  ASSERT_EQ(cli({QStringLiteral("init"), dir.path()}).code, 0);
  ASSERT_EQ(cli({QStringLiteral("import"), QStringLiteral("--dir"), dir.path(), QStringLiteral("--typ"), QStringLiteral("Molvanth"),
                 QStringLiteral("--ja"), testsupport::sharedReport(QStringLiteral("481-beispiel.cr"))})
                .code,
            0);
  const QString file = dir.filePath(QStringLiteral("orders.txt"));
  ASSERT_TRUE(textutil::writeLinesAtomic(file, {QStringLiteral("PARTEI 3rd \"pw\""), QStringLiteral("EINHEIT wzqt"),
                                                QStringLiteral("NACH nirgends"), QStringLiteral("GIB zzzz 1 Silber"),
                                                QStringLiteral("NAECHSTER")})
                  .isEmpty());
  const auto run = cli({QStringLiteral("problems"), QStringLiteral("--dir"), dir.path(), file});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, QStringLiteral("Zeile 3: Fehler: EINHEIT wzqt: Ungültige Richtung „nirgends“.\n"
                                    "Zeile 4: Warnung: EINHEIT wzqt: Die Einheit zzzz ist nicht bekannt.\n"));
  ASSERT_TRUE(textutil::writeLinesAtomic(file, {QStringLiteral("PARTEI 3rd \"pw\""), QStringLiteral("EINHEIT wzqt"),
                                                QStringLiteral("NAECHSTER")})
                  .isEmpty());
  const auto warned = cli({QStringLiteral("problems"), QStringLiteral("--dir"), dir.path(), file});
  EXPECT_EQ(warned.code, 0);
  EXPECT_EQ(warned.out, QStringLiteral("Zeile 2: Warnung: EINHEIT wzqt: Die Einheit hat keinen langen Befehl.\n"));
  EXPECT_EQ(cli({QStringLiteral("problems"), QStringLiteral("--dir"), dir.path(), dir.filePath(QStringLiteral("fehlt.txt"))}).code, 2);
}

}  // namespace
