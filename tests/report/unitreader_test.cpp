#include <gtest/gtest.h>

#include "report/importerror.h"
#include "report/unitread.h"
#include "report/unittestsupport.h"

using unittest::lines;
using unittest::u8;
using unittest::UnitWorld;

namespace {

// An own unit in a building, with orders, skills and items of every kind.
QStringList ownUnitReport() {
  return lines({"EINHEIT 757",
                "\"Falke\";Name",
                "\"Ein Vogel\";Beschr",
                "146;Partei",
                "9;Anzahl",
                "\"Halblinge\";Typ",
                "36;Burg",
                "1;Kampfstatus",
                "1;bewacht",
                "\"verwundet\";hp",
                "COMMANDS",
                "\"LERNE Hiebwaffen\"",
                "\"; bestaetigt\"",
                "TALENTE",
                "30 2;Hiebwaffen",
                "90 3;Bogenschießen",
                "12 1;Zaubern lernen",
                "GEGENSTAENDE",
                "120;Silber",
                "9;Schwert",
                "3;Gewuerz",
                "1;Mantel der Unverletzbarkeit",
                "2;Silberbeutel",
                "1;Silbertruhe",
                "EINHEIT 758",
                "\"Nachbar\";Name"});
}

TEST(UnitReader, OwnUnitWritesRowTemplateCountersAndReports) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.party(146, u8("Partei 6tap"));
  w.state().buildingCommanders = u8("*10;L1*");
  w.fx->orders.add(u8(" PARTEI 42 \"pw\""));
  w.state().sums.silver = 5;

  const QStringList report = ownUnitReport();
  EXPECT_EQ(w.read(report), report.indexOf(u8("EINHEIT 758")) - 1);

  auto r = w.unit(757);
  ASSERT_TRUE(r->found);
  EXPECT_EQ(r->i("Spiel"), 1);
  EXPECT_EQ(r->s("Einheit Position"), u8("2/39"));
  EXPECT_EQ(r->s("Einheit Name"), u8("Falke"));
  EXPECT_EQ(r->s("Einheit Beschreibung"), u8("Ein Vogel"));
  EXPECT_EQ(r->s("Rasse"), u8("Halblinge"));
  EXPECT_EQ(r->i("Partei Nr"), 146);
  EXPECT_EQ(r->i("Personen"), 9);
  EXPECT_EQ(r->s("Stationiert"), u8("B 10"));
  EXPECT_EQ(r->s("Status"), u8("kämpft vorne"));  // 1 on the scale of format 57 and later
  EXPECT_EQ(r->s("Hitpoints"), u8("verwundet"));
  EXPECT_EQ(r->s("Flags"), u8("BV"));
  EXPECT_EQ(r->s("Default Befehl"), u8("*LERNE Hiebwaffen*; bestaetigt*"));
  EXPECT_EQ(r->s("Hiebwaffen"), u8("30 2"));
  EXPECT_EQ(r->s("Bogenschiessen"), u8("90 3"));
  EXPECT_EQ(r->s("Unbekannte Talente"), u8("*Zaubern lernen 12 1*"));
  EXPECT_EQ(r->i("Silber"), 120);
  EXPECT_EQ(r->i("Schwert"), 9);
  EXPECT_EQ(r->i("Gewuerz"), 3);
  EXPECT_EQ(r->i("Gewürz"), 0);
  EXPECT_EQ(r->i("Mäntel"), 1);
  EXPECT_EQ(r->i("Silberbeutel"), 2);
  EXPECT_EQ(r->s("Unbekannte Gegenstaende"), u8("*Silbertruhe 1*"));
  EXPECT_EQ(r->s("Kommt aus"), u8("unbekannt"));
  EXPECT_EQ(r->i("Einreisedatum"), 0);
  EXPECT_EQ(r->i("Info Datum"), 3806);

  EXPECT_EQ(w.fx->orders.lines(), lines({" PARTEI 42 \"pw\"", " EINHEIT L1;\tFalke [9,120$,G10]",
                                         "    LERNE Hiebwaffen", "    ; bestaetigt"}));
  EXPECT_EQ(w.state().sums.units, 1);
  EXPECT_EQ(w.state().sums.persons, 9);
  EXPECT_EQ(w.state().sums.silver, 125);
  EXPECT_EQ(w.fx->pages.ereignisse,
            lines({"", "Achtung!", "Talent Zaubern lernen wurde nicht Einheiten Tabelle gefunden!!", "", "Achtung!",
                   "Gegenstand Silbertruhe wurde nicht in Einheiten Tabelle gefunden!"}));
  EXPECT_TRUE(w.fx->pages.einreise.isEmpty());

