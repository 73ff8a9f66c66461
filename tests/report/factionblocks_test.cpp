// Faction blocks are read by their keys: name, e-mail and banner wherever
// they stand; a value a block lacks is not taken from another line.
#include <gtest/gtest.h>

#include "report/reportgame.h"

namespace {

TEST(FactionBlocks, ValuesByKey) {
  reportgame::Game g;
  const ImportOutcome outcome = g.read(reportgame::lines(
      {"VERSION 69", "\"de\";locale", "\"Molvanth Zweite Edition\";Spiel", "36;Basis", "1234;Runde", "PARTEI 757",
       "\"de\";locale", "\"Wir\";Parteiname", "\"wir@example.org\";email", "OPTIONEN", "1;AUSWERTUNG",
       // the name eleven lines down
       "PARTEI 12", "\"de\";locale", "0;age", "1;Anzahl Personen", "\"Orks\";Typ", "0;Rekrutierungskosten",
       "\"gray\";Magiegebiet", "0;Punkte", "0;Punktedurchschnitt", "5;Anzahl", "1;Optionen",
       "\"Die Dritten\";Parteiname", "\"dritte@example.org\";email",
       // no e-mail line
       "PARTEI 13", "\"Die Vierten\";Parteiname", "\"keine\";banner",
       // English locale, banner before name
       "PARTEI 14", "\"en\";locale", "\"Hello\";Banner", "\"The Fifth\";Parteiname", "\"fifth@example.org\";email",
       "GRUPPE 3", "\"Gruppe\";name", "REGION 0 0", "\"Au\";Name"}));
  ASSERT_TRUE(outcome.ok()) << outcome.message.toStdString();
  struct Row {
    int number;
    const char* want;  // name|e-mail|banner
  };
  const Row rows[] = {{757, "Wir|wir@example.org|"},
                      {12, "Die Dritten|dritte@example.org|"},
                      {13, "Die Vierten||keine"},
                      {14, "The Fifth|fifth@example.org|Hello"}};
  for (const Row& r : rows)
    EXPECT_EQ(g.value(QStringLiteral("SELECT ifnull(\"Partei Name\", '') || '|' || ifnull(\"E-Mail\", '') || '|' || "
                                     "ifnull(Banner, '') FROM parteien WHERE \"Partei Nr\" = %1")
                          .arg(r.number)),
              QString::fromUtf8(r.want))
        << r.number;
}

TEST(FactionBlocks, BlockWithoutBannerKeepsTheStoredOne) {
  reportgame::Game g;
  const QStringList head = reportgame::lines({"VERSION 69", "\"Molvanth\";Spiel", "36;Basis"});
  ASSERT_TRUE(g.read(head + reportgame::lines({"1234;Runde", "PARTEI 757", "\"Wir\";Parteiname", "PARTEI 12",
                                               "\"Alt\";Parteiname", "\"Fahne\";banner"}))
                  .ok());
  ASSERT_TRUE(g.read(head + reportgame::lines({"1235;Runde", "PARTEI 757", "\"Wir\";Parteiname", "PARTEI 12",
                                               "\"Neu\";Parteiname"}))
                  .ok());
  EXPECT_EQ(g.value("SELECT \"Partei Name\" || '|' || Banner FROM parteien WHERE \"Partei Nr\" = 12"),
            QStringLiteral("Neu|Fahne"));
}

}  // namespace
