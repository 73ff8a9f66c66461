#include <gtest/gtest.h>

#include "db/cleanup.h"
#include "db/table.h"
#include "support/testsupport.h"

namespace {

using cleanup::UnitClass;
constexpr qint32 kOwn = 4711;

struct CleanupTest : ::testing::Test {
  CleanupTest() { db.open(":memory:", true); }
  void unit(int number, qint32 seen, qint32 party = 99, int slot = 1) {
    Table t(db, "einheiten");
    t.append();
    const std::pair<const char*, QVariant> values[] = {
        {"Spiel", slot},          {"Einheit Nr", number}, {"Einheit Name", "Späher"},    {"Personen", 12},
        {"Einheit Position", "3/-4"}, {"Partei Nr", party}, {"Einheit Beschreibung", "müde"}, {"Info Datum", seen}};
    for (const auto& [field, value] : values) t.setValue(field, value);
    t.post();
  }
  cleanup::Result run(std::optional<UnitClass> del = std::nullopt, bool molvanth = true) {
    return cleanup::run(db, {1, 40, kOwn, molvanth, 36}, del);
  }
  Database db;
};

TEST(CleanupClasses, ByRoundsSinceLastSeen) {
  const std::tuple<qint32, qint32, qint32, std::optional<UnitClass>> cases[] = {
      {40, 40, 1, UnitClass::Current},       {34, 40, 1, UnitClass::Older6to24},  {35, 40, 1, UnitClass::Older1to6},
      {16, 40, 1, UnitClass::Older24to36},   {17, 40, 1, UnitClass::Older6to24},  {4, 40, 1, UnitClass::Older36},
      {5, 40, 1, UnitClass::Older24to36},    {41, 40, 1, std::nullopt},           {10, 40, kOwn, UnitClass::OwnVanished},
      {40, 40, kOwn, UnitClass::Current},
      // Across a year change the codes jump by 89; the rounds do not.
      {3712, 3801, 1, UnitClass::Older1to6}, {3707, 3801, 1, UnitClass::Older6to24}, {3601, 3801, 1, UnitClass::Older24to36},
      {3501, 3801, 1, UnitClass::Older36},   {3802, 3801, 1, std::nullopt}};
  for (const auto& [seen, current, party, expected] : cases)
    EXPECT_EQ(cleanup::classify(seen, current, party, kOwn), expected) << seen << " in " << current;
  for (int i = 0; i < cleanup::kClassCount; ++i)
    EXPECT_EQ(cleanup::classByOptionName(cleanup::optionName(UnitClass(i))), UnitClass(i));
}

TEST_F(CleanupTest, AnalysisCountsEveryClassAndListsOwnVanishedUnitsOnce) {
  for (const auto& [number, seen] : {std::pair{1, 40}, {2, 35}, {3, 34}, {4, 16}, {5, 4}, {7, 41}}) unit(number, seen);
  unit(1295, 10, kOwn);  // "zz" in base 36
  unit(8, 40, 99, 2);    // another slot
  const QString before = testsupport::dump(db);
  const cleanup::Result r = run();
  EXPECT_EQ(r.counters, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(r.rows, 7);  // the unit of a later round counts only here
  EXPECT_EQ(r.sum(), 6);
  EXPECT_EQ(r.listing, QStringList({"Späher (zz), Personen: 12", "Zuletzt gesehen in: 3/-4", "Beschreibung: müde", ""}));
  EXPECT_EQ(run(std::nullopt, false).listing.value(0), "Späher (1295), Personen: 12");
  EXPECT_EQ(testsupport::dump(db), before);
}

TEST_F(CleanupTest, DeletingOneClassKeepsTheOthers) {
  for (const auto& [number, seen] : {std::pair{1, 40}, {2, 35}, {3, 36}, {4, 30}}) unit(number, seen);
  unit(5, 38, kOwn);
  unit(6, 35, 99, 2);
  const cleanup::Result r = run(UnitClass::Older1to6);
  EXPECT_EQ(r.deleted, 2);
  EXPECT_EQ(r.counter(UnitClass::Older1to6), 0);
  EXPECT_EQ(r.sum(), r.rows - r.deleted);
  EXPECT_EQ(testsupport::rowCount(db, "einheiten"), 4);  // the other slot keeps its row

  const cleanup::Result own = run(UnitClass::OwnVanished);
  EXPECT_EQ(own.deleted, 1);
  EXPECT_EQ(own.listing.value(3), "Einheit aus DB geloescht!");
  EXPECT_EQ(run(UnitClass::Current).deleted, 0);  // the current round is never deleted

  // A row the database refuses to delete: the whole class stays.
  unit(9, 30);
  db.exec("CREATE TRIGGER keep BEFORE DELETE ON einheiten WHEN OLD.\"Einheit Nr\" = 9 BEGIN SELECT RAISE(ABORT, 'x'); END");
  const QString before = testsupport::dump(db);
  const cleanup::Result failed = run(UnitClass::Older6to24);
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(failed.counter(UnitClass::Older6to24), 2);
  EXPECT_EQ(testsupport::dump(db), before);
  EXPECT_FALSE(db.inTransaction());
}

}  // namespace
