// Quotes and backslashes written escaped inside a quoted value reach the
// tables, pages and template as the plain characters.
#include <gtest/gtest.h>

#include "report/importstate.h"
#include "report/reportgame.h"
#include "report/reportlines.h"

namespace {

TEST(EscapedQuotes, TextValues) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"Die \\\"DEMOrkraten\\\"\";Parteiname", "Die \"DEMOrkraten\""},
      {"\"a\\\\b\";Name", "a\\b"},
      {"\"Ende\\\\\";Name", "Ende\\"},
      {"\"\\\";\\\"\";Beschr", "\";\""},  // an escaped quote before ";" does not end the value
      {"\"schlicht\";Name", "schlicht"},
  };
  for (const auto& [line, want] : cases)
    EXPECT_EQ(ImportState::textValue(QString::fromUtf8(line)), QString::fromUtf8(want)) << line;
  EXPECT_EQ(reportlines::unescape(u"\\\"x\\\\y\\n"), QStringLiteral("\"x\\y\\n"));
}

TEST(EscapedQuotes, WholeImport) {
  reportgame::Game g;
  const ImportOutcome outcome = g.read(reportgame::lines(
      {"VERSION 69", "\"en\";locale", "\"Molvanth\";Spiel", "36;Basis", "1234;Runde", "PARTEI 757",
       "\"Die \\\"Alten\\\"\";Parteiname", "REGION 0 0", "\"Au \\\"Mitte\\\"\";Name", "\"Ebene\";Terrain",
       "EFFECTS", "\"Ein \\\"Fluch\\\" liegt hier.\"", "EINHEIT 100", "\"Anna \\\"die Kluge\\\"\";Name",
       "\"sagt \\\\o/\";Beschr", "757;Partei", "1;Anzahl", "COMMANDS", "\"BENENNE PARTEI \\\"Die DEMOrkraten\\\"\""}));
  ASSERT_TRUE(outcome.ok()) << outcome.message.toStdString();
  EXPECT_EQ(g.game.session.ownPartyName, QStringLiteral("Die \"Alten\""));
  EXPECT_EQ(g.value("SELECT Regionname FROM regionen"), QStringLiteral("Au \"Mitte\""));
  EXPECT_EQ(g.value("SELECT \"Einheit Name\" || '|' || \"Einheit Beschreibung\" || '|' || \"Default Befehl\" "
                    "FROM einheiten"),
            QStringLiteral("Anna \"die Kluge\"|sagt \\o/|*BENENNE PARTEI \"Die DEMOrkraten\"*"));
  EXPECT_TRUE(g.game.orders.lines().contains(QStringLiteral("    BENENNE PARTEI \"Die DEMOrkraten\"")));
  EXPECT_TRUE(g.value("SELECT Umgebung FROM regionen").contains(QStringLiteral("Ein \"Fluch\" liegt hier.")));
}

}  // namespace
