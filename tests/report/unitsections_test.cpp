#include <gtest/gtest.h>

#include "game/textutil.h"
#include "report/unittestsupport.h"

using unittest::lines;
using unittest::u8;
using unittest::UnitWorld;

namespace {

TEST(UnitSections, TemplateHeaderNamesTheUnitsPlace) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.state().buildingCommanders = u8("*10;1*");
  w.state().shipCaptains = u8("*L1;3*");
  w.read(lines({"EINHEIT 1", "\"Herr\";Name", "146;Partei", "36;Burg"}));
  w.read(lines({"EINHEIT 2", "\"Gast\";Name", "146;Partei", "36;Burg"}));
  w.read(lines({"EINHEIT 3", "\"Kapitän\";Name", "146;Partei", "757;Schiff"}));
  w.read(lines({"EINHEIT 4", "\"Matrose\";Name", "146;Partei", "757;Schiff"}));
  w.read(lines({"EINHEIT 5", "\"Bauer\";Name", "146;Partei", "3;Anzahl"}));
  w.read(lines({"EINHEIT 6", "\"Fremd\";Name", "99;Partei", "36;Burg"}));
  EXPECT_EQ(w.fx->orders.lines(),
            lines({" EINHEIT 1;\tHerr [1,0$,G10]", " EINHEIT 2;\tGast [1,0$,g10]", " EINHEIT 3;\tKapitän [1,0$,SL1]",
                   " EINHEIT 4;\tMatrose [1,0$,sL1]", " EINHEIT 5;\tBauer [3,0$]"}));
  EXPECT_EQ(w.unit(3)->s("Stationiert"), u8("S L1"));
  EXPECT_EQ(w.unit(6)->s("Stationiert"), u8("B 10"));

  // Quarnel writes every number in decimal.
  UnitWorld q(kQuarnel);
  q.region(u8("Nizir"), 2, 39);
  q.state().buildingCommanders = u8("*503246;1539317*");
  q.read(lines({"EINHEIT 1539317", "\"Falke\";Name", "146;Partei", "503246;Burg", "GEGENSTAENDE", "7;Silber"}));
  EXPECT_EQ(q.fx->orders.lines(), lines({" EINHEIT 1539317;\tFalke [1,7$,G503246]"}));
  EXPECT_EQ(q.unit(1539317)->s("Stationiert"), u8("B 503246"));
}

TEST(UnitSections, HeaderLineStandsAboveTheUnitsOrders) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.fx->orders.add(u8(" REGION 2,39 ; Nizir"));
  w.read(lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "COMMANDS", "\"ARBEITE\"", "\"; Kommentar\"", "TALENTE"}));
  w.read(lines({"EINHEIT 2", "\"B\";Name", "146;Partei", "COMMANDS", "EINHEIT 3"}));
  EXPECT_EQ(w.fx->orders.lines(), lines({" REGION 2,39 ; Nizir", " EINHEIT 1;\tA [1,0$]", "    ARBEITE",
                                         "    ; Kommentar", " EINHEIT 2;\tB [1,0$]"}));
  EXPECT_EQ(w.unit(1)->s("Default Befehl"), u8("*ARBEITE*; Kommentar*"));
  EXPECT_EQ(w.unit(2)->s("Default Befehl"), u8("*"));
  EXPECT_EQ(w.unit(1)->s("Flags"), QString());
}

TEST(UnitSections, OrdersNamingUnitsOrRegionsDoNotEndTheSection) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  const QStringList report = lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "COMMANDS", "\"NUMMER EINHEIT demo\"",
                                    "\"BESCHREIBE REGION \\\"Heimat\\\"\"", "\"GIB 12 TALENTE\"", "\"ARBEITE\"",
                                    "TALENTE", "30 2;Hiebwaffen", "GEGENSTAENDE", "3;Holz", "EINHEIT 2"});
  EXPECT_EQ(w.read(report), report.size() - 2);
  auto r = w.unit(1);
  EXPECT_EQ(r->s("Default Befehl"),
            u8("*NUMMER EINHEIT demo*BESCHREIBE REGION \"Heimat\"*GIB 12 TALENTE*ARBEITE*"));
  EXPECT_EQ(r->s("Hiebwaffen"), u8("30 2"));
  EXPECT_EQ(r->i("Holz"), 3);
  EXPECT_EQ(w.fx->orders.lineCount(), 5);
}

TEST(UnitSections, ConfirmedOrdersMarkTheUnitOnce) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.store(1, {{"Flags", u8("X")}});
  w.read(lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "1;bewacht", "COMMANDS", "\"ARBEITE ;bestaetigt\"",
                "\"; bestaetigt\""}));
  EXPECT_EQ(w.unit(1)->s("Flags"), u8("XBV"));
}

