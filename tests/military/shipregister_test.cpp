#include <gtest/gtest.h>

#include <functional>

#include "game/gamesession.h"
#include "military/shipregister.h"
#include "militarytestsupport.h"

using militarytest::column;
using militarytest::insert;

namespace {

void ship(Database& db, int slot, const QString& position, int nr, const QString& name, const QString& type,
          int party, double percent, int round) {
  insert(db, QStringLiteral("schiffe"),
         {{QStringLiteral("Spiel"), slot},          {QStringLiteral("Schiffs Position"), position},
          {QStringLiteral("Schiffs Nr"), nr},       {QStringLiteral("Schiffs Name"), name},
          {QStringLiteral("Schiffstyp"), type},     {QStringLiteral("Partei"), party},
          {QStringLiteral("Prozent"), percent},     {QStringLiteral("Info Datum"), round}});
}

struct ShipRegisterTest : ::testing::TestWithParam<int> {
  void SetUp() override {
    db.open(QStringLiteral(":memory:"), true);
    game.gameType = GetParam();
    game.slot = 1;
    game.roundCode = 3806;
    ship(db, 1, QStringLiteral("2/5"), 757, QStringLiteral("Anna"), QStringLiteral("Boot"), 100, 100, 3806);
    ship(db, 1, QStringLiteral("10/3"), 758, QStringLiteral("Wrack"), QStringLiteral("Karavelle"), 100, -20, 3806);
    ship(db, 1, QStringLiteral("10/3"), 759, QStringLiteral("Rohbau"), QStringLiteral("Boot"), 200, 40, 3806);
    ship(db, 1, QStringLiteral("2/5"), 760, QStringLiteral("Alt"), QStringLiteral("Boot"), 100, 100, 3805);
    ship(db, 2, QStringLiteral("2/5"), 761, QStringLiteral("Fremd"), QStringLiteral("Boot"), 100, 100, 3806);
  }
  Database db;
  GameSession game;
};

TEST_P(ShipRegisterTest, FiltersAndOrder) {
  using F = shipregister::Filter;
  struct Case {
    const char* what;
    std::function<void(F&)> change;
    QStringList names;
  };
  const QList<Case> cases = {
      {"every party, every type", [](F&) {}, {"Rohbau", "Wrack", "Anna"}},
      {"one party", [](F& f) { f.partyNumber = QStringLiteral("100"); }, {"Wrack", "Anna"}},
      {"one type", [](F& f) { f.type = QStringLiteral("Boot"); }, {"Rohbau", "Anna"}},
      {"earlier round", [](F& f) { f.round = QStringLiteral("3805"); }, {"Alt"}},
      {"nothing found", [](F& f) { f.type = QStringLiteral("Trireme"); }, {}},
  };
  for (const Case& c : cases) {
    F f;
    f.partyNumber = QStringLiteral("-2");
    f.round = QStringLiteral("3806");
    c.change(f);
    const shipregister::Result r = shipregister::listShips(db, game, f);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(column(r.rows, 1), c.names) << c.what;
  }
}

TEST_P(ShipRegisterTest, NumbersInDecimalAndStateInPercent) {
  const shipregister::Result r = shipregister::listShips(db, game, {QStringLiteral("-2"), QStringLiteral("Alle"),
                                                                    QStringLiteral("3806")});
  ASSERT_EQ(r.rows.size(), 3);
  EXPECT_EQ(r.rows[1].cells(6), QStringList({"10/3", "Wrack", "758", "Karavelle", "100", "-20%"}));
  EXPECT_EQ(r.rows[0].cell(5).toString(), QStringLiteral("40%"));
  EXPECT_EQ(column(r.rows, 2), QStringList({"759", "758", "757"}));
}

TEST_P(ShipRegisterTest, PartyAndRoundMustBeWholeNumbers) {
  const QList<std::pair<shipregister::Filter, QString>> cases = {
      {{QString(), QStringLiteral("Alle"), QStringLiteral("3806")}, QStringLiteral("Partei Nr")},
      {{QStringLiteral("-2"), QStringLiteral("Alle"), QString()}, QStringLiteral("Info Datum")},
      {{QStringLiteral("-2"), QStringLiteral("Alle"), QStringLiteral("x")}, QStringLiteral("Info Datum")},
  };
  for (const auto& [filter, field] : cases) {
    const shipregister::Result r = shipregister::listShips(db, game, filter);
    EXPECT_TRUE(r.rows.isEmpty());
    EXPECT_TRUE(r.error.contains(field)) << r.error.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(BothGames, ShipRegisterTest, ::testing::Values(int(kMolvanth), int(kQuarnel)));

}  // namespace
