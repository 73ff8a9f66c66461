#include <gtest/gtest.h>

#include "db/bde_tools.h"
#include "db/database.h"
#include "db/dberror.h"
#include "db/schema.h"
#include "db/sqlitestatement.h"
#include "db/table.h"
#include "support/testsupport.h"

namespace {

struct TableTest : ::testing::Test {
  void SetUp() override { db.open(QStringLiteral(":memory:"), true); }
  // The names of the rows the filter lets through, walked from the first.
  static QStringList names(Table& t) {
    QStringList walked;
    for (t.first(); !t.eof(); t.next()) walked << t.text(QStringLiteral("Regionname"));
    return walked;
  }
  void addRegion(Table& t, int slot, int x, int y, int z, const QString& name) {
    t.findKey({slot, x, y, z}) ? t.edit() : t.append();
    t.setValue(QStringLiteral("Spiel"), slot);
    t.setValue(QStringLiteral("Breite"), x);
    t.setValue(QStringLiteral("Länge"), y);
    t.setValue(QStringLiteral("Ebene"), z);
    t.setValue(QStringLiteral("Regionname"), name);
    t.post();
  }
  Database db;
};

TEST_F(TableTest, UnitTableKeepsItsBlocksAtTheirPositions) {
  Table units(db, QStringLiteral("einheiten"));
  const QStringList f = units.fieldNames();
  ASSERT_GE(f.size(), 119);
  EXPECT_EQ(f.at(schema::kItemBlockFirst - 1), QStringLiteral("Silber"));
  EXPECT_EQ(f.at(schema::kItemBlockLast - 1), QStringLiteral("Drachenkopf"));
  EXPECT_EQ(f.at(schema::kSkillBlockFirst - 1), QStringLiteral("Ausdauer"));
  EXPECT_EQ(f.at(schema::kSkillBlockLast - 1), QStringLiteral("Alchemie"));
  EXPECT_EQ(f.at(119), QStringLiteral("Default Befehl"));
  EXPECT_EQ(f.indexOf(QStringLiteral("Mäntel")) + 1 <= schema::kItemBlockLast, true);
}

TEST_F(TableTest, FindEditAppendPostAndCancel) {
  Table regions(db, QStringLiteral("regionen"));
  addRegion(regions, 1, 3, -4, 0, QStringLiteral("Aßland"));
  addRegion(regions, 2, 3, -4, 0, QStringLiteral("Anderswo"));
  addRegion(regions, 1, 3, -4, 0, QStringLiteral("Neuland"));  // edit, not a second row
  EXPECT_EQ(testsupport::rowCount(db, QStringLiteral("regionen")), 2);

  ASSERT_TRUE(regions.findKey({1, 3, -4, 0}));
  EXPECT_EQ(regions.text(QStringLiteral("regionname")), QStringLiteral("Neuland"));  // case-insensitive name

  regions.edit();
  regions.setValue(QStringLiteral("Regionname"), QStringLiteral("Verworfen"));
  regions.cancel();
  EXPECT_EQ(regions.text(QStringLiteral("Regionname")), QStringLiteral("Neuland"));
  ASSERT_TRUE(regions.findKey({1, 3, -4, 0}));
  EXPECT_EQ(regions.text(QStringLiteral("Regionname")), QStringLiteral("Neuland"));

  regions.append();
  regions.setValue(QStringLiteral("Spiel"), 1);
  regions.cancel();
  EXPECT_EQ(testsupport::rowCount(db, QStringLiteral("regionen")), 2);
  EXPECT_FALSE(regions.findKey({1, 9, 9, 0}));
  EXPECT_THROW(regions.setValue(QStringLiteral("Gibtsnicht"), 1), DbError);
}

TEST_F(TableTest, LeadingKeyWalkAndFilters) {
  Table regions(db, QStringLiteral("regionen"));
  addRegion(regions, 1, 2, 0, 0, QStringLiteral("b"));
  addRegion(regions, 1, 1, 5, 0, QStringLiteral("a"));
  addRegion(regions, 1, 1, 5, 1, QStringLiteral("a1"));
  addRegion(regions, 2, 0, 0, 0, QStringLiteral("other slot"));

  ASSERT_TRUE(regions.findKey({1, 1}));
  QStringList walked;
  for (; !regions.eof(); regions.next()) walked << regions.text(QStringLiteral("Regionname"));
  EXPECT_EQ(walked, (QStringList{"a", "a1", "b", "other slot"}));

  regions.setSlotFilter(1);
  regions.setFiltered(true);
  EXPECT_EQ(names(regions), (QStringList{"a", "a1", "b"}));
  regions.setSlotLevelFilter(1, 0);
  EXPECT_EQ(names(regions), (QStringList{"a", "b"}));
  regions.setFiltered(false);
  EXPECT_EQ(names(regions).size(), 4);
}

TEST_F(TableTest, SecondIndexAndDeleteByRowid) {
  Table units(db, QStringLiteral("einheiten"));
  const std::tuple<int, const char*> rows[] = {{5, "1/1"}, {3, "2/2"}, {4, "1/1"}};
  for (const auto& [nr, pos] : rows) {
    units.append();
    units.setValue(QStringLiteral("Spiel"), 1);
    units.setValue(QStringLiteral("Einheit Nr"), nr);
    units.setValue(QStringLiteral("Einheit Position"), QString::fromLatin1(pos));
    units.post();
  }
  units.setIndexFields(QStringLiteral("Spiel;Einheit Position;Einheit Nr"));
  ASSERT_TRUE(units.findKey({1, QStringLiteral("1/1")}));
  EXPECT_EQ(units.intValue(QStringLiteral("Einheit Nr")), 4);
  // Deleting by rowid, as the cleanup does, the row the table stands on.
  SqliteStatement q(db.handle(), QStringLiteral("SELECT rowid FROM \"einheiten\" WHERE \"Einheit Nr\" = 4"));
  ASSERT_TRUE(q.step());
  const qint64 rowid = q.columnInt(0);
  q.reset();
  units.removeRow(rowid);
  EXPECT_FALSE(units.hasRow());
  EXPECT_EQ(testsupport::rowCount(db, QStringLiteral("einheiten")), 2);
  ASSERT_TRUE(units.findKey({1, QStringLiteral("1/1")}));
  EXPECT_EQ(units.intValue(QStringLiteral("Einheit Nr")), 5);
  // A duplicate key is refused as the engine's error.
  units.append();
  units.setValue(QStringLiteral("Spiel"), 1);
  units.setValue(QStringLiteral("Einheit Nr"), 5);
  EXPECT_THROW(units.post(), DbError);
}

// A found row's fields are read from the engine when asked for; an update
// writes only the fields set since edit(), so what another table object
// stored meanwhile in the other fields stays.
TEST_F(TableTest, UpdatesWriteTheFieldsSetAndRowsReadTheRestWhenAsked) {
  Table regions(db, QStringLiteral("regionen"));
  addRegion(regions, 1, 3, -4, 0, QStringLiteral("Au"));
  Table other(db, QStringLiteral("regionen"));
  ASSERT_TRUE(regions.findKey({1, 3, -4, 0}));
  regions.edit();
  regions.setValue(QStringLiteral("Bauern"), 120);
  ASSERT_TRUE(other.findKey({1, 3, -4, 0}));
  other.edit();
  other.setValue(QStringLiteral("Regionname"), QStringLiteral("Neu"));
  other.setValue(QStringLiteral("Bauern"), 7);
  other.post();
  regions.post();
  ASSERT_TRUE(other.findKey({1, 3, -4, 0}));
  EXPECT_EQ(other.text(QStringLiteral("Regionname")), QStringLiteral("Neu"));
  EXPECT_EQ(other.intValue(QStringLiteral("Bauern")), 120);

  // A new row stores what was set and NULL elsewhere; a search that ends on
  // the following row reads that row's fields.
  regions.append();
  regions.setValue(QStringLiteral("Spiel"), 1);
  regions.setValue(QStringLiteral("Breite"), 5);
  regions.setValue(QStringLiteral("Länge"), 0);
  regions.setValue(QStringLiteral("Ebene"), 0);
  regions.setValue(QStringLiteral("Regionname"), QString());
  regions.post();
  EXPECT_FALSE(regions.findKey({1, 4}));
  EXPECT_EQ(regions.intValue(QStringLiteral("Breite")), 5);
  EXPECT_TRUE(regions.isNull(QStringLiteral("Regionname")));
  EXPECT_TRUE(regions.isNull(QStringLiteral("Bauern")));
  regions.edit();
  regions.setValue(QStringLiteral("Bauern"), 0);
  regions.cancel();
  EXPECT_TRUE(regions.isNull(QStringLiteral("Bauern")));
  EXPECT_EQ(regions.intValue(QStringLiteral("Breite")), 5);
  regions.close();
  EXPECT_EQ(regions.intValue(QStringLiteral("Breite")), 5);  // still readable after close
}

TEST_F(TableTest, AddFieldNeedsAnExclusiveOpenAndKeepsRows) {
  db.exec(QStringLiteral("CREATE TABLE probe (\"Spiel\" INTEGER)"));
  db.exec(QStringLiteral("INSERT INTO probe VALUES (7)"));
  Table probe(db, QStringLiteral("probe"));
  try {
    bde_tools::AddField(probe, QStringLiteral("Steine"));
    FAIL();
  } catch (const DbError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("Table must be opened to restructure"));
  }
  probe.open();
  try {
    bde_tools::AddField(probe, QStringLiteral("Steine"));
    FAIL();
  } catch (const DbError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("Table must be opened exclusively to restructure"));
  }
  probe.openExclusive();
  bde_tools::AddField(probe, QStringLiteral("Steine"));
  EXPECT_EQ(probe.fieldNames(), (QStringList{"Spiel", "Steine"}));
  ASSERT_TRUE(probe.first());
  EXPECT_EQ(probe.intValue(QStringLiteral("Spiel")), 7);
  EXPECT_TRUE(probe.isNull(QStringLiteral("Steine")));
}

}  // namespace

