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

TEST(CommandEditorTemplate, OpeningAndWritingBack) {
  OrderTemplate t;
  t.setLines(lines({" REGION 1,1 ; A", " EINHEIT a;\tEins [1,0$]", "    ARBEITE", "    LERNE Taktik", "",
                    " EINHEIT b;\tZwei [1,0$]", "    ARBEITE", " EINHEIT ab;\tDrei", "    MACHE"}));
  const QStringList opened = commandeditor::unitLines(t.lines(), u8("a"));
  EXPECT_EQ(opened, lines({" EINHEIT a;\tEins [1,0$]", "    ARBEITE", "    LERNE Taktik"}));
  EXPECT_TRUE(commandeditor::unitLines(t.lines(), u8("zz")).isEmpty());

  struct Step {
    QStringList editor;
    QStringList unitAfter;  // lines from the header up to the empty line
  };
  // Writing twice replaces what the first write put in; deleted orders leave the header alone.
  const Step steps[] = {
      {lines({"kopf", "    KAUFE 1 Balsam", "    VERKAUFE 2 Oel", "    ARBEITE"}),
       lines({" EINHEIT a;\tEins [1,0$]", "    KAUFE 1 Balsam", "    VERKAUFE 2 Oel", "    ARBEITE"})},
      {lines({"kopf", "    LERNE Reiten"}), lines({" EINHEIT a;\tEins [1,0$]", "    LERNE Reiten"})},
      {lines({"kopf"}), lines({" EINHEIT a;\tEins [1,0$]"})},
  };
  int count = int(opened.size());
  for (const Step& s : steps) {
    t.setUnsaved(false);
    count = commandeditor::writeBack(t, u8("a"), count, s.editor);
    EXPECT_EQ(count, s.editor.size());
    EXPECT_TRUE(t.unsaved());
    const int header = int(t.lines().indexOf(u8(" EINHEIT a;\tEins [1,0$]")));
    EXPECT_EQ(t.lines().mid(header, s.unitAfter.size() + 1), s.unitAfter + QStringList{QString()});
  }
  EXPECT_EQ(t.lines().mid(t.lines().size() - 5),
            lines({"", " EINHEIT b;\tZwei [1,0$]", "    ARBEITE", " EINHEIT ab;\tDrei", "    MACHE"}));
}

TEST(CommandEditorTemplate, WritingBackNeverEatsTheNextUnit) {
  OrderTemplate t;
  t.setLines(lines({" EINHEIT a;\tEins", "    ARBEITE", "    LERNE Taktik", " EINHEIT b;\tZwei", "    ARBEITE"}));
  // The editor got three lines; meanwhile one order was deleted in the template.
  t.lines().removeAt(2);
  commandeditor::writeBack(t, u8("a"), 3, lines({"kopf", "    TREIBE", "    LERNE Reiten"}));
  EXPECT_EQ(t.lines(), lines({" EINHEIT a;\tEins", "    TREIBE", "    LERNE Reiten", " EINHEIT b;\tZwei", "    ARBEITE"}));
  // A missing header changes nothing and keeps the count.
  t.setUnsaved(false);
  EXPECT_EQ(commandeditor::writeBack(t, u8("q"), 7, lines({"kopf", "x"})), 7);
  EXPECT_FALSE(t.unsaved());
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