  ASSERT_EQ(w.fx->tree.nodes().size(), 1);
  EXPECT_EQ(w.fx->tree.nodes().at(0).text, u8("Partei 6tap (42)"));
  EXPECT_EQ(w.fx->tree.nodes().at(0).children,
            lines({"Silber:120", "Schwert:9", "Gewuerz:3", "Mantel der Unverletzbarkeit:1", "Silberbeutel:2",
                   "Silbertruhe:1", "Personen:9"}));
}

TEST(UnitReader, HeaderRulesTakeTheFirstMatchAndStopAtCapitalKeys) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  const QStringList report = lines({"EINHEIT 5", "\"Späher\";Name", "1;Parteitarnung", "5;Aura", "10;Auramax",
                                    "100;Ladung", "500;Kapazitaet", "\"Die REGION gehört uns\";Beschr", "7;Anzahl",
                                    "REGION 2 40", "GEGENSTAENDE", "4;Holz"});
  // The capital word in the quoted description is text; the region header
  // ends the unit: it and the lines after it belong to the driver again.
  EXPECT_EQ(w.read(report), 8);
  auto r = w.unit(5);
  EXPECT_EQ(r->s("Flags"), u8("T"));
  EXPECT_EQ(r->i("Partei Nr"), -1);
  EXPECT_EQ(r->s("Einheit Beschreibung"), u8("Die REGION gehört uns"));
  EXPECT_EQ(r->i("Personen"), 7);
  EXPECT_EQ(r->i("Holz"), 0);
  EXPECT_EQ(r->s("Zauber"), u8("*Aura: 5/10*"));
  EXPECT_EQ(r->s("Unbekannte Gegenstaende"), u8("*Kapazitaet: 100/500*"));
  EXPECT_EQ(r->s("Stationiert"), u8("in Region"));
}

TEST(UnitReader, StoredFlagsStatusAndHitpointsAtTheStartOfARead) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.store(5, {{"Flags", u8("XT")}, {"Status", u8("kämpft hinten")}, {"Hitpoints", u8("normal")}});
  w.store(6, {{"Flags", u8("T")}});
  w.store(7, {{"Flags", u8("X")}});
  w.read(lines({"EINHEIT 5", "\"A\";Name", "3;Anzahl"}));
  w.read(lines({"EINHEIT 6", "\"B\";Name", "3;Anzahl"}));
  w.read(lines({"EINHEIT 7", "\"C\";Name", "1;bewacht", "1;Parteitarnung"}));

  auto a = w.unit(5);
  EXPECT_EQ(a->s("Flags"), u8("X"));
  // Without a ";Partei" line the faction stays unknown and the stored
  // status texts are kept.
  EXPECT_EQ(a->i("Partei Nr"), -1);
  EXPECT_EQ(a->s("Status"), u8("kämpft hinten"));
  EXPECT_EQ(a->s("Hitpoints"), u8("normal"));
  EXPECT_EQ(w.unit(6)->s("Flags"), QString());
  EXPECT_EQ(w.unit(7)->s("Flags"), u8("XBT"));
}

TEST(UnitReader, FactionLineSetsDefaultStatusForOwnAndForeignUnits) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.read(lines({"EINHEIT 1", "\"Eigen\";Name", "146;Partei"}));
  w.read(lines({"EINHEIT 2", "\"Fremd\";Name", "99;Partei"}));
  EXPECT_EQ(w.unit(1)->s("Status"), u8("kämpft vorne"));
  EXPECT_EQ(w.unit(1)->s("Hitpoints"), u8("normal"));
  EXPECT_EQ(w.unit(2)->s("Status"), u8("unbekannt"));
  EXPECT_EQ(w.unit(2)->s("Hitpoints"), u8("unbekannt"));
}

TEST(UnitReader, CombatStatusScales) {
  const QString keep = u8("alt");
  const QStringList newer = lines({"kämpft aggressiv", "kämpft vorne", "kämpft hinten", "kämpft defensiv",
                                   "kämpft nicht", "flieht"});
  for (int v = 0; v <= 5; ++v) EXPECT_EQ(combatStatusText(v, true, keep), newer.at(v)) << v;
  EXPECT_EQ(combatStatusText(6, true, keep), keep);
  EXPECT_EQ(combatStatusText(-1, true, keep), keep);
  EXPECT_EQ(combatStatusText(0, false, keep), keep);
  EXPECT_EQ(combatStatusText(1, false, keep), u8("kämpft hinten"));
  EXPECT_EQ(combatStatusText(2, false, keep), u8("kämpft nicht"));
  EXPECT_EQ(combatStatusText(3, false, keep), u8("flieht"));
  EXPECT_EQ(combatStatusText(4, false, keep), keep);

  // The newer scale holds for Molvanth reports from format 57 on only.
  const QStringList block = lines({"EINHEIT 1", "\"E\";Name", "146;Partei", "0;Kampfstatus"});
  UnitWorld v57(kMolvanth, 146, 57);
  v57.read(block);
  EXPECT_EQ(v57.unit(1)->s("Status"), u8("kämpft aggressiv"));
  UnitWorld v56(kMolvanth, 146, 56);
  v56.read(block);
  EXPECT_EQ(v56.unit(1)->s("Status"), u8("kämpft vorne"));
  UnitWorld quarnel(kQuarnel, 146, 64);
  quarnel.read(lines({"EINHEIT 1", "\"E\";Name", "146;Partei", "1;Kampfstatus"}));
  EXPECT_EQ(quarnel.unit(1)->s("Status"), u8("kämpft hinten"));
}

