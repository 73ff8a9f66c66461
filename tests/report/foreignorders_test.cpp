// Orders of foreign units (in reports merged from several factions) replace
// those of the round before, as the own units' orders do.
#include <gtest/gtest.h>

#include "report/reportgame.h"

namespace {

QStringList round(int number, const char* foreignOrder, const char* ownOrder) {
  QStringList out = reportgame::lines({"VERSION 69", "\"Molvanth\";Spiel", "36;Basis"});
  out << QStringLiteral("%1;Runde").arg(number);
  out += reportgame::lines({"PARTEI 757", "\"Wir\";Parteiname", "REGION 0 0", "\"Au\";Name", "EINHEIT 100",
                            "\"Fremd\";Name", "12;Partei", "1;Anzahl", "COMMANDS", foreignOrder, "EINHEIT 101",
                            "\"Eigen\";Name", "757;Partei", "1;Anzahl", "COMMANDS", ownOrder});
  return out;
}

TEST(ForeignOrders, ReplaceThoseOfTheRoundBefore) {
  struct Step {
    int round;
    const char* foreign;
    const char* own;
    const char* want;  // foreign|own Default Befehl
  };
  const Step steps[] = {{1234, "\"MACHEN Eisen\"", "\"ARBEITE\"", "*MACHEN Eisen*|*ARBEITE*"},
                        {1235, "\"LERNEN Bergbau\"", "\"LERNEN Hiebwaffen\"", "*LERNEN Bergbau*|*LERNEN Hiebwaffen*"}};
  reportgame::Game g;
  for (const Step& s : steps) {
    ASSERT_TRUE(g.read(round(s.round, s.foreign, s.own)).ok()) << s.round;
    EXPECT_EQ(g.value("SELECT group_concat(\"Default Befehl\", '|') FROM (SELECT * FROM einheiten ORDER BY "
                      "\"Einheit Nr\")"),
              QString::fromUtf8(s.want))
        << s.round;
  }
}

}  // namespace