TEST(UnitSections, OwnSkillsAreReplacedForeignSkillsPassedOver) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.read(lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "TALENTE", "30 2;Hiebwaffen", "10 1;Straßenbau",
                "10 1;Armbrustschießen", "50 3;Holzfaellen", "9 1;Fliegen"}));
  auto first = w.unit(1);
  EXPECT_EQ(first->s("Strassenbau"), u8("10 1"));
  EXPECT_EQ(first->s("Armbrustschiessen"), u8("10 1"));
  EXPECT_EQ(first->s("Holzfaellen"), u8("50 3"));
  EXPECT_TRUE(first->null("Holzfällen"));
  EXPECT_EQ(first->s("Unbekannte Talente"), u8("*Fliegen 9 1*"));

  // The next report: skills it does not list are gone, and so is the
  // unknown one.
  w.read(lines({"EINHEIT 1", "\"A\";Name", "146;Partei", "TALENTE", "60 3;Holzfällen"}));
  auto second = w.unit(1);
  EXPECT_EQ(second->s("Hiebwaffen"), QString());
  EXPECT_EQ(second->s("Holzfällen"), u8("60 3"));
  EXPECT_EQ(second->s("Holzfaellen"), QString());
  EXPECT_EQ(second->s("Unbekannte Talente"), QString());

  // A foreign unit's skills are not stored, but its items after them are.
  w.fx->pages.ereignisse.clear();
  w.read(lines({"EINHEIT 2", "\"Spion\";Name", "99;Partei", "TALENTE", "30 2;Hiebwaffen", "9 1;Fliegen",
                "GEGENSTAENDE", "4;Schwert"}));
  auto foreign = w.unit(2);
  EXPECT_TRUE(foreign->null("Hiebwaffen"));
  EXPECT_TRUE(foreign->null("Unbekannte Talente"));
  EXPECT_EQ(foreign->i("Schwert"), 4);
  EXPECT_TRUE(w.fx->pages.ereignisse.isEmpty());
}

TEST(UnitSections, ItemsAreResetAndFilledByTheirExactNames) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.store(1, {{"Holz", 5}, {"Drachenkopf", 2}, {"Silber", 9}, {"Unbekannte Gegenstaende", u8("*Alt 1*")}});
  w.read(lines({"EINHEIT 1", "\"A\";Name", "99;Partei", "GEGENSTAENDE", "3;Gewürz", "1;Öl", "2;Würziger Wagemut",
                "4;Silberkassette", "6;Silbertruhe", "1;Schartiges Schwert"}));
  auto r = w.unit(1);
  EXPECT_EQ(r->i("Holz"), 0);
  EXPECT_EQ(r->i("Drachenkopf"), 0);
  EXPECT_EQ(r->i("Silber"), 0);
  EXPECT_EQ(r->i("Gewürz"), 3);
  EXPECT_EQ(r->i("Gewuerz"), 0);
  EXPECT_EQ(r->i("Öl"), 1);
  EXPECT_EQ(r->i("Oel"), 0);
  EXPECT_EQ(r->i("Würziger Wagemut"), 2);
  EXPECT_EQ(r->i("Würzige Wagemut"), 0);
  EXPECT_EQ(r->i("Silberkassette"), 4);
  EXPECT_EQ(r->s("Unbekannte Gegenstaende"), u8("*Silbertruhe 6*Schartiges Schwert 1*"));
  EXPECT_EQ(w.fx->pages.ereignisse,
            lines({"", "Achtung!", "Gegenstand Silbertruhe wurde nicht in Einheiten Tabelle gefunden!", "Achtung!",
                   "Gegenstand Schartiges Schwert wurde nicht in Einheiten Tabelle gefunden!"}));
  // Foreign silver is not the faction's.
  EXPECT_EQ(w.state().sums.silver, 0);
}

