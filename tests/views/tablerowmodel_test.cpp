#include <gtest/gtest.h>

#include "views/tablerowmodel.h"
#include "viewworld.h"

namespace {

using viewtest::u8;

TEST(TableRowModel, EditsReachTheRowOnlyOnSubmitAndBadNumbersAreRefused) {
  viewtest::ViewWorld w;
  w.put("regionen", {{"Breite", 1}, {"Länge", 2}, {"Ebene", 0}, {"Regionname", u8("Alt")}, {"Juwel", 30}});
  TableRowModel model(w.fx.db, u8("regionen"), u8("Spiel;Breite;Länge;Ebene"));
  ASSERT_TRUE(model.showRow({1, 1, 2, 0}));
  const QModelIndex name = model.index(0, model.column(u8("Regionname")));
  const QModelIndex juwel = model.index(0, model.column(u8("Juwel")));
  EXPECT_EQ(model.data(juwel).toString(), u8("30"));

  struct Case {
    QModelIndex index;
    const char* typed;
    bool accepted;
  };
  const Case cases[] = {{name, "Neu", true}, {juwel, "abc", false}, {juwel, "45", true}};
  for (const Case& c : cases) EXPECT_EQ(model.setData(c.index, u8(c.typed)), c.accepted) << c.typed;
  EXPECT_EQ(w.field("regionen", {1, 1, 2, 0}, "Regionname").toString(), u8("Alt"));
  // Moving to another row stores the pending edits, as leaving a bound row does.
  EXPECT_FALSE(model.showRow({1, 5, 5, 0}));
  EXPECT_EQ(w.field("regionen", {1, 1, 2, 0}, "Regionname").toString(), u8("Neu"));
  EXPECT_EQ(w.field("regionen", {1, 1, 2, 0}, "Juwel").toInt(), 45);
  EXPECT_EQ(model.rowCount(), 0);

  ASSERT_TRUE(model.showRow({1, 1, 2, 0}));
  EXPECT_TRUE(model.setData(juwel, QString()));
  EXPECT_TRUE(model.submit());
  EXPECT_TRUE(w.field("regionen", {1, 1, 2, 0}, "Juwel").isNull());
}

}  // namespace
