// The sharp zoomed world map, its names and the kept view per slot.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "map/mapview.h"
#include "map/zoomedmap.h"
#include "mapfixture.h"

using maptest::MapFixture;
using worldhex::ZoomedGeometry;

namespace {
// Regions 0/0 .. 1/1 on a map with origin 0/0, two rows high.
struct ZoomedFixture : MapFixture {
  ZoomedFixture() {
    region(0, 0, 0, QStringLiteral("Ebene"), {{QStringLiteral("Strasse2"), 100}});
    region(1, 0, 0, QStringLiteral("Wald"));
    region(0, 1, 0, QStringLiteral("Sandbank"));  // no picture of its own
  }
  QImage draw(int scale, const zoomedmap::Layers& layers = {}) {
    renderer = std::make_unique<zoomedmap::Renderer>(images(), zoomedmap::Regions::load(db, session));
    return renderer->drawWhole(geometry(scale), QSize(24, 16), layers);
  }
  ZoomedGeometry geometry(int scale) const { return ZoomedGeometry(0, 0, 16, scale); }
  std::unique_ptr<zoomedmap::Renderer> renderer;
};
QColor smallTileMiddle(const MapFixture& f, const char* file) {
  return QImage(f.images() + QString::fromUtf8(file)).pixelColor(15, 15);
}
}  // namespace

TEST(ZoomedMap, HexesCarryTheSmallMapsTerrainAndRoads) {
  ZoomedFixture f;
  for (int scale : {2, 4, 8}) {
    const QImage image = f.draw(scale);
    ASSERT_EQ(image.size(), QSize(24, 16) * scale);
    const ZoomedGeometry g = f.geometry(scale);
    EXPECT_EQ(image.pixelColor(g.hexCentre(1, 0).toPoint() + QPoint(0, scale)), smallTileMiddle(f, "wald.bmp")) << scale;
    // A terrain without a picture looks unknown (grey), never white, and is named once.
    EXPECT_EQ(image.pixelColor(g.hexCentre(0, 1).toPoint() - QPoint(2 * scale, 0)), smallTileMiddle(f, "blank.bmp"));
    EXPECT_NE(smallTileMiddle(f, "blank.bmp"), QColor(Qt::white));
    EXPECT_EQ(f.renderer->messages(), QStringList{QStringLiteral("Fuer die Regionart Sandbank existiert noch keine Grafik!")});
    // Outside every hex the ground stays white: the top left box corner.
    EXPECT_EQ(image.pixelColor(g.hexTopLeft(0, 1)), QColor(Qt::white));
    // The road of 0/0 to the right runs from the middle to the right edge.
    const QPoint middle = g.hexTopLeft(0, 0) + QPoint(4 * scale, 5 * scale);
    int road = 0;
    for (int x = middle.x(); x < middle.x() + 4 * scale; ++x)
      for (int dy = -1; dy <= 1; ++dy) road += image.pixelColor(x, middle.y() + dy) == QColor(128, 0, 0);
    EXPECT_GT(road, scale) << scale;
  }
}

TEST(ZoomedMap, LayersAtTheSameScaleWithoutFrames) {
  ZoomedFixture f;
  const QList<overlays::Mark> ships = {{1, 0, overlays::Mark::Kind::OwnShip, QColor(255, 0, 0)}};
  const QList<overlays::Mark> units = {{0, 0, overlays::Mark::Kind::UnitBox, QColor(255, 0, 255)}};
  const QList<overlays::Mark> notes = {{0, 1, overlays::Mark::Kind::Diamond, QColor(255, 0, 0)}};
  const QImage image = f.draw(4, {&ships, &units, &notes});
  const ZoomedGeometry g = f.geometry(4);
  EXPECT_EQ(image.pixelColor(g.hexTopLeft(1, 0) + QPoint(14, 18)), QColor(255, 0, 0));  // dot at 3.5/4.5
  // The unit's hex is outlined on its left side, its middle keeps the terrain.
  EXPECT_EQ(image.pixelColor(g.hexTopLeft(0, 0) + QPoint(0, 20)), QColor(255, 0, 255));
  EXPECT_EQ(image.pixelColor(g.hexTopLeft(0, 0) + QPoint(1, 20)), QColor(255, 0, 255));
  EXPECT_EQ(image.pixelColor(g.hexTopLeft(0, 0) + QPoint(16, 14)), smallTileMiddle(f, "ebene.bmp"));
  EXPECT_EQ(image.pixelColor(g.hexCentre(0, 1).toPoint()), QColor(255, 0, 0));  // the diamond's inside
  // No frame: the map's outer pixels show no black line.
  EXPECT_NE(image.pixelColor(4, 4), QColor(Qt::black));
  EXPECT_NE(image.pixelColor(image.width() - 5, image.height() / 2), QColor(Qt::black));
}

