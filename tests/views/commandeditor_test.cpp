#include <functional>
#include <gtest/gtest.h>

#include "orders/ordertemplate.h"
#include "views/commandeditor.h"
#include "viewworld.h"

namespace {

using commandeditor::Marks;
using viewtest::u8;

QStringList lines(std::initializer_list<const char*> text) {
  QStringList out;
  for (const char* l : text) out << u8(l);
  return out;
}

TEST(CommandEditorMarks, BoxesFromFlags) {
  struct Case {
    const char* flags;
    Marks before;
    bool mark, longMark;
  };
  const Case cases[] = {
      {"", {true, false}, false, false},   {"x", {}, true, false},          {"X", {}, false, true},
      {"V", {}, true, false},              {"xV", {}, true, false},         {"xX", {}, false, false},
      {"XV", {}, false, false},            {"BT", {false, true}, false, false},
      {"xXV", {true, false}, true, false}, {"xXV", {false, true}, false, false},
  };
  for (const Case& c : cases) {
    const Marks m = commandeditor::marksFromFlags(u8(c.flags), c.before);
    EXPECT_EQ(std::make_pair(m.mark, m.longMark), std::make_pair(c.mark, c.longMark)) << c.flags;
  }
}

TEST(CommandEditorMarks, FlagLetters) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"V", "x", "Vx"}, {"Vx", "", "V"}, {"xB", "X", "BX"}, {"", "x", "x"}, {"XV", "", "V"}, {"x", "", ""}, {"", "", ""},
  };
  for (const auto& [flags, mark, expected] : cases)
    EXPECT_EQ(commandeditor::flagsWithMark(u8(flags), u8(mark)), u8(expected)) << flags << "+" << mark;
}

// A unit's lines run from its header to the next EINHEIT, REGION,
// NAECHSTER or PARTEI line; writing back replaces exactly them, so pressing
// "Befehle ausführen" again never doubles an order.
TEST(CommandEditorTemplate, UnitLinesAndRepeatedWriteBack) {
  const QStringList base = lines({" PARTEI 1 \"pw\"", "", " REGION 1,1 ; A", " EINHEIT a;\tEins [1,0$]",
                                  "    LERNE Taktik", "", "    GIB ry 10 Silber", "    BENENNE EINHEIT \"Förster\"",
                                  "    GIB ry 5 EINHEIT", "    ZAUBERE REGION Regen", "", " EINHEIT ab;\tZwei",
                                  "    MACHE Holz", "", " NAECHSTER", ""});
  struct Case {
    const char* name;
    const char* unit;
    QStringList opened;                    // what the editor shows
    std::function<void(QStringList&)> meanwhile;  // the template edited before writing back
    QStringList editor;                    // what the player writes back
    QStringList expected;                  // the whole template afterwards
  };
  const QStringList aOrders = lines({"    LERNE Taktik", "", "    GIB ry 10 Silber", "    BENENNE EINHEIT \"Förster\"",
                                     "    GIB ry 5 EINHEIT", "    ZAUBERE REGION Regen"});
  QStringList aChanged = base;
  aChanged.replace(6, u8("    GIB ry 20 Silber"));
  QStringList lastChanged = base;
  lastChanged.insert(13, u8("    LERNE Holzfällen"));
  QStringList edited = base;
  edited.insert(2, u8("; Notiz"));
  edited.removeAt(5);  // LERNE Taktik deleted in the template
  edited.replace(6, u8("    GIB ry 20 Silber"));
  const Case cases[] = {
      {"empty lines and the words inside orders", "a", lines({" EINHEIT a;\tEins [1,0$]"}) + aOrders, nullptr,
       lines({" EINHEIT a;\tEins [1,0$]", "    LERNE Taktik", "", "    GIB ry 20 Silber", "    BENENNE EINHEIT \"Förster\"",
              "    GIB ry 5 EINHEIT", "    ZAUBERE REGION Regen", "", ""}),
       aChanged},
      {"last unit before NAECHSTER, header left out", "ab", lines({" EINHEIT ab;\tZwei", "    MACHE Holz"}), nullptr,
       lines({"    MACHE Holz", "    LERNE Holzfällen"}), lastChanged},
      {"missing header changes nothing", "zz", {}, nullptr, lines({"    ARBEITE"}), base},
      {"template edited meanwhile", "a", lines({" EINHEIT a;\tEins [1,0$]"}) + aOrders,
       [](QStringList& t) {
         t.insert(2, u8("; Notiz"));
         t.removeAt(5);  // LERNE Taktik
       },
       lines({" EINHEIT a;\tEins [1,0$]", "", "    GIB ry 20 Silber", "    BENENNE EINHEIT \"Förster\"",
              "    GIB ry 5 EINHEIT", "    ZAUBERE REGION Regen"}),
       edited},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OrderTemplate t;
    t.setLines(base);
    EXPECT_EQ(commandeditor::unitLines(t.lines(), u8(c.unit)), c.opened);
    if (c.meanwhile) c.meanwhile(t.lines());
    QString error;
    const auto orders = commandeditor::ordersOf(c.editor, u8(c.unit), &error);
    ASSERT_TRUE(orders) << error.toStdString();
    for (int press = 1; press <= 3; ++press) {
      EXPECT_EQ(commandeditor::writeBack(t, u8(c.unit), *orders), !c.opened.isEmpty());
      EXPECT_EQ(t.lines(), c.expected) << "press " << press;
      EXPECT_EQ(commandeditor::unitLines(t.lines(), u8(c.unit)).mid(1), c.opened.isEmpty() ? QStringList() : *orders);
    }
  }
}

