#include "ui/gridpage.h"

#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/formhelpers.h"

GridPage::GridPage(const char* gridName, int columns, const QList<int>& widths, QWidget* parent) : QWidget(parent) {
  grid_ = formhelpers::grid(gridName, columns, widths);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
}
