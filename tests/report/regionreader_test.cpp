#include <gtest/gtest.h>

#include <QVariantMap>

#include "game/textutil.h"
#include "db/table.h"
#include "report/blockreaders.h"
#include "report/importerror.h"
#include "report/importstate.h"
#include "support/testsupport.h"

namespace {

using testsupport::ImportFixture;
using testsupport::rowCount;

const QStringList kFrame = {QStringLiteral(" PARTEI 1 \"pw\""), QString(), QStringLiteral(" ; MCHECK -l -w4 -r50")};

struct RegionReaderTest : ::testing::Test {
  RegionReaderTest() {
    fx.game.roundCode = 3806;
    fx.orders.setLines(kFrame);
  }

  // Reads the REGION block that starts at line `at`.
  void read(const QStringList& lines, int at = 0) {
    fx.setReport(lines, at);
    getRegionInfo(*fx.state);
  }

  // Walks the report as the import does: every REGION line starts a read,
  // and the walk steps on from where the reader left it.
  void readAll(const QStringList& lines) {
    fx.setReport(lines, 0);
    ImportState& s = *fx.state;
    for (; s.currentLine < s.lineCount(); ++s.currentLine)
      if (s.line().startsWith(QStringLiteral("REGION "))) getRegionInfo(s);
  }

  // A row by its full key as field → value; empty when there is none.
  QVariantMap row(const QString& table, const QVariantList& key) {
    Table t(fx.db, table);
    QVariantMap out;
    if (!t.findKey(key)) return out;
    for (const QString& f : t.fieldNames()) out.insert(f, t.value(f));
    return out;
  }
  QVariantMap region(int x, int y, int z = 0) { return row(QStringLiteral("regionen"), {fx.game.slot, x, y, z}); }
  QVariantMap stats(int x, int y, int z, int round) {
    return row(QStringLiteral("statistik"), {fx.game.slot, x, y, z, round});
  }

  // A stored region row as an earlier import would have left it.
  void store(const QString& table, const QVariantMap& values) {
    Table t(fx.db, table);
    t.append();
    for (auto it = values.begin(); it != values.end(); ++it) t.setValue(it.key(), it.value());
    t.post();
  }

  QStringList orderLinesAfterFrame() const { return fx.orders.lines().mid(kFrame.size()); }

