#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "db/table.h"
#include "map/mapexchange.h"
#include "turn/reportimporter.h"
#include "support/testsupport.h"

namespace {

using testsupport::dump;

// An in-memory game database, open before the tables on it are made.
struct MemoryDatabase : Database {
  MemoryDatabase() { open(":memory:", true); }
};

struct MapExchangeTest : ::testing::Test {
  MapExchangeTest() {
    regions.setSlotFilter(1);
    regions.setFiltered(true);
  }
  void store(int slot, int x, int y, int level, const QString& terrain, const QString& name) {
    Table t(db, "regionen");
    t.append();
    const std::pair<const char*, QVariant> values[] = {{"Spiel", slot}, {"Breite", x}, {"Länge", y}, {"Ebene", level},
                                                       {"Regiontyp", terrain}, {"Regionname", name}, {"Bauern", 500}};
    for (const auto& [field, value] : values) t.setValue(field, value);
    t.post();
  }
  QByteArray read(const QString& name) {
    QFile f(tmp.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // The slot's regions as "x y level terrain name" in key order.
  QStringList slotRegions(int slot) {
    QSqlQuery q(db.sql());
    q.prepare("SELECT \"Breite\", \"Länge\", \"Ebene\", \"Regiontyp\", \"Regionname\" FROM regionen WHERE \"Spiel\" = ? "
              "ORDER BY 1, 2, 3");
    q.addBindValue(slot);
    q.exec();
    QStringList out;
    while (q.next())
      out << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                         q.value(4).toString()}.join(' ');
    return out;
  }
  mapexchange::ImportResult import(const QByteArray& content) {
    testsupport::writeFile(tmp.filePath("in.txt"), content);
    return mapexchange::importMap(db, regions, 1, tmp.filePath("in.txt"));
  }

  QTemporaryDir tmp;
  MemoryDatabase db;
  Table regions{db, "regionen"};
};

TEST(MapExchangeFormat, BlocksAndRadius) {
  EXPECT_EQ(mapexchange::regionBlock(3, -2, 0, "Wald", "Grünforst"),
            QStringList({"REGION 3 -2", "\"Wald\";Terrain", "\"Grünforst\";Name"}));
  EXPECT_EQ(mapexchange::regionBlock(3, -2, 1, "Wald", "Tief").first(), "REGION 3 -2 1");
  EXPECT_EQ(mapexchange::regionBlock(-7, 0, -2, "Ozean", "Ozean"), QStringList({"REGION -7 0 -2", "\"Ozean\";Terrain"}));
  EXPECT_EQ(mapexchange::quotedValue("\"Berg \"x\" Tal\";Name"), "Berg \"x\" Tal");

  for (const auto& [text, radius] : {std::pair<const char*, std::optional<int>>{" 3 ", 3}, {"-1", -1}, {"1.5", std::nullopt},
                                     {"", std::nullopt}, {"99999999999", std::nullopt}})
    EXPECT_EQ(mapexchange::parseRadius(text), radius) << text;
}

TEST_F(MapExchangeTest, FullAndAreaExportsWriteTheFilteredRows) {
  store(1, 3, -2, 0, "Wald", "Grünforst");
  store(1, 3, -2, 1, "Wald", "Tief");
  store(1, -1, 5, 0, "Ozean", "Ozean");
  store(2, 0, 0, 0, "Berge", "Fremd");
  ASSERT_TRUE(mapexchange::exportFullMap(regions, tmp.filePath("all.txt")).ok());
  EXPECT_EQ(read("all.txt"), QByteArray("REGION -1 5\r\n\"Ozean\";Terrain\r\nREGION 3 -2\r\n\"Wald\";Terrain\r\n"
                                        "\"Gr\xC3\xBCnforst\";Name\r\nREGION 3 -2 1\r\n\"Wald\";Terrain\r\n\"Tief\";Name\r\n"));
  // After a world-map drawing only the shown level passes the filter.
  regions.setSlotLevelFilter(1, 1);
  ASSERT_TRUE(mapexchange::exportFullMap(regions, tmp.filePath("level.txt")).ok());
  EXPECT_TRUE(read("level.txt").startsWith("REGION 3 -2 1\r\n"));

  regions.setSlotFilter(1);
  for (int x = -3; x <= 3; ++x)
    for (int y = -3; y <= 3; ++y)
      if (x != 3 || y != -2) store(1, x, y, 0, "Ebene", "E");
  ASSERT_TRUE(mapexchange::exportArea(regions, 1, 0, 0, 0, tmp.filePath("r0.txt")).ok());
  EXPECT_EQ(read("r0.txt"), QByteArray("REGION 0 0\r\n\"Ebene\";Terrain\r\n\"E\";Name\r\n"));
  // Radius 1 around (0, 0): north row first, east to west; not (1, 1) or (-1, -1).
  EXPECT_EQ(mapexchange::exportArea(regions, 1, 0, 0, 1, tmp.filePath("r1.txt")).regions, 7);
  QStringList headers = QString::fromUtf8(read("r1.txt")).split("\r\n").filter("REGION");
  EXPECT_EQ(headers, QStringList({"REGION 0 1", "REGION -1 1", "REGION 1 0", "REGION 0 0", "REGION -1 0", "REGION 1 -1",
                                  "REGION 0 -1"}));
  // The hexagon for radius 2; radius 3 keeps two cells beyond it; one block
  // per cell (the lowest level), also for a radius far beyond the map.
  for (const auto& [radius, count] : {std::pair{-1, 0}, {2, 19}, {3, 39}, {1 << 30, 50}})
    EXPECT_EQ(mapexchange::exportArea(regions, 1, 0, 0, radius, tmp.filePath("r.txt")).regions, count) << radius;
  // Around (40, 0) the west edge x = 0 keeps only y >= 0: its corner strip is cut.
  EXPECT_EQ(mapexchange::exportArea(regions, 1, 40, 0, 40, tmp.filePath("r40.txt")).regions, 25);

  // A file that cannot be written: its name in the message, nothing left behind.
  const auto failed = mapexchange::exportFullMap(regions, tmp.filePath("fehlt/karte.txt"));
  EXPECT_TRUE(failed.error.contains(tmp.filePath("fehlt/karte.txt")));
  QDir().mkpath(tmp.filePath("ordner"));
  EXPECT_FALSE(mapexchange::exportFullMap(regions, tmp.filePath("ordner")).ok());
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files).size(), 6);
}

