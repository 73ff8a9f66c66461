#include "ui/pointspage.h"

#include <QChart>
#include <QChartView>
#include <QSplitter>
#include <QVBoxLayout>

#include "charts/pointschart.h"
#include "stats/pointsstatistics.h"
#include "ui/gridpage.h"
#include "ui/pointsgridview.h"

PointsPage::PointsPage(QWidget* parent) : QWidget(parent) {
  grid_ = new GridPage("StringGrid2", PointsGrid::kColumns, {});
  pointsgridview::setUp(grid_->grid());
  chart_ = new QChartView;
  chart_->setObjectName(QStringLiteral("Punktediagramm"));
  chart_->setRenderHint(QPainter::Antialiasing);
  chart_->setMinimumHeight(160);
  auto* split = new QSplitter(Qt::Vertical);
  split->addWidget(chart_);
  split->addWidget(grid_);
  split->setChildrenCollapsible(false);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(split);
}

void PointsPage::show(const PointsGrid& grid) {
  pointsgridview::show(grid, grid_->grid());
  QChart* old = chart_->chart();
  chart_->setChart(pointschart::makeChart(grid));
  // The view gives up its old chart without deleting it.
  delete old;
}