TEST(ZoomedMap, NamesOnlyFromFourTimesAndWhereTheyFit) {
  const struct { int width, scale; bool fits; } cases[] = {
      {20, 2, false}, {20, 3, false}, {20, 4, true},  {28, 4, true},  {29, 4, false},
      {44, 6, true},  {45, 6, false}, {60, 8, true},  {61, 8, false}, {0, 8, false},
  };
  for (const auto& c : cases) EXPECT_EQ(zoomedmap::nameFits(c.width, c.scale), c.fits) << c.width << " at " << c.scale;
}

TEST(MapView, ZoomStepsAndTheWholeMap) {
  const struct { double zoom; int next, previous; } steps[] = {
      {1, 2, 1}, {2, 3, 1}, {4, 6, 3}, {6, 8, 4}, {8, 8, 6}, {0.3, 1, 1}, {5, 6, 4},
  };
  for (const auto& s : steps) {
    EXPECT_EQ(mapview::nextStep(s.zoom), s.next) << s.zoom;
    EXPECT_EQ(mapview::previousStep(s.zoom), s.previous) << s.zoom;
  }
  const struct { int mw, mh, vw, vh; double fit; } fits[] = {
      {80, 48, 281, 265, 3}, {1280, 800, 281, 265, 281.0 / 1280}, {8, 8, 281, 265, 8}, {200, 100, 281, 265, 1},
  };
  for (const auto& f : fits) EXPECT_DOUBLE_EQ(mapview::fittingZoom(f.mw, f.mh, f.vw, f.vh), f.fit) << f.mw;
}

TEST(MapView, KeptPerSlotAndReadBackOnlyWhenSound) {
  QTemporaryDir dir;
  const QString path = dir.path() + QLatin1Char('/');
  EXPECT_FALSE(mapview::load(path, 2).kept);
  mapview::View four{true, false, 4, 120, 340};
  mapview::View whole{true, true, 1, 0, 7};
  ASSERT_TRUE(mapview::save(path, 2, four));
  ASSERT_TRUE(mapview::save(path, 5, whole));
  const struct { int slot; bool kept, fit; int zoom, x, y; } cases[] = {
      {2, true, false, 4, 120, 340}, {5, true, true, 1, 0, 7}, {1, false, false, 1, 0, 0}, {7, false, false, 1, 0, 0},
  };
  for (const auto& c : cases) {
    const mapview::View v = mapview::load(path, c.slot);
    EXPECT_EQ(v.kept, c.kept) << c.slot;
    EXPECT_EQ(v.fit, c.fit) << c.slot;
    EXPECT_EQ(v.zoom, c.zoom) << c.slot;
    EXPECT_EQ(v.scrollX, c.x) << c.slot;
    EXPECT_EQ(v.scrollY, c.y) << c.slot;
  }
  // A line that is not a view (a zoom that is no step, words) is ignored.
  for (const char* broken : {"5 0 0", "vier 1 2", "4 1", ""}) {
    QFile f(path + mapview::fileName());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(broken) + "\n");
    f.close();
    EXPECT_FALSE(mapview::load(path, 1).kept) << broken;
  }
}

TEST(MapView, TheSplitSharesTheSlotsLineWithTheView) {
  QTemporaryDir dir;
  const QString path = dir.path() + QLatin1Char('/');
  const mapview::Split split{{900, 500}, {300, 600}};
  // A split without a view, then the view: neither write loses the other.
  ASSERT_TRUE(mapview::saveSplit(path, 3, split));
  EXPECT_FALSE(mapview::load(path, 3).kept);
  ASSERT_TRUE(mapview::save(path, 3, mapview::View{true, false, 4, 10, 20}));
  EXPECT_EQ(mapview::loadSplit(path, 3).beside, split.beside);
  EXPECT_EQ(mapview::loadSplit(path, 3).above, split.above);
  ASSERT_TRUE(mapview::saveSplit(path, 3, mapview::Split{{1, 2}, {3, 4}}));
  EXPECT_EQ(mapview::load(path, 3).zoom, 4);
  EXPECT_EQ(mapview::loadSplit(path, 3).above, QList<int>({3, 4}));
  // A line of an older version, or broken sizes, give no split but keep the view.
  for (const char* line : {"4 10 20", "4 10 20 a,b 3,4", "4 10 20 1,2,3 -"}) {
    QFile f(path + mapview::fileName());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(line) + "\n");
    f.close();
    EXPECT_TRUE(mapview::load(path, 1).kept) << line;
    EXPECT_TRUE(mapview::loadSplit(path, 1).beside.isEmpty()) << line;
  }
}
