#include "ui/pointsgridview.h"

#include <QHeaderView>
#include <QTableWidget>

#include "stats/pointsstatistics.h"

namespace pointsgridview {

void setUp(QTableWidget* table) {
  table->setColumnCount(PointsGrid::kColumns);
  for (int c = 0; c < PointsGrid::kColumns; ++c) table->setColumnWidth(c, PointsGrid::kColumnWidths.at(c));
  table->verticalHeader()->hide();
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void show(const PointsGrid& grid, QTableWidget* table) {
  QStringList header;
  for (int c = 0; c < PointsGrid::kColumns; ++c) header << grid.cell(0, c);
  table->setHorizontalHeaderLabels(header);

  const int dataRows = grid.rowCount() > 0 ? grid.rowCount() - 1 : 0;
  table->setRowCount(dataRows);
  for (int r = 0; r < dataRows; ++r) {
    for (int c = 0; c < PointsGrid::kColumns; ++c) {
      auto* item = new QTableWidgetItem(grid.cell(r + 1, c));
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      table->setItem(r, c, item);
    }
  }
}

}  // namespace pointsgridview
