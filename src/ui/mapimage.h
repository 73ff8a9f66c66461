#pragma once
// An image of the map area that can also paint itself: with a painter set
// it draws only the exposed part on every paint (the zoomed world map and
// its layers), without one it shows its picture like any label.
#include <QLabel>
#include <functional>

class MapImage : public QLabel {
  Q_OBJECT
 public:
  using Painter = std::function<void(QPainter&, const QRect& exposed)>;
  explicit MapImage(QWidget* parent = nullptr) : QLabel(parent) {}

  void setPainter(Painter painter);
  bool painting() const { return bool(painter_); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter painter_;
};
