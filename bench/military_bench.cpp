// Group, army and ship reports over a database of 30,000 units and 5,000
// ships, and the time the order checker run adds to the checker's own.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/gamesession.h"
#include "db/database.h"
#include "db/schema.h"
#include "db/sqlitestatement.h"
#include "military/armyreport.h"
#include "military/groupings.h"
#include "military/shipregister.h"
#include "orders/checkerrun.h"

namespace {

constexpr int kUnits = 30000;
constexpr int kShips = 5000;
constexpr int kRound = 3806;
constexpr int kOwnParty = 146;

QTemporaryDir& benchDir() {
  static QTemporaryDir dir;
  return dir;
}

// Units and ships spread over 40 parties, half of them of the current round;
// every unit row carries its full item block as an import writes it.
Database& filledDatabase() {
  static Database* db = [] {
    auto* d = new Database;
    d->open(benchDir().filePath(QStringLiteral("military.sqlite")), true);
    d->begin();
    const schema::TableDef& units = schema::einheiten();
    QStringList names, marks;
    for (int i = 0; i < units.fields.size(); ++i) {
      names << schema::quoted(units.fields.at(i).name);
      marks << QStringLiteral("?%1").arg(i + 1);
    }
    SqliteStatement u(d->handle(), QStringLiteral("INSERT INTO \"einheiten\" (%1) VALUES (%2)")
                                       .arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    const QStringList groups = {QString(), QStringLiteral("1. Armee"), QStringLiteral("2. Armee"),
                                QStringLiteral("Händler"), QStringLiteral("Keine"), QStringLiteral("Arbeiter")};
    auto position = [&](const char* name) {
      for (int i = 0; i < units.fields.size(); ++i)
        if (units.fields.at(i).name == QString::fromUtf8(name)) return i + 1;
      return -1;
    };
    const int pSpiel = position("Spiel"), pPos = position("Einheit Position"), pNr = position("Einheit Nr"),
              pName = position("Einheit Name"), pPers = position("Personen"), pParty = position("Partei Nr"),
              pRound = position("Info Datum"), pGroup = position("Gruppe"), pPole = position("Stangenwaffen"),
              pBow = position("Bogenschiessen");
    for (int n = 0; n < kUnits; ++n) {
      u.reset();
      for (int i = schema::kItemBlockFirst; i <= schema::kItemBlockLast; ++i) u.bind(i, (n * 7 + i) % 50);
      u.bind(pSpiel, n % 10 == 9 ? 2 : 1);
      u.bind(pPos, QStringLiteral("%1/%2").arg(n % 97 - 40).arg(n % 89 - 30));
      u.bind(pNr, 1000 + n);
      u.bind(pName, QStringLiteral("Einheit %1").arg(n));
      u.bind(pPers, 1 + n % 300);
      u.bind(pParty, n % 5 == 0 ? kOwnParty : 1000 + n % 40);
      u.bind(pRound, n % 2 == 0 ? kRound : kRound - 1);
      u.bind(pGroup, groups.at(n % groups.size()));
      u.bind(pPole, QStringLiteral("%1 3").arg(180 + n % 100));
      u.bind(pBow, QStringLiteral("%1 2").arg(90 + n % 50));
      u.execute();
    }
    SqliteStatement s(d->handle(), QStringLiteral("INSERT INTO \"schiffe\" (\"Spiel\", \"Schiffs Position\", \"Schiffs Nr\", "
                                                  "\"Schiffs Name\", \"Schiffstyp\", \"Partei\", \"Prozent\", \"Info Datum\") "
                                                  "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"));
    const QStringList types = {QStringLiteral("Boot"), QStringLiteral("Langboot"), QStringLiteral("Karavelle")};
    for (int n = 0; n < kShips; ++n) {
      s.reset();
      s.bind(1, n % 10 == 9 ? 2 : 1);
      s.bind(2, QStringLiteral("%1/%2").arg(n % 97 - 40).arg(n % 89 - 30));
      s.bind(3, 5000 + n);
      s.bind(4, QStringLiteral("Schiff %1").arg(n));
      s.bind(5, types.at(n % types.size()));
      s.bind(6, n % 5 == 0 ? kOwnParty : 1000 + n % 40);
      s.bind(7, double(n % 120 - 20));
      s.bind(8, n % 2 == 0 ? kRound : kRound - 1);
      s.execute();
    }
    d->commit();
    return d;
  }();
  return *db;
}

GameSession session() {
  GameSession g;
  g.slot = 1;
  g.roundCode = kRound;
  g.ownPartyNumber = kOwnParty;
  return g;
}

void BM_GroupingsOwnParty(benchmark::State& state) {
  Database& db = filledDatabase();
  const GameSession game = session();
  groupings::Filter f;
  f.partyNumber = QString::number(kOwnParty);
  f.round = QString::number(kRound);
  qsizetype rows = 0;
  for (auto _ : state) rows = groupings::Gruppierungen(db, game, f).rows.size();
  state.counters["rows"] = double(rows);
}

void BM_GroupingsAllParties(benchmark::State& state) {
  Database& db = filledDatabase();
  const GameSession game = session();
  groupings::Filter f;
  f.partyNumber = QStringLiteral("-2");
  f.round = QString::number(kRound);
  qsizetype rows = 0;
  for (auto _ : state) rows = groupings::Gruppierungen(db, game, f).rows.size();
  state.counters["rows"] = double(rows);
}

void BM_ArmyReport(benchmark::State& state) {
  Database& db = filledDatabase();
  const GameSession game = session();
  qsizetype rows = 0;
  for (auto _ : state) rows = armyreport::Truppenverwaltung(db, game, QStringLiteral("Alle")).rows.size();
  state.counters["rows"] = double(rows);
}

void BM_ShipRegisterAllParties(benchmark::State& state) {
  Database& db = filledDatabase();
  const GameSession game = session();
  const shipregister::Filter f{QStringLiteral("-2"), QStringLiteral("Alle"), QString::number(kRound)};
  qsizetype rows = 0;
  for (auto _ : state) rows = shipregister::listShips(db, game, f).rows.size();
  state.counters["rows"] = double(rows);
}

// A checker that does nothing: the whole time is what the run adds (start,
// waiting, writing check.txt, reading it back for the window).
void BM_CheckerRunOverhead(benchmark::State& state) {
  QTemporaryDir& dir = benchDir();
  QDir().mkpath(dir.filePath(QStringLiteral("status-data")));
  checker::Command c;
  c.program = QStringLiteral("/bin/true");
  c.arguments = {QStringLiteral("Zug-Spiel1-6-Schneebann,.txt")};
  c.workingDirectory = dir.path();
  c.outputPath = dir.filePath(QStringLiteral("status-data/check.txt"));
  for (auto _ : state) {
    const checker::Outcome out = checker::runAndWait(c);
    if (!out.ok) state.SkipWithError(out.message.toUtf8().constData());
    QFile shown(c.outputPath);
    shown.open(QIODevice::ReadOnly);
    benchmark::DoNotOptimize(shown.readAll());
  }
}

}  // namespace

BENCHMARK(BM_GroupingsOwnParty)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GroupingsAllParties)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ArmyReport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ShipRegisterAllParties)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CheckerRunOverhead)->Unit(benchmark::kMillisecond)->UseRealTime();
