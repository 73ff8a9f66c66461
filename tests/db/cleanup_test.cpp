#include <gtest/gtest.h>

#include "db/cleanup.h"
#include "db/database.h"
#include "db/table.h"
#include "support/testsupport.h"

namespace {

using cleanup::UnitClass;
using testsupport::dump;
using testsupport::rowCount;

constexpr qint32 kOwn = 4711;

struct CleanupTest : ::testing::Test {
  void SetUp() override { db.open(QStringLiteral(":memory:"), true); }
  void unit(int number, qint32 seen, qint32 party = 99, int slot = 1, const char* name = "Trupp") {
    Table t(db, QStringLiteral("einheiten"));
    t.append();
    t.setValue(QStringLiteral("Spiel"), slot);
    t.setValue(QStringLiteral("Einheit Nr"), number);
    t.setValue(QStringLiteral("Einheit Name"), QString::fromUtf8(name));
    t.setValue(QStringLiteral("Personen"), 12);
    t.setValue(QStringLiteral("Einheit Position"), QStringLiteral("3/-4"));
    t.setValue(QStringLiteral("Einheit Beschreibung"), QStringLiteral("müde"));
    t.setValue(QStringLiteral("Partei Nr"), party);
    t.setValue(QStringLiteral("Info Datum"), seen);
    t.post();
  }
  cleanup::Context context(qint32 round, bool molvanth = true) const { return {1, round, kOwn, molvanth, 36}; }
  Database db;
};

TEST(CleanupClasses, ByRoundsSinceLastSeen) {
  struct Case {
    qint32 seen, current, party;
    std::optional<UnitClass> expected;
  };
  const Case cases[] = {
      {40, 40, 1, UnitClass::Current},      {34, 40, 1, UnitClass::Older6to24},   {35, 40, 1, UnitClass::Older1to6},
      {16, 40, 1, UnitClass::Older24to36},  {17, 40, 1, UnitClass::Older6to24},   {4, 40, 1, UnitClass::Older36},
      {5, 40, 1, UnitClass::Older24to36},   {0, 40, 1, UnitClass::Older36},       {41, 40, 1, std::nullopt},
      {10, 40, kOwn, UnitClass::OwnVanished}, {40, 40, kOwn, UnitClass::Current}, {41, 40, kOwn, std::nullopt},
      // Across a year change the round codes jump by 89; the rounds do not.
      {3712, 3801, 1, UnitClass::Older1to6}, {3707, 3801, 1, UnitClass::Older6to24},
      {3708, 3801, 1, UnitClass::Older1to6}, {3608, 3801, 1, UnitClass::Older6to24},
      {3601, 3801, 1, UnitClass::Older24to36}, {3501, 3801, 1, UnitClass::Older36}, {3802, 3801, 1, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cleanup::classify(c.seen, c.current, c.party, kOwn), c.expected) << c.seen << " in " << c.current;
  EXPECT_EQ(cleanup::roundsBetween(3801, 3712), 1);
  EXPECT_EQ(cleanup::roundsBetween(3806, 3806), 0);
  EXPECT_EQ(cleanup::roundsBetween(40, 34), 6);
}

TEST(CleanupClasses, OptionNames) {
  for (int i = 0; i < cleanup::kClassCount; ++i)
    EXPECT_EQ(cleanup::classByOptionName(cleanup::optionName(UnitClass(i))), UnitClass(i));
  EXPECT_EQ(cleanup::classByOptionName(QStringLiteral("36")), std::nullopt);
  EXPECT_EQ(cleanup::caption(UnitClass::Older24to36), QStringLiteral("älter 24 Runden"));
}

TEST_F(CleanupTest, AnalysisCountsEveryClassAndListsOwnVanishedUnitsOnce) {
  unit(1, 40);
  unit(2, 35);
  unit(3, 34);
  unit(4, 16);
  unit(5, 4);
  unit(6, 10, kOwn, 1, "Späher");
  unit(7, 41);          // a later round: only in the total
  unit(8, 40, 99, 2);   // another slot
  const QString before = dump(db);
  const cleanup::Result r = cleanup::run(db, context(40));
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.counters, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(r.rows, 7);
  EXPECT_EQ(r.sum(), 6);
  EXPECT_EQ(r.listing, QStringList({"Späher (6), Personen: 12", "Zuletzt gesehen in: 3/-4", "Beschreibung: müde", ""}));
  EXPECT_EQ(dump(db), before);
}

TEST_F(CleanupTest, ListingWritesTheNumberAsTheGameDoes) {
  unit(1295, 3712, kOwn);  // "zz" in base 36
  EXPECT_EQ(cleanup::run(db, context(3801)).listing.value(0), QStringLiteral("Trupp (zz), Personen: 12"));
  EXPECT_EQ(cleanup::run(db, context(3801, false)).listing.value(0), QStringLiteral("Trupp (1295), Personen: 12"));
}

TEST_F(CleanupTest, DeletingOneClassKeepsTheOthers) {
  unit(1, 40);
  unit(2, 35);
  unit(3, 36);
  unit(4, 30);
  unit(5, 38, kOwn);
  unit(6, 35, 99, 2);  // another slot keeps its row
  const cleanup::Result r = cleanup::run(db, context(40), UnitClass::Older1to6);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.deleted, 2);
  EXPECT_EQ(r.counter(UnitClass::Older1to6), 0);
  EXPECT_EQ(r.rows, 5);
  EXPECT_EQ(r.sum(), r.rows - r.deleted);
  EXPECT_EQ(rowCount(db, QStringLiteral("einheiten")), 4);
  EXPECT_EQ(r.listing.filter(QStringLiteral("geloescht")).size(), 0);
  Table t(db, QStringLiteral("einheiten"));
  t.setIndexFields(QStringLiteral("Spiel;Einheit Nr"));
  EXPECT_FALSE(t.findKey({1, 2}));
  EXPECT_TRUE(t.findKey({2, 6}));

  const cleanup::Result own = cleanup::run(db, context(40), UnitClass::OwnVanished);
  EXPECT_EQ(own.deleted, 1);
  EXPECT_EQ(own.listing.value(3), QStringLiteral("Einheit aus DB geloescht!"));
  EXPECT_EQ(own.counter(UnitClass::OwnVanished), 0);
  // The current round cannot be chosen for deleting.
  const cleanup::Result current = cleanup::run(db, context(40), UnitClass::Current);
  EXPECT_EQ(current.deleted, 0);
  EXPECT_EQ(current.counter(UnitClass::Current), 1);
}

TEST_F(CleanupTest, AFailedDeleteDeletesNothing) {
  for (int n = 1; n <= 5; ++n) unit(n, 30);
  db.exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON einheiten WHEN OLD.\"Einheit Nr\" = 4 "
                         "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"));
  const QString before = dump(db);
  const cleanup::Result r = cleanup::run(db, context(40), UnitClass::Older6to24);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.deleted, 0);
  EXPECT_EQ(r.counter(UnitClass::Older6to24), 5);
  EXPECT_EQ(dump(db), before);
  EXPECT_FALSE(db.inTransaction());
}

}  // namespace
