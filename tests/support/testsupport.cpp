#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>

#include "db/schema.h"

namespace testsupport {

ImportFixture::ImportFixture(int gameType, int slot) {
  db.open(QStringLiteral(":memory:"), true);
  game.gameType = gameType;
  game.gameTypeText = gameType == kMolvanth ? QStringLiteral("Molvanth") : QStringLiteral("Quarnel");
  game.slot = slot;
  game.idBase = 36;
  tables = std::make_unique<ImportTables>(db);
  state = std::make_unique<ImportState>(game, *tables, pages, status, orders, tree, progress);
}

ImportFixture::~ImportFixture() {
  state.reset();
  tables.reset();
  db.close();
}

void ImportFixture::setReport(const QStringList& lines, int currentLine) {
  state->lines = lines;
  state->currentLine = currentLine;
}

int rowCount(Database& db, const QString& table) {
  QSqlQuery q(db.sql());
  q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(schema::quoted(table)));
  return q.next() ? q.value(0).toInt() : -1;
}

QString dump(Database& db) {
  QString out;
  for (const schema::TableDef* def : schema::allTables()) {
    out += QStringLiteral("== %1\n").arg(def->name);
    QSqlQuery q(db.sql());
    q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2, 3").arg(schema::quoted(def->name)));
    while (q.next()) {
      QStringList cells;
      for (int i = 0; i < q.record().count(); ++i)
        cells << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
      out += cells.join(QLatin1Char('|')) + QLatin1Char('\n');
    }
  }
  return out;
}

QString sharedReport(const QString& name) { return QStringLiteral(ZENDRAL_SHARED_DIR "/reports/") + name; }
QString testData(const QString& name) { return QStringLiteral(ZENDRAL_TEST_DATA "/") + name; }

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QString nextWeekReport(const QString& folder) {
  QFile in(testData(QStringLiteral("481-beispiel.cr")));
  if (!in.open(QIODevice::ReadOnly)) return QString();
  QByteArray bytes = in.readAll();
  bytes.replace("\n481;Runde", "\n482;Runde").replace("\n\"Falke\";Name", "\n\"Habicht\";Name");
  const QString path = QDir(folder).filePath(QStringLiteral("482-beispiel.cr"));
  writeFile(path, bytes);
  return path;
}

}  // namespace testsupport
