#pragma once
// The small map below the world map: drawn around its centre, moved by the
// two arrows nine regions a step, opened on land, and the mouse over it
// (the hovered region in the status bar, a click picks).
#include <QObject>
#include <QPoint>
#include <functional>

class MapAreaPanel;
class MapMouse;
class QLabel;
struct OpenGame;

class SmallMapController : public QObject {
  Q_OBJECT
 public:
  struct Sinks {
    std::function<void(const QStringList&)> messages;   // shown as errors
    std::function<QString(int x, int y)> regionText;   // what the status bar says of a region
    std::function<void(int x, int y)> picked;           // a click on a region
  };
  SmallMapController(OpenGame& game, MapAreaPanel& area, QLabel* statusPanel, QObject* parent = nullptr);
  void setSinks(Sinks sinks) { sinks_ = std::move(sinks); }

  // Opening a slot: missing tiles, then the map around the home region.
  void openSmallMap();
  // Moves a centre without a region onto land (mapstart).
  void centreSmallMapOnLand();
  // The map around (x, y), which becomes its centre.
  void showAround(int x, int y);
  void displaySmallMap(int x, int y);
  void UpDown1Click(int direction);  // +1 upper arrow, -1 lower arrow
  void UpDown2Click(int direction);  // +1 right arrow, -1 left arrow
  void Image1MouseMove(QPoint pos);
  void Image1MouseDown(QPoint pos);

 private:
  void show(const QStringList& messages);

  OpenGame& game_;
  MapAreaPanel& area_;
  QLabel* statusPanel_;
  Sinks sinks_;
  MapMouse* mouse_;
};