// Silber heads the item block but is no item: the header's silver stays
// unless an items line gives the unit's silver.
TEST(UnitSections, HeaderSilverStaysUnlessTheItemsGiveSilver) {
  struct Case {
    const char* name;
    QStringList lines;  // after the faction line
    qint64 silver;
  };
  const QList<Case> cases = {
      {"header only", lines({"50;Silber"}), 50},
      {"header, items without silver", lines({"50;Silber", "GEGENSTAENDE", "5;Holz"}), 50},
      {"header, a silver pouch is no silver", lines({"50;Silber", "GEGENSTAENDE", "2;Silberbeutel"}), 50},
      {"items only", lines({"GEGENSTAENDE", "30;Silber"}), 30},
      {"the items line wins", lines({"50;Silber", "GEGENSTAENDE", "70;Silber"}), 70},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UnitWorld w;
    w.region(u8("Nizir"), 2, 39);
    w.statisticsRow(2, 39, 0, 3806, 0);
    w.store(1, {{"Holz", 9}, {"Drachenkopf", 2}, {"Silber", 999}});
    w.read(lines({"EINHEIT 1", "\"A\";Name", "146;Partei"}) + c.lines);
    auto r = w.unit(1);
    EXPECT_EQ(r->i("Silber"), c.silver);
    EXPECT_EQ(r->i("Holz"), c.lines.contains(u8("5;Holz")) ? 5 : 0);
    EXPECT_EQ(r->i("Drachenkopf"), 0);
    EXPECT_EQ(w.fx->orders.lines(), QStringList({u8(" EINHEIT 1;\tA [1,%1$]").arg(c.silver)}));
    EXPECT_EQ(w.regionSilver(2, 39, 0, 3806), c.silver);
  }
}

TEST(UnitSections, PossessionsTreeSumsPerFactionAndCountsPersonsOnce) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  w.party(99, u8("Nachbarn"));
  w.fx->tree.addTopLevel(u8("Besitztümer"));
  const int node = w.fx->tree.addTopLevel(u8("Nachbarn (2r)"));
  w.fx->tree.addToChild(node, u8("Laenschild"), 2);
  w.read(lines({"EINHEIT 1", "\"A\";Name", "99;Partei", "3;Anzahl", "GEGENSTAENDE", "5;Schild", "1;Laenschild",
                "2;Mantel der Unverletzbarkeit"}));
  w.read(lines({"EINHEIT 2", "\"B\";Name", "99;Partei", "4;Anzahl", "GEGENSTAENDE", "1;Schild"}));
  w.read(lines({"EINHEIT 3", "\"C\";Name", "99;Partei", "50;Anzahl"}));
  w.read(lines({"EINHEIT 4", "\"D\";Name", "757;Partei", "2;Anzahl", "GEGENSTAENDE", "8;Holz"}));

  const auto& nodes = w.fx->tree.nodes();
  ASSERT_EQ(nodes.size(), 3);
  EXPECT_EQ(nodes.at(1).children,
            lines({"Laenschild:3", "Schild:6", "Mantel der Unverletzbarkeit:2", "Personen:7"}));
  EXPECT_EQ(nodes.at(2).text, u8("unbekannt (L1)"));
  EXPECT_EQ(nodes.at(2).children, lines({"Holz:8", "Personen:2"}));
}

TEST(UnitSections, SpellsFollowTheAuraAndOwnSpellsAreRenewed) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  const QStringList magician = lines({"EINHEIT 1", "\"Magier\";Name", "146;Partei", "3;Aura", "9;Auramax",
                                      "COMMANDS", "\"ZAUBERE Feuerball\"", "SPRUECHE", "\"Feuerball\"",
                                      "\"Schild der REGION\"", "GEGENSTAENDE", "1;Zauberstab"});
  w.read(magician);
  EXPECT_EQ(w.unit(1)->s("Zauber"), u8("*Aura: 3/9*\"Feuerball\"*\"Schild der REGION\"*"));
  EXPECT_EQ(w.unit(1)->i("Zauberstab"), 1);
  w.read(magician);
  EXPECT_EQ(w.unit(1)->s("Zauber"), u8("*Aura: 3/9*\"Feuerball\"*\"Schild der REGION\"*"));

  w.read(lines({"EINHEIT 2", "\"Lehrling\";Name", "146;Partei", "TALENTE", "SPRUECHE", "\"Licht\"", "EINHEIT 3"}));
  EXPECT_EQ(w.unit(2)->s("Zauber"), u8("*\"Licht\"*"));
}

TEST(UnitSections, LettersGoToTheMessagesPage) {
  UnitWorld w;
  w.region(u8("Nizir"), 2, 39);
  const QStringList report = lines({"EINHEIT 1", "\"Falke\";Name", "146;Partei", "GEGENSTAENDE", "1;Holz",
                                    "EINHEITSBOTSCHAFTEN", "\"Triff mich in der BURG\"", "\"Gruß\"", "BURG 12",
                                    "\"Turm\";Typ"});
  EXPECT_EQ(w.read(report), 7);
  EXPECT_EQ(w.fx->pages.botschaften,
            lines({"Botschaften an Einheit Falke in (2/39) :", "    \"Triff mich in der BURG\"", "    \"Gruß\""}));

  w.fx->pages.botschaften.clear();
  w.read(lines({"EINHEIT 2", "\"B\";Name", "146;Partei", "EINHEITSBOTSCHAFTEN", "\"Hallo\"", "EINHEIT 3"}));
  EXPECT_EQ(w.fx->pages.botschaften, lines({"Botschaften an Einheit B in (2/39) :", "    \"Hallo\""}));
}

