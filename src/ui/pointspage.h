#pragma once
// The tab "Punkte Statistik": the history as a chart above its grid, the
// two parted by a divider.
#include <QWidget>

class GridPage;
class PointsGrid;
class QChartView;

class PointsPage : public QWidget {
  Q_OBJECT
 public:
  explicit PointsPage(QWidget* parent = nullptr);

  // Shows the grid's rows in the table and draws the chart anew.
  void show(const PointsGrid& grid);

  GridPage* gridPage() const { return grid_; }
  QChartView* chartView() const { return chart_; }

 private:
  GridPage* grid_;
  QChartView* chart_;
};
