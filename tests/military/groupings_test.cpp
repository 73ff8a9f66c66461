#include <gtest/gtest.h>

#include <functional>

#include "game/gamesession.h"
#include "military/groupings.h"
#include "military/reportgrid.h"
#include "militarytestsupport.h"
#include "support/testsupport.h"

using militarytest::column;
using militarytest::unit;

namespace {

struct GroupingsTest : ::testing::Test {
  void SetUp() override {
    db.open(QStringLiteral(":memory:"), true);
    game.slot = 1;
    game.roundCode = 3806;
    game.ownPartyNumber = 100;
    unit(db, 1, QStringLiteral("3/4"), 10, QStringLiteral("Alpha"), 100, 3806, QStringLiteral("Armee"));
    unit(db, 1, QStringLiteral("3/4"), 11, QStringLiteral("Bravo"), 100, 3806, QStringLiteral("1. Armee"));
    unit(db, 1, QStringLiteral("10/3"), 757, QStringLiteral("O'Brien"), 100, 3806, QVariant());
    unit(db, 1, QStringLiteral("2/5"), 12, QStringLiteral("Delta"), 100, 3805, QStringLiteral("Händler"));
    unit(db, 1, QStringLiteral("1/1"), 13, QStringLiteral("Echo"), 200, 3806, QVariant());
    // Another slot's unit with the same party, round and position.
    unit(db, 2, QStringLiteral("3/4"), 14, QStringLiteral("Fremd"), 100, 3806, QStringLiteral("Armee"));
  }
  groupings::Filter initial() const {
    groupings::Filter f;
    f.partyNumber = QStringLiteral("100");
    f.round = QStringLiteral("3806");
    return f;
  }
  Database db;
  GameSession game;
};

TEST_F(GroupingsTest, FiltersListOnlyUnitsOfTheOpenSlotInLineOrder) {
  using F = groupings::Filter;
  struct Case {
    const char* what;
    std::function<void(F&)> change;
    QStringList names;
  };
  const QList<Case> cases = {
      {"initial values", [](F&) {}, {"Bravo", "Alpha", "O'Brien"}},
      {"exact group", [](F& f) { f.group = QStringLiteral("Armee"); }, {"Alpha"}},
      {"group of an earlier round", [](F& f) { f.group = QStringLiteral("Händler"); }, {}},
      {"every party", [](F& f) { f.partyNumber = QStringLiteral("-2"); }, {"Bravo", "Alpha", "Echo", "O'Brien"}},
      {"other party", [](F& f) { f.partyNumber = QStringLiteral("200"); }, {"Echo"}},
      {"number lower case", [](F& f) { f.unitNumber = QStringLiteral("l1"); }, {"O'Brien"}},
      {"number upper case", [](F& f) { f.unitNumber = QStringLiteral(" L1 "); }, {"O'Brien"}},
      {"name with apostrophe", [](F& f) { f.unitName = QStringLiteral("O'Brien"); }, {"O'Brien"}},
      {"name that tries the query", [](F& f) { f.unitName = QStringLiteral("x' or '1'='1"); }, {}},
      {"later than", [](F& f) { f.comparison = QStringLiteral(">"); f.round = QStringLiteral("3805"); },
       {"Bravo", "Alpha", "O'Brien"}},
      {"earlier than", [](F& f) { f.comparison = QStringLiteral("<"); }, {"Delta"}},
      {"equal to an old round", [](F& f) { f.round = QStringLiteral("3805"); }, {"Delta"}},
  };
  for (const Case& c : cases) {
    F f = initial();
    c.change(f);
    const groupings::Result r = groupings::Gruppierungen(db, game, f);
    ASSERT_TRUE(r.ok()) << c.what << ": " << r.error.toStdString();
    EXPECT_EQ(column(r.rows, 2), c.names) << c.what;
  }
}

TEST_F(GroupingsTest, FieldsThatAreNoWholeNumberGiveAMessageNamingThem) {
  using F = groupings::Filter;
  const QList<std::pair<std::function<void(F&)>, QString>> cases = {
      {[](F& f) { f.partyNumber.clear(); }, QStringLiteral("Partei Nr")},
      {[](F& f) { f.partyNumber = QStringLiteral("1x"); }, QStringLiteral("Partei Nr")},
      {[](F& f) { f.round.clear(); }, QStringLiteral("Info Datum")},
      {[](F& f) { f.round = QStringLiteral("38.06"); }, QStringLiteral("Info Datum")},
      {[](F& f) { f.comparison = QStringLiteral("<>"); }, QStringLiteral("Info Datum")},
  };
  for (const auto& [change, field] : cases) {
    F f = initial();
    change(f);
    const groupings::Result r = groupings::Gruppierungen(db, game, f);
    EXPECT_TRUE(r.rows.isEmpty());
    EXPECT_TRUE(r.error.contains(field)) << r.error.toStdString();
  }
}

TEST_F(GroupingsTest, RowShowsValuesPerPersonAndZeroForEmptyFields) {
  unit(db, 1, QStringLiteral("5/5"), 36, QStringLiteral("Speere"), 300, 3806, QVariant(),
       {{QStringLiteral("Personen"), 6}, {QStringLiteral("Stangenwaffen"), QStringLiteral("180 3")},
        {QStringLiteral("Speer"), 10}, {QStringLiteral("Pferd"), 4}});
  groupings::Filter f = initial();
  f.partyNumber = QStringLiteral("300");
  const groupings::Result r = groupings::Gruppierungen(db, game, f);
  ASSERT_EQ(r.rows.size(), 1);
  EXPECT_EQ(r.rows[0].cells(12), QStringList({"Keine", "5/5", "Speere", "10", "6", "[30] 3", "0", "0", "0", "10", "0",
                                          "0"}));
  EXPECT_EQ(r.rows[0].valueCount(), 14);
  EXPECT_TRUE(r.rows[0].line().endsWith(QStringLiteral("*12;4*13;"))) << r.rows[0].line().toStdString();
}

TEST_F(GroupingsTest, GroupChangeWritesOnlyTheUnitOfTheOpenSlot) {
  auto stored = [&](int slot, int nr) {
    QSqlQuery q(db.sql());
    q.prepare(QStringLiteral("SELECT \"Gruppe\" FROM \"einheiten\" WHERE \"Spiel\" = ? AND \"Einheit Nr\" = ?"));
    q.addBindValue(slot);
    q.addBindValue(nr);
    q.exec();
    return q.next() ? q.value(0) : QVariant(QStringLiteral("<fehlt>"));
  };
  // A unit that never had a group shows "Keine" but keeps its empty field.
  EXPECT_TRUE(stored(1, 757).isNull());
  EXPECT_TRUE(groupings::groupchange(db, game, QStringLiteral("10/3"), QStringLiteral("L1"), QStringLiteral("Keine")));
  EXPECT_EQ(stored(1, 757).toString(), QStringLiteral("Keine"));
  EXPECT_TRUE(groupings::groupchange(db, game, QStringLiteral("3/4"), QStringLiteral("a"), QStringLiteral("2. Armee")));
  EXPECT_EQ(stored(1, 10).toString(), QStringLiteral("2. Armee"));

  const QString before = testsupport::dump(db);
  // Wrong position, another slot's unit, a name-like key: nothing written.
  EXPECT_FALSE(groupings::groupchange(db, game, QStringLiteral("3/5"), QStringLiteral("b"), QStringLiteral("Händler")));
  EXPECT_FALSE(groupings::groupchange(db, game, QStringLiteral("3/4"), QStringLiteral("e"), QStringLiteral("Händler")));
  EXPECT_FALSE(groupings::groupchange(db, game, QStringLiteral("3/4' or '1'='1"), QStringLiteral("b"),
                                      QStringLiteral("Händler")));
  EXPECT_EQ(testsupport::dump(db), before);
}

TEST(GroupNotation, UnitNumbersFollowTheGame) {
  GameSession molvanth;
  GameSession quarnel;
  quarnel.gameType = kQuarnel;
  EXPECT_TRUE(groupings::isUnitNumber(molvanth, QStringLiteral("L1")));
  EXPECT_EQ(groupings::decodeUnitNumber(molvanth, QStringLiteral("L1")), 757);
  EXPECT_FALSE(groupings::isUnitNumber(molvanth, QStringLiteral("a-1")));
  EXPECT_TRUE(groupings::isUnitNumber(quarnel, QStringLiteral("757")));
  EXPECT_EQ(groupings::decodeUnitNumber(quarnel, QStringLiteral("757")), 757);
  EXPECT_FALSE(groupings::isUnitNumber(quarnel, QStringLiteral("L1")));
  EXPECT_FALSE(groupings::isUnitNumber(quarnel, QString()));
}

TEST(ReportGrid, SortsWithoutRegardToCaseAndKeepsEqualLinesInOrder) {
  auto row = [](const char* first, int second) {
    reportgrid::Row r;
    r.add(QString::fromUtf8(first));
    r.addNumber(second);
    return r;
  };
  QList<reportgrid::Row> rows = {row("b", 1), row("Ä", 2), row("A", 3), row("B", 4), row("a", 5), row("ä", 6),
                                 row("10/3", 7), row("2/5", 8)};
  reportgrid::sortRows(rows);
  EXPECT_EQ(column(rows, 1), QStringList({"7", "8", "3", "5", "1", "4", "2", "6"}));
  EXPECT_EQ(rows.at(0).line(), QStringLiteral("10/3*1;7"));
}

TEST(ReportGrid, ValuesKeepTheirColumnsWhateverTheyHold) {
  reportgrid::Row r;
  for (const char* v : {"x*2;y", "", "z", "", "", "", "", "", "", "", "k"}) r.add(QString::fromUtf8(v));
  r.addNumber(-20);
  EXPECT_EQ(r.line(), QStringLiteral("x*2;y*1;*2;z*3;*4;*5;*6;*7;*8;*9;*10;k*11;-20"));
  EXPECT_EQ(r.cells(12), QStringList({"x*2;y", "", "z", "", "", "", "", "", "", "", "k", "-20"}));
  EXPECT_TRUE(r.cell(12).isEmpty());
}

}  // namespace
