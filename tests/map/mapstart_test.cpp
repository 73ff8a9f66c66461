// Where the small map starts and when a read report redraws the world map.
#include <gtest/gtest.h>

#include "map/mapstart.h"
#include "mapfixture.h"

namespace {

struct MapStartTest : ::testing::Test, maptest::MapFixture {};

TEST_F(MapStartTest, TheHomeRegionWinsThenTheFirstOwnUnitThenTheMiddle) {
  // Regions of level 0 from x -10 to 10 in row 0, and one at (50, 3) on level 1.
  for (int x = -10; x <= 10; x += 2) region(x, 0, 0, QStringLiteral("Ebene"));
  region(50, 3, 1, QStringLiteral("Wald"));
  const struct {
    const char* what;
    int homeX, homeY, level;
    QList<std::tuple<int, const char*, qint32, qint32>> units;  // number, position, party, round
    QPoint expected;
  } cases[] = {
      {"home region with a row", 4, 0, 0, {{5, "8/0", 100, 3806}}, {4, 0}},
      {"home 0/0 without a row: the own unit", 0, 1, 0, {{5, "8/0", 100, 3806}}, {8, 0}},
      {"the newest own unit first", 0, 1, 0, {{5, "8/0", 100, 3805}, {9, "-6/0", 100, 3806}}, {-6, 0}},
      {"foreign units and other levels do not count", 0, 1, 0, {{5, "8/0", 77, 3806}, {6, "50/3/1", 100, 3806}}, {0, 0}},
      {"no unit: the region nearest the middle", 0, 1, 0, {}, {0, 0}},
      {"on level 1 the unit there", 0, 1, 1, {{6, "50/3/1", 100, 3806}}, {50, 3}},
      {"on a level without regions the centre stays", 7, 7, 2, {{6, "50/3/1", 100, 3806}}, {7, 7}},
  };
  for (const auto& c : cases) {
    db.exec(QStringLiteral("DELETE FROM \"einheiten\""));
    for (const auto& [number, position, party, round] : c.units)
      unit(number, QString::fromUtf8(position), QString(), party, round);
    session.smallMapX = c.homeX;
    session.smallMapY = c.homeY;
    session.currentLevel = c.level;
    EXPECT_EQ(mapstart::smallMapCentre(db, session), c.expected) << c.what;
  }
}

TEST_F(MapStartTest, AReportBroughtTheShownLevelWhenItsRegionsAreOfTheRound) {
  region(1, 1, 0, QStringLiteral("Ebene"), {{QStringLiteral("Info Datum"), 3805}});
  region(2, 2, 1, QStringLiteral("Wald"));
  const struct {
    int level;
    qint32 round;
    bool brought;
  } cases[] = {{0, 3806, false}, {1, 3806, true}, {0, 3805, true}, {2, 3806, false}};
  for (const auto& c : cases) {
    session.currentLevel = c.level;
    session.roundCode = c.round;
    EXPECT_EQ(mapstart::reportBroughtShownLevel(db, session), c.brought) << c.level << " " << c.round;
  }
}

}  // namespace
