#include <gtest/gtest.h>

#include <QSqlQuery>

#include "db/database.h"
#include "db/keyfilter.h"
#include "db/table.h"

namespace {

// Every key the table's own search would find must pass the filter, however
// the stored value is typed; keys of other games or rounds need not.
TEST(KeyFilter, PassesEveryStoredKeyAndKnowsWhatWasAdded) {
  Database db;
  db.open(QStringLiteral(":memory:"), true);
  QSqlQuery q(db.sql());
  for (const char* sql : {"INSERT INTO statistik (Spiel, Breite, \"Länge\", Ebene, Datum) VALUES (1, 3, -4, 0, 3806)",
                          "INSERT INTO statistik (Spiel, Breite, \"Länge\", Ebene, Datum) VALUES (1, 5, 2.0, 1, 3806)",
                          "INSERT INTO statistik (Spiel, Breite, \"Länge\", Ebene, Datum) VALUES (1, '7', 8, 0, 3806)",
                          "INSERT INTO statistik (Spiel, Breite, \"Länge\", Ebene, Datum) VALUES (1, 9, 9, 0, 3805)",
                          "INSERT INTO statistik (Spiel, Breite, \"Länge\", Ebene, Datum) VALUES (2, 11, 11, 0, 3806)"})
    ASSERT_TRUE(q.exec(QString::fromUtf8(sql))) << sql;

  Table stats(db, QStringLiteral("statistik"));
  stats.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene;Datum"));
  KeyFilter filter;
  EXPECT_TRUE(filter.mayHold({1, 100, 100, 0, 3806})) << "before loading every key may be stored";
  filter.load(db, QStringLiteral("statistik"),
              {QStringLiteral("Spiel"), QStringLiteral("Breite"), QStringLiteral("Länge"), QStringLiteral("Ebene"),
               QStringLiteral("Datum")},
              1, {{QStringLiteral("Datum"), 3806}});

  struct Case {
    qint64 x, y, z;
    bool stored;  // in slot 1, round 3806
  };
  for (const Case& c : {Case{3, -4, 0, true}, Case{5, 2, 1, true}, Case{7, 8, 0, true}, Case{9, 9, 0, false},
                        Case{11, 11, 0, false}, Case{3, -4, 1, false}}) {
    const bool found = stats.findKey({1, c.x, c.y, c.z, 3806});
    EXPECT_EQ(found, c.stored) << c.x << "/" << c.y;
    // Found keys must pass; these few absent ones do not collide either.
    EXPECT_EQ(filter.mayHold({1, c.x, c.y, c.z, 3806}), found) << c.x << "/" << c.y;
  }
  filter.add({1, 9, 9, 0, 3806});
  EXPECT_TRUE(filter.mayHold({1, 9, 9, 0, 3806}));
  EXPECT_FALSE(filter.mayHold({1, 9, 9, 0, 3805}));
}

}  // namespace