TEST(UnitReader, ImmigrationReportFollowsAForeignUnitFromRegionToRegion) {
  UnitWorld w;
  w.party(696873, u8("The Others"));
  const QStringList block = lines({"EINHEIT 1", "\"Wonko\";Name", "696873;Partei", "2;Anzahl"});

  w.region(u8("Nizir"), 2, 39);
  w.read(block);
  EXPECT_EQ(w.fx->pages.einreise,
            lines({"Eine neue Einheit wurde rekrutiert oder ist aus einer fremden Region eingereist:",
                   "   Wonko, The Others, 2"}));
  EXPECT_EQ(w.unit(1)->s("Kommt aus"), u8("Nizir 2/39"));
  EXPECT_EQ(w.unit(1)->i("Einreisedatum"), 3806);

  // Next round in the same region: nothing new.
  w.fx->pages.einreise.clear();
  w.fx->game.roundCode = 3807;
  w.read(block);
  EXPECT_TRUE(w.fx->pages.einreise.isEmpty());
  EXPECT_EQ(w.unit(1)->i("Einreisedatum"), 3806);

  w.fx->game.roundCode = 3808;
  w.region(u8("Pucul"), 2, 40, 1);
  w.read(block);
  EXPECT_EQ(w.fx->pages.einreise,
            lines({"Eine Einheit ist aus Nizir 2/39 eingereist:", "   Wonko, The Others, 2"}));
  EXPECT_EQ(w.unit(1)->s("Kommt aus"), u8("Pucul 2/40/1"));
  EXPECT_EQ(w.unit(1)->i("Einreisedatum"), 3808);
}

TEST(UnitReader, ImmigrationNamesUnknownFactionsByNumberAndSkipsSeaAndOwnUnits) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.read(lines({"EINHEIT 1", "\"Fremd\";Name", "757;Partei"}));
  EXPECT_EQ(w.fx->pages.einreise.value(1), u8("   Fremd, L1, 1"));

  w.fx->pages.einreise.clear();
  w.read(lines({"EINHEIT 2", "\"Eigen\";Name", "146;Partei"}));
  EXPECT_TRUE(w.fx->pages.einreise.isEmpty());
  EXPECT_EQ(w.unit(2)->s("Kommt aus"), u8("unbekannt"));

  w.region(u8("Ozean"), 1, 39);
  w.read(lines({"EINHEIT 3", "\"Segler\";Name", "757;Partei"}));
  EXPECT_TRUE(w.fx->pages.einreise.isEmpty());
  EXPECT_EQ(w.unit(3)->s("Kommt aus"), u8("unbekannt"));
  EXPECT_EQ(w.unit(3)->i("Einreisedatum"), 0);

  UnitWorld q(kQuarnel);
  q.region(u8("Nizir"), 2, 39);
  q.read(lines({"EINHEIT 1", "\"Fremd\";Name", "757;Partei"}));
  EXPECT_EQ(q.fx->pages.einreise.value(1), u8("   Fremd, 757, 1"));
}

TEST(UnitReader, OlderReportLeavesTheRowButStillWritesTheOutputs) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.statisticsRow(2, 39, 0, 3806, 0);
  w.fx->game.roundCode = 3807;
  w.read(lines({"EINHEIT 9", "\"Neu\";Name", "146;Partei", "4;Anzahl", "GEGENSTAENDE", "50;Silber"}));
  const QString newer = w.unit(9)->all();

  w.fx->game.roundCode = 3806;
  w.state().sums.units = 0;
  w.state().sums.silver = 0;
  const QStringList older = lines({"EINHEIT 9", "\"Alt\";Name", "146;Partei", "2;Anzahl", "COMMANDS",
                                   "\"ARBEITE\"", "GEGENSTAENDE", "30;Silber", "3;Holz"});
  EXPECT_EQ(w.read(older), older.size() - 1);
  EXPECT_EQ(w.unit(9)->all(), newer);
  EXPECT_EQ(w.unit(9)->s("Einheit Name"), u8("Neu"));

  EXPECT_EQ(w.fx->orders.lines().mid(w.fx->orders.lineCount() - 2),
            lines({" EINHEIT 9;\tAlt [2,30$]", "    ARBEITE"}));
  EXPECT_EQ(w.state().sums.units, 1);
  EXPECT_EQ(w.state().sums.silver, 30);
  EXPECT_EQ(w.regionSilver(2, 39, 0, 3806), 30);
  EXPECT_TRUE(w.fx->tree.nodes().at(0).children.contains(u8("Holz:3")));
}