TEST_F(MapExchangeTest, ImportAddsOnlyNewRegionsAndChangesNothingTheSecondTime) {
  store(1, 1, 1, 0, "Berge", "Altberg");
  const QByteArray file =
      "REGION 1 1\r\n\"Wald\";Terrain\r\n\"Umbenannt\";Name\r\n"   // known: untouched
      "REGION 3 -2\r\n\"Wald\";Terrain\r\n\"Forst\";Name\r\n"
      "REGION 3 -2 1\r\n\"Sumpf\";Terrain\r\n"                     // no name line
      "REGION 4 4\r\n\"Ozean\";Terrain\r\n\"Irgendwas\";Name\r\n"  // the sea is always "Ozean"
      "REGION 5 5\r\n\"Namenlos\";Name\r\nanderer Text\r\n";       // no terrain line
  const auto first = import(file);
  ASSERT_TRUE(first.ok()) << first.error.toStdString();
  EXPECT_EQ(first.added, 4);
  EXPECT_EQ(slotRegions(1), QStringList({"1 1 0 Berge Altberg", "3 -2 0 Wald Forst", "3 -2 1 Sumpf unbekannt",
                                         "4 4 0 Ozean Ozean", "5 5 0  Namenlos"}));
  Table t(db, "regionen");
  ASSERT_TRUE(t.findKey({1, 3, -2, 0}));
  EXPECT_TRUE(t.isNull("Info Datum"));
  EXPECT_TRUE(regions.filtered());

  const QString before = dump(db);
  EXPECT_EQ(import(file).known, 5);
  EXPECT_EQ(dump(db), before);

  // A Latin-1 report read as a map file: the unit's name further down is not the region's.
  ASSERT_TRUE(import("\"ISO-8859-1\";charset\nREGION 2 3\n\"M\xFC" "hle\";Name\n\"Ebene\";Terrain\nEINHEIT 77\n\"Gr\xF6" "bi\";Name\n").ok());
  EXPECT_TRUE(slotRegions(1).contains("2 3 0 Ebene Mühle"));
}

TEST_F(MapExchangeTest, BadOrFailingImportLeavesTheDatabaseAsItWas) {
  store(1, 0, 0, 0, "Ebene", "E");
  // The third new row is refused by the database: the two before it go too.
  db.exec("CREATE TRIGGER refuse BEFORE INSERT ON regionen WHEN NEW.\"Breite\" = 3 BEGIN SELECT RAISE(ABORT, 'voll'); END");
  const QString before = dump(db);
  const std::pair<QByteArray, const char*> cases[] = {
      {"REGION 1 1\r\n\"Wald\";Terrain\r\nREGION 2 x\r\n", "Zeile 3"}, {"REGION 1 1\r\nREGION 1.5 2\r\n", "Zeile 2"},
      {"REGION 7\r\n", "Zeile 1"}, {"REGION 1 2 a\r\n", "Zeile 1"}, {"REGION 1 0\nREGION 2 0\nREGION 3 0\n", "voll"}};
  for (const auto& [content, mark] : cases) {
    const auto result = import(content);
    EXPECT_TRUE(result.error.contains(tmp.filePath("in.txt")) && result.error.contains(mark)) << result.error.toStdString();
    EXPECT_EQ(dump(db), before) << mark;
  }
  EXPECT_FALSE(db.inTransaction());
  EXPECT_TRUE(regions.filtered());
  EXPECT_TRUE(mapexchange::importMap(db, regions, 1, tmp.filePath("gibtsnicht.txt")).error.contains("gibtsnicht.txt"));
}

TEST_F(MapExchangeTest, SharedReportMapRoundTripsIntoAnEmptySlot) {
  OpenGame game;
  game.db = &db;
  game.session.programPath = tmp.path() + '/';
  game.session.gameTypeText = "Molvanth";
  // The import writes the slot's files with the database or not at all.
  ConfigFile(ConfigFile::freshLines(tmp.path())).save(tmp.filePath(ConfigFile::fileName()));
  ASSERT_TRUE(QDir(tmp.path()).mkpath("status-data"));
  ImportCallbacks yes;
  yes.askYesNo = [](const QString&) { return true; };
  ASSERT_TRUE(importReport(game, testsupport::sharedReport("334-kampf-bom.cr"), yes).ok());
  ASSERT_TRUE(mapexchange::exportFullMap(regions, tmp.filePath("map.txt")).ok());
  Table slot3(db, "regionen");
  EXPECT_EQ(mapexchange::importMap(db, slot3, 3, tmp.filePath("map.txt")).added, 28);
  EXPECT_EQ(slotRegions(3), slotRegions(1));
  EXPECT_EQ(slotRegions(3).filter(" Ozean Ozean").size(), 18);  // the report's sea regions
}

}  // namespace
