#include <gtest/gtest.h>

#include "views/regionview.h"
#include "viewworld.h"

namespace {

using viewtest::u8;

struct RegionViewTest : ::testing::Test, viewtest::ViewWorld {
  RegionView show(int x, int y, RegionFilters f = {}) { return getSekKoo(tables, fx.game, x, y, f); }
};

TEST_F(RegionViewTest, BuildingsOfTheHexWithAndWithoutLevelInNumberOrder) {
  fx.game.currentLevel = 1;
  put("regionen", {{"Breite", 3}, {"Länge", -4}, {"Ebene", 1}, {"Regionname", u8("Tiefe")}});
  put("burgen", {{"Burg Nr", 20}, {"Burg Position", u8("3/-4/1")}, {"Burg Name", u8("B")}, {"Typ", u8("Turm")},
                 {"Burggrösse", 5}, {"Info Datum", 3806}});
  put("burgen", {{"Burg Nr", 10}, {"Burg Position", u8("3/-4")}, {"Burg Name", u8("A")}, {"Typ", u8("Burg")},
                 {"Burggrösse", 12}, {"Info Datum", 3806}});
  put("burgen", {{"Burg Nr", 5}, {"Burg Position", u8("3/-4")}, {"Burg Name", u8("Alt")}, {"Info Datum", 3805}});
  put("burgen", {{"Burg Nr", 6}, {"Burg Position", u8("3/-4/2")}, {"Burg Name", u8("Andere Ebene")}, {"Info Datum", 3806}});
  const RegionView v = show(3, -4);
  EXPECT_TRUE(v.found);
  EXPECT_EQ(v.panelText, u8("Tiefe  3/-4"));
  EXPECT_EQ(v.regionPosition, u8("3/-4/1"));
  EXPECT_EQ(v.unitList, (QStringList{u8("-Burg : A, Burg, größe: 12 (a)"), u8("-Burg : B, Turm, größe: 5 (k)")}));
  EXPECT_EQ(v.buildingSectionEnd, 2);
}

TEST_F(RegionViewTest, ShipLinesByCompletion) {
  struct Case {
    double percent;
    int round;
    bool currentOnly;
    const char* line;  // nullptr: not listed
  };
  const Case cases[] = {
      {40, 3806, true, "-Schiff : S, Boot, zu 40% fertig. [1]"},
      {-15, 3806, true, "-Schiff : S, Boot [1], Ladung: 3/50, Schäden: 15% ,Ostküste"},
      {100, 3806, true, "-Schiff : S, Boot [1], Ladung: 3/50 ,Ostküste"},
      {0, 3806, true, "-Schiff : S, Boot [1], Ladung: 3/50 ,Ostküste"},
      {100, 3805, true, nullptr},
      {100, 3805, false, "-Schiff : S, Boot [1], Ladung: 3/50 ,Ostküste"},
  };
  int nr = 0;
  for (const Case& c : cases) {
    ++nr;
    const QString pos = QStringLiteral("%1/0").arg(nr);
    put("schiffe", {{"Schiffs Nr", 1 + 100 * nr}, {"Schiffs Position", pos}, {"Schiffs Name", u8("S")},
                    {"Schiffstyp", u8("Boot")}, {"Prozent", c.percent}, {"Ladung", 3}, {"MaxLadung", 50},
                    {"Kueste", u8("Ostküste")}, {"Info Datum", c.round}});
    RegionFilters f;
    f.nurAktuelleInfo = c.currentOnly;
    const RegionView v = show(nr, 0, f);
    QString expected = c.line ? u8(c.line).replace(QStringLiteral("[1]"), QStringLiteral("[%1]").arg(codec::Encode(1 + 100 * nr)))
                              : QString();
    EXPECT_EQ(v.unitList.join(QString()), expected) << c.percent;
    EXPECT_EQ(v.shipSectionEnd, c.line ? 2 : 0);
    EXPECT_EQ(v.panelText, u8("Keine Informationen über Region"));
  }
}

TEST_F(RegionViewTest, FiltersDecideWhatIsListedAndCounted) {
  put("parteien", {{"Partei Nr", 7}, {"Partei Name", u8("Fremde")}});
  unit(1, "2/2", 146, {{"Personen", 3}});
  unit(2, "2/2", 146, {{"Personen", 5}}, 3805);
  unit(3, "2/2", 7, {{"Personen", 11}});
  unit(4, "2/2", 7, {{"Personen", 13}}, 3805);
  struct Case {
    bool alle, current;
    QStringList listed;
    QStringList tree;
  };
  const QStringList ownNode = {u8("Die Spielkinder (42)"), u8("  Personen:3")};
  const QStringList both = ownNode + QStringList{u8("Fremde (7)"), u8("  Personen:11")};
  const Case cases[] = {
      {false, true, {u8("U1")}, ownNode},
      {false, false, {u8("U1"), u8("U2")}, ownNode},
      {true, true, {u8("U1"), u8("U3")}, both},
      {true, false, {u8("U1"), u8("U2"), u8("U3"), u8("U4")}, both},
  };
  for (const Case& c : cases) {
    const RegionView v = show(2, 2, {c.alle, c.current});
    QStringList names;
    for (const QString& line : v.unitList) names << line.mid(4).section(QLatin1Char(' '), 0, 0);
    EXPECT_EQ(names, c.listed) << c.alle << c.current;
    QStringList tree;
    for (const RegionTreeNode& n : v.possessions) {
      tree << n.text;
      for (const QString& child : n.children) tree << QStringLiteral("  ") + child;
    }
    EXPECT_EQ(tree, c.tree) << c.alle << c.current;
    EXPECT_EQ(v.ownPeople, u8("3"));
    EXPECT_EQ(v.ownPartyNode, 0);
  }
}

TEST_F(RegionViewTest, UnitsUnderTheirBuildingOrShipAndMarkers) {
  put("burgen", {{"Burg Nr", 10}, {"Burg Position", u8("1/1")}, {"Burg Name", u8("Neu")}, {"Typ", u8("Burg")},
                 {"Burggrösse", 2}, {"Info Datum", 3806}});
  put("burgen", {{"Burg Nr", 11}, {"Burg Position", u8("1/1")}, {"Burg Name", u8("Alt")}, {"Info Datum", 3700}});
  put("schiffe", {{"Schiffs Nr", 30}, {"Schiffs Position", u8("1/1")}, {"Schiffs Name", u8("K")}, {"Schiffstyp", u8("Boot")},
                  {"Prozent", 100}, {"Ladung", 0}, {"MaxLadung", 5}, {"Kueste", u8("keine Küste")}, {"Info Datum", 3806}});
  unit(1, "1/1", 146, {{"Stationiert", u8("B a")}, {"Flags", u8("x")}});
  unit(2, "1/1", 146, {{"Stationiert", u8("B b")}});   // the old building: not listed
  unit(3, "1/1", 146, {{"Stationiert", u8("S u")}, {"Flags", u8("V")}});
  unit(4, "1/1", 146, {{"Flags", u8("BX")}});
  unit(5, "1/1", 146, {{"Flags", u8("VB")}});
  unit(6, "1/1", 146);
  unit(40, "1/1", 146, {{"Flags", u8("T")}});
  const RegionView v = show(1, 1, {false, true});
  EXPECT_EQ(v.unitList, (QStringList{u8("-Burg : Neu, Burg, größe: 2 (a)"),
                                     u8("      *       U1 (1) , Menschen"),
                                     u8("-Schiff : K, Boot [u], Ladung: 0/5 ,keine Küste"),
                                     u8("      V       U3 (3) , Menschen"),
                                     u8(" *  U4 (4) , Menschen"),
                                     u8(" V  U5 (5) , Menschen"),
                                     u8("    U6 (6) , Menschen"),
                                     u8("    U40 (14) , Menschen")}));
  EXPECT_EQ(v.unflaggedUnits, u8("*2*6*40*"));
  EXPECT_EQ(v.guards, (QStringList{u8(" U4 (4) für Die Spielkinder"), u8(" U5 (5) für Die Spielkinder")}));
}

TEST_F(RegionViewTest, SilverSumsAndGuardOfAnUnknownParty) {
  unit(1, "5/5", 146, {{"Silber", 100}, {"Schwert", 2}});
  unit(2, "5/5", 146, {{"Silber", 250}, {"Holz", -3}});
  unit(3, "5/5", 99, {{"Flags", u8("B")}, {"Personen", 4}});
  const RegionView v = show(5, 5);
  EXPECT_EQ(v.ownSilver, u8("350"));
  ASSERT_EQ(v.possessions.size(), 2);
  EXPECT_EQ(v.possessions.at(0).children, (QStringList{u8("Personen:2"), u8("Silber:350"), u8("Schwert:2")}));
  EXPECT_EQ(v.possessions.at(1).text, u8("unbekannt (2r)"));
  EXPECT_EQ(v.guards, QStringList{u8(" U3 (3) für eine unbekannte Partei")});
}

TEST_F(RegionViewTest, UnknownHexListsItsOwnUnitsNotThoseOfTheRegionBefore) {
  put("regionen", {{"Breite", 1}, {"Länge", 1}, {"Ebene", 0}, {"Regionname", u8("Bekannt")}, {"Steine", 4},
                   {"Umgebung", u8("Zeile 1\r\nZeile 2")}});
  unit(1, "1/1", 146);
  unit(2, "8/9", 146);
  const RegionView known = show(1, 1);
  EXPECT_EQ(known.steine, u8("4"));
  EXPECT_EQ(known.schoesslinge, u8("0"));
  EXPECT_EQ(known.surroundings, (QStringList{u8("Zeile 1"), u8("Zeile 2")}));
  const RegionView unknown = show(8, 9);
  EXPECT_FALSE(unknown.found);
  EXPECT_EQ(unknown.unitList, QStringList{u8("    U2 (2) , Menschen")});
  EXPECT_EQ(fx.game.shownX, u8("8"));
  EXPECT_EQ(fx.game.shownY, u8("9"));
}

TEST_F(RegionViewTest, HistoryOfTheRegionWithZerosForEmptyValues) {
  put("statistik", {{"Breite", 4}, {"Länge", 2.0}, {"Ebene", 0}, {"Datum", 3805}, {"Anzahl Holz", 7}, {"Bauern", 100},
                    {"Pferde", 1}, {"Bauern Silber", 900}});
  put("statistik", {{"Breite", 4}, {"Länge", 2.0}, {"Ebene", 0}, {"Datum", 3806}, {"Anzahl Holz", 8}, {"Eisen", 3},
                    {"Partei Silber Region", 55}});
  put("statistik", {{"Breite", 4}, {"Länge", 3.0}, {"Ebene", 0}, {"Datum", 3806}});
  const RegionView v = show(4, 2);
  ASSERT_EQ(v.history.size(), 3);
  EXPECT_EQ(v.history.at(0).at(8), u8("Partei Silber"));
  EXPECT_EQ(v.history.at(1), (QStringList{u8("3805"), u8("7"), u8("0"), u8("0"), u8("0"), u8("100"), u8("1"), u8("900"), u8("0")}));
  EXPECT_EQ(v.history.at(2).mid(0, 3), (QStringList{u8("3806"), u8("8"), u8("3")}));
  EXPECT_EQ(v.history.at(2).at(8), u8("55"));
  EXPECT_TRUE(show(9, 9).history.isEmpty());
}

}  // namespace
