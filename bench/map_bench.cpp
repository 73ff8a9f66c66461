// Map speed on a generated world: 8,939 regions on one level (about 160 × 100
// tiles), 3,000 own units and 500 ships. Prints the time of one world map
// drawn and saved, one small-map redraw, each layer over the world map, and
// the sharp zoomed view of a 1280 × 800 window with all three layers.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "game/gamesession.h"
#include "turn/programfolder.h"
#include "game/textutil.h"
#include "db/database.h"
#include "db/sqlitestatement.h"
#include "map/overlays.h"
#include "map/smallmap.h"
#include "map/worldhex.h"
#include "map/worldmap.h"
#include "map/zoomedmap.h"

namespace {

constexpr int kRegions = 8939;
constexpr int kUnits = 3000;
constexpr int kShips = 500;
constexpr qint32 kRound = 4101;
constexpr qint32 kOwnParty = 100;

struct World {
  QTemporaryDir dir;
  Database db;
  GameSession session;
  QList<QPair<int, int>> regions;
  QSize mapSize;

  World() {
    programfolder::initProgramFolder(dir.path());
    db.open(textutil::joinPath(dir.path(), Database::fileName()));
    session.slot = 1;
    session.gameTypeText = QStringLiteral("Molvanth");
    session.programPath = textutil::normalizeDirectory(dir.path());
    session.roundCode = kRound;
    session.ownPartyNumber = kOwnParty;
    static const char* const types[] = {"Ozean", "Ebene", "Wald", "Berge", "Hochland", "Sumpf", "Wüste", "Gletscher"};
    db.begin();
    SqliteStatement region(db.handle(),
                           QStringLiteral("INSERT INTO regionen (\"Spiel\", \"Breite\", \"Länge\", \"Ebene\", "
                                          "\"Regiontyp\", \"Strasse\", \"Strasse2\", \"Strasse4\", \"Umgebung\", "
                                          "\"Info Datum\", \"Regionname\") VALUES (1, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?)"));
    // 100 rows of 110 regions, each row half a tile right of the one below:
    // about 160 × 100 tiles. A bijective shuffle of the 11,000 cells keeps
    // exactly 8,939 of them.
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 110; ++x) {
        if ((qint64(y * 110 + x) * 7919) % 11000 >= kRegions) continue;
        const int n = int(regions.size());
        region.reset();
        region.bind(1, x);
        region.bind(2, y);
        region.bind(3, QString::fromUtf8(types[n % 8]));
        region.bind(4, n % 3 ? 100 : 50);
        region.bind(5, n % 2 ? 100 : QVariant());
        region.bind(6, 100);
        region.bind(7, n % 4 == 0 ? QStringLiteral("Kampf in Runde %1").arg(kRound)
                                  : (n % 4 == 1 ? QStringLiteral("spendete 10 Silber") : QString()));
        region.bind(8, kRound);
        // Short names fit from 4× on, long ones only at 8×.
        region.bind(9, n % 2 ? QStringLiteral("Ort%1").arg(n % 100) : QStringLiteral("Nebelmark-%1").arg(n));
        region.execute();
        regions.append({x, y});
      }
    SqliteStatement unit(db.handle(), QStringLiteral("INSERT INTO einheiten (\"Spiel\", \"Einheit Nr\", \"Einheit Position\", "
                                                     "\"Partei Nr\", \"Flags\", \"Info Datum\") VALUES (1, ?, ?, ?, ?, ?)"));
    for (int n = 0; n < kUnits; ++n) {
      const auto& r = regions.at((n * 37) % regions.size());
      unit.reset();
      unit.bind(1, n + 1);
      unit.bind(2, QStringLiteral("%1/%2").arg(r.first).arg(r.second));
      unit.bind(3, kOwnParty);
      unit.bind(4, n % 3 ? QString() : QStringLiteral("x"));
      unit.bind(5, kRound);
      unit.execute();
    }
    SqliteStatement ship(db.handle(), QStringLiteral("INSERT INTO schiffe (\"Spiel\", \"Schiffs Nr\", \"Schiffs Position\", "
                                                     "\"Partei\", \"Info Datum\") VALUES (1, ?, ?, ?, ?)"));
    for (int n = 0; n < kShips; ++n) {
      const auto& r = regions.at((n * 101) % regions.size());
      ship.reset();
      ship.bind(1, n + 1);
      ship.bind(2, QStringLiteral("%1/%2").arg(r.first).arg(r.second));
      ship.bind(3, n % 2 ? kOwnParty : 7);
      ship.bind(4, kRound);
      ship.execute();
    }
    db.commit();
    const worldmap::Drawing d = worldmap::displayWorldMapHex(db, session);
    mapSize = d.image.size();
  }
};

