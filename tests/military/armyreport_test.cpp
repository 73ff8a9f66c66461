#include <gtest/gtest.h>

#include "game/gamesession.h"
#include "military/armyreport.h"
#include "militarytestsupport.h"

using militarytest::column;
using militarytest::unit;

namespace {

struct ArmyReportTest : ::testing::Test {
  void SetUp() override {
    db.open(QStringLiteral(":memory:"), true);
    game.slot = 1;
    game.roundCode = 3806;
    game.ownPartyNumber = 100;
    const QString round = QStringLiteral("Info Datum");
    unit(db, 1, QStringLiteral("3/4"), 36, QStringLiteral("Lanzen"), 100, 3806, QStringLiteral("1. Armee"),
         {{QStringLiteral("Personen"), 6}, {QStringLiteral("Stangenwaffen"), QStringLiteral("180 3")},
          {QStringLiteral("Speer"), 10}, {QStringLiteral("Pferd"), 6}});
    unit(db, 1, QStringLiteral("10/3"), 37, QStringLiteral("Klingen"), 100, 3806, QStringLiteral("3. Armee"),
         {{QStringLiteral("Personen"), 5}, {QStringLiteral("Schwert"), 5}});
    unit(db, 1, QStringLiteral("10/3"), 38, QStringLiteral("Bogner"), 100, 3806, QStringLiteral("3. Armee"),
         {{QStringLiteral("Personen"), 7}, {QStringLiteral("Bogen"), 7}});
    unit(db, 1, QStringLiteral("3/4"), 39, QStringLiteral("Kaufleute"), 100, 3806, QStringLiteral("Händler"),
         {{QStringLiteral("Personen"), 50}, {QStringLiteral("Speer"), 100}});
    unit(db, 1, QStringLiteral("3/4"), 40, QStringLiteral("Ohne Gruppe"), 100, 3806, QVariant());
    unit(db, 1, QStringLiteral("3/4"), 41, QStringLiteral("Alte Armee"), 100, 3805, QStringLiteral("1. Armee"));
    unit(db, 1, QStringLiteral("3/4"), 42, QStringLiteral("Fremde Armee"), 200, 3806, QStringLiteral("1. Armee"));
    unit(db, 2, QStringLiteral("3/4"), 43, QStringLiteral("Anderes Spiel"), 100, 3806, QStringLiteral("1. Armee"),
         {{QStringLiteral("Personen"), 1000}});
  }
  Database db;
  GameSession game;
};

TEST_F(ArmyReportTest, ArmiesOfTheOwnPartyInTheCurrentRoundWithTotals) {
  struct Case {
    QString army;
    QStringList names;
    qint64 soldiers, weapons, ranged;
  };
  const QList<Case> cases = {
      {QStringLiteral("Alle"), {"Bogner", "Klingen", "Lanzen"}, 18, 15, 7},
      {QStringLiteral("3. Armee"), {"Bogner", "Klingen"}, 12, 5, 7},
      {QStringLiteral("2. Armee"), {}, 0, 0, 0},
      {QStringLiteral("Händler"), {"Kaufleute"}, 50, 100, 0},  // free text selects by substring
      {QStringLiteral("armee"), {}, 0, 0, 0},                   // case counts
      {QString(), {}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const armyreport::Result r = armyreport::Truppenverwaltung(db, game, c.army);
    EXPECT_EQ(column(r.rows, 1), c.names) << c.army.toStdString();
    EXPECT_EQ(r.soldiers, c.soldiers) << c.army.toStdString();
    EXPECT_EQ(r.weapons, c.weapons) << c.army.toStdString();
    EXPECT_EQ(r.ranged, c.ranged) << c.army.toStdString();
  }
}

TEST_F(ArmyReportTest, RowShowsPerPersonValuesAndLeavesEmptyFieldsEmpty) {
  const armyreport::Result r = armyreport::Truppenverwaltung(db, game, QStringLiteral("1. Armee"));
  ASSERT_EQ(r.rows.size(), 1);
  EXPECT_EQ(r.rows[0].cells(12), QStringList({"3/4", "Lanzen", "10", "6", "[30] 3", "", "", "", "10", "", "", "6"}));
  EXPECT_EQ(r.rows[0].line(), QStringLiteral("3/4*1;Lanzen*2;10*3;6*4;[30] 3*5;*6;*7;*8;10*9;*10;*11;6"));
  EXPECT_EQ(armyreport::header().size(), armyreport::kColumns);
}

}  // namespace
