#pragma once
// A page that holds one report grid (the tabs "Statistik" and
// "Punkte Statistik").
#include <QList>
#include <QWidget>

class QTableWidget;

class GridPage : public QWidget {
  Q_OBJECT
 public:
  GridPage(const char* gridName, int columns, const QList<int>& widths, QWidget* parent = nullptr);
  QTableWidget* grid() const { return grid_; }

 private:
  QTableWidget* grid_;
};