TEST(UnitSections, StarListsHoldTheTableBlocks) {
  EXPECT_EQ(starList({}), u8("*"));
  EXPECT_EQ(starList(lines({"Holz", "Öl"})), u8("*Holz*Öl*"));

  testsupport::ImportFixture fx;
  const QString items = itemFieldNames(fx.tables->einheiten);
  const QString skills = skillFieldNames(fx.tables->einheiten);
  EXPECT_TRUE(items.startsWith(u8("*Silber*Holz*Stein*")));
  EXPECT_TRUE(items.endsWith(u8("*Bauernlieb*Drachenkopf*")));
  EXPECT_EQ(items.count(QLatin1Char('*')), 78);
  EXPECT_TRUE(items.contains(u8("*Gewürz*Gewuerz*")));
  EXPECT_FALSE(items.contains(u8("*Ausdauer*")));
  EXPECT_TRUE(skills.startsWith(u8("*Ausdauer*Armbrustschiessen*")));
  EXPECT_TRUE(skills.endsWith(u8("*Kräuterkunde*Alchemie*")));
  EXPECT_EQ(skills.count(QLatin1Char('*')), 32);
  EXPECT_FALSE(skills.contains(u8("*Default Befehl*")));
}

// The first unit of the shared report of a new faction: a long order list
// with orders that name units, skills with "ß", and a few items.
TEST(UnitSections, RealReportUnitBlock) {
  const auto report = textutil::readLines(testsupport::sharedReport(u8("1234-neue-partei.cr")));
  ASSERT_TRUE(report.has_value());
  const int start = report->indexOf(u8("EINHEIT 246672"));
  const int commands = report->indexOf(u8("COMMANDS"), start);
  const int skills = report->indexOf(u8("TALENTE"), start);
  const int next = report->indexOf(u8("REGION 1 -1"), start);
  ASSERT_GT(start, 0);
  ASSERT_LT(commands, skills);

  UnitWorld w(kMolvanth, 15022, 69);
  w.region(u8("Hafen"), 0, 0);
  w.statisticsRow(0, 0, 0, 3806, 0);
  w.fx->setReport(*report, start);
  getEinheitenInfo(w.state());
  EXPECT_EQ(w.state().currentLine, next - 1);

  auto r = w.unit(246672);
  ASSERT_TRUE(r->found);
  EXPECT_EQ(r->s("Einheit Name"), u8("Einheit 5ac0"));
  EXPECT_EQ(r->s("Rasse"), u8("Orks"));
  EXPECT_EQ(r->s("Status"), u8("kämpft aggressiv"));
  EXPECT_EQ(r->s("Armbrustschiessen"), u8("300 4"));
  EXPECT_EQ(r->s("Bogenschiessen"), u8("300 4"));
  EXPECT_EQ(r->s("Stangenwaffen"), u8("300 4"));
  EXPECT_EQ(r->i("Holz"), 10);
  EXPECT_EQ(r->i("Stein"), 4);
  EXPECT_EQ(r->i("Silber"), 2500);
  EXPECT_EQ(w.regionSilver(0, 0, 0, 3806), 2500);

  const int orders = skills - commands - 1;
  ASSERT_EQ(w.fx->orders.lineCount(), orders + 1);
  EXPECT_EQ(w.fx->orders.lines().first(), u8(" EINHEIT 5ac0;\tEinheit 5ac0 [1,2500$]"));
  EXPECT_EQ(w.fx->orders.lines().at(1), u8("    ; Befehle, die mit Semicolon beginnen, sind Kommentare."));
  EXPECT_TRUE(w.fx->orders.lines().contains(u8("    NUMMER EINHEIT demo")));
  EXPECT_EQ(w.fx->orders.lines().last(), u8("    ; Passwort einträgst."));
  EXPECT_TRUE(w.fx->orders.lines().contains(u8("    LERNE AUTO Holzfällen")));
  EXPECT_TRUE(r->s("Default Befehl").startsWith(u8("*; Befehle, die mit Semicolon beginnen, sind Kommentare.*")));
  EXPECT_TRUE(r->s("Default Befehl").endsWith(u8("*; Passwort einträgst.*")));
  EXPECT_EQ(w.state().sums.silver, 2500);
  EXPECT_TRUE(w.fx->pages.ereignisse.isEmpty());
}

}  // namespace