TEST(UnitReader, RegionSilverGoesToTheStatisticsRowOfTheRound) {
  UnitWorld w;
  w.region(u8("Tiefe"), 3, -4, 1);
  w.statisticsRow(3, -4, 1, 3806, 10);
  w.statisticsRow(3, -4, 1, 3805, 0);
  w.read(lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "GEGENSTAENDE", "25;Silber"}));
  w.read(lines({"EINHEIT 2", "\"B\";Name", "146;Partei", "GEGENSTAENDE", "5;Silber"}));
  w.read(lines({"EINHEIT 3", "\"Fremd\";Name", "99;Partei", "GEGENSTAENDE", "700;Silber"}));
  EXPECT_EQ(w.regionSilver(3, -4, 1, 3806), 40);
  EXPECT_EQ(w.regionSilver(3, -4, 1, 3805), 0);

  // A region without a statistics row (at sea) is no error.
  w.region(u8("Ozean"), 1, 1);
  w.read(lines({"EINHEIT 4", "\"C\";Name", "146;Partei", "GEGENSTAENDE", "5;Silber"}));
  EXPECT_EQ(w.regionSilver(1, 1, 0, 3806), -1);
  EXPECT_EQ(w.unit(4)->i("Silber"), 5);
}

TEST(UnitReader, UndeadOfTheOwnFactionAreNotCounted) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.read(lines({"EINHEIT 1", "\"Tote\";Name", "146;Partei", "\"Untote\";Typ", "40;Anzahl", "GEGENSTAENDE",
                "9;Silber"}));
  EXPECT_EQ(w.state().sums.units, 0);
  EXPECT_EQ(w.state().sums.persons, 0);
  EXPECT_EQ(w.state().sums.silver, 0);
  // They are still the faction's: template line and silver stay.
  EXPECT_EQ(w.fx->orders.lines().last(), u8(" EINHEIT 1;\tTote [40,9$]"));
  EXPECT_EQ(w.unit(1)->i("Silber"), 9);
}

TEST(UnitReader, CutOffBlocksEndAtTheLastLine) {
  const QList<QStringList> reports = {
      lines({"EINHEIT 1"}),
      lines({"EINHEIT 1", "\"A\";Name"}),
      lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "3;Anzahl"}),
      lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "COMMANDS", "\"ARBEITE\""}),
      lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "COMMANDS", "TALENTE", "30 2;Hiebwaffen"}),
      lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "GEGENSTAENDE", "3;Holz"}),
      lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "GEGENSTAENDE", "EINHEITSBOTSCHAFTEN", "\"Hallo\""}),
  };
  for (const QStringList& report : reports) {
    UnitWorld w;
    w.region(u8("Nizir"), 2, 39);
    EXPECT_EQ(w.read(report), report.size() - 1) << report.join(u8(" | ")).toStdString();
    EXPECT_TRUE(w.unit(1)->found);
  }
}

TEST(UnitReader, BadNumbersEndTheReadWithTheLine) {
  for (const char* bad : {"drei;Anzahl", "146x;Partei", "1.5;Silber", ";Kampfstatus"}) {
    UnitWorld w;
    w.region(u8("Nizir"), 2, 39);
    try {
      w.read(lines({"EINHEIT 1", "\"A\";Name", bad}));
      ADD_FAILURE() << bad;
    } catch (const ImportError& e) {
      EXPECT_EQ(e.lineIndex(), 2);
      EXPECT_EQ(e.lineText(), u8(bad));
    }
  }
  UnitWorld w;
  EXPECT_THROW(w.read(lines({"EINHEIT x1", "\"A\";Name"})), ImportError);
  EXPECT_THROW(w.read(lines({"EINHEIT 1", "\"A\";Name", "1;Anzahl", "GEGENSTAENDE", "viel;Holz"})), ImportError);
}

TEST(UnitReader, UnitsBeforeAnyRegionHaveNoRegionName) {
  UnitWorld w;
  w.read(lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "GEGENSTAENDE", "5;Silber"}));
  w.read(lines({"EINHEIT 2", "\"B\";Name", "99;Partei"}));
  EXPECT_EQ(w.unit(1)->i("Silber"), 5);
  EXPECT_EQ(w.unit(1)->s("Einheit Position"), QString());
  EXPECT_EQ(w.fx->pages.einreise.size(), 2);
}

}  // namespace
