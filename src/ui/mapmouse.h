#pragma once
// The mouse over one map picture: where it hovers, what a click picks, and
// dragging with the left button, which pans the scroll box instead of
// picking. A click that moves less than the drag distance still picks.
#include <QObject>
#include <QPoint>
#include <functional>

class QScrollArea;
class QWidget;

class MapMouse : public QObject {
  Q_OBJECT
 public:
  struct Handlers {
    std::function<void(QPoint)> hovered;  // a point of the picture
    std::function<void(QPoint)> picked;
    std::function<void()> left;           // the mouse left the picture
  };
  // `pannedBy` may be null: the picture does not pan (the small map).
  MapMouse(QWidget* picture, QScrollArea* pannedBy, Handlers handlers, QObject* parent = nullptr);

  bool dragging() const { return dragging_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void pressed(QPoint global);
  void moved(QPoint local, QPoint global, bool leftHeld);
  void released(QPoint local);

  QObject* picture_;  // kept apart: events still come while the picture goes
  QScrollArea* pannedBy_;
  Handlers handlers_;
  bool pressed_ = false;
  bool dragging_ = false;
  QPoint pressedAt_, lastGlobal_;
};
