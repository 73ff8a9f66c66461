#pragma once
// The history of "Punkte Statistik" as a chart: own points and the average
// on the left axis, the faction's silver and persons on the right one, over
// the turns, with a legend. Drawn with Qt Charts, which needs a
// QApplication (the tool makes one without a display).
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>

class PointsGrid;
class QChart;

namespace pointschart {

// One line of the chart: (turn, value) for every row that has the value.
struct Line {
  QString name;
  QList<QPointF> points;
  bool rightAxis = false;
};

// The four lines of the grid's data rows; the turn is the game's own count.
QList<Line> linesOf(const PointsGrid& grid);

// A new chart of the grid (the caller owns it).
QChart* makeChart(const PointsGrid& grid);
// The chart drawn into a picture of `size`.
QImage render(const PointsGrid& grid, QSize size);

}  // namespace pointschart
