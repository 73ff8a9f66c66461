// Region and section blocks read by their keys: values, sub-blocks and list
// entries count wherever they stand, and a block the readers do not know is
// kept aside without ending the one around it.
#include <gtest/gtest.h>

#include "db/table.h"
#include "report/blockreaders.h"
#include "report/importerror.h"
#include "support/testsupport.h"

using testsupport::ImportFixture;

namespace {

// Runs `read`, which must end in an import error naming line `index`.
template <typename Read>
void expectErrorAt(Read read, int index) {
  try {
    read();
    ADD_FAILURE() << "no error";
  } catch (const ImportError& e) {
    EXPECT_EQ(e.lineIndex(), index);
  }
}

struct RegionCase {
  const char* name;
  QStringList lines;  // after "REGION 1 1"
  QVariantMap fields;
  QStringList messages;
  int errorLine = -1;  // the line an import error must name
};

TEST(BlockOrder, RegionValuesAndSectionsInAnyOrder) {
  const QList<RegionCase> cases = {
      {"values after the prices",
       {"\"Au\";Name", "PREISE", "5;Balsam", "250;Bauern", "\"Ebene\";Terrain", "14;Lohn"},
       {{"Bauern", 250}, {"Regiontyp", "Ebene"}, {"Arbeitslohn", 14}, {"Balsam", 5}, {"Luxusgüter", 2}},
       {}},
      {"values after a resource",
       {"\"Berg\";Name", "RESOURCE 1", "\"Eisen\";type", "1;skill", "40;number", "\"Berge\";Terrain", "77;Pferde"},
       {{"Eisen", 40}, {"Pferde", 77}, {"Regiontyp", "Berge"}},
       {}},
      {"a scheme's name is not the region's",
       {"\"Au\";Name", "\"Ebene\";Terrain", "SCHEMEN 2 2", "\"Fremdland\";Name", "RESOURCE 1", "\"Bäume\";type",
        "30;number", "FOO 3", "1;x", "PREISE", "4;Seide"},
       {{"Regionname", "Au"}, {"Holzstämme", 30}, {"Seide", 4}},
       {}},
      {"an unknown block inside the surroundings",
       {"\"Au\";Name", "\"Ebene\";Terrain", "UMGEBUNG", "\"Dichter Wald ringsum\"", "SCHEMEN 1 1", "\"Fremd\";Name", "MESSAGE 4",
        "8;type", "\"Regen.\";rendered"},
       {{"Regionname", "Au"}},
       {"Regen.", " Dichter Wald ringsum\x16"}},
      {"a road whose keys stand in another order",
       {"\"Au\";Name", "GRENZE 1", "40;prozent", "2;richtung", "\"Straße\";typ", "GRENZE 2", "9;prozent",
        "\"Wand\";typ", "3;richtung"},
       {{"Strasse2", 40}, {"Strasse3", 0}},
       {}},
      {"an amount before its type",
       {"\"Berg\";Name", "RESOURCE 1", "12;number", "\"Eisen\";type", "RESOURCE 2", "\"Steine\";type"},
       {{"Eisen", 12}, {"Steine", -1}},
       {}},
      {"a bad number after the prices names its line",
       {"\"Au\";Name", "PREISE", "1;Balsam", "x;Bauern"},
       {},
       {},
       4},
  };
  for (const RegionCase& c : cases) {
    SCOPED_TRACE(c.name);
    ImportFixture fx;
    fx.game.roundCode = 3806;
    const QStringList report = QStringList{"REGION 1 1"} + c.lines + QStringList{"EINHEIT 5", "\"Späher\";Name"};
    fx.setReport(report, 0);
    if (c.errorLine >= 0) {
      expectErrorAt([&] { getRegionInfo(*fx.state); }, c.errorLine);
      continue;
    }
    getRegionInfo(*fx.state);
    EXPECT_EQ(fx.state->currentLine, report.size() - 3);  // one before the unit
    Table t(fx.db, "regionen");
    ASSERT_TRUE(t.findKey({1, 1, 1, 0}));
    for (auto it = c.fields.begin(); it != c.fields.end(); ++it)
      EXPECT_EQ(t.value(it.key()).toString(), it.value().toString()) << it.key().toStdString();
    EXPECT_EQ(fx.pages.regionMessages, c.messages);
  }
}

struct SectionCase {
  const char* name;
  QStringList lines;  // before "REGION 0 0"
  QStringList status;
  QStringList handel;
  int errorLine = -1;
};

TEST(BlockOrder, MessagesAndAlliancesByTheirKeys) {
  const QList<SectionCase> cases = {
      {"a text line between type and rendered text",
       {"MESSAGE 1", "5281483;type", "nur Text", "\"Markt.\";rendered"},
       {},
       {"Markt."}},
      {"a section line without a quote is passed by",
       {"HANDEL", " \"Kauf\"", "1;x", " \"Verkauf\"", "FOO 2", " \"fremd\""},
       {},
       {"Kauf", "Verkauf"}},
      {"alliance status before the name",
       {"ALLIANZ 1", "27;Status", "\"Freunde\";Parteiname", "ALLIANZ 2", "\"Geber\";Parteiname", "FOO 3",
        "8;Status"},
       {"Freunde = Helfe Alles"},
       {}},
      {"old alliance list in another order",
       {"ALLIIERTE", "5;Partei", "10;Status", "\"Kampf\";Parteiname", "6;Partei", "\"Silber\";Parteiname",
        "11;Status"},
       {"Kampf = Helfe Kampf, Gib", "Silber = Helfe Kampf, Gib, Silber"},
       {}},
      {"a bad status names its line", {"OPTIONEN", "ALLIANZ 1", "alle;Status", "\"X\";Parteiname"}, {}, {}, 2},
  };
  for (const SectionCase& c : cases) {
    SCOPED_TRACE(c.name);
    ImportFixture fx;
    const QStringList report = c.lines + QStringList{"REGION 0 0"};
    fx.setReport(report);
    if (c.errorLine >= 0) {
      expectErrorAt([&] { readSections(*fx.state); }, c.errorLine);
      continue;
    }
    readSections(*fx.state);
    EXPECT_EQ(fx.state->currentLine, report.size() - 1);  // on the region header
    EXPECT_EQ(fx.pages.status, c.status);
    EXPECT_EQ(fx.pages.handel, c.handel);
  }
}

TEST(BlockOrder, OldAddressListByKeys) {
  ImportFixture fx;
  fx.game.roundCode = 3806;
  // The first entry has no e-mail line: its banner is no address.
  fx.setReport({"ADRESSEN", "800;Partei", "\"Acht\";Parteiname", "\"Fahne\";banner", "900;Partei",
                "\"neun@example.org\";email", "\"Neun\";Parteiname", "REGION 0 0"});
  readSections(*fx.state);
  EXPECT_EQ(fx.state->currentLine, 7);
  Table t(fx.db, QStringLiteral("parteien"));
  const struct {
    int number;
    const char* name;
    const char* mail;
    const char* banner;
  } expected[] = {{800, "Acht", "", "Fahne"}, {900, "Neun", "neun@example.org", ""}};
  for (const auto& e : expected) {
    ASSERT_TRUE(t.findKey({fx.game.slot, e.number})) << e.number;
    EXPECT_EQ(t.text(QStringLiteral("Partei Name")), QString::fromUtf8(e.name));
    EXPECT_EQ(t.text(QStringLiteral("E-Mail")), QString::fromUtf8(e.mail));
    EXPECT_EQ(t.text(QStringLiteral("Banner")), QString::fromUtf8(e.banner));
  }
}

}  // namespace
