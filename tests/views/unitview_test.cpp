#include <gtest/gtest.h>

#include "report/reportpages.h"
#include "views/unitview.h"
#include "viewworld.h"

namespace {

using viewtest::u8;

struct UnitViewTest : ::testing::Test, viewtest::ViewWorld {
  ReportPages pages;
  UnitView view(qint32 nr, const char* position = "1/1") { return showUnit(tables, fx.game, pages, u8(position), nr); }
};

TEST_F(UnitViewTest, PartyNumberAndDisguiseBox) {
  struct Case {
    qint32 party;
    const char* flags;
    const char* partyText;
    bool enabled;
    std::optional<bool> checked;
  };
  const Case cases[] = {
      {146, "", "42", true, false},
      {146, "BT", "42", true, true},
      {7, "T", "7", false, std::nullopt},
      {-1, "", " ---- ", false, std::nullopt},
  };
  qint32 nr = 0;
  for (const Case& c : cases) {
    unit(++nr, "1/1", c.party, {{"Flags", *c.flags ? QVariant(u8(c.flags)) : QVariant()}});
    const UnitView v = view(nr);
    ASSERT_TRUE(v.found);
    EXPECT_EQ(v.partyNumberText, u8(c.partyText)) << nr;
    EXPECT_EQ(v.disguiseEnabled, c.enabled) << nr;
    EXPECT_EQ(v.disguiseChecked, c.checked) << nr;
  }
  EXPECT_EQ(view(1).partyName, u8("Die Spielkinder"));
  EXPECT_FALSE(view(1, "2/2").found);
}

TEST_F(UnitViewTest, ItemsSkillsAndSpells) {
  unit(5, "1/1", 146,
       {{"Personen", 3}, {"Silber", 0}, {"Holz", 5}, {"Schwert", -2}, {"Bogen", QVariant()}, {"Ausdauer", u8("270 4")},
        {"Taktik", u8("31 1")}, {"Unbekannte Gegenstaende", u8("*Feder*Kiste*")}, {"Unbekannte Talente", u8("*Kochen 30 2*")},
        {"Zauber", u8("*Feuerball*Blitz*")}});
  const UnitView v = view(5);
  EXPECT_EQ(v.items, (QStringList{u8("5 Holz"), u8("-2 Schwert"), u8("Feder"), u8("Kiste"), QString()}));
  EXPECT_EQ(v.skills, (QStringList{u8("Ausdauer [90] 4"), u8("Taktik [10] 1"), u8("Kochen 30 2"), QString(), QString(),
                                   u8("Zauber :"), u8("Feuerball"), u8("Blitz"), QString()}));
  unit(6, "1/1", 146, {{"Personen", 0}, {"Ausdauer", u8("270 4")}});
  EXPECT_EQ(view(6).skills, QStringList{u8("Ausdauer [270] 4")});
}

TEST_F(UnitViewTest, StarListSplitRule) {
  const std::pair<const char*, QStringList> cases[] = {
      {"*a*b*", {u8("a"), u8("b"), QString()}},
      {"*a* b c *", {u8("a"), u8("b c "), QString()}},
      {"*eins*", {u8("eins"), QString()}},
      {"*", {QString()}},
      {"*a*\r\n", {u8("a"), QString()}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(unitview::splitStarList(u8(text)), lines) << text;
}

TEST_F(UnitViewTest, MessagesUseTheNotationOfTheGame) {
  pages.botschaften = {u8("Botschaft an U (1c)")};
  pages.ereignisse = {u8("U (1c) fand Gold"), u8("anderes (1d)")};
  pages.bewegungen = {u8("U (1c) reist")};
  unit(48, "1/1", 146);
  EXPECT_EQ(view(48).messages, (QStringList{u8("Botschaft an U (1c)"), u8("U (1c) fand Gold"), u8("U (1c) reist")}));

  viewtest::ViewWorld quarnel(kQuarnel);
  quarnel.unit(48, "1/1", 146);
  pages.handel = {u8("U (48) kauft")};
  const UnitView q = showUnit(quarnel.tables, quarnel.fx.game, pages, u8("1/1"), 48);
  EXPECT_EQ(q.messages, QStringList{u8("U (48) kauft")});
  EXPECT_EQ(q.partyNumberText, u8("146"));
  // The list entry carries base 36 in both games; a building number in Quarnel is decimal.
  QString error;
  EXPECT_EQ(unitview::entryNumber(u8("    U (1c) , Menschen"), quarnel.fx.game, &error), 48);
  EXPECT_EQ(unitview::entryNumber(u8("-Burg : X, Burg, größe: 1 (77)"), quarnel.fx.game, &error), 77);
  EXPECT_EQ(unitview::entryNumber(u8("-Burg : X, Burg, größe: 1 (1c)"), fx.game, &error), 48);
  EXPECT_EQ(unitview::entryNumber(u8("-Schiff : X, Boot [1c], Ladung: 0/0 ,"), fx.game, &error), 48);
  EXPECT_FALSE(unitview::entryNumber(u8("-Schiff : X, Boot [1c], Ladung"), quarnel.fx.game, &error));
  EXPECT_TRUE(error.contains(u8("1c")));
}

TEST_F(UnitViewTest, BuildingDescriptionAndDetailLayout) {
  put("burgen", {{"Burg Nr", 3}, {"Burg Beschreibung", u8("Hohe Mauern")}});
  put("schiffe", {{"Schiffs Nr", 3}});
  EXPECT_EQ(showStructure(tables, fx.game, unitview::EntryKind::Building, 3).description, u8("Hohe Mauern"));
  EXPECT_EQ(showStructure(tables, fx.game, unitview::EntryKind::Ship, 3).description, u8("Keine Beschreibung"));
  EXPECT_EQ(showStructure(tables, fx.game, unitview::EntryKind::Building, 4).description, u8("Keine Beschreibung"));
  const unitview::DetailsLayout low = unitview::detailsLayout(false, false);
  EXPECT_EQ(std::make_pair(low.height, low.top), std::make_pair(69, 396));
  const unitview::DetailsLayout high = unitview::detailsLayout(true, false);
  EXPECT_EQ(std::make_pair(high.height, high.top), std::make_pair(89, 376));
}

}  // namespace