  ImportFixture fx;
};

// ---------------------------------------------------------------- header

TEST_F(RegionReaderTest, HeaderGivesCoordinatesPositionAndLevel) {
  read({"REGION 3 -4", "\"Tal\";Name", "\"Ebene\";Terrain"});
  QVariantMap r = region(3, -4);
  ASSERT_FALSE(r.isEmpty());
  EXPECT_EQ(r["Breite"].toInt(), 3);
  EXPECT_EQ(r["Länge"].toInt(), -4);
  EXPECT_EQ(r["Ebene"].toInt(), 0);
  EXPECT_EQ(r["Spiel"].toInt(), 1);
  EXPECT_EQ(r["Info Datum"].toInt(), 3806);
  EXPECT_EQ(fx.state->regionPosition, "3/-4");
  EXPECT_EQ(rowCount(fx.db, "ebenen"), 0);

  read({"REGION 3 -4 1", "\"Tief\";Name", "\"Ebene\";Terrain"});
  EXPECT_EQ(fx.state->regionPosition, "3/-4/1");
  EXPECT_EQ(region(3, -4, 1)["Regionname"].toString(), "Tief");
  EXPECT_EQ(region(3, -4)["Regionname"].toString(), "Tal");  // a separate row per level
  EXPECT_EQ(row("ebenen", {1, 1})["Name"].toString(), "unbekannt");

  // A level the player has named already is neither doubled nor renamed.
  store("ebenen", {{"Spiel", 1}, {"Ebene", 2}, {"Name", "Unterwelt"}});
  read({"REGION 0 0 2", "\"Höhle\";Name", "\"Ebene\";Terrain"});
  read({"REGION 0 0 1", "\"Höhle\";Name", "\"Ebene\";Terrain"});
  EXPECT_EQ(rowCount(fx.db, "ebenen"), 2);
  EXPECT_EQ(row("ebenen", {1, 2})["Name"].toString(), "Unterwelt");
}

TEST_F(RegionReaderTest, MalformedHeaderIsAnImportErrorOnThatLine) {
  for (const QString& header : {QStringLiteral("REGION 3"), QStringLiteral("REGION 3 x"),
                                QStringLiteral("REGION 3 4 z")}) {
    try {
      read({"\"Vorspann\";x", header, "\"Tal\";Name"}, 1);
      ADD_FAILURE() << "no error for " << header.toStdString();
    } catch (const ImportError& e) {
      EXPECT_EQ(e.lineIndex(), 1) << header.toStdString();
    }
  }
  EXPECT_EQ(rowCount(fx.db, "regionen"), 0);
}

TEST_F(RegionReaderTest, TemplateHeaderCarriesTheLevelOnlyWhenAnotherLevelIsShown) {
  read({"REGION 3 -4 1", "\"Tal\";Name", "\"Ebene\";Terrain", "12;Lohn"});
  EXPECT_EQ(orderLinesAfterFrame(), QStringList({"", " REGION 3,-4 ; Tal", " ; MCheck Lohn 12", ""}));

  fx.orders.setLines(kFrame);
  fx.game.currentLevel = 1;
  read({"REGION 3 -4 1", "\"Tal\";Name", "\"Ebene\";Terrain"});
  EXPECT_EQ(orderLinesAfterFrame(), QStringList({"", " REGION 3,-4,1 ; Tal", " ; MCheck Lohn 11", ""}));
}

// ---------------------------------------------------------------- names

TEST_F(RegionReaderTest, OceanNaming) {
  // First seen without a name: the sea.
  read({"REGION 1 1", "\"Ozean\";Terrain"});
  EXPECT_EQ(region(1, 1)["Regionname"].toString(), "Ozean");
  read({"REGION 2 2", "\"neighbour\";visibility"});
  EXPECT_EQ(region(2, 2)["Regionname"].toString(), "Ozean");

  // A stored name stays when the block has none.
  store("regionen", {{"Spiel", 1}, {"Breite", 5}, {"Länge", 5}, {"Ebene", 0}, {"Regionname", "Altland"},
                     {"Regiontyp", "Wald"}, {"Info Datum", 3805}});
  read({"REGION 5 5", "\"Wald\";Terrain"});
  EXPECT_EQ(region(5, 5)["Regionname"].toString(), "Altland");

  // Terrain "Ozean" wins over any name line.
  read({"REGION 6 6", "\"Seefeld\";Name", "\"Ozean\";Terrain"});
  EXPECT_EQ(region(6, 6)["Regionname"].toString(), "Ozean");
  EXPECT_EQ(orderLinesAfterFrame().at(1), " REGION 6,6 ; Ozean");

  // Regions named "Ozean" get no immigration heading, sea terrain no statistics row.
  EXPECT_EQ(fx.pages.einreise, QStringList({"", "Einreisebericht für Altland (5/5) :", ""}));
  EXPECT_TRUE(stats(1, 1, 0, 3806).isEmpty());
  EXPECT_TRUE(stats(6, 6, 0, 3806).isEmpty());
  EXPECT_FALSE(stats(5, 5, 0, 3806).isEmpty());
  EXPECT_FALSE(stats(2, 2, 0, 3806).isEmpty());  // unknown terrain counts as land
}

// ---------------------------------------------------------------- attributes

TEST_F(RegionReaderTest, AttributesAndTheValuesEveryReadStartsFrom) {
  store("regionen", {{"Spiel", 1}, {"Breite", 5}, {"Länge", 6}, {"Ebene", 0}, {"Steine", 9}, {"Schoesslinge", 4},
                     {"Balsam", 33}, {"Bewachung", "bewacht von Wachen"}, {"Info Datum", 3805}});
  read({"REGION 5 6", "\"Grünau\";Name", "\"Wald\";Terrain", "\"Ein Wald.\";Beschr", "120;Baeume", "2;Mallorn",
        "3;Laen", "7;Eisen", "1999;Bauern", "5000;Silber", "12;Pferde", "50;Strasse", "300;Unterh", "40;Rekruten",
        "13;Lohn"});
  QVariantMap r = region(5, 6);
  EXPECT_EQ(r["Regionname"].toString(), "Grünau");
  EXPECT_EQ(r["Regiontyp"].toString(), "Wald");
  EXPECT_EQ(r["Beschreibung"].toString(), "Ein Wald.");
  EXPECT_EQ(r["Holzstämme"].toInt(), 120);
  EXPECT_EQ(r["Mallorn"].toInt(), 2);
  EXPECT_EQ(r["Lean"].toInt(), 3);
  EXPECT_EQ(r["Eisen"].toInt(), 7);
  EXPECT_EQ(r["Bauern"].toInt(), 1999);
  EXPECT_EQ(r["VermögenBauern"].toInt(), 5000);
  EXPECT_EQ(r["Pferde"].toInt(), 12);
  EXPECT_EQ(r["Strasse"].toInt(), 50);
  EXPECT_EQ(r["Unterhaltung max"].toInt(), 300);
  EXPECT_EQ(r["Rekrutieren"].toInt(), 40);
  EXPECT_EQ(r["Arbeitslohn"].toInt(), 13);
  EXPECT_EQ(r["Luxusgüter"].toInt(), 19);  // 1999 peasants, no maxLuxus
  EXPECT_EQ(r["Bewachung"].toString(), "unbewacht");
  EXPECT_EQ(r["Steine"].toInt(), 9);
  EXPECT_EQ(r["Schoesslinge"].toInt(), 4);
  EXPECT_EQ(r["Balsam"].toInt(), 33);

  // The next read of the region starts again from the reset values.
  read({"REGION 5 6", "\"Wald\";Terrain", "250;Bauern"});
  r = region(5, 6);
  for (const char* zero : {"Holzstämme", "Mallorn", "Eisen", "VermögenBauern", "Pferde", "Strasse", "Strasse1",
                           "Strasse5", "Rekrutieren"})
    EXPECT_EQ(r[zero].toInt(), 0) << zero;
  EXPECT_EQ(r["Lean"].toInt(), -1);
  EXPECT_EQ(r["Arbeitslohn"].toInt(), 11);
  EXPECT_EQ(r["Luxusgüter"].toInt(), 2);  // 250 / 100
  EXPECT_EQ(r["Regionname"].toString(), "Grünau");
  EXPECT_EQ(r["Beschreibung"].toString(), "Ein Wald.");
  EXPECT_EQ(r["Unterhaltung max"].toInt(), 300);
  EXPECT_EQ(r["Steine"].toInt(), 9);

  // A reported maximum is kept as it is.
  read({"REGION 5 6", "\"Wald\";Terrain", "250;Bauern", "7;maxLuxus"});
  EXPECT_EQ(region(5, 6)["Luxusgüter"].toInt(), 7);
}

TEST_F(RegionReaderTest, BadNumbersStopTheReadNamingTheirLine) {
  try {
    read({"REGION 1 1", "\"Tal\";Name", "12a;Bauern"});
    ADD_FAILURE() << "no error";
  } catch (const ImportError& e) {
    EXPECT_EQ(e.lineIndex(), 2);
    EXPECT_EQ(e.lineText(), "12a;Bauern");
  }
  // An amount read ahead names its own line.
  try {
    read({"REGION 1 1", "\"Berg\";Name", "PREISE", "RESOURCE 1", "\"Eisen\";type", "1;skill", "4x;number"});
    ADD_FAILURE() << "no error";
  } catch (const ImportError& e) {
    EXPECT_EQ(e.lineIndex(), 6);
  }
  // A description that happens to hold a number key is just text.
  read({"REGION 2 2", "\"Tal\";Name", "\"Ebene\";Terrain", "\"Hier gilt;Lohn der Mühe;Silberflut\";Beschr"});
  EXPECT_EQ(region(2, 2)["Beschreibung"].toString(), "Hier gilt;Lohn der Mühe;Silberflut");
  EXPECT_EQ(region(2, 2)["Arbeitslohn"].toInt(), 11);
}

// ---------------------------------------------------------------- rounds

TEST_F(RegionReaderTest, OlderReportKeepsTheRowButWritesStatisticsAndTemplate) {
  fx.game.roundCode = 11;
  store("regionen", {{"Spiel", 1}, {"Breite", 2}, {"Länge", 2}, {"Ebene", 0}, {"Regionname", "Alt"},
                     {"Regiontyp", "Ebene"}, {"Bauern", 500}, {"VermögenBauern", 70}, {"Holzstämme", 30},
                     {"Arbeitslohn", 14}, {"Umgebung", "Kampf in Runde 12"}, {"Info Datum", 12}});
  const QVariantMap before = region(2, 2);
  read({"REGION 2 2", "\"Neu\";Name", "\"Wald\";Terrain", "900;Bauern", "10;Lohn", "PREISE", "5;Balsam",
        "MESSAGE 1", "\"Etwas geschah.\";rendered"});
  EXPECT_EQ(region(2, 2), before);
  EXPECT_EQ(fx.state->tables.regionen.text("Regionname"), "Alt");

  // The round's statistics row holds what the round's report says, not the newer stored values.
  const QVariantMap s = stats(2, 2, 0, 11);
  ASSERT_FALSE(s.isEmpty());
  EXPECT_EQ(s["Bauern"].toInt(), 900);
  EXPECT_EQ(s["Bauern Silber"].toInt(), 0);
  EXPECT_EQ(s["Anzahl Holz"].toInt(), 0);
  EXPECT_EQ(orderLinesAfterFrame(), QStringList({"", " REGION 2,2 ; Alt", " ; MCheck Lohn 14", ""}));

  // The same round again is not older: the row is written.
  fx.game.roundCode = 12;
  read({"REGION 2 2", "\"Neu\";Name", "\"Wald\";Terrain", "900;Bauern"});
  EXPECT_EQ(region(2, 2)["Regionname"].toString(), "Neu");
  EXPECT_EQ(region(2, 2)["Bauern"].toInt(), 900);
}

// ---------------------------------------------------------------- resources

TEST_F(RegionReaderTest, ResourceAmountsLookOneOrTwoLinesAhead) {
  read({"REGION 1 1", "\"Berg\";Name", "\"Berge\";Terrain", "PREISE",
        "RESOURCE 1", "\"Eisen\";type", "1;skill", "40;number",
        "RESOURCE 2", "\"Steine\";type", "1;skill", "2;rest",
        "RESOURCE 3", "\"Bäume\";type", "1;skill", "9;number",
        "RESOURCE 4", "\"Laen\";type", "6;number",
        "RESOURCE 5", "\"Schößlinge\";type", "3;number",
        "RESOURCE 6", "\"Mallorn\";type"});
  const QVariantMap r = region(1, 1);
  EXPECT_EQ(r["Eisen"].toInt(), 40);        // past the skill line
  EXPECT_EQ(r["Steine"].toInt(), -1);       // neither of the two lines has an amount
  EXPECT_EQ(r["Holzstämme"].toInt(), -1);   // trees look at the next line only
  EXPECT_EQ(r["Lean"].toInt(), 6);
  EXPECT_EQ(r["Schoesslinge"].toInt(), 3);
  EXPECT_EQ(r["Mallorn"].toInt(), -1);      // the report ends after the name
  EXPECT_EQ(fx.state->currentLine, fx.state->lineCount() - 1);
}

// Regions without peasants have no prices; their sections are read all the same.
TEST_F(RegionReaderTest, WithoutPricesTheLaterSectionsAreReadAllTheSame) {
  store("regionen", {{"Spiel", 1}, {"Breite", 1}, {"Länge", 1}, {"Ebene", 0}, {"Steine", 9}, {"Schoesslinge", 4},
                     {"Info Datum", 3805}});
  const QStringList report = {"REGION 1 1", "\"Berg\";Name", "\"Berge\";Terrain", "5;Baeume",
                              "RESOURCE 1", "\"Eisen\";type", "40;number",
                              "RESOURCE 2", "\"Steine\";type", "3;number",
                              "GRENZE 1", "\"Straße\";typ", "0;richtung", "100;prozent",
                              "UMGEBUNG", "\"Ein dichter Nebel liegt hier\"",
                              "EFFECTS", "\"Nebel\"",
                              "EINHEIT 7", "\"Kundschafter\";Name"};
  read(report);
  const QVariantMap r = region(1, 1);
  EXPECT_EQ(r["Holzstämme"].toInt(), 5);
  EXPECT_EQ(r["Eisen"].toInt(), 40);
  EXPECT_EQ(r["Lean"].toInt(), -1);
  EXPECT_EQ(r["Steine"].toInt(), 3);
  EXPECT_EQ(r["Schoesslinge"].toInt(), 4);
  EXPECT_EQ(r["Strasse"].toInt(), 100);
  const QString surroundings = QStringLiteral(" Ein dichter Nebel liegt hier\x16");
  EXPECT_EQ(fx.pages.regionMessages, QStringList({"Nebel", surroundings}));
  EXPECT_EQ(r["Umgebung"].toString(), "Nebel\r\n" + surroundings + "\r\n");
  EXPECT_EQ(fx.state->currentLine, report.indexOf(QStringLiteral("EINHEIT 7")) - 1);
}

// Today's reports put the resources before the prices, older ones some
// borders; regions without peasants have no prices at all. Every section is
// read wherever it stands.
TEST_F(RegionReaderTest, SectionsAreReadInAnyOrder) {
  struct Case {
    const char* name;
    bool ocean;
    QStringList lines;  // after the header
    QVariantMap fields;
    QStringList messages;
    QStringList observed;  // the passing-through page after its heading
  };
  const QList<Case> cases = {
      {"resources before prices",
       false,
       {"\"Berg\";Name", "\"Berge\";Terrain", "100;Bauern", "RESOURCE 1", "\"Bäume\";type", "30;number", "1234;Runde",
        "RESOURCE 2", "\"Mallorn\";type", "4;number", "RESOURCE 3", "\"Schößlinge\";type", "6;number", "RESOURCE 4",
        "\"Eisen\";type", "1;skill", "40;number", "RESOURCE 5", "\"Laen\";type", "7;number", "RESOURCE 6",
        "\"Steine\";type", "9;number", "PREISE", "12;Balsam"},
       {{"Holzstämme", 30}, {"Mallorn", 4}, {"Schoesslinge", 6}, {"Eisen", 40}, {"Lean", 7}, {"Steine", 9},
        {"Balsam", 12}, {"Bauern", 100}},
       {},
       {}},
      {"no prices at all",
       false,
       {"\"Eis\";Name", "\"Gletscher\";Terrain", "RESOURCE 1", "\"Eisen\";type", "2;number", "GRENZE 1",
        "\"Straße\";typ", "3;richtung", "50;prozent", "EFFECTS", "\"Kälte\""},
       {{"Eisen", 2}, {"Strasse3", 50}},
       {"Kälte"},
       {}},
      {"borders before prices",
       false,
       {"\"Au\";Name", "\"Ebene\";Terrain", "GRENZE 1", "\"Straße\";typ", "1;richtung", "100;prozent", "GRENZE 2",
        "\"Straße\";typ", "4;richtung", "30;prozent", "PREISE", "5;Seide", "UMGEBUNG", "\"Nebel über dem Fluss\""},
       {{"Strasse1", 100}, {"Strasse4", 30}, {"Seide", 5}},
       {" Nebel über dem Fluss\x16"},
       {}},
      {"every section in reverse order",
       false,
       {"\"Au\";Name", "\"Ebene\";Terrain", "REGIONSEREIGNISSE", "\"Sturm\"", "MESSAGE 1", "\"Regen.\";rendered",
        "EFFECTS", "\"Nebel\"", "DURCHREISE", "\"Wanderer (abc)\"", "UMGEBUNG", "\"Wald ringsum dicht\"", "GRENZE 1",
        "\"Straße\";typ", "2;richtung", "70;prozent", "RESOURCE 1", "\"Bäume\";type", "8;number", "PREISE", "3;Öl"},
       {{"Holzstämme", 8}, {"Strasse2", 70}, {"Oel", 3}},
       {"Regen.", "Nebel", " Wald ringsum dicht\x16"},
       {"\"Wanderer (abc)\"", ""}},
      // At sea the travellers are region messages, but a second passing header is none.
      {"travellers by land and by sea",
       true,
       {"\"Ozean\";Terrain", "DURCHREISE", "\"Wanderer (abc)\"", "DURCHSCHIFFUNG", "\"Kogge (xyz)\"", "MESSAGE 2",
        "\"Wellen.\";rendered"},
       {},
       {"Wanderer (abc)", "Kogge (xyz)", "Wellen."},
       {"\"Wanderer (abc)\"", "DURCHSCHIFFUNG", "\"Kogge (xyz)\"", ""}},
      {"surroundings in two parts",
       false,
       {"\"Au\";Name", "\"Ebene\";Terrain", "UMGEBUNG", "\"Erster Teil\"", "MESSAGE 1", "\"Mitte.\";rendered",
        "UMGEBUNG", "\"Zweiter Teil\""},
       {},
       {"Mitte.", " Erster Teil\x16Zweiter Teil\x16"},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ImportFixture fresh;
    fresh.game.roundCode = 3806;
    const QStringList report = QStringList{"REGION 1 1"} + c.lines + QStringList{"EINHEIT 5", "\"Späher\";Name"};
    fresh.setReport(report, 0);
    getRegionInfo(*fresh.state);
    EXPECT_EQ(fresh.state->currentLine, report.size() - 3);
    Table t(fresh.db, "regionen");
    ASSERT_TRUE(t.findKey({1, 1, 1, 0}));
    for (auto it = c.fields.begin(); it != c.fields.end(); ++it) EXPECT_EQ(t.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(fresh.pages.regionMessages, c.messages);
    EXPECT_EQ(t.text("Umgebung"), c.messages.isEmpty() ? QString() : c.messages.join("\r\n") + "\r\n");
    EXPECT_EQ(fresh.pages.geheimdienst.mid(1), c.observed);
  }
}

// ---------------------------------------------------------------- prices and roads

TEST_F(RegionReaderTest, PricesAndRoads) {
  read({"REGION 1 1", "\"Au\";Name", "\"Ebene\";Terrain", "PREISE", "10;Balsam", "125;Gewürz", "-7;Juwel",
        "60;Myrrhe", "48;Öl", "102;Seide", "52;Weihrauch",
        "GRENZE 1", "\"Straße\";typ", "0;richtung", "100;prozent",
        "GRENZE 2", "\"Straße\";typ", "6;richtung", "70;prozent",
        // Were the road of direction 6 still pending, this would become Strasse2.
        "GRENZE 3", "\"Feuerwand\";typ", "2;richtung", "55;prozent",
        "GRENZE 4", "\"Straße\";typ", "5;richtung", "30;prozent",
        // A road without a direction of its own stores nothing.
        "GRENZE 5", "\"Straße\";typ", "80;prozent",
        "GRENZE 6", "\"Irrlichter\";typ", "3;richtung"});
  const QVariantMap r = region(1, 1);
  EXPECT_EQ(r["Balsam"].toInt(), 10);
  EXPECT_EQ(r["Gewuerz"].toInt(), 125);
  EXPECT_EQ(r["Juwel"].toInt(), -7);
  EXPECT_EQ(r["Myrrhe"].toInt(), 60);
  EXPECT_EQ(r["Seide"].toInt(), 102);
  EXPECT_EQ(r["Strasse"].toInt(), 100);
  for (const char* none : {"Strasse1", "Strasse2", "Strasse3", "Strasse4"}) EXPECT_EQ(r[none].toInt(), 0) << none;
  EXPECT_EQ(r["Strasse5"].toInt(), 30);
}

// ---------------------------------------------------------------- template

TEST_F(RegionReaderTest, HeaderWithoutUnitLinesMakesWayForTheNextRegion) {
  readAll({"REGION 1 1", "\"A\";Name", "\"Ebene\";Terrain", "REGION 2 2", "\"B\";Name", "\"Ebene\";Terrain", "15;Lohn"});
  EXPECT_EQ(orderLinesAfterFrame(), QStringList({"", " REGION 2,2 ; B", " ; MCheck Lohn 15", ""}));

  // A region with a unit line keeps its header.
  fx.orders.setLines(kFrame);
  read({"REGION 1 1", "\"A\";Name", "\"Ebene\";Terrain"});
  fx.orders.add(" EINHEIT abc;\tLeute [1,0$]");
  read({"REGION 2 2", "\"B\";Name", "\"Ebene\";Terrain"});
  EXPECT_EQ(orderLinesAfterFrame(), QStringList({"", " REGION 1,1 ; A", " ; MCheck Lohn 11", "",
                                                 " EINHEIT abc;\tLeute [1,0$]", "", " REGION 2,2 ; B",
                                                 " ; MCheck Lohn 11", ""}));

  // A unit whose lines merely mention REGION is not mistaken for a header.
  fx.orders.setLines(kFrame);
  read({"REGION 1 1", "\"A\";Name", "\"Ebene\";Terrain"});
  const QStringList unit = {" EINHEIT xyz;\tREGIONSWACHE [5,0$]", "    ARBEITEN", "    ; bleibt"};
  for (const QString& l : unit) fx.orders.add(l);
  read({"REGION 2 2", "\"B\";Name", "\"Ebene\";Terrain"});
  const QStringList lines = orderLinesAfterFrame();
  ASSERT_EQ(lines.size(), 11);
  EXPECT_EQ(lines.mid(4, 3), unit);
  EXPECT_EQ(lines.at(8), " REGION 2,2 ; B");

  // The faction frame alone is never cut.
  fx.orders.setLines({" REGION ?", QString(), QString()});
  read({"REGION 3 3", "\"C\";Name"});
  EXPECT_EQ(fx.orders.lineCount(), 7);
}

// ---------------------------------------------------------------- surroundings and messages

TEST_F(RegionReaderTest, BattleMarkerOfTheRoundLeadsTheSurroundingsAfterTheMessages) {
  store("regionen", {{"Spiel", 1}, {"Breite", 4}, {"Länge", 4}, {"Ebene", 0}, {"Umgebung", "Kampf in Runde 3806"},
                     {"Info Datum", 3805}});
  read({"REGION 4 4", "\"Feld\";Name", "\"Ebene\";Terrain", "PREISE", "UMGEBUNG", "\"Nebel zieht auf\"",
        "\"Wölfe heulen\"", "DURCHREISE", "\"Wanderer (abc)\"", "MESSAGE 1", "5;type", "\"Ein Ereignis.\";rendered",
        "MESSAGE 2", "\"Noch eins.\";rendered", "BURG 7"});
  const QString surroundings = QStringLiteral("Kampf in Runde 3806Nebel zieht auf\x16Wölfe heulen\x16");
  EXPECT_EQ(fx.pages.regionMessages, QStringList({"Ein Ereignis.", "Noch eins.", surroundings}));
  EXPECT_EQ(region(4, 4)["Umgebung"].toString(), "Ein Ereignis.\r\nNoch eins.\r\n" + surroundings + "\r\n");
  EXPECT_EQ(fx.pages.geheimdienst,
            QStringList({"Unsere Leute in Feld (4/4) haben folgendes beobachtet:", "\"Wanderer (abc)\"", ""}));
  EXPECT_EQ(fx.state->currentLine, 13);
}

TEST_F(RegionReaderTest, SurroundingsWithoutThisRoundsMarkerStartAfresh) {
  store("regionen", {{"Spiel", 1}, {"Breite", 4}, {"Länge", 4}, {"Ebene", 0}, {"Umgebung", "Kampf in Runde 3805"},
                     {"Info Datum", 3805}});
  read({"REGION 4 4", "\"Feld\";Name", "\"Ebene\";Terrain", "PREISE", "UMGEBUNG", "\"Nebel über dem Feld\""});
  EXPECT_EQ(region(4, 4)["Umgebung"].toString(), " Nebel über dem Feld\x16\r\n");

  // Too short to count: only the message lines remain.
  read({"REGION 4 4", "\"Feld\";Name", "\"Ebene\";Terrain", "PREISE", "UMGEBUNG", "\"Nebel\""});
  EXPECT_TRUE(region(4, 4)["Umgebung"].toString().isEmpty());
  read({"REGION 4 4", "\"Feld\";Name", "\"Ebene\";Terrain", "MESSAGE 3", "\"Regen.\";rendered"});
  EXPECT_EQ(region(4, 4)["Umgebung"].toString(), "Regen.\r\n");
}

TEST_F(RegionReaderTest, PassingThroughEffectsAndRegionTextsFillThePages) {
  const QStringList report = {"REGION 0 0", "\"Ozean\";Terrain", "DURCHSCHIFFUNG", "\"Boot (bbbb)\"",
                              "DURCHREISE", "\"Wanderer (1123)\"", "MESSAGE 9", "\"Welle.\";rendered",
                              "REGIONSEREIGNISSE", "\"Sturm\"", "REGIONSKOMMENTAR", "\"Kommentar\"",
                              "REGIONSNACHRICHTEN", "\"Nachricht\"", "REGIONSBOTSCHAFTEN", "\"Brief\"",
                              "EINHEIT 3"};
  read(report);
  EXPECT_EQ(fx.pages.geheimdienst, QStringList({"Unsere Leute in Ozean (0/0) haben folgendes beobachtet:",
                                                "\"Boot (bbbb)\"", "DURCHREISE", "\"Wanderer (1123)\"", ""}));
  // At sea the travellers are region messages as well.
  EXPECT_EQ(fx.pages.regionMessages, QStringList({"Boot (bbbb)", "Wanderer (1123)", "Welle."}));
  EXPECT_EQ(fx.pages.botschaften,
            QStringList({"Ereignisse in Ozean (0/0) :", "\"Sturm\"", "", "Ereignisse in Ozean (0/0) :",
                         "\"Kommentar\"", "", "Ereignisse in Ozean (0/0) :", "\"Nachricht\"", "",
                         "Botschaften an Region Ozean (0/0) :", "    \"Brief\"", ""}));
  EXPECT_TRUE(fx.pages.einreise.isEmpty());
  EXPECT_EQ(rowCount(fx.db, "statistik"), 0);
  EXPECT_EQ(fx.state->currentLine, report.size() - 2);

  // On land: the immigration heading, effects into the messages, no travellers there.
  read({"REGION 1 0", "\"Au\";Name", "\"Ebene\";Terrain", "PREISE", "EFFECTS", "\"Das Korn steht gut.\"",
        "DURCHREISE", "\"Wanderer (1123)\""});
  EXPECT_EQ(fx.pages.einreise, QStringList({"", "Einreisebericht für Au (1/0) :", ""}));
  // The prices end at the effects header.
  EXPECT_EQ(fx.pages.regionMessages, QStringList({"Das Korn steht gut."}));
  EXPECT_EQ(fx.pages.geheimdienst.mid(5), QStringList({"Unsere Leute in Au (1/0) haben folgendes beobachtet:",
                                                      "\"Wanderer (1123)\"", ""}));
}

// ---------------------------------------------------------------- block ends

TEST_F(RegionReaderTest, ReadEndsOneBeforeTheNextBlockOrOnTheLastLine) {
  read({"REGION 1 2"});
  EXPECT_EQ(fx.state->currentLine, 0);
  EXPECT_EQ(region(1, 2)["Regionname"].toString(), "Ozean");

  read({"REGION 1 2", "\"A\";Name", "\"Ebene\";Terrain"});
  EXPECT_EQ(fx.state->currentLine, 2);

  read({"REGION 1 2", "\"A\";Name", "PREISE", "5;Balsam"});
  EXPECT_EQ(fx.state->currentLine, 3);
  EXPECT_EQ(region(1, 2)["Balsam"].toInt(), 5);

  for (const QString& next : {QStringLiteral("REGION 9 9"), QStringLiteral("DURCHREISEREGION 9 9"),
                              QStringLiteral("BURG 1"), QStringLiteral("SCHIFF 1"), QStringLiteral("EINHEIT 1"),
                              QStringLiteral("MESSAGETYPE 1")}) {
    read({"REGION 1 2", "\"A\";Name", "\"Ebene\";Terrain", "PREISE", "5;Balsam", next, "\"B\";Name"});
    EXPECT_EQ(fx.state->currentLine, 4) << next.toStdString();
  }
  // A passing-through block of its own is not read as this region's travellers.
  EXPECT_TRUE(fx.pages.geheimdienst.isEmpty());
  // The region row stays current for the unit reader.
  EXPECT_EQ(fx.state->tables.regionen.text("Regionname"), "A");
}

// ---------------------------------------------------------------- statistics

TEST_F(RegionReaderTest, StatisticsRowOfTheRound) {
  read({"REGION 1 1", "\"Wald\";Name", "\"Wald\";Terrain", "30;Baeume", "1;Mallorn", "4;Laen", "8;Eisen",
        "700;Bauern", "900;Silber", "20;Pferde"});
  QVariantMap s = stats(1, 1, 0, 3806);
  ASSERT_FALSE(s.isEmpty());
  EXPECT_EQ(s["Mallorn"].toInt(), 30);  // 1 marks mallorn trees
  EXPECT_EQ(s["Anzahl Holz"].toInt(), 0);
  EXPECT_EQ(s["Laen"].toInt(), 4);
  EXPECT_EQ(s["Eisen"].toInt(), 8);
  EXPECT_EQ(s["Bauern"].toInt(), 700);
  EXPECT_EQ(s["Bauern Silber"].toInt(), 900);
  EXPECT_EQ(s["Pferde"].toInt(), 20);
  EXPECT_EQ(s["Partei Silber Region"].toInt(), 0);

  read({"REGION 1 2 3", "\"Hain\";Name", "\"Wald\";Terrain", "30;Baeume", "5;Mallorn"});
  s = stats(1, 2, 3, 3806);
  EXPECT_EQ(s["Mallorn"].toInt(), 5);
  EXPECT_EQ(s["Anzahl Holz"].toInt(), 30);

  // Reading the round again rewrites its row, another round adds one.
  {
    Table t(fx.db, "statistik");
    ASSERT_TRUE(t.findKey({1, 1, 1, 0, 3806}));
    t.edit();
    t.setValue("Partei Silber Region", 77);
    t.post();
  }
  read({"REGION 1 1", "\"Wald\";Name", "\"Wald\";Terrain", "701;Bauern"});
  EXPECT_EQ(rowCount(fx.db, "statistik"), 2);
  EXPECT_EQ(stats(1, 1, 0, 3806)["Partei Silber Region"].toInt(), 0);
  EXPECT_EQ(stats(1, 1, 0, 3806)["Bauern"].toInt(), 701);
  fx.game.roundCode = 3807;
  read({"REGION 1 1", "\"Wald\";Name", "\"Wald\";Terrain", "702;Bauern"});
  EXPECT_EQ(rowCount(fx.db, "statistik"), 3);
}

// ---------------------------------------------------------------- progress

struct RecordingProgress : ImportProgress {
  void setPart(const QString& t) override { part = t; }
  void setLineText(const QString& t) override { line = t; }
  void setUnitText(const QString& t) override { unit = t; }
  void setPercent(int p) override { percent = p; }
  void repaint() override { ++repaints; }
  QString part, line, unit;
  int percent = -1;
  int repaints = 0;
};

TEST_F(RegionReaderTest, ProgressShowsTheRegionAndTheLine) {
  RecordingProgress progress;
  ImportState state(fx.game, *fx.tables, fx.pages, fx.status, fx.orders, fx.tree, progress);
  state.lines = {"\"x\";y", "REGION 3 -4", "\"Tal\";Name", "\"Ebene\";Terrain", "PREISE", "1;Balsam", "BURG 1", "z"};
  state.currentLine = 1;
  getRegionInfo(state);
  EXPECT_EQ(progress.part, "Informationen werden eingelesen für : Tal (3/-4)");
  EXPECT_EQ(progress.line, "4");
  EXPECT_EQ(progress.unit, " ");
  EXPECT_EQ(progress.percent, 50);  // line 4 of 8
  EXPECT_EQ(progress.repaints, 1);
}

// ---------------------------------------------------------------- a real report

TEST_F(RegionReaderTest, RegionOfARealReport) {
  const auto lines = textutil::readLines(testsupport::sharedReport("481-beispiel.cr"));
  ASSERT_TRUE(lines.has_value());
  const int header = int(lines->indexOf(QStringLiteral("REGION 14 -27")));
  ASSERT_GE(header, 0);
  fx.game.roundCode = 4101;  // round 481
  read(*lines, header);

  EXPECT_EQ(lines->at(fx.state->currentLine + 1), "BURG 503246");
  EXPECT_EQ(fx.state->regionPosition, "14/-27");
  const QVariantMap r = region(14, -27);
  EXPECT_EQ(r["Regionname"].toString(), "Falkenfeld");
  EXPECT_EQ(r["Regiontyp"].toString(), "Ebene");
  EXPECT_TRUE(r["Beschreibung"].toString().startsWith("Das Falkenfeld ist"));
  EXPECT_EQ(r["Bauern"].toInt(), 2746);
  EXPECT_EQ(r["VermögenBauern"].toInt(), 393047);
  EXPECT_EQ(r["Unterhaltung max"].toInt(), 19652);
  EXPECT_EQ(r["Arbeitslohn"].toInt(), 13);
  EXPECT_EQ(r["Luxusgüter"].toInt(), 27);
  EXPECT_EQ(r["Gewuerz"].toInt(), 75);
  EXPECT_EQ(r["Oel"].toInt(), 48);
  EXPECT_EQ(r["Weihrauch"].toInt(), 52);
  EXPECT_EQ(r["Schoesslinge"].toInt(), 1);
  EXPECT_EQ(r["Holzstämme"].toInt(), 1);
  EXPECT_EQ(r["Strasse"].toInt(), 100);
  EXPECT_EQ(r["Strasse4"].toInt(), 100);
  EXPECT_EQ(r["Umgebung"].toString(),
            "In Falkenfeld (14,-27) erhoben sich die Toten aus den Gräbern.\r\n"
            "40 Bauern flohen aus Furcht vor Erschlagene der Verfluchten (Lnme).\r\n"
            "Erschlagene der Verfluchten (Lnme) verspeiste 21 Bauern.\r\n");
  EXPECT_EQ(fx.pages.geheimdienst,
            QStringList({"Unsere Leute in Falkenfeld (14/-27) haben folgendes beobachtet:", "\"Idefix (w5e4)\"",
                         "\"Tarantel (8k4c)\"", "DURCHREISE", "\"Xedru (31hs)\"", ""}));
  EXPECT_EQ(stats(14, -27, 0, 4101)["Bauern"].toInt(), 2746);
  EXPECT_EQ(orderLinesAfterFrame(), QStringList({"", " REGION 14,-27 ; Falkenfeld", " ; MCheck Lohn 13", ""}));
}

// The astral regions of this report carry scheme blocks with names of their own.
TEST_F(RegionReaderTest, LevelRegionOfARealLatin1Report) {
  const auto lines = textutil::readLines(testsupport::sharedReport("astral-latin1.cr"));
  ASSERT_TRUE(lines.has_value());
  const int header = int(lines->indexOf(QStringLiteral("REGION 2 -5 1")));
  ASSERT_GE(header, 0);
  read(*lines, header);
  EXPECT_EQ(lines->at(fx.state->currentLine + 1), "REGION 0 -4 1");
  EXPECT_EQ(fx.state->regionPosition, "2/-5/1");
  const QVariantMap r = region(2, -5, 1);
  EXPECT_EQ(r["Regiontyp"].toString(), "Nebel");
  EXPECT_EQ(r["Regionname"].toString(), "Ozean");  // not its last scheme, "Bupód"
  EXPECT_EQ(row("ebenen", {1, 1})["Name"].toString(), "unbekannt");
  EXPECT_FALSE(stats(2, -5, 1, 3806).isEmpty());
}

}  // namespace
