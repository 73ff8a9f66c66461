#include "ui/mapimage.h"

#include <QPaintEvent>
#include <QPainter>

void MapImage::setPainter(Painter painter) {
  painter_ = std::move(painter);
  update();
}

void MapImage::paintEvent(QPaintEvent* event) {
  if (!painter_) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter p(this);
  p.setClipRect(event->rect());
  painter_(p, event->rect());
}
