#include "charts/pointschart.h"

#include <QChart>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <optional>

#include "game/textutil.h"
#include "report/reportheader.h"
#include "stats/pointsstatistics.h"

namespace pointschart {

QList<Line> linesOf(const PointsGrid& grid) {
  const struct {
    PointsGrid::Column column;
    const char* name;
    bool right;
  } wanted[] = {{PointsGrid::Eigene, "Eigene Punkte", false},
                {PointsGrid::Schnitt, "Punkte Durchschnitt", false},
                {PointsGrid::ParteiSilber, "Silber der Partei", true},
                {PointsGrid::Personen, "Personen", true}};
  QList<Line> lines;
  for (const auto& w : wanted) lines.append({QString::fromUtf8(w.name), {}, w.right});
  // Row 0 is the header; a row without a round or a cell without a number is left out.
  for (int row = 1; row < grid.rowCount(); ++row) {
    const std::optional<qint32> code = textutil::strictInt(grid.cell(row, PointsGrid::Datum));
    if (!code) continue;
    const double turn = reportheader::gameRound(*code);
    for (qsizetype i = 0; i < lines.size(); ++i) {
      const std::optional<qint32> value = textutil::strictInt(grid.cell(row, wanted[i].column));
      if (value) lines[i].points.append(QPointF(turn, *value));
    }
  }
  return lines;
}

namespace {
// An axis over `values` with a little room, whole numbers on its labels.
QValueAxis* axisOver(const QList<double>& values, const QString& title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setLabelFormat(QStringLiteral("%d"));
  if (values.isEmpty()) return axis;
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  // From 0 where nothing is below it; at least ten high, so that whole
  // numbers label the ticks.
  const double pad = std::max(1.0, (*high - *low) * 0.05);
  axis->setRange(*low >= 0 ? 0.0 : *low - pad, std::max(10.0, *high + pad));
  axis->applyNiceNumbers();
  return axis;
}
}  // namespace

QChart* makeChart(const PointsGrid& grid) {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Punkte Statistik"));
  chart->legend()->setVisible(true);
  chart->legend()->setAlignment(Qt::AlignBottom);
  const QList<Line> lines = linesOf(grid);
  QList<double> turns, left, right;
  for (const Line& l : lines)
    for (const QPointF& p : l.points) {
      turns << p.x();
      (l.rightAxis ? right : left) << p.y();
    }
  auto* turnAxis = new QValueAxis;
  turnAxis->setTitleText(QStringLiteral("Runde"));
  turnAxis->setLabelFormat(QStringLiteral("%d"));
  if (!turns.isEmpty()) {
    const auto [first, last] = std::minmax_element(turns.begin(), turns.end());
    turnAxis->setRange(*first, std::max(*last, *first + 1));
    turnAxis->setTickCount(int(std::min(8.0, std::max(2.0, *last - *first + 1))));
  }
  QValueAxis* leftAxis = axisOver(left, QStringLiteral("Punkte"));
  QValueAxis* rightAxis = axisOver(right, QStringLiteral("Silber / Personen"));
  chart->addAxis(turnAxis, Qt::AlignBottom);
  chart->addAxis(leftAxis, Qt::AlignLeft);
  chart->addAxis(rightAxis, Qt::AlignRight);
  for (const Line& l : lines) {
    auto* series = new QLineSeries;
    series->setName(l.name);
    series->append(l.points);
    // A single round shows as a point, not as nothing.
    series->setPointsVisible(l.points.size() < 2);
    chart->addSeries(series);
    series->attachAxis(turnAxis);
    series->attachAxis(l.rightAxis ? rightAxis : leftAxis);
  }
  return chart;
}

QImage render(const PointsGrid& grid, QSize size) {
  QGraphicsScene scene;
  QChart* chart = makeChart(grid);
  scene.addItem(chart);  // the scene owns it from here
  chart->setGeometry(QRectF(QPointF(0, 0), size));
  chart->setAnimationOptions(QChart::NoAnimation);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
  return image;
}

}  // namespace pointschart
