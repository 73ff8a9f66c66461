#include <gtest/gtest.h>

#include <optional>

#include "db/database.h"
#include "db/table.h"
#include "stats/pointsstatistics.h"

namespace {

struct PointsStatistics : ::testing::Test {
  void SetUp() override { db.open(QStringLiteral(":memory:"), true); }

  // A statistics row; points left out stay empty as in a Quarnel game.
  void addRow(int slot, int x, double y, int round, std::optional<int> points, std::optional<int> average,
              int silver = 0, int persons = 0) {
    Table t(db, QStringLiteral("statistik"));
    t.append();
    t.setValue(QStringLiteral("Spiel"), slot);
    t.setValue(QStringLiteral("Breite"), x);
    t.setValue(QStringLiteral("Länge"), y);
    t.setValue(QStringLiteral("Ebene"), 0);
    t.setValue(QStringLiteral("Datum"), round);
    if (points) t.setValue(QStringLiteral("PunkteNeu"), *points);
    if (average) t.setValue(QStringLiteral("PunkteSchnitt"), *average);
    if (points && average) t.setValue(QStringLiteral("PunkteDiv"), *points - *average);
    t.setValue(QStringLiteral("ParteiSilber"), silver);
    t.setValue(QStringLiteral("Personen"), persons);
    t.post();
  }

  QStringList column(const PointsGrid& g, int c) {
    QStringList out;
    for (int r = 1; r < g.rowCount(); ++r) out << g.cell(r, c);
    return out;
  }

  Database db;
  PointsGrid grid;
};

TEST_F(PointsStatistics, NoPartyRowLeavesTheGridAsItWas) {
  addRow(1, 7, 12, 3806, 1, 1);  // a region row, not a party row
  grid.setCell(1, 0, QStringLiteral("alt"));
  EXPECT_FALSE(zeigePunkteStatistik(db, 1, 42, grid));
  EXPECT_EQ(grid.rowCount(), 2);
  EXPECT_EQ(grid.cell(1, 0), QStringLiteral("alt"));
  EXPECT_EQ(grid.cell(0, 0), QString());
}

TEST_F(PointsStatistics, SingleRowHasEmptyChanges) {
  addRow(1, 42, 5000, 3806, 120, 100, 5000, 17);
  grid.setCell(1, PointsGrid::AenderungEigene, QStringLiteral("alt"));
  ASSERT_TRUE(zeigePunkteStatistik(db, 1, 42, grid));
  ASSERT_EQ(grid.rowCount(), 2);
  EXPECT_EQ(grid.rows().at(0), PointsGrid::headers());
  EXPECT_EQ(grid.rows().at(1), (QStringList{"3806", "120", "100", "20", "", "", "5000", "17"}));
}

TEST_F(PointsStatistics, ChangesAgainstTheRoundBefore) {
  addRow(1, 42, 5000, 3808, 140, 110);
  addRow(1, 42, 5000, 3806, 120, 100);
  addRow(1, 42, 5000, 3807, 150, 90);
  ASSERT_TRUE(zeigePunkteStatistik(db, 1, 42, grid));
  EXPECT_EQ(column(grid, PointsGrid::Datum), (QStringList{"3806", "3807", "3808"}));
  EXPECT_EQ(column(grid, PointsGrid::AenderungEigene), (QStringList{"", "30", "-10"}));
  EXPECT_EQ(column(grid, PointsGrid::AenderungSchnitt), (QStringList{"", "-10", "20"}));
  EXPECT_EQ(column(grid, PointsGrid::Vorsprung), (QStringList{"20", "60", "30"}));
}

TEST_F(PointsStatistics, RowsWithoutPoints) {
  // Quarnel rows: no points, so no changes either.
  addRow(2, 9, 5000, 3806, std::nullopt, std::nullopt, 700, 3);
  addRow(2, 9, 5000, 3807, std::nullopt, std::nullopt, 800, 4);
  ASSERT_TRUE(zeigePunkteStatistik(db, 2, 9, grid));
  EXPECT_EQ(grid.rows().at(1), (QStringList{"3806", "", "", "", "", "", "700", "3"}));
  EXPECT_EQ(grid.rows().at(2), (QStringList{"3807", "", "", "", "", "", "800", "4"}));

  // A row without points keeps what its cell held, and the next change is
  // taken from that cell.
  PointsGrid shown;
  shown.setCell(1, PointsGrid::Eigene, QStringLiteral("100"));
  addRow(3, 5, 5000, 3806, std::nullopt, std::nullopt);
  addRow(3, 5, 5000, 3807, 130, 100);
  ASSERT_TRUE(zeigePunkteStatistik(db, 3, 5, shown));
  EXPECT_EQ(column(shown, PointsGrid::Eigene), (QStringList{"100", "130"}));
  EXPECT_EQ(column(shown, PointsGrid::AenderungEigene), (QStringList{"", "30"}));
}

TEST_F(PointsStatistics, WalkEndsAtTheOwnPartysLastRow) {
  addRow(1, 42, 5000, 3806, 120, 100);
  addRow(1, 42, 5000, 3807, 130, 100);
  addRow(1, 42, 12, 3807, 1, 1);       // a region row in the same column sorts before
  addRow(1, 43, 5000, 3807, 999, 1);   // another party
  addRow(1, 41, 5000, 3807, 888, 1);
  ASSERT_TRUE(zeigePunkteStatistik(db, 1, 42, grid));
  EXPECT_EQ(column(grid, PointsGrid::Eigene), (QStringList{"120", "130"}));

  // Slot 4 has nothing after its party rows but the same party's rows of
  // slot 5; the walk ends with the slot, and the grid shrinks to its rows.
  addRow(4, 42, 5000, 3806, 10, 5);
  addRow(5, 42, 5000, 3805, 777, 1);
  ASSERT_TRUE(zeigePunkteStatistik(db, 4, 42, grid));
  EXPECT_EQ(column(grid, PointsGrid::Eigene), (QStringList{"10"}));
}

}  // namespace
