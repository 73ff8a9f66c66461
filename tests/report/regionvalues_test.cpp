// Region values the report gives as resources or under keys of their own:
// peasants' silver, saplings, and the trees of a mallorn region.
#include <gtest/gtest.h>

#include "report/reportgame.h"

namespace {

struct ValueCase {
  const char* name;
  const char* spiel;  // the game line of the report
  QStringList region;  // after "REGION 0 0"
  const char* want;    // VermögenBauern|Schoesslinge|Holzstämme|Mallorn of the region
  const char* stats;   // Bauern Silber|Mallorn|Anzahl Holz of the round's statistics row
};

void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.name; }

QStringList report(const char* spiel, int round, const QStringList& region) {
  QStringList out = reportgame::lines({"VERSION 69"});
  out << QString::fromUtf8(spiel) << QStringLiteral("36;Basis") << QStringLiteral("%1;Runde").arg(round);
  out += reportgame::lines({"PARTEI 757", "\"Wir\";Parteiname", "REGION 0 0"});
  return out + region;
}

class RegionValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(RegionValues, Stored) {
  const ValueCase& c = GetParam();
  reportgame::Game g;
  ASSERT_TRUE(g.read(report(c.spiel, 1234, c.region)).ok());
  EXPECT_EQ(g.value("SELECT \"VermögenBauern\" || '|' || ifnull(Schoesslinge, '') || '|' || \"Holzstämme\" || '|' || "
                    "Mallorn FROM regionen"),
            QString::fromUtf8(c.want));
  EXPECT_EQ(g.value("SELECT \"Bauern Silber\" || '|' || Mallorn || '|' || \"Anzahl Holz\" FROM statistik "
                    "WHERE Breite = 0"),
            QString::fromUtf8(c.stats));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegionValues,
    ::testing::Values(
        ValueCase{"SilverAsResource", "\"Molvanth Zweite Edition\";Spiel",
                  reportgame::lines({"\"Au\";Name", "\"Ebene\";Terrain", "RESOURCE 1", "\"Silber\";type",
                                     "4711;number", "RESOURCE 2", "\"Bauern\";type", "300;number"}),
                  "4711||0|0", "4711|0|0"},
        ValueCase{"SaplingsAsKey", "\"Molvanth\";Spiel",
                  reportgame::lines({"\"Au\";Name", "\"Wald\";Terrain", "13;Schoesslinge", "40;Baeume"}), "0|13|40|0",
                  "0|0|40"},
        ValueCase{"MallornSaplingsAsResource", "\"Molvanth\";Spiel",
                  reportgame::lines({"\"Hain\";Name", "\"Wald\";Terrain", "1;Mallorn", "RESOURCE 1",
                                     "\"Mallornschößlinge\";type", "5;number", "RESOURCE 2", "\"Mallorn\";type",
                                     "32;number"}),
                  "0|5|32|1", "0|32|0"},
        // The trees of a mallorn region count once, as mallorn.
        ValueCase{"MallornTreesEnglish", "\"en\";locale",
                  reportgame::lines({"\"Grove\";Name", "\"Wald\";Terrain", "32;Baeume", "1;Mallorn", "RESOURCE 1",
                                     "\"Mallorn\";type", "32;number"}),
                  "0||32|1", "0|32|0"},
        ValueCase{"PlainMallornCount", "\"Molvanth\";Spiel",
                  reportgame::lines({"\"Hain\";Name", "\"Wald\";Terrain", "20;Baeume", "RESOURCE 1",
                                     "\"Mallorn\";type", "7;number"}),
                  "0||20|7", "0|7|20"}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

// A region seen in passing gives its silver only as a resource: the value
// of this round replaces last round's instead of clearing it.
TEST(RegionValuesRounds, SilverOfALaterRound) {
  reportgame::Game g;
  ASSERT_TRUE(g.read(report("\"Molvanth\";Spiel", 1234,
                            reportgame::lines({"\"Au\";Name", "\"Ebene\";Terrain", "900;Silber"})))
                  .ok());
  ASSERT_TRUE(g.read(report("\"Molvanth\";Spiel", 1235,
                            reportgame::lines({"\"Au\";Name", "\"Ebene\";Terrain", "RESOURCE 1", "\"Silber\";type",
                                               "950;number"})))
                  .ok());
  EXPECT_EQ(g.value("SELECT \"VermögenBauern\" FROM regionen"), QStringLiteral("950"));
}

}  // namespace