// Rows posted one after another through the same statements: a field left
// unset after a row that set it is NULL, and texts of any length and
// character come back as a UTF-8 round trip gives them.
TEST_F(TableTest, RowsPostedInTurnKeepEachTheirOwnValues) {
  Table regions(db, QStringLiteral("regionen"));
  const QString longText(30000, QChar(u'ä'));
  const QStringList fields = {QStringLiteral("Holzstämme"), QStringLiteral("Regionname"), QStringLiteral("Beschreibung"),
                              QStringLiteral("Umgebung")};
  QList<QVariantList> rows = {  // an invalid value: the field is not set
      {0, QStringLiteral("Grüße"), QStringLiteral("\U0001F600 Drache"), QString()},
      {QVariant(), QVariant(), longText + QStringLiteral("x"), longText + QStringLiteral("y")},
      {0, QString(QChar(0xD800)) + QStringLiteral("x"), QString(200000, QChar(u'b')), QStringLiteral("")},
      {7, QVariant(), QVariant(), longText},
      {QVariant(), QStringLiteral("Fünf"), QStringLiteral("kurz"), QVariant()}};
  for (int x = 0; x < rows.size(); ++x) {
    regions.append();
    for (const auto& [field, value] : {std::pair{"Spiel", 1}, {"Breite", x}, {"Länge", 0}, {"Ebene", 0}})
      regions.setValue(QString::fromUtf8(field), value);
    for (int f = 0; f < fields.size(); ++f)
      if (rows[x][f].isValid()) regions.setValue(fields[f], rows[x][f]);
    regions.post();
  }
  // Edits through the update statements keep the same rule.
  for (const auto& [x, trees] : {std::pair{3, QVariant()}, {1, QVariant(0)}}) {
    ASSERT_TRUE(regions.findKey({1, x, 0, 0}));
    regions.edit();
    regions.setValue(fields[0], trees);
    regions.post();
    rows[x][0] = trees;
  }
  for (int x = 0; x < rows.size(); ++x) {
    ASSERT_TRUE(regions.findKey({1, x, 0, 0}));
    for (int f = 0; f < fields.size(); ++f) {
      const QVariant& sent = rows[x][f];
      const bool text = sent.typeId() == QMetaType::QString && !sent.toString().isNull();
      const QVariant stored = text ? QVariant(QString::fromUtf8(sent.toString().toUtf8()))
                                   : (sent.typeId() == QMetaType::QString ? QVariant() : sent);
      EXPECT_EQ(regions.value(fields[f]), stored) << x << " " << fields[f].toStdString();
    }
  }
}

