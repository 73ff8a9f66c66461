// The own faction is found whatever blocks stand between the report's
// header lines and its faction block, in both rule variants and languages.
#include <gtest/gtest.h>

#include "report/reportgame.h"

namespace {

struct HeaderCase {
  const char* name;
  QStringList header;  // up to, not including, the own faction's block
};

void PrintTo(const HeaderCase& c, std::ostream* out) { *out << c.name; }

class HeaderBlocks : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderBlocks, FindOwnFactionUnitsSkillsAndOrders) {
  reportgame::Game g;
  const QStringList report =
      GetParam().header +
      reportgame::lines({"PARTEI 1339731", "\"de\";locale", "\"Orks\";Typ", "\"Die Eigenen\";Parteiname",
                         "\"eigen@example.org\";email", "REGION 0 0", "\"Au\";Name", "\"Ebene\";Terrain",
                         "EINHEIT 100", "\"Anna\";Name", "1339731;Partei", "1;Anzahl", "TALENTE", "30 2;Hiebwaffen",
                         "COMMANDS", "\"ARBEITE\""});
  const ImportOutcome outcome = g.read(report);
  ASSERT_TRUE(outcome.ok()) << outcome.message.toStdString();
  EXPECT_EQ(g.game.session.ownPartyNumber, 1339731);
  EXPECT_EQ(g.game.session.ownPartyName, QStringLiteral("Die Eigenen"));
  EXPECT_EQ(g.game.status.einheiten, QStringLiteral("1"));
  EXPECT_TRUE(g.game.orders.lines().contains(QStringLiteral(" EINHEIT 2s;\tAnna [1,0$]")))
      << g.game.orders.lines().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(g.value("SELECT \"Default Befehl\" || '/' || Hiebwaffen FROM einheiten"), QStringLiteral("*ARBEITE*/30 2"));
  EXPECT_EQ(g.value("SELECT group_concat(\"Partei Name\") FROM parteien"), QStringLiteral("Die Eigenen"));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, HeaderBlocks,
    ::testing::Values(
        HeaderCase{"SecondEdition",
                   reportgame::lines({"VERSION 66", "\"UTF-8\";charset", "\"de\";locale",
                                      "\"Molvanth Zweite Edition\";Spiel", "36;Basis", "1234;Runde",
                                      "1339731;reportowner", "COORDTRANS 1339731", "0 0;translation", "ALLIANCE 825251",
                                      "825251;leader", "\"Beast\";name"})},
        HeaderCase{"EnglishLocale",
                   reportgame::lines({"VERSION 69", "\"UTF-8\";charset", "\"en\";locale", "\"Molvanth\";Spiel",
                                      "36;Basis", "1234;Runde", "1339731;reportowner", "ALLIANCE 825251",
                                      "825251;leader", "\"Beast\";name", "COORDTRANS 1339731", "0 0;translation"})},
        // Without an owner line the faction block's number counts.
        HeaderCase{"NoOwnerLine", reportgame::lines({"VERSION 64", "\"Molvanth\";Spiel", "36;Basis", "1234;Runde",
                                                     "COORDTRANS 1339731", "0 0;translation"})}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.name); });

}  // namespace