World& world() {
  static World w;
  return w;
}

void BM_WorldMapDrawnAndSaved(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    const worldmap::Drawing d = worldmap::displayWorldMapHex(w.db, w.session);
    benchmark::DoNotOptimize(d.image.constBits());
  }
  state.counters["regionen"] = double(w.regions.size());
  state.counters["breite_px"] = w.mapSize.width();
  state.counters["hoehe_px"] = w.mapSize.height();
}

void BM_SmallMapRedraw(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    const smallmap::Drawing d = smallmap::displaySmallMap(w.db, w.session, 30, 50);
    benchmark::DoNotOptimize(d.marks.constBits());
  }
}

void BM_ShipLayer(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) benchmark::DoNotOptimize(overlays::drawShips(w.db, w.session, w.mapSize).image.constBits());
}

void BM_UnitLayer(benchmark::State& state) {
  World& w = world();
  overlays::UnitOverlay units;
  for (auto _ : state) benchmark::DoNotOptimize(units.draw(w.db, w.session, w.mapSize));
}

void BM_RegionMessageLayer(benchmark::State& state) {
  World& w = world();
  for (auto _ : state)
    benchmark::DoNotOptimize(overlays::drawRegionMessages(w.db, w.session, w.mapSize).image.constBits());
}

// The window's zoomed map: what one paint of a 1280 × 800 view costs, with
// the three layers over it. The regions and layers are loaded once, as the
// window keeps them while the map is shown.
struct ZoomedView {
  World& w = world();
  zoomedmap::Renderer renderer{w.session.path(QStringLiteral("images")), zoomedmap::Regions::load(w.db, w.session)};
  overlays::Layer ships = overlays::drawShips(w.db, w.session, w.mapSize);
  overlays::Layer notes = overlays::drawRegionMessages(w.db, w.session, w.mapSize);
  overlays::UnitOverlay units;
  QImage screen{1280, 800, QImage::Format_RGB32};
  ZoomedView() { units.draw(w.db, w.session, w.mapSize); }

  // The view with its top-left corner at `at` (zoomed pixels).
  void paint(int scale, QPoint at) {
    const worldhex::ZoomedGeometry g(w.session.mapOriginX, w.session.mapOriginY, w.mapSize.height(), scale);
    const QRect exposed(at, screen.size());
    QPainter p(&screen);
    p.translate(-at);
    p.fillRect(exposed, Qt::white);
    renderer.draw(p, g, exposed);
    for (const QList<overlays::Mark>* marks : {&std::as_const(ships.marks), &units.marks(), &std::as_const(notes.marks)})
      zoomedmap::drawMarks(p, g, *marks, exposed);
  }
};

ZoomedView& zoomedView() {
  static ZoomedView v;
  return v;
}

void BM_ZoomedView4xAllLayers(benchmark::State& state) {
  ZoomedView& v = zoomedView();
  v.paint(4, QPoint(1920, 1200));
  for (auto _ : state) {
    v.paint(4, QPoint(1920, 1200));
    benchmark::DoNotOptimize(v.screen.constBits());
  }
}

void BM_ZoomStepRedraw(benchmark::State& state) {
  // Between 4× and 6× around the same middle: each paint first makes the
  // terrain pictures of the new scale.
  ZoomedView& v = zoomedView();
  int scale = 4;
  for (auto _ : state) {
    scale = scale == 4 ? 6 : 4;
    v.paint(scale, QPoint(2560, 1600) * scale / 4 - QPoint(640, 400));
    benchmark::DoNotOptimize(v.screen.constBits());
  }
}

void BM_ScrollOneScreenRedraw(benchmark::State& state) {
  ZoomedView& v = zoomedView();
  int screen = 0;
  for (auto _ : state) {
    screen = (screen + 1) % 3;
    v.paint(4, QPoint(640 + 1280 * screen, 1200));
    benchmark::DoNotOptimize(v.screen.constBits());
  }
}

void BM_ZoomedRegionsLoaded(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) benchmark::DoNotOptimize(zoomedmap::Regions::load(w.db, w.session).size());
}

}  // namespace

BENCHMARK(BM_ZoomedView4xAllLayers)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ZoomStepRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScrollOneScreenRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ZoomedRegionsLoaded)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WorldMapDrawnAndSaved)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SmallMapRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ShipLayer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UnitLayer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RegionMessageLayer)->Unit(benchmark::kMillisecond)->UseRealTime();