// Field names made and dropped one after another may reuse the same memory;
// each still finds its own field.
TEST_F(TableTest, FieldLookupByShortLivedNames) {
  Table regions(db, QStringLiteral("regionen"));
  const QStringList names = regions.fieldNames();
  for (int round = 0; round < 3; ++round)
    for (int i = 0; i < names.size(); ++i) {
      const QString name = QString(names.at(i).data(), names.at(i).size());  // a fresh copy each time
      EXPECT_EQ(regions.fieldIndex(name), i) << name.toStdString();
    }
  EXPECT_EQ(regions.fieldIndex(QStringLiteral("regionname")), names.indexOf(QStringLiteral("Regionname")));
  EXPECT_EQ(regions.fieldIndex(QStringLiteral("Gibt es nicht")), -1);
}

namespace {

// What the engine stored for a field of the unit row with that number.
QString storedAs(Database& db, int nr, const char* field) {
  SqliteStatement q(db.handle(), QStringLiteral("SELECT typeof(\"%1\") || ':' || quote(\"%1\") FROM \"einheiten\" "
                                                "WHERE \"Einheit Nr\" = %2")
                                     .arg(QString::fromUtf8(field))
                                     .arg(nr));
  return q.step() ? q.columnText(0) : QString();
}

}  // namespace

