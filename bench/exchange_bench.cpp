// Map exchange and unit cleanup on a large slot: full export and import of an
// 8,939-region map, and the cleanup analysis over 100,000 unit rows.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

#include "db/cleanup.h"
#include "db/database.h"
#include "db/sqlitestatement.h"
#include "db/table.h"
#include "map/mapexchange.h"

namespace {

constexpr int kRegions = 8939;
constexpr int kUnits = 100000;

QTemporaryDir& workDir() {
  static QTemporaryDir dir;
  return dir;
}

// A database file with the big map in slot 1 and the units in slot 1.
Database& bigDatabase() {
  static Database db;
  if (db.isOpen()) return db;
  db.open(workDir().filePath(QStringLiteral("bench.sqlite")), true);
  db.begin();
  {
    SqliteStatement region(db.handle(), QStringLiteral(
        "INSERT INTO regionen (\"Spiel\", \"Breite\", \"Länge\", \"Ebene\", \"Regiontyp\", \"Regionname\", "
        "\"Bauern\", \"Info Datum\") VALUES (1, ?, ?, ?, ?, ?, 1000, 3806)"));
    const char* terrains[] = {"Ozean", "Ebene", "Wald", "Berge", "Ozean", "Sumpf", "Hochland", "Wüste"};
    for (int i = 0; i < kRegions; ++i) {
      region.reset();
      region.bind(1, i % 97 - 48);
      region.bind(2, i / 97 - 46);
      region.bind(3, i < 8000 ? 0 : 1);
      const QString terrain = QString::fromUtf8(terrains[i % 8]);
      region.bind(4, terrain);
      region.bind(5, terrain == QLatin1String("Ozean") ? terrain : QStringLiteral("Gegend %1").arg(i));
      region.execute();
    }
    SqliteStatement unit(db.handle(), QStringLiteral(
        "INSERT INTO einheiten (\"Spiel\", \"Einheit Nr\", \"Einheit Name\", \"Personen\", \"Einheit Position\", "
        "\"Einheit Beschreibung\", \"Partei Nr\", \"Info Datum\") VALUES (1, ?, ?, 10, '3/4', 'Beschreibung', ?, ?)"));
    for (int i = 0; i < kUnits; ++i) {
      unit.reset();
      unit.bind(1, i + 1);
      unit.bind(2, QStringLiteral("Einheit %1").arg(i));
      unit.bind(3, i % 50 == 0 ? 4711 : 100 + i % 300);
      const int age = i % 60;  // rounds since last seen, spread over every class
      const int month = (38 * 12 + 6) - age;
      unit.bind(4, (month - 1) / 12 * 100 + (month - 1) % 12 + 1);
      unit.execute();
    }
  }
  db.commit();
  return db;
}

// The region table of one slot, filtered as after opening the game.
std::unique_ptr<Table> slotRegions(int slot) {
  auto t = std::make_unique<Table>(bigDatabase(), QStringLiteral("regionen"));
  t->setSlotFilter(slot);
  t->setFiltered(true);
  return t;
}

void BM_FullMapExport(benchmark::State& state) {
  const auto regionen = slotRegions(1);
  const QString path = workDir().filePath(QStringLiteral("export.txt"));
  int regions = 0;
  for (auto _ : state) {
    const auto result = mapexchange::exportFullMap(*regionen, path);
    if (!result.ok()) state.SkipWithError(result.error.toStdString().c_str());
    regions = result.regions;
  }
  state.counters["regions"] = regions;
}

// The area export around the map's middle, with the default radius and one
// that spans the whole map.
void BM_AreaExport(benchmark::State& state) {
  const auto regionen = slotRegions(1);
  const QString path = workDir().filePath(QStringLiteral("area.txt"));
  int regions = 0;
  for (auto _ : state) regions = mapexchange::exportArea(*regionen, 1, 0, 0, int(state.range(0)), path).regions;
  state.counters["regions"] = regions;
}

void BM_FullMapImportIntoEmptySlot(benchmark::State& state) {
  Database& db = bigDatabase();
  const QString path = workDir().filePath(QStringLiteral("import.txt"));
  mapexchange::exportFullMap(*slotRegions(1), path);
  const auto regionen = slotRegions(2);
  int added = 0;
  for (auto _ : state) {
    state.PauseTiming();
    db.exec(QStringLiteral("DELETE FROM regionen WHERE \"Spiel\" = 2"));
    state.ResumeTiming();
    const auto result = mapexchange::importMap(db, *regionen, 2, path);
    if (!result.ok()) state.SkipWithError(result.error.toStdString().c_str());
    added = result.added;
  }
  state.counters["added"] = added;
}

void BM_CleanupAnalysis(benchmark::State& state) {
  Database& db = bigDatabase();
  const cleanup::Context context{1, 3806, 4711, true, 36};
  int rows = 0;
  for (auto _ : state) {
    const cleanup::Result result = cleanup::run(db, context);
    benchmark::DoNotOptimize(result.counters);
    rows = result.rows;
  }
  state.counters["units"] = rows;
}

}  // namespace

BENCHMARK(BM_FullMapExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AreaExport)->Arg(8)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FullMapImportIntoEmptySlot)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CleanupAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime();
