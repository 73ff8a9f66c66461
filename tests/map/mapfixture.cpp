#include "mapfixture.h"

#include <gtest/gtest.h>

#include "turn/programfolder.h"
#include "db/sqlitestatement.h"

namespace maptest {

namespace {
void insert(Database& db, const QString& table, const QVariantMap& values) {
  QStringList names, marks;
  for (auto it = values.begin(); it != values.end(); ++it) {
    names << QLatin1Char('"') + it.key() + QLatin1Char('"');
    marks << QStringLiteral("?");
  }
  SqliteStatement q(db.handle(), QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                     .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
  int i = 1;
  for (const QVariant& v : values) q.bind(i++, v);
  q.execute();
}
}  // namespace

MapFixture::MapFixture() {
  programfolder::initProgramFolder(dir.path());
  db.open(dir.path() + QStringLiteral("/Molvanth.sqlite"));
  session.slot = 1;
  session.slotName = QStringLiteral("Test");
  session.gameTypeText = QStringLiteral("Molvanth");
  session.programPath = dir.path() + QLatin1Char('/');
  session.roundCode = 3806;
  session.ownPartyNumber = 100;
}

void MapFixture::region(int x, int y, int level, const QString& type, const QVariantMap& more) {
  QVariantMap v = more;
  v.insert(QStringLiteral("Spiel"), session.slot);
  v.insert(QStringLiteral("Breite"), x);
  v.insert(QStringLiteral("Länge"), y);
  v.insert(QStringLiteral("Ebene"), level);
  v.insert(QStringLiteral("Regiontyp"), type);
  if (!v.contains(QStringLiteral("Info Datum"))) v.insert(QStringLiteral("Info Datum"), session.roundCode);
  insert(db, QStringLiteral("regionen"), v);
}

void MapFixture::ship(int number, const QString& position, qint32 party, qint32 round) {
  insert(db, QStringLiteral("schiffe"),
         {{QStringLiteral("Spiel"), session.slot}, {QStringLiteral("Schiffs Nr"), number},
          {QStringLiteral("Schiffs Position"), position}, {QStringLiteral("Partei"), party},
          {QStringLiteral("Info Datum"), round}});
}

void MapFixture::unit(int number, const QString& position, const QString& flags, qint32 party, qint32 round) {
  insert(db, QStringLiteral("einheiten"),
         {{QStringLiteral("Spiel"), session.slot}, {QStringLiteral("Einheit Nr"), number},
          {QStringLiteral("Einheit Position"), position}, {QStringLiteral("Flags"), flags},
          {QStringLiteral("Partei Nr"), party}, {QStringLiteral("Info Datum"), round}});
}

}  // namespace maptest
