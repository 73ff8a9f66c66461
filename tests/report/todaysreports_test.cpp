// Whole imports of small reports in the shape of today's format: resources
// before the prices, load and capacity keys of their own, blocks after the
// last region, and names that hold the words of block headers.
#include <gtest/gtest.h>

#include "report/reportgame.h"
#include "support/testsupport.h"

namespace {

// Header, factions and one region whose last unit ends the report's regions.
const char* const kReport[] = {
    "VERSION 69", "\"UTF-8\";charset", "\"Molvanth\";Spiel", "36;Basis", "1234;Runde", "PARTEI 146",
    "\"Die PARTEI Nord\";Parteiname", "\"nord@example.org\";email", "\"Für die PARTEI und die REGION \";banner",
    "70;Rekrutierungskosten", "GRUPPE 4", "\"Zur BATTLE Zone\";name", "ALLIANZ 9", "\"Die PARTEI Süd\";Parteiname",
    "27;Status", "PARTEI 9", "\"Die PARTEI Süd\";Parteiname", "\"sued@example.org\";email",
    "REGION 0 0", "\"Gusras\";Name", "\"Wald\";Terrain", "4004;Bauern", "RESOURCE 1", "\"Bäume\";type", "500;number",
    "RESOURCE 2", "\"Schößlinge\";type", "100;number", "RESOURCE 3", "\"Eisen\";type", "1;skill", "40;number",
    "PREISE", "8;Balsam",
    "BURG 10", "\"Burg\";Typ", "\"REGIONALBURG\";Name", "5;Groesse", "1;Besitzer",
    "SCHIFF 20", "\"SCHIFFBRUCH\";Name", "\"Boot\";Typ", "2;Kapitaen", "146;Partei", "30;cargo", "50;capacity",
    "EINHEIT 1", "\"Burgherr\";Name", "146;Partei", "1;Anzahl", "10;Burg", "\"Orks\";Typ", "COMMANDS", "\"ARBEITE\"",
    "EINHEIT 2", "\"Kapitän der EINHEIT\";Name", "146;Partei", "1;Anzahl", "20;Schiff", "\"Orks\";Typ", "50;Silber",
    "COMMANDS", "\"ARBEITE\"", "GEGENSTAENDE", "5;Holz"};

using Game = reportgame::Game;

// What follows the last unit of the report.
struct Tail {
  const char* name;
  QStringList lines;
};

void PrintTo(const Tail& tail, std::ostream* out) { *out << tail.name; }

class TodaysReport : public ::testing::TestWithParam<Tail> {};

TEST_P(TodaysReport, ReadsWholeWhateverFollowsTheLastUnit) {
  QStringList lines;
  for (const char* l : kReport) lines << QString::fromUtf8(l);
  Game g;
  const ImportOutcome outcome = g.read(lines + GetParam().lines);
  ASSERT_TRUE(outcome.ok()) << outcome.message.toStdString();

  EXPECT_EQ(g.game.session.ownPartyNumber, 146);
  EXPECT_EQ(g.game.session.ownPartyName, QStringLiteral("Die PARTEI Nord"));
  EXPECT_EQ(g.value("SELECT \"Partei Name\" FROM parteien WHERE \"Partei Nr\" = 9"), QStringLiteral("Die PARTEI Süd"));
  EXPECT_EQ(g.game.pages.status, QStringList({QStringLiteral("Die PARTEI Süd = Helfe Alles")}));
  EXPECT_TRUE(g.game.pages.kaempfe.isEmpty());

  EXPECT_EQ(g.value("SELECT \"Holzstämme\" || '/' || Schoesslinge || '/' || Eisen || '/' || Balsam FROM regionen"),
            QStringLiteral("500/100/40/8"));
  EXPECT_EQ(g.value("SELECT \"Burg Name\" || '/' || Besitzer FROM burgen"), QStringLiteral("REGIONALBURG/1"));
  EXPECT_EQ(g.value("SELECT \"Schiffs Name\" || '/' || Kapitaen || '/' || Ladung || '/' || MaxLadung FROM schiffe"),
            QStringLiteral("SCHIFFBRUCH/2/30/50"));
  EXPECT_EQ(g.value("SELECT COUNT(*) FROM einheiten"), QStringLiteral("2"));
  EXPECT_EQ(g.value("SELECT Silber || '/' || Holz FROM einheiten WHERE \"Einheit Nr\" = 2"), QStringLiteral("50/5"));

  const QStringList t = g.game.orders.lines();
  EXPECT_TRUE(t.contains(QStringLiteral(" EINHEIT 1;\tBurgherr [1,0$,Ga]")));
  EXPECT_TRUE(t.contains(QStringLiteral(" EINHEIT 2;\tKapitän der EINHEIT [1,50$,Sk]")));
  EXPECT_EQ(g.game.status.silber, QStringLiteral("50"));
}

INSTANTIATE_TEST_SUITE_P(
    Tails, TodaysReport,
    ::testing::Values(
        Tail{"Nothing", {}},
        Tail{"Translation", {"TRANSLATION", "\"Bauern\";Bauern", "\"Silber\";Silber", "\"Holz\";Holz"}},
        Tail{"SpellsPotionsMessageTypes",
             {"ZAUBER 100", "\"Feuerball\";name", "5;level", "KOMPONENTEN", "1;Aura", "TRANK 7", "\"Heiltrank\";Name",
              "ZUTATEN", "\"Alraune\"", "MESSAGETYPE 12", "\"\\\"$unit($unit) wartet.\\\"\";text", "TRANSLATION",
              "\"Silber\";Silber"}},
        Tail{"FactionAndBattle", {"PARTEI 12", "\"Dritte\";Parteiname", "BATTLE 0 0", "\"Kampf\";rendered"}}),
    [](const ::testing::TestParamInfo<Tail>& info) { return std::string(info.param.name); });

}  // namespace
