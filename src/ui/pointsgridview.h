#pragma once
// Shows the points statistics (PointsGrid) in the table of the tab
// "Punkte Statistik": the grid's row 0 is the fixed header row, its other
// rows the data rows.
class PointsGrid;
class QTableWidget;

namespace pointsgridview {

// Eight columns of the designed widths, whole-row selection, no editing.
void setUp(QTableWidget* table);

// Replaces the table's header and rows with the grid's cells.
void show(const PointsGrid& grid, QTableWidget* table);

}  // namespace pointsgridview
