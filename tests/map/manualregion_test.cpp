#include <gtest/gtest.h>

#include "db/table.h"
#include "map/manualregion.h"
#include "report/blockreaders.h"
#include "support/testsupport.h"

namespace {

manualregion::Entry entry(const char* x, const char* y, const char* terrain = "Ebene", const char* name = "Gerücht") {
  return {name, x, y, terrain, "Salz"};
}

TEST(ManualRegion, CoordinatesLevelsTerrainAndRefusals) {
  testsupport::ImportFixture fx;
  Table t(fx.db, "regionen");
  t.setSlotLevelFilter(1, 0);  // the table may still filter another level
  t.setFiltered(true);
  const std::tuple<const char*, const char*, int, const char*> cases[] = {
      {"-3", "12", 0, "-3/12"}, {"0", "0", 1, "0/0/1"}, {"3a", "1", 0, nullptr}, {"1", "", 0, nullptr},
      {"1.5", "2", 0, nullptr}, {"2", "99999999999", 0, nullptr}};
  for (const auto& [x, y, level, position] : cases) {
    const QString before = testsupport::dump(fx.db);
    const auto saved = manualregion::saveRegion(t, 1, level, entry(x, y, "Wüste"));
    if (!position) {
      EXPECT_FALSE(saved.ok()) << x << "/" << y;
      EXPECT_EQ(testsupport::dump(fx.db), before);
      continue;
    }
    EXPECT_EQ(saved.position, position);
    Table all(fx.db, "regionen");
    ASSERT_TRUE(all.findKey({1, saved.x, saved.y, level})) << position;
    EXPECT_EQ(all.text("Regiontyp"), "Desert");
    EXPECT_EQ(all.text("Angebot"), "Salz");
    EXPECT_EQ(all.value("Info Datum"), QVariant(0));
  }
  EXPECT_TRUE(t.filtered());
  EXPECT_EQ(testsupport::rowCount(fx.db, "regionen"), 2);
  QStringList sorted = manualregion::terrainChoices();
  sorted.sort();
  EXPECT_EQ(sorted, manualregion::terrainChoices());
}

TEST(ManualRegion, OverwritesAReportedRegionUntilTheNextReport) {
  testsupport::ImportFixture fx;
  fx.game.roundCode = 3806;
  fx.setReport({"REGION 3 -4", "\"Tal\";Name", "\"Berge\";Terrain", "250;Bauern"});
  getRegionInfo(*fx.state);
  const auto saved = manualregion::saveRegion(fx.tables->regionen, 1, 0, entry("3", "-4", "Wald"));
  EXPECT_FALSE(saved.appended);
  Table t(fx.db, "regionen");
  ASSERT_TRUE(t.findKey({1, 3, -4, 0}));
  EXPECT_EQ(QStringList({t.text("Regionname"), t.text("Regiontyp"), t.text("Angebot"), t.text("Info Datum"), t.text("Bauern")}),
            QStringList({"Gerücht", "Wald", "Salz", "0", "250"}));

  // Even a report older than the first one replaces the manual data.
  fx.game.roundCode = 3801;
  fx.setReport({"REGION 3 -4", "\"Tal\";Name", "\"Berge\";Terrain"});
  getRegionInfo(*fx.state);
  ASSERT_TRUE(t.findKey({1, 3, -4, 0}));
  EXPECT_EQ(QStringList({t.text("Regionname"), t.text("Regiontyp"), t.text("Info Datum")}),
            QStringList({"Tal", "Berge", "3801"}));
}

}  // namespace
