// The region view of a busy region (200 units, 20 buildings, 20 ships) in
// a database of 30,000 units and 10 rounds of buildings and ships for 10,000
// regions, and the unit view of one unit of that region. Prints ms per call.
#include <benchmark/benchmark.h>

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

#include "game/gamesession.h"
#include "db/database.h"
#include "db/schema.h"
#include "report/reportpages.h"
#include "views/regionview.h"
#include "views/unitview.h"
#include "views/viewtables.h"

namespace {

constexpr int kSide = 100;  // 100 x 100 regions
constexpr int kRounds = 10;
constexpr int kRound = 3806;
constexpr int kBusyX = 50;
constexpr int kBusyY = 50;

struct BusyWorld {
  QTemporaryDir dir;
  Database db;
  GameSession session;
  ReportPages pages;
  std::unique_ptr<ViewTables> tables;

  BusyWorld() {
    db.open(dir.filePath(QStringLiteral("bench.sqlite")), true);
    session.slot = 1;
    session.roundCode = kRound;
    session.ownPartyNumber = 146;
    session.ownPartyName = QStringLiteral("Eigene");
    db.begin();
    QSqlQuery q(db.sql());
    q.prepare(QStringLiteral("INSERT INTO regionen (\"Spiel\", \"Breite\", \"Länge\", \"Ebene\", \"Regionname\", \"Info Datum\") VALUES (1, ?, ?, 0, 'R', ?)"));
    for (int x = 0; x < kSide; ++x)
      for (int y = 0; y < kSide; ++y) {
        q.addBindValue(x);
        q.addBindValue(y);
        q.addBindValue(kRound);
        q.exec();
      }
    QSqlQuery b(db.sql());
    b.prepare(QStringLiteral("INSERT INTO burgen (\"Spiel\", \"Burg Position\", \"Burg Nr\", \"Burg Name\", \"Typ\", \"Burggrösse\", \"Info Datum\") VALUES (1, ?, ?, 'B', 'Burg', 10, ?)"));
    QSqlQuery s(db.sql());
    s.prepare(QStringLiteral("INSERT INTO schiffe (\"Spiel\", \"Schiffs Position\", \"Schiffs Nr\", \"Schiffs Name\", \"Schiffstyp\", \"Prozent\", \"Ladung\", \"MaxLadung\", \"Kueste\", \"Info Datum\") VALUES (1, ?, ?, 'S', 'Boot', 100, 0, 50, 'Ostküste', ?)"));
    int number = 1;
    int firstBusyNumber = 0;
    for (int round = 0; round < kRounds; ++round)
      for (int x = 0; x < kSide; ++x)
        for (int y = 0; y < kSide; ++y) {
          const QString pos = QStringLiteral("%1/%2").arg(x).arg(y);
          const bool busy = x == kBusyX && y == kBusyY && round == kRounds - 1;
          if (busy) firstBusyNumber = number;
          for (int k = 0; k < (busy ? 20 : 1); ++k, ++number) {
            for (QSqlQuery* t : {&b, &s}) {
              t->addBindValue(pos);
              t->addBindValue(number);
              t->addBindValue(kRound - kRounds + 1 + round);
              t->exec();
            }
          }
        }
    QSqlQuery u(db.sql());
    u.prepare(QStringLiteral("INSERT INTO einheiten (\"Spiel\", \"Einheit Position\", \"Einheit Nr\", \"Einheit Name\", \"Personen\", \"Partei Nr\", \"Stationiert\", \"Rasse\", \"Info Datum\", \"Silber\", \"Schwert\", \"Ausdauer\", \"Taktik\") VALUES (1, ?, ?, 'Einheit', 10, ?, ?, 'Menschen', ?, 500, 10, '300 3', '90 2')"));
    auto addUnit = [&](const QString& pos, int nr, int party, const QString& stationed) {
      u.addBindValue(pos);
      u.addBindValue(nr);
      u.addBindValue(party);
      u.addBindValue(stationed);
      u.addBindValue(kRound);
      u.exec();
    };
    for (int i = 0; i < 30000 - 200; ++i)
      addUnit(QStringLiteral("%1/%2").arg(i % kSide).arg((i / kSide) % kSide), 100000 + i, 7, QString());
    // The busy region: units in its buildings, on its ships and outside.
    for (int i = 0; i < 200; ++i) {
      QString stationed;
      if (i % 4 == 1) stationed = QStringLiteral("B ") + codec::Encode(firstBusyNumber + i % 20);
      if (i % 4 == 2) stationed = QStringLiteral("S ") + codec::Encode(firstBusyNumber + i % 20);
      addUnit(QStringLiteral("%1/%2").arg(kBusyX).arg(kBusyY), 500 + i, i % 2 ? 146 : 7, stationed);
    }
    db.commit();
    tables = std::make_unique<ViewTables>(db);
  }
};

BusyWorld& world() {
  static BusyWorld w;
  return w;
}

void BM_RegionViewOfABusyRegion(benchmark::State& state) {
  BusyWorld& w = world();
  int listed = 0;
  for (auto _ : state) {
    const RegionView v = getSekKoo(*w.tables, w.session, kBusyX, kBusyY, RegionFilters{});
    listed = int(v.unitList.size());
    benchmark::DoNotOptimize(listed);
  }
  state.counters["Listenzeilen"] = listed;
}

void BM_UnitViewOfOneUnit(benchmark::State& state) {
  BusyWorld& w = world();
  const QString position = QStringLiteral("%1/%2").arg(kBusyX).arg(kBusyY);
  int lines = 0;
  for (auto _ : state) {
    const UnitView v = showUnit(*w.tables, w.session, w.pages, position, 601);
    lines = int(v.items.size() + v.skills.size());
    benchmark::DoNotOptimize(lines);
  }
  state.counters["Zeilen"] = lines;
}

}  // namespace

BENCHMARK(BM_RegionViewOfABusyRegion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnitViewOfOneUnit)->Unit(benchmark::kMillisecond);
