#pragma once
// Keeps how the player last looked at the world map (zoom step and scroll
// position) per slot, written shortly after it changes, and puts it back at
// the next start once the scroll box has its size.
#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

#include "map/mapview.h"

class QScrollArea;
class QTimer;
struct GameSession;

class MapViewKeeper : public QObject {
  Q_OBJECT
 public:
  struct Zoom {
    std::function<bool()> fit;       // "Ganze Karte" is chosen
    std::function<double()> factor;  // the shown zoom
    std::function<void(const mapview::View&)> apply;  // sets the kept zoom
  };
  MapViewKeeper(const GameSession& session, QScrollArea* box, Zoom zoom, QObject* parent = nullptr);
  ~MapViewKeeper() override;

  // The slot's kept view, after the world map was first shown.
  void restore();
  // The view changed (scrolled, zoomed); nothing while a restore is pending
  // or while there is no map.
  void changed(bool mapShown);
  // A new zoom drops a restore still waiting for the scroll bars.
  void dropPendingScroll() { pendingScroll_.reset(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void save();

  const GameSession& session_;
  QScrollArea* box_;
  QObject* viewport_;
  Zoom zoom_;
  QTimer* saveTimer_;
  std::optional<mapview::View> unsaved_;
  std::optional<QPoint> pendingScroll_;
};
