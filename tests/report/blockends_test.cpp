// Where the readers' loops end: top-level blocks end every section and
// block they follow, and quoted values never end one, whatever words they hold.
#include <gtest/gtest.h>

#include <functional>

#include "report/unittestsupport.h"

using unittest::lines;
using unittest::u8;
using unittest::UnitWorld;

namespace {

enum class Reader { Unit, Region, Building, Ship };

int readBlock(UnitWorld& w, Reader reader, const QStringList& report) {
  if (reader == Reader::Unit) return w.read(report);
  w.fx->setReport(report, 0);
  if (reader == Reader::Region) getRegionInfo(w.state());
  if (reader == Reader::Building) getBurgInfo(w.state());
  if (reader == Reader::Ship) getSchiffInfo(w.state());
  return w.state().currentLine;
}

QString field(UnitWorld& w, const char* table, QVariantList key, const char* name) {
  Table t(w.fx->db, QString::fromLatin1(table));
  return t.findKey(key) ? t.text(QString::fromUtf8(name)) : QStringLiteral("<keine Zeile>");
}

struct BlockCase {
  const char* name;
  Reader reader;
  QStringList lines;
  // The value that shows the lines before the end were read.
  std::function<QString(UnitWorld&)> read;
  QString expected;
};

const QStringList kUnit = {"EINHEIT 1", "\"A\";Name", "146;Partei"};
const QStringList kRegion = {"REGION 1 1", "\"Au\";Name", "\"Ebene\";Terrain"};

QList<BlockCase> blockCases() {
  auto unitField = [](const char* name) {
    return [name](UnitWorld& w) { return w.unit(1)->s(name); };
  };
  auto regionField = [](const char* name) {
    return [name](UnitWorld& w) { return field(w, "regionen", {1, 1, 1, 0}, name); };
  };
  return {
      {"unit header", Reader::Unit, kUnit + lines({"3;Anzahl"}), unitField("Personen"), "3"},
      {"unit orders", Reader::Unit, kUnit + lines({"COMMANDS", "\"ARBEITE\""}), unitField("Default Befehl"),
       "*ARBEITE*"},
      {"unit skills", Reader::Unit, kUnit + lines({"TALENTE", "30 2;Hiebwaffen"}), unitField("Hiebwaffen"), "30 2"},
      {"unit spells", Reader::Unit, kUnit + lines({"COMMANDS", "SPRUECHE", "\"Feuerball\""}), unitField("Zauber"),
       "*\"Feuerball\"*"},
      {"unit items", Reader::Unit, kUnit + lines({"GEGENSTAENDE", "5;Holz"}), unitField("Holz"), "5"},
      {"unit letters", Reader::Unit, kUnit + lines({"EINHEITSBOTSCHAFTEN", "\"Hallo\""}),
       [](UnitWorld& w) { return w.fx->pages.botschaften.join(QLatin1Char('|')); },
       "Botschaften an Einheit A in (2/39) :|    \"Hallo\""},
      {"region attributes", Reader::Region, kRegion + lines({"20;Bauern"}), regionField("Bauern"), "20"},
      {"region prices", Reader::Region, kRegion + lines({"PREISE", "5;Balsam"}), regionField("Balsam"), "5"},
      {"region resources", Reader::Region, kRegion + lines({"RESOURCE 1", "\"Eisen\";type", "3;number"}),
       regionField("Eisen"), "3"},
      {"region borders", Reader::Region,
       kRegion + lines({"GRENZE 1", "\"Straße\";typ", "2;richtung", "50;prozent"}), regionField("Strasse2"), "50"},
      {"region messages", Reader::Region, kRegion + lines({"MESSAGE 1", "\"Regen.\";rendered"}),
       [](UnitWorld& w) { return w.fx->pages.regionMessages.join(QLatin1Char('|')); }, "Regen."},
      {"region letters", Reader::Region, kRegion + lines({"REGIONSBOTSCHAFTEN", "\"Brief\""}),
       [](UnitWorld& w) { return w.fx->pages.botschaften.join(QLatin1Char('|')); },
       "Botschaften an Region Au (1/1) :|    \"Brief\"|"},
      {"building", Reader::Building, lines({"BURG 1", "\"Burg\";Typ", "\"B\";Name", "10;Groesse"}),
       [](UnitWorld& w) { return field(w, "burgen", {1, 1}, "Burggrösse"); }, "10"},
      {"ship", Reader::Ship, lines({"SCHIFF 1", "\"S\";Name", "\"Boot\";Typ", "40;Kapitaen"}),
       [](UnitWorld& w) { return field(w, "schiffe", {1, 1}, "Kapitaen"); }, "40"},
  };
}

// Lines of the blocks that follow at the top level; read as unit, region,
// building or ship lines they fail or write nonsense.
const QStringList kTopLevelTail = {"\"Partei\";Partei", "\"Holz\";Holz",      "\"Groesse\";Groesse",
                                   "\"Kapitaen\";Kapitaen", "\"Balsam\";Balsam", "\"Bauern\";Bauern",
                                   "EINHEIT 2",          "\"B\";Name"};

TEST(BlockEnds, TopLevelBlocksEndTheSectionOrBlockTheyFollow) {
  for (const char* header :
       {"TRANSLATION", "ZAUBER 5", "TRANK 3", "MESSAGETYPE 7", "PARTEI 12", "BATTLE 1 2", "ALLIANZ 9", "GRUPPE 4"}) {
    for (const BlockCase& c : blockCases()) {
      SCOPED_TRACE(std::string(c.name) + " / " + header);
      UnitWorld w;
      w.region(u8("Nizir"), 2, 39);
      const QStringList report = c.lines + QStringList{QString::fromLatin1(header)} + kTopLevelTail;
      EXPECT_EQ(readBlock(w, c.reader, report), c.lines.size() - 1);
      EXPECT_EQ(c.read(w), c.expected);
    }
  }
}

// A value line holding capital keywords, put into each block after its
// first lines: the block goes on over it and reads the line after it.
TEST(BlockEnds, QuotedKeywordsNeverEndALoop) {
  struct Case {
    const char* name;
    Reader reader;
    QStringList lines;
    std::function<QString(UnitWorld&)> read;
    QString expected;
  };
  const QString words = QStringLiteral("Die PARTEI der REGION, BURG und SCHIFF: EINHEIT zur BATTLE ");
  auto q = [&](const char* key) { return QLatin1Char('"') + words + QLatin1Char('"') + QString::fromLatin1(key); };
  const QList<Case> cases = {
      {"unit header", Reader::Unit, kUnit + QStringList{q(";Beschr"), "4;Anzahl"},
       [](UnitWorld& w) { return w.unit(1)->s("Personen"); }, "4"},
      {"unit spells", Reader::Unit, kUnit + QStringList{"COMMANDS", "SPRUECHE", q(""), "\"Feuerball\""},
       [](UnitWorld& w) { return QString::number(w.unit(1)->s("Zauber").count(QLatin1Char('*'))); }, "3"},
      {"region attributes", Reader::Region, kRegion + QStringList{q(";Beschr"), "20;Bauern"},
       [](UnitWorld& w) { return field(w, "regionen", {1, 1, 1, 0}, "Bauern"); }, "20"},
      {"region surroundings", Reader::Region, kRegion + QStringList{"UMGEBUNG", q(""), "\"Wald ringsum\""},
       [](UnitWorld& w) { return QString::number(field(w, "regionen", {1, 1, 1, 0}, "Umgebung").count(QChar(0x16))); },
       "2"},
      {"region passing through", Reader::Region, kRegion + QStringList{"DURCHREISE", q(""), "\"Wanderer\""},
       [](UnitWorld& w) { return QString::number(w.fx->pages.geheimdienst.size()); }, "4"},
      {"region effects", Reader::Region, kRegion + QStringList{"EFFECTS", q(""), "\"Nebel\""},
       [](UnitWorld& w) { return w.fx->pages.regionMessages.join(QLatin1Char('|')); }, words + "|Nebel"},
      {"region events", Reader::Region, kRegion + QStringList{"REGIONSEREIGNISSE", q(""), "\"Sturm\""},
       [](UnitWorld& w) { return w.fx->pages.botschaften.at(2); }, "\"Sturm\""},
      {"region letters", Reader::Region, kRegion + QStringList{"REGIONSBOTSCHAFTEN", q(""), "\"Brief\""},
       [](UnitWorld& w) { return w.fx->pages.botschaften.at(2); }, "    \"Brief\""},
      {"building", Reader::Building, QStringList{"BURG 1", "\"Burg\";Typ", "\"B\";Name", q(";Beschr"), "757;Besitzer"},
       [](UnitWorld& w) { return field(w, "burgen", {1, 1}, "Besitzer"); }, "757"},
      {"ship", Reader::Ship, QStringList{"SCHIFF 1", "\"S\";Name", q(";Beschr"), "40;Kapitaen"},
       [](UnitWorld& w) { return field(w, "schiffe", {1, 1}, "Kapitaen"); }, "40"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UnitWorld w;
    w.region(u8("Nizir"), 2, 39);
    const QStringList report = c.lines + QStringList{"EINHEIT 2", "\"B\";Name"};
    EXPECT_EQ(readBlock(w, c.reader, report), c.lines.size() - 1);
    EXPECT_EQ(c.read(w), c.expected);
  }
}

// The walk before the first region: names, banners and messages that hold
// the words of block headers are values.
TEST(BlockEnds, SectionWalkTakesQuotedKeywordsForValues) {
  UnitWorld w;
  w.fx->setReport(lines({"GRUPPE 4", "\"Zur BATTLE Zone\";name", "\"REGION 3 4\";Gebiet", "ALLIANZ 9",
                         "\"Die PARTEI Süd\";Parteiname", "27;Status", "PARTEI 9", "\"Die PARTEI Süd\";Parteiname",
                         "\"sued@example.org\";email", "\"Für PARTEI und REGION \";banner", "\"PARTEI 7\";locale",
                         "MESSAGE 1", "\"Eine REGION im Handel\";rendered", "5281483;type", "REGION 1 1"}));
  readSections(w.state());
  EXPECT_EQ(w.state().currentLine, 14);
  EXPECT_FALSE(w.state().battleFlag);
  EXPECT_TRUE(w.fx->pages.kaempfe.isEmpty());
  EXPECT_EQ(w.fx->pages.status, QStringList({u8("Die PARTEI Süd = Helfe Alles")}));
  EXPECT_EQ(w.fx->pages.handel, QStringList({u8("Eine REGION im Handel")}));
  EXPECT_EQ(field(w, "parteien", {1, 9}, "Partei Name"), u8("Die PARTEI Süd"));
  EXPECT_EQ(field(w, "parteien", {1, 9}, "Banner"), u8("Für PARTEI und REGION "));
  EXPECT_EQ(testsupport::rowCount(w.fx->db, QStringLiteral("parteien")), 1);
}

}  // namespace
