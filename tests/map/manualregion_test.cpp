#include <gtest/gtest.h>

#include "db/table.h"
#include "map/manualregion.h"
#include "report/blockreaders.h"
#include "report/importstate.h"
#include "support/testsupport.h"

namespace {

using testsupport::dump;
using testsupport::ImportFixture;
using testsupport::rowCount;

manualregion::Entry entry(const char* x, const char* y, const char* terrain = "Ebene", const char* name = "Hörensagen",
                          const char* good = "Salz") {
  return {QString::fromUtf8(name), QString::fromUtf8(x), QString::fromUtf8(y), QString::fromUtf8(terrain),
          QString::fromUtf8(good)};
}

TEST(ManualRegion, TerrainChoicesAndStoredNames) {
  const QStringList choices = manualregion::terrainChoices();
  QStringList sorted = choices;
  sorted.sort();
  EXPECT_EQ(choices, sorted);
  EXPECT_EQ(choices.size(), 8);
  EXPECT_EQ(choices.at(manualregion::kDefaultTerrain), QStringLiteral("Ebene"));
  for (const QString& c : choices)
    EXPECT_EQ(manualregion::storedTerrain(c), c == QStringLiteral("Wüste") ? QStringLiteral("Desert") : c);
}

TEST(ManualRegion, CoordinatesLevelAndRefusals) {
  ImportFixture fx;
  struct Case {
    const char* x;
    const char* y;
    int level;
    bool ok;
    const char* position;
  };
  const Case cases[] = {
      {"-3", "12", 0, true, "-3/12"}, {"0", "0", 1, true, "0/0/1"}, {" 7", "-0", 0, true, "7/0"},
      {"3a", "1", 0, false, ""},      {"1", "", 0, false, ""},      {"1.5", "2", 0, false, ""},
      {"", "2", 0, false, ""},        {"2", "99999999999", 0, false, ""},
  };
  for (const Case& c : cases) {
    const QString before = dump(fx.db);
    Table t(fx.db, QStringLiteral("regionen"));
    const auto saved = manualregion::saveRegion(t, 1, c.level, entry(c.x, c.y));
    EXPECT_EQ(saved.ok(), c.ok) << c.x << "/" << c.y;
    if (!c.ok) {
      EXPECT_EQ(dump(fx.db), before) << c.x << "/" << c.y;
      EXPECT_FALSE(saved.error.isEmpty());
      continue;
    }
    EXPECT_EQ(saved.position, QString::fromLatin1(c.position));
    ASSERT_TRUE(t.findKey({1, saved.x, saved.y, c.level})) << c.position;
    EXPECT_EQ(t.text(QStringLiteral("Regionname")), QStringLiteral("Hörensagen"));
    EXPECT_EQ(t.text(QStringLiteral("Angebot")), QStringLiteral("Salz"));
    EXPECT_EQ(t.intValue(QStringLiteral("Ebene")), c.level);
    EXPECT_EQ(t.value(QStringLiteral("Info Datum")), QVariant(0));
  }
  EXPECT_EQ(rowCount(fx.db, QStringLiteral("regionen")), 3);
}

TEST(ManualRegion, DesertAndTheFilterOfTheShownLevel) {
  ImportFixture fx;
  Table t(fx.db, QStringLiteral("regionen"));
  t.setSlotLevelFilter(1, 0);
  t.setFiltered(true);
  // Level 1 is shown on the maps while the table still filters level 0.
  ASSERT_TRUE(manualregion::saveRegion(t, 1, 1, entry("4", "5", "Wüste")).ok());
  EXPECT_TRUE(t.filtered());
  Table all(fx.db, QStringLiteral("regionen"));
  ASSERT_TRUE(all.findKey({1, 4, 5, 1}));
  EXPECT_EQ(all.text(QStringLiteral("Regiontyp")), QStringLiteral("Desert"));
  EXPECT_FALSE(all.findKey({1, 4, 5, 0}));
  // Saving the same cell again edits the row instead of adding one.
  const auto again = manualregion::saveRegion(t, 1, 1, entry("4", "5", "Wald", "Neu"));
  EXPECT_FALSE(again.appended);
  EXPECT_EQ(rowCount(fx.db, QStringLiteral("regionen")), 1);
}

TEST(ManualRegion, OverwritesAReportedRegionUntilTheNextReport) {
  ImportFixture fx;
  fx.game.roundCode = 3806;
  fx.state->lines = {QStringLiteral("REGION 3 -4"), QStringLiteral("\"Tal\";Name"), QStringLiteral("\"Berge\";Terrain"),
                     QStringLiteral("250;Bauern")};
  fx.state->currentLine = 0;
  getRegionInfo(*fx.state);

  const auto saved = manualregion::saveRegion(fx.tables->regionen, 1, 0, entry("3", "-4", "Wald", "Gerücht", "Eisen"));
  ASSERT_TRUE(saved.ok());
  EXPECT_FALSE(saved.appended);
  Table t(fx.db, QStringLiteral("regionen"));
  ASSERT_TRUE(t.findKey({1, 3, -4, 0}));
  EXPECT_EQ(t.text(QStringLiteral("Regionname")), QStringLiteral("Gerücht"));
  EXPECT_EQ(t.text(QStringLiteral("Regiontyp")), QStringLiteral("Wald"));
  EXPECT_EQ(t.text(QStringLiteral("Angebot")), QStringLiteral("Eisen"));
  EXPECT_EQ(t.intValue(QStringLiteral("Info Datum")), 0);
  EXPECT_EQ(t.intValue(QStringLiteral("Bauern")), 250);  // the rest of the row stays

  // An older report than the one first read still replaces the manual data.
  fx.game.roundCode = 3801;
  fx.state->currentLine = 0;
  getRegionInfo(*fx.state);
  ASSERT_TRUE(t.findKey({1, 3, -4, 0}));
  EXPECT_EQ(t.text(QStringLiteral("Regionname")), QStringLiteral("Tal"));
  EXPECT_EQ(t.text(QStringLiteral("Regiontyp")), QStringLiteral("Berge"));
  EXPECT_EQ(t.intValue(QStringLiteral("Info Datum")), 3801);
}

}  // namespace
