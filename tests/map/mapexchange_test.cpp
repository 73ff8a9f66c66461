#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "db/database.h"
#include "db/table.h"
#include "map/mapexchange.h"
#include "report/reportimporter.h"
#include "support/testsupport.h"

namespace {

using testsupport::dump;
using testsupport::rowCount;

struct Region {
  int x, y, level;
  const char* terrain;
  const char* name;
};

struct MapExchangeTest : ::testing::Test {
  void SetUp() override {
    db.open(QStringLiteral(":memory:"), true);
    regions = std::make_unique<Table>(db, QStringLiteral("regionen"));
    regions->setSlotFilter(1);
    regions->setFiltered(true);
  }
  void store(int slot, const Region& r, int bauern = 0) {
    Table t(db, QStringLiteral("regionen"));
    t.append();
    t.setValue(QStringLiteral("Spiel"), slot);
    t.setValue(QStringLiteral("Breite"), r.x);
    t.setValue(QStringLiteral("Länge"), r.y);
    t.setValue(QStringLiteral("Ebene"), r.level);
    t.setValue(QStringLiteral("Regiontyp"), QString::fromUtf8(r.terrain));
    t.setValue(QStringLiteral("Regionname"), QString::fromUtf8(r.name));
    t.setValue(QStringLiteral("Bauern"), bauern);
    t.setValue(QStringLiteral("Info Datum"), 3806);
    t.post();
  }
  QString path(const QString& name) const { return tmp.filePath(name); }
  QByteArray bytes(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QStringList lines(const QString& name) const {
    return QString::fromUtf8(bytes(name)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  }
  // The slot's regions as "x y level terrain name" in key order.
  QStringList slotRegions(int slot) {
    QSqlQuery q(db.sql());
    q.prepare(QStringLiteral("SELECT \"Breite\", \"Länge\", \"Ebene\", \"Regiontyp\", \"Regionname\" FROM regionen "
                             "WHERE \"Spiel\" = ? ORDER BY 1, 2, 3"));
    q.addBindValue(slot);
    q.exec();
    QStringList out;
    while (q.next())
      out << QStringLiteral("%1 %2 %3 %4 %5").arg(q.value(0).toInt()).arg(q.value(1).toInt()).arg(q.value(2).toInt())
                 .arg(q.value(3).toString(), q.value(4).toString());
    return out;
  }
  mapexchange::ImportResult import(const QByteArray& content, int slot = 1) {
    testsupport::writeFile(path(QStringLiteral("in.txt")), content);
    return mapexchange::importMap(db, *regions, slot, path(QStringLiteral("in.txt")));
  }

  QTemporaryDir tmp;
  Database db;
  std::unique_ptr<Table> regions;
};

TEST(MapExchangeFormat, BlocksAndQuotedValues) {
  struct Case {
    int x, y, level;
    const char* terrain;
    const char* name;
    QStringList expected;
  };
  const Case cases[] = {
      {3, -2, 0, "Wald", "Grünforst", {"REGION 3 -2", "\"Wald\";Terrain", "\"Grünforst\";Name"}},
      {3, -2, 1, "Wald", "Tief", {"REGION 3 -2 1", "\"Wald\";Terrain", "\"Tief\";Name"}},
      {-7, 0, -2, "Ozean", "Ozean", {"REGION -7 0 -2", "\"Ozean\";Terrain"}},
      {0, 0, 0, "", "", {"REGION 0 0", "\"\";Terrain", "\"\";Name"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(mapexchange::regionBlock(c.x, c.y, c.level, QString::fromUtf8(c.terrain), QString::fromUtf8(c.name)),
              c.expected)
        << c.x << " " << c.level;

  const std::pair<const char*, const char*> values[] = {
      {"\"Wald\";Terrain", "Wald"}, {"\"Berg \"x\" Tal\";Name", "Berg \"x\" Tal"}, {"\";Name", ""}, {"ohne", ""}};
  for (const auto& [line, value] : values)
    EXPECT_EQ(mapexchange::quotedValue(QString::fromUtf8(line)), QString::fromUtf8(value)) << line;
}

TEST(MapExchangeFormat, RadiusMustBeAWholeNumber) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"8", 8}, {" 3 ", 3}, {"0", 0}, {"-1", -1}, {"1.5", std::nullopt}, {"", std::nullopt}, {"acht", std::nullopt},
      {"99999999999", std::nullopt}};
  for (const auto& [text, radius] : cases) EXPECT_EQ(mapexchange::parseRadius(QString::fromUtf8(text)), radius) << text;
}

TEST(MapExchangeArea, CandidatesAreTheTrimmedSquare) {
  EXPECT_EQ(mapexchange::areaCandidates(4, 5, 0), QList<QPoint>({QPoint(4, 5)}));
  // Radius 1 around (0, 0): north row first, east to west; not (1, 1) or (-1, -1).
  EXPECT_EQ(mapexchange::areaCandidates(0, 0, 1),
            QList<QPoint>({{0, 1}, {-1, 1}, {1, 0}, {0, 0}, {-1, 0}, {1, -1}, {0, -1}}));
  const std::pair<int, int> counts[] = {{-1, 0}, {0, 1}, {1, 7}, {2, 19}, {3, 39}};
  for (const auto& [radius, count] : counts)
    EXPECT_EQ(mapexchange::areaCandidates(10, -10, radius).size(), count) << radius;
  // Radius 2 is exactly the hexagon: every cell within two steps.
  for (const QPoint& p : mapexchange::areaCandidates(0, 0, 2)) {
    const int dx = p.x(), dy = p.y();
    EXPECT_LE(std::max({std::abs(dx), std::abs(dy), std::abs(dx + dy)}), 2) << dx << "/" << dy;
  }
}

TEST_F(MapExchangeTest, FullExportWritesTheFilteredRowsInKeyOrder) {
  store(1, {3, -2, 0, "Wald", "Grünforst"});
  store(1, {3, -2, 1, "Wald", "Tief"});
  store(1, {-1, 5, 0, "Ozean", "Ozean"});
  store(2, {0, 0, 0, "Berge", "Fremd"});
  const auto result = mapexchange::exportFullMap(*regions, path(QStringLiteral("all.txt")));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(result.regions, 3);
  EXPECT_EQ(bytes(QStringLiteral("all.txt")),
            QByteArray("REGION -1 5\r\n\"Ozean\";Terrain\r\n"
                       "REGION 3 -2\r\n\"Wald\";Terrain\r\n\"Gr\xC3\xBCnforst\";Name\r\n"
                       "REGION 3 -2 1\r\n\"Wald\";Terrain\r\n\"Tief\";Name\r\n"));

  // After a world-map drawing only the shown level passes the filter.
  regions->setSlotLevelFilter(1, 1);
  ASSERT_TRUE(mapexchange::exportFullMap(*regions, path(QStringLiteral("level.txt"))).ok());
  EXPECT_EQ(lines(QStringLiteral("level.txt")), QStringList({"REGION 3 -2 1", "\"Wald\";Terrain", "\"Tief\";Name"}));
}

TEST_F(MapExchangeTest, AreaExportWritesTheFoundCandidates) {
  for (int x = -2; x <= 2; ++x)
    for (int y = -2; y <= 2; ++y) store(1, {x, y, 0, "Ebene", "E"});
  store(1, {0, 1, 1, "Wald", "Unten"});  // the same cell one level down
  store(2, {0, 0, 0, "Berge", "Fremd"});

  ASSERT_TRUE(mapexchange::exportArea(*regions, 1, 0, 0, 0, path(QStringLiteral("r0.txt"))).ok());
  EXPECT_EQ(lines(QStringLiteral("r0.txt")), QStringList({"REGION 0 0", "\"Ebene\";Terrain", "\"E\";Name"}));

  const auto r1 = mapexchange::exportArea(*regions, 1, 0, 0, 1, path(QStringLiteral("r1.txt")));
  ASSERT_TRUE(r1.ok());
  EXPECT_EQ(r1.regions, 7);
  QStringList headers = lines(QStringLiteral("r1.txt")).filter(QStringLiteral("REGION"));
  EXPECT_EQ(headers, QStringList({"REGION 0 1", "REGION -1 1", "REGION 1 0", "REGION 0 0", "REGION -1 0",
                                  "REGION 1 -1", "REGION 0 -1"}));

  // Nothing around an unknown far cell; a negative radius writes an empty file.
  EXPECT_EQ(mapexchange::exportArea(*regions, 1, 100, 100, 3, path(QStringLiteral("far.txt"))).regions, 0);
  EXPECT_EQ(mapexchange::exportArea(*regions, 1, 0, 0, -1, path(QStringLiteral("neg.txt"))).regions, 0);
  EXPECT_TRUE(QFile::exists(path(QStringLiteral("neg.txt"))));

  // A radius far beyond the map finishes and finds what a fitting one finds.
  ASSERT_TRUE(mapexchange::exportArea(*regions, 1, 0, 0, 40, path(QStringLiteral("r40.txt"))).ok());
  const auto huge = mapexchange::exportArea(*regions, 1, 0, 0, 1 << 30, path(QStringLiteral("huge.txt")));
  ASSERT_TRUE(huge.ok());
  EXPECT_EQ(huge.regions, 25);
  EXPECT_EQ(bytes(QStringLiteral("huge.txt")), bytes(QStringLiteral("r40.txt")));
}

TEST_F(MapExchangeTest, ExportThatCannotBeWrittenLeavesNoFile) {
  store(1, {0, 0, 0, "Ebene", "E"});
  const QString target = path(QStringLiteral("fehlt/karte.txt"));
  const auto result = mapexchange::exportFullMap(*regions, target);
  EXPECT_FALSE(result.ok());
  EXPECT_TRUE(result.error.contains(target));
  EXPECT_FALSE(QFile::exists(target));
  // A directory in the file's place: the directory stays, no stray file beside it.
  QDir().mkpath(path(QStringLiteral("ordner")));
  EXPECT_FALSE(mapexchange::exportFullMap(*regions, path(QStringLiteral("ordner"))).ok());
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList());
}

TEST_F(MapExchangeTest, ImportAddsOnlyNewRegionsWithTheirNames) {
  store(1, {1, 1, 0, "Berge", "Altberg"}, 500);
  const QByteArray file =
      "REGION 1 1\r\n\"Wald\";Terrain\r\n\"Umbenannt\";Name\r\n"  // known: untouched
      "REGION 3 -2\r\n\"Wald\";Terrain\r\n\"Forst\";Name\r\n"
      "REGION 3 -2 1\r\n\"Sumpf\";Terrain\r\n"                    // no name line
      "REGION 4 4\r\n\"Ozean\";Terrain\r\n\"Irgendwas\";Name\r\n" // the sea is always "Ozean"
      "REGION 5 5\r\n\"Namenlos\";Name\r\n"                       // no terrain line
      "anderer Text\r\n";
  const auto first = import(file);
  ASSERT_TRUE(first.ok()) << first.error.toStdString();
  EXPECT_EQ(first.blocks, 5);
  EXPECT_EQ(first.added, 4);
  EXPECT_EQ(first.known, 1);
  EXPECT_EQ(slotRegions(1), QStringList({"1 1 0 Berge Altberg", "3 -2 0 Wald Forst", "3 -2 1 Sumpf unbekannt",
                                         "4 4 0 Ozean Ozean", "5 5 0  Namenlos"}));
  Table t(db, QStringLiteral("regionen"));
  ASSERT_TRUE(t.findKey({1, 1, 1, 0}));
  EXPECT_EQ(t.intValue(QStringLiteral("Bauern")), 500);
  ASSERT_TRUE(t.findKey({1, 3, -2, 0}));
  EXPECT_TRUE(t.isNull(QStringLiteral("Info Datum")));
  EXPECT_TRUE(t.isNull(QStringLiteral("Bauern")));
  EXPECT_TRUE(regions->filtered());  // the filter is back on

  const QString before = dump(db);
  const auto second = import(file);
  EXPECT_EQ(second.added, 0);
  EXPECT_EQ(second.known, 5);
  EXPECT_EQ(dump(db), before);
}

TEST_F(MapExchangeTest, ImportReadsLatin1AndTakesTheRegionsOwnNameFromAReport) {
  // A report read as a map file: the unit's name further down is not the region's.
  const QByteArray report = "VERSION 45\n\"ISO-8859-1\";charset\nREGION 2 3\n\"M\xFC" "hle\";Name\n\"Ebene\";Terrain\n"
                            "EINHEIT 77\n\"Gr\xF6" "bi\";Name\nREGION 9 9\n\"Ozean\";Terrain\n";
  const auto result = import(report);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(slotRegions(1), QStringList({"2 3 0 Ebene Mühle", "9 9 0 Ozean Ozean"}));
}

TEST_F(MapExchangeTest, BadImportChangesNothingAndNamesFileAndLine) {
  store(1, {0, 0, 0, "Ebene", "E"});
  const QString before = dump(db);
  struct Case {
    QByteArray content;
    int line;
  };
  const Case cases[] = {
      {"REGION 1 1\r\n\"Wald\";Terrain\r\nREGION 2 x\r\n\"Wald\";Terrain\r\n", 3},
      {"REGION 1 1\r\nREGION 1.5 2\r\n", 2},
      {"REGION 7\r\n", 1},
      {"REGION 1 2 a\r\n", 1},
  };
  for (const Case& c : cases) {
    const auto result = import(c.content);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(path(QStringLiteral("in.txt"))));
    EXPECT_TRUE(result.error.contains(QStringLiteral("Zeile %1").arg(c.line))) << result.error.toStdString();
    EXPECT_EQ(dump(db), before);
    EXPECT_TRUE(regions->filtered());
  }
  const auto missing = mapexchange::importMap(db, *regions, 1, path(QStringLiteral("gibtsnicht.txt")));
  EXPECT_FALSE(missing.ok());
  EXPECT_TRUE(missing.error.contains(QStringLiteral("gibtsnicht.txt")));
  EXPECT_EQ(dump(db), before);
}

TEST_F(MapExchangeTest, FailingWriteHalfWayRollsBackTheWholeImport) {
  // A trigger refuses the third new row: the two before it must go too.
  db.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON regionen WHEN NEW.\"Breite\" = 3 "
                         "BEGIN SELECT RAISE(ABORT, 'voll'); END"));
  const QString before = dump(db);
  const auto result = import("REGION 1 0\n\"Wald\";Terrain\nREGION 2 0\n\"Wald\";Terrain\nREGION 3 0\n\"Wald\";Terrain\n");
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.added, 0);
  EXPECT_EQ(dump(db), before);
  EXPECT_FALSE(db.inTransaction());
}

TEST_F(MapExchangeTest, SharedReportMapRoundTripsIntoAnEmptySlot) {
  // The regions a real report left in slot 1, exported and read into slot 3.
  OpenGame game;
  game.db = &db;
  game.session.programPath = tmp.path() + QLatin1Char('/');
  game.session.gameTypeText = QStringLiteral("Molvanth");
  ImportCallbacks callbacks;
  callbacks.askYesNo = [](const QString&) { return true; };
  const ImportOutcome read = importReport(game, testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr")), callbacks);
  ASSERT_TRUE(read.ok()) << read.message.toStdString();
  const QStringList original = slotRegions(1);
  ASSERT_GT(original.size(), 3);

  ASSERT_TRUE(mapexchange::exportFullMap(*regions, path(QStringLiteral("map.txt"))).ok());
  Table slot3(db, QStringLiteral("regionen"));
  const auto result = mapexchange::importMap(db, slot3, 3, path(QStringLiteral("map.txt")));
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.added, original.size());
  EXPECT_EQ(slotRegions(3), original);
  // The report's 18 sea regions come back named "Ozean".
  EXPECT_EQ(slotRegions(3).filter(QStringLiteral(" Ozean Ozean")).size(), 18);
}

}  // namespace
