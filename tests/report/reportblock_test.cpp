// Reading a block into its keyed form: which lines are entries, list lines
// and sub-blocks, and where the block ends.
#include <gtest/gtest.h>

#include "report/reportblock.h"
#include "support/testsupport.h"

namespace {

struct SplitCase {
  const char* line;
  bool entry;
  const char* value;
  const char* key;
};

TEST(ReportBlock, SplitsValueAndKey) {
  const SplitCase cases[] = {
      {"12;Anzahl", true, "12", "Anzahl"},
      {"\"Anna\";Name", true, "\"Anna\"", "Name"},
      // A ";" inside the quotes belongs to the text.
      {"\"a;b\";Beschr", true, "\"a;b\"", "Beschr"},
      {"0 0;translation", true, "0 0", "translation"},
      {"\"ARBEITE\"", false, "", ""},
      {"COMMANDS", false, "", ""},
      {"-5;Myrrhe", true, "-5", "Myrrhe"},
  };
  for (const SplitCase& c : cases) {
    QStringView value, key;
    const QString line = QString::fromUtf8(c.line);
    EXPECT_EQ(reportblock::splitEntry(line, value, key), c.entry) << c.line;
    if (!c.entry) continue;
    EXPECT_EQ(value.toString(), QString::fromUtf8(c.value)) << c.line;
    EXPECT_EQ(key.toString(), QString::fromUtf8(c.key)) << c.line;
  }
}

TEST(ReportBlock, TellsHeaders) {
  const std::pair<const char*, bool> cases[] = {
      {"EINHEIT 12", true}, {"KAMPFZAUBER 3", true}, {"COMMANDS", true},  {"REGION -1 4 2", true},
      {"\"EINHEIT\"", false}, {"5;Burg", false},     {"Ab", false},       {"", false},
      {"E", false},
  };
  for (const auto& [line, header] : cases) EXPECT_EQ(reportblock::isHeader(QString::fromUtf8(line)), header) << line;
}

TEST(ReportBlock, ReadsPartsInAnyOrderAndStopsAtTheNextBlock) {
  testsupport::ImportFixture fx;
  fx.setReport({"EINHEIT 7", "\"Anna\";Name", "5;Anzahl", "GEGENSTAENDE", "3;Schwert", "TALENTE", "30 2;Hiebwaffen",
                "KAMPFZAUBER 1", "\"Friedenslied\";name", "1;level", "COMMANDS", "\"ARBEITE\"", "\"LERNEN\"",
                "5;Anzahl", "EINHEIT 8", "\"Bert\";Name"});
  const ReportBlock b = reportblock::read(*fx.state, 0, [](QStringView h) { return h.startsWith(u"EINHEIT"); });
  EXPECT_EQ(b.endIndex, 14);
  ASSERT_EQ(b.own.entries.size(), 2);
  EXPECT_EQ(b.own.endIndex, 3);
  // The key decides: a later line of the same key is found as the last.
  ASSERT_TRUE(b.own.first(QLatin1StringView("Anzahl")));
  EXPECT_EQ(b.own.first(QLatin1StringView("Anzahl"))->index, 2);
  EXPECT_EQ(b.own.last(QLatin1StringView("Name"))->value, QStringLiteral("\"Anna\""));
  EXPECT_EQ(b.own.first(QLatin1StringView("Partei")), nullptr);

  const std::pair<const char*, int> parts[] = {{"GEGENSTAENDE", 3}, {"TALENTE", 5}, {"KAMPFZAUBER", 7}, {"COMMANDS", 10}};
  ASSERT_EQ(b.subs.size(), qsizetype(std::size(parts)));
  for (const auto& [name, index] : parts) {
    const BlockPart* p = b.sub(QLatin1StringView(name));
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->headerIndex, index) << name;
  }
  const BlockPart* commands = b.sub(QLatin1StringView("COMMANDS"));
  EXPECT_EQ(commands->listLines, QList<int>({11, 12}));
  EXPECT_EQ(commands->endIndex, 14);
  EXPECT_EQ(commands->entries.size(), 1);  // the stray value line stays with the part it stands in
  EXPECT_EQ(b.sub(QLatin1StringView("KAMPFZAUBER"))->header, QStringLiteral("KAMPFZAUBER 1"));
  EXPECT_EQ(b.sub(QLatin1StringView("SPRUECHE")), nullptr);
}

TEST(ReportBlock, EndsAtTheEndOfTheReport) {
  testsupport::ImportFixture fx;
  fx.setReport({"x", "SCHIFF 3", "\"Kahn\";Name", "EFFECTS", "\"nass\""});
  const ReportBlock b = reportblock::read(*fx.state, 1, [](QStringView) { return true; });
  EXPECT_EQ(b.endIndex, 3);  // every header ends it here
  const ReportBlock all = reportblock::read(*fx.state, 1, [](QStringView) { return false; });
  EXPECT_EQ(all.endIndex, 5);
  ASSERT_EQ(all.subs.size(), 1);
  EXPECT_EQ(all.subs.at(0).listLines, QList<int>({4}));
}

}  // namespace
