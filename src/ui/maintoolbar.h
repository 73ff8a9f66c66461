#pragma once
// The main window's tool bar. The three layer buttons keep their state in
// their hint, which names what the next click does.
#include <QToolBar>

class QToolButton;

class MainToolBar : public QToolBar {
  Q_OBJECT
 public:
  explicit MainToolBar(QWidget* parent = nullptr);

  QToolButton* ToolButton1;  // ships layer
  QToolButton* ToolButton2;  // own units layer
  QToolButton* ToolButton3;  // redraw the world map
  QToolButton* ToolButton4;  // region messages layer
  QToolButton* ToolButton5;  // order check
  QToolButton* ToolButton6;  // possessions
  QToolButton* ToolButton7;  // send the orders
};
