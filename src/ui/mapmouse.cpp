#include "ui/mapmouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

MapMouse::MapMouse(QWidget* picture, QScrollArea* pannedBy, Handlers handlers, QObject* parent)
    : QObject(parent), picture_(picture), pannedBy_(pannedBy), handlers_(std::move(handlers)) {
  picture->installEventFilter(this);
}

bool MapMouse::eventFilter(QObject* watched, QEvent* event) {
  if (watched != picture_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() == Qt::LeftButton) pressed(e->globalPosition().toPoint());
      return false;
    }
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(event);
      moved(e->position().toPoint(), e->globalPosition().toPoint(), e->buttons() & Qt::LeftButton);
      return false;
    }
    case QEvent::MouseButtonRelease: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() == Qt::LeftButton) released(e->position().toPoint());
      return false;
    }
    case QEvent::Leave:
      if (handlers_.left) handlers_.left();
      return false;
    default:
      return false;
  }
}

void MapMouse::pressed(QPoint global) {
  pressed_ = true;
  dragging_ = false;
  pressedAt_ = lastGlobal_ = global;
}

void MapMouse::moved(QPoint local, QPoint global, bool leftHeld) {
  if (pressed_ && leftHeld && pannedBy_) {
    if (!dragging_ && (global - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) dragging_ = true;
    if (dragging_) {
      // The map follows the mouse: the scroll bars move the other way.
      const QPoint delta = global - lastGlobal_;
      pannedBy_->horizontalScrollBar()->setValue(pannedBy_->horizontalScrollBar()->value() - delta.x());
      pannedBy_->verticalScrollBar()->setValue(pannedBy_->verticalScrollBar()->value() - delta.y());
      lastGlobal_ = global;
      return;
    }
  }
  if (handlers_.hovered) handlers_.hovered(local);
}

void MapMouse::released(QPoint local) {
  const bool wasDrag = dragging_;
  pressed_ = dragging_ = false;
  if (!wasDrag && handlers_.picked) handlers_.picked(local);
}
