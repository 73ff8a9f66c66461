#include "ui/savedindicator.h"

#include <QPainter>

SavedIndicator::SavedIndicator(QWidget* parent) : QWidget(parent), color_(255, 0, 0) {
  setObjectName(QStringLiteral("Shape1"));
  setFixedSize(13, 13);
  setToolTip(QStringLiteral("Zeigt an ob der Zug gespeichert wurde"));
}

void SavedIndicator::setSaved(bool saved) {
  color_ = saved ? QColor(0, 128, 0) : QColor(255, 0, 0);
  update();
}

void SavedIndicator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::black);
  p.setBrush(color_);
  p.drawEllipse(rect().adjusted(0, 0, -1, -1));
}
