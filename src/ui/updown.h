#pragma once
// A pair of arrow buttons that step a value up or down (the map arrows).
#include <QWidget>

class QToolButton;

class UpDown : public QWidget {
  Q_OBJECT
 public:
  UpDown(Qt::Orientation orientation, QWidget* parent = nullptr);

 signals:
  // +1 for the up / right arrow, -1 for the down / left arrow.
  void stepped(int delta);

 private:
  QToolButton* increase_;
  QToolButton* decrease_;
};