TEST(CommandEditorTemplate, OrdersThatWouldStartANewPartAreRefused) {
  const std::pair<const char*, bool> cases[] = {
      {"  EINHEIT b;\tfremd", false}, {"REGION 2,2", false}, {" NAECHSTER", false}, {"PARTEI 1", false},
      {"    GIB b 1 EINHEIT", true},  {"EINHEITEN", true},  {"", true},
  };
  for (const auto& [line, accepted] : cases) {
    QString error;
    const auto orders = commandeditor::ordersOf(lines({" EINHEIT a;\tEins", "    ARBEITE", line}), u8("a"), &error);
    EXPECT_EQ(orders.has_value(), accepted) << line;
    EXPECT_EQ(error.isEmpty(), accepted) << line;
  }
}

struct SetFlagsTest : ::testing::Test, viewtest::ViewWorld {
  QString unflagged = u8("*12*112*");
  QStringList list = lines({"    U (c) , Menschen", "    V (34) , Menschen", "-Burg : B (a)", "              W (c) , Elfen"});
  commandeditor::FlagResult store(const char* id, Marks m, const char* position = "3/4") {
    return commandeditor::setflags(tables, fx.game, u8(position), u8(id), m, unflagged, list);
  }
};

TEST_F(SetFlagsTest, MarkAndUnmarkUpdateFlagsListAndColour) {
  unit(12, "3/4", 146, {{"Flags", u8("V")}});
  unit(112, "3/4", 146);
  commandeditor::FlagResult r = store("c", {true, false});
  EXPECT_TRUE(r.unitFound);
  EXPECT_EQ(r.flags, u8("Vx"));
  EXPECT_EQ(field("einheiten", {1, 12}, "Flags").toString(), u8("Vx"));
  EXPECT_EQ(unflagged, u8("*112*"));
  EXPECT_EQ(list.at(0), u8(" *  U (c) , Menschen"));
  EXPECT_EQ(list.at(3), u8("      *       W (c) , Elfen"));
  EXPECT_EQ(r.colour, commandeditor::kSomeUnmarked);

  r = store("34", {false, true});
  EXPECT_EQ(r.flags, u8("X"));
  EXPECT_EQ(unflagged, u8("*"));
  EXPECT_EQ(r.colour, commandeditor::kAllMarked);
  EXPECT_EQ(std::make_pair(r.x, r.y), std::make_pair(3, 4));

  r = store("c", {});
  EXPECT_EQ(r.flags, u8("V"));
  EXPECT_EQ(list.at(0), u8("    U (c) , Menschen"));
  EXPECT_EQ(list.at(3), u8("              W (c) , Elfen"));
  EXPECT_EQ(r.colour, commandeditor::kSomeUnmarked);
}

TEST_F(SetFlagsTest, UnknownUnitStillColoursTheRegionAtXY) {
  unflagged = u8("*");
  const commandeditor::FlagResult r = store("zz", {true, false}, "-7/9/2");
  EXPECT_FALSE(r.unitFound);
  EXPECT_EQ(std::make_pair(r.x, r.y), std::make_pair(-7, 9));
  EXPECT_EQ(r.colour, commandeditor::kAllMarked);
}

TEST(CommandEditorParty, OwnPartyInEitherNotation) {
  GameSession s;
  s.ownPartyNumber = 146;
  for (const auto& [text, own] : {std::pair{"146", true}, {"42", true}, {"43", false}, {" ---- ", false}})
    EXPECT_EQ(commandeditor::isOwnParty(u8(text), s), own) << text;
}

}  // namespace
