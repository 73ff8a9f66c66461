// Whole imports compared with a stored dump of everything they leave behind:
// every table row in full order, every file of the program folder (status
// files, possessions tree, settings, order template) and the template shown.
// Set ZENDRAL_WRITE_DUMPS=1 to store the dumps anew after an intended change.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include "game/textutil.h"
#include "db/database.h"
#include "db/schema.h"
#include "report/reportgame.h"
#include "support/testsupport.h"

namespace {

// Rows ordered by every column, so equal keys cannot swap places; a row
// lists its non-empty fields by name, which keeps the dumps short.
QString dumpTables(Database& db) {
  QString out;
  for (const schema::TableDef* def : schema::allTables()) {
    out += QStringLiteral("== table %1\n").arg(def->name);
    QSqlQuery q(db.sql());
    q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(schema::quoted(def->name)));
    QStringList order;
    for (int i = 1; i <= q.record().count(); ++i) order << QString::number(i);
    q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(schema::quoted(def->name), order.join(QLatin1Char(','))));
    while (q.next()) {
      QStringList cells;
      for (int i = 0; i < q.record().count(); ++i) {
        const QVariant v = q.value(i);
        if (v.isNull() || v.toString().isEmpty()) continue;
        cells << q.record().fieldName(i) + QLatin1Char('=') + v.toString();
      }
      out += cells.join(QLatin1Char('|')) + QLatin1Char('\n');
    }
  }
  return out;
}

// Every text file below the program folder but the database, its backup and pictures.
QString dumpFiles(const QString& root) {
  QStringList paths;
  QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QString rel = QDir(root).relativeFilePath(path);
    if (rel.contains(QLatin1String(".sqlite")) || rel.endsWith(QLatin1String(".bmp")) ||
        rel.endsWith(QLatin1String(".png")))
      continue;
    paths << rel;
  }
  paths.sort();
  QString out;
  for (const QString& rel : paths) {
    QFile f(textutil::joinPath(root, rel));
    f.open(QIODevice::ReadOnly);
    out += QStringLiteral("== file %1\n").arg(rel) + QString::fromUtf8(f.readAll());
    if (!out.endsWith(QLatin1Char('\n'))) out += QLatin1Char('\n');
  }
  return out;
}

struct Case {
  const char* name;        // also the stored dump's file name
  const char* type;        // game type of the slot
  QStringList reports;     // read one after the other into the same slot
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

QString shared(const char* name) { return testsupport::sharedReport(QString::fromUtf8(name)); }
QString own(const char* name) { return testsupport::testData(QString::fromUtf8(name)); }

class ImportDump : public ::testing::TestWithParam<Case> {};

TEST_P(ImportDump, MatchesStoredDump) {
  const Case& c = GetParam();
  reportgame::Game g(QString::fromUtf8(c.type));
  QString dump;
  for (const QString& report : c.reports) {
    const ImportOutcome outcome = g.readFile(report);
    // Paths differ from checkout to checkout: the dump names files only.
    const QString name = QFileInfo(report).fileName();
    const QString message = QString(outcome.message).replace(report, name);
    dump += QStringLiteral("== import %1: %2 %3\n").arg(name).arg(int(outcome.status)).arg(message);
  }
  dump += QStringLiteral("== shown template\n") + g.game.orders.lines().join(QLatin1Char('\n')) + QLatin1Char('\n');
  dump += dumpTables(g.db);
  g.db.close();
  dump += dumpFiles(g.tmp.path());
  dump.replace(g.tmp.path(), QStringLiteral("<dir>"));

  const QString stored = own("equivalence/") + QString::fromUtf8(c.name) + QStringLiteral(".dump");
  if (qEnvironmentVariableIsSet("ZENDRAL_WRITE_DUMPS")) testsupport::writeFile(stored, dump.toUtf8());
  QFile f(stored);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "no stored dump " << stored.toStdString();
  const QStringList want = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
  const QStringList got = dump.split(QLatin1Char('\n'));
  // Name the first line that differs rather than print two long texts.
  for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
    const QString w = want.value(i, QStringLiteral("<end>"));
    const QString g = got.value(i, QStringLiteral("<end>"));
    ASSERT_EQ(g.toStdString(), w.toStdString()) << "dump line " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ImportDump,
    ::testing::Values(Case{"neue-partei", "Molvanth", {shared("1234-neue-partei.cr")}},
                      Case{"neue-partei-quarnel", "Quarnel", {shared("1234-neue-partei.cr")}},
                      Case{"kampf-bom", "Molvanth", {shared("334-kampf-bom.cr")}},
                      Case{"beispiel", "Molvanth", {own("481-beispiel.cr")}},
                      Case{"beispiel-latin1", "Molvanth", {shared("550-beispiel-latin1.cr")}},
                      Case{"astral", "Molvanth", {shared("astral-latin1.cr")}},
                      Case{"zwei-runden", "Molvanth", {shared("481-beispiel.cr"), shared("550-beispiel-latin1.cr")}},
                      Case{"heute", "Molvanth", {own("equivalence/heute.cr")}},
                      Case{"alle-schluessel", "Molvanth", {own("equivalence/alle-schluessel.cr")}},
                      Case{"erzeugt", "Molvanth", {own("equivalence/erzeugt.cr")}}),
    [](const ::testing::TestParamInfo<Case>& info) {
      QString name = QString::fromUtf8(info.param.name);
      name.remove(QLatin1Char('-'));
      return name.toStdString();
    });

}  // namespace