// A row is written from the record the table keeps between rows: a number
// set where the row before held another value or type (a text, the
// engine's own number, a text too long for the statement's buffers) is
// stored as that number, and a wide number is not cut to an int.
TEST_F(TableTest, NumbersSetRowAfterRowAreStoredAsSet) {
  struct Case {
    QVariant before;  // the field's value in the row written first
    int then;         // the number set in the next row
  };
  const QString longText(70 * 1024, QLatin1Char('x'));
  const QList<Case> cases = {{QVariant(), 0},        {QVariant(QStringLiteral("0")), 0}, {QVariant(qlonglong(0)), 0},
                             {QVariant(7), 7},       {QVariant(7), 0},                   {QVariant(true), 1},
                             {QVariant(longText), 3}};
  Table units(db, QStringLiteral("einheiten"));
  const int silver = units.fieldIndex(QStringLiteral("Silber"));
  const int name = units.fieldIndex(QStringLiteral("Einheit Name"));
  int nr = 0;
  for (const Case& c : cases) {
    units.append();
    units.setValue(QStringLiteral("Spiel"), 1);
    units.setValue(QStringLiteral("Einheit Nr"), ++nr);
    units.setValue(silver, c.before);
    units.setValue(name, c.before);
    units.post();
    units.append();
    units.setValue(QStringLiteral("Spiel"), 1);
    units.setValue(QStringLiteral("Einheit Nr"), ++nr);
    units.setValues(silver, silver + 1, c.then);
    units.setValue(name, QStringLiteral("kurz"));
    units.post();
    EXPECT_EQ(storedAs(db, nr, "Silber"), QStringLiteral("integer:%1").arg(c.then)) << nr;
    EXPECT_EQ(storedAs(db, nr, "Einheit Name"), QStringLiteral("text:'kurz'")) << nr;
    EXPECT_EQ(units.intValue(silver), c.then);
  }
  units.append();
  units.setValue(QStringLiteral("Spiel"), 1);
  units.setValue(QStringLiteral("Einheit Nr"), ++nr);
  units.setValue(silver, qint64(1) << 40);
  units.post();
  EXPECT_EQ(storedAs(db, nr, "Silber"), QStringLiteral("integer:%1").arg(qint64(1) << 40));
  // Read back from the engine, by position and by name alike.
  units.setIndexFields(QStringLiteral("Spiel;Einheit Nr"));
  ASSERT_TRUE(units.findKey({1, 2}));
  EXPECT_EQ(units.intValue(silver), 0);
  EXPECT_EQ(units.text(name), QStringLiteral("kurz"));
  ASSERT_TRUE(units.findKey({1, 3}));
  EXPECT_EQ(units.text(silver), QStringLiteral("0"));  // given as the text "0"
  EXPECT_EQ(units.intValue(QStringLiteral("Silber")), 0);
  ASSERT_TRUE(units.findKey({1, nr}));
  EXPECT_EQ(units.intValue(silver), qint64(1) << 40);
}
