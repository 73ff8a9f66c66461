#include "ui/mapviewkeeper.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "game/gamesession.h"

MapViewKeeper::MapViewKeeper(const GameSession& session, QScrollArea* box, Zoom zoom, QObject* parent)
    : QObject(parent), session_(session), box_(box), viewport_(box->viewport()), zoom_(std::move(zoom)),
      saveTimer_(new QTimer(this)) {
  saveTimer_->setSingleShot(true);
  saveTimer_->setInterval(500);
  connect(saveTimer_, &QTimer::timeout, this, &MapViewKeeper::save);
  viewport_->installEventFilter(this);
}

MapViewKeeper::~MapViewKeeper() {
  // A view changed just before closing is still kept.
  if (unsaved_) save();
}

void MapViewKeeper::restore() {
  const mapview::View v = mapview::load(session_.programPath, session_.slot);
  if (!v.kept) return;
  zoom_.apply(v);
  // The scroll bars reach their range only once the window is laid out:
  // the position is set again on the view's first resizes.
  pendingScroll_ = QPoint(v.scrollX, v.scrollY);
  box_->horizontalScrollBar()->setValue(v.scrollX);
  box_->verticalScrollBar()->setValue(v.scrollY);
  unsaved_.reset();
  saveTimer_->stop();
}

void MapViewKeeper::changed(bool mapShown) {
  if (pendingScroll_ || !mapShown || session_.programPath.isEmpty()) return;
  mapview::View v;
  v.kept = true;
  v.fit = zoom_.fit();
  v.zoom = v.fit ? 1 : std::max(1, int(zoom_.factor()));
  v.scrollX = box_->horizontalScrollBar()->value();
  v.scrollY = box_->verticalScrollBar()->value();
  unsaved_ = v;
  saveTimer_->start();
}

void MapViewKeeper::save() {
  if (!unsaved_) return;
  const mapview::View v = *unsaved_;
  unsaved_.reset();
  // Losing the view is no reason to trouble the player: it is only comfort.
  mapview::save(session_.programPath, session_.slot, v);
}

bool MapViewKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (watched != viewport_ || !pendingScroll_) return false;
  if (event->type() != QEvent::Resize && event->type() != QEvent::Show) return false;
  box_->horizontalScrollBar()->setValue(pendingScroll_->x());
  box_->verticalScrollBar()->setValue(pendingScroll_->y());
  if (box_->horizontalScrollBar()->value() == pendingScroll_->x() &&
      box_->verticalScrollBar()->value() == pendingScroll_->y() && box_->viewport()->isVisible())
    pendingScroll_.reset();
  return false;
}
