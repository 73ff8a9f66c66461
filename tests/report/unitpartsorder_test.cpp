// A unit's parts (skills, spells, combat spells, items, effects, orders) are
// read whatever order the report gives them in.
#include <gtest/gtest.h>

#include "report/reportgame.h"

namespace {

const char* const kSkills[] = {"TALENTE", "30 2;Hiebwaffen"};
const char* const kItems[] = {"GEGENSTAENDE", "3;Schwert", "50;Silber"};
const char* const kSpells[] = {"SPRUECHE", "\"Feuerball\""};
const char* const kCombatSpell[] = {"KAMPFZAUBER 1", "\"Friedenslied\";name", "1;level"};
const char* const kEffects[] = {"EFFECTS", "\"Ein Zauber wirkt.\""};
const char* const kOrders[] = {"COMMANDS", "\"ARBEITE\""};

template <std::size_t N>
QStringList part(const char* const (&lines)[N]) {
  QStringList out;
  for (const char* l : lines) out << QString::fromUtf8(l);
  return out;
}

struct OrderCase {
  const char* name;
  QList<QStringList> parts;
};

void PrintTo(const OrderCase& c, std::ostream* out) { *out << c.name; }

class UnitPartsOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(UnitPartsOrder, ReadsEveryPart) {
  QStringList report = reportgame::lines({"VERSION 69", "\"Molvanth\";Spiel", "36;Basis", "1234;Runde", "PARTEI 757",
                                          "\"Wir\";Parteiname", "REGION 0 0", "\"Au\";Name", "\"Ebene\";Terrain",
                                          "EINHEIT 100", "\"Anna\";Name", "757;Partei", "2;Anzahl"});
  for (const QStringList& p : GetParam().parts) report += p;
  report += reportgame::lines({"EINHEIT 101", "\"Bert\";Name", "757;Partei", "1;Anzahl"});
  reportgame::Game g;
  const ImportOutcome outcome = g.read(report);
  ASSERT_TRUE(outcome.ok()) << outcome.message.toStdString();
  EXPECT_EQ(g.value("SELECT Schwert || '/' || Silber || '/' || Hiebwaffen || '/' || \"Default Befehl\" FROM einheiten "
                    "WHERE \"Einheit Nr\" = 100"),
            QStringLiteral("3/50/30 2/*ARBEITE*"));
  // The combat spell is no spell of the unit's list.
  EXPECT_EQ(g.value("SELECT Zauber FROM einheiten WHERE \"Einheit Nr\" = 100"), QStringLiteral("*\"Feuerball\"*"));
  EXPECT_EQ(g.value("SELECT COUNT(*) FROM einheiten"), QStringLiteral("2"));
  EXPECT_TRUE(g.game.orders.lines().contains(QStringLiteral("    ARBEITE")));
}

INSTANTIATE_TEST_SUITE_P(
    Orders, UnitPartsOrder,
    ::testing::Values(
        OrderCase{"ItemsBeforeSkills", {part(kOrders), part(kItems), part(kSkills), part(kSpells)}},
        OrderCase{"CombatSpellAmongThem",
                  {part(kOrders), part(kSpells), part(kCombatSpell), part(kSkills), part(kItems)}},
        OrderCase{"OrdersLast",
                  {part(kEffects), part(kSpells), part(kCombatSpell), part(kItems), part(kSkills), part(kOrders)}},
        OrderCase{"EffectsFirstSkillsLast",
                  {part(kEffects), part(kItems), part(kOrders), part(kSpells), part(kSkills)}}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return std::string(info.param.name); });

}  // namespace
