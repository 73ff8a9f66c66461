#pragma once
// The map side of the window: shows the world map at its zoom with its
// layers and names, the level switch, "Weltkarte aktualisieren", and
// composes the small map, the mouse, the layer buttons and the kept view,
// each a class of its own. The pictures come from the map library.
#include <QColor>
#include <QImage>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "map/mapgeometry.h"
#include "map/mapview.h"
#include "map/worldhex.h"
#include "map/overlays.h"
#include "ui/prompts.h"

class QAction;
class QLabel;
class MainToolBar;
class MapLayerToggle;
class MapMouse;
class MapViewKeeper;
class SmallMapController;
struct MapLayer;
class MapImage;
class MapAreaPanel;
struct MainMenu;
struct OpenGame;
namespace zoomedmap {
class Renderer;
struct Label;
}

class MapController : public QObject {
  Q_OBJECT
 public:
  MapController(OpenGame& game, MapAreaPanel& area, MainToolBar& toolBar, MainMenu& menu, QLabel* const panels[3],
                QObject* parent = nullptr);
  ~MapController() override;

  void setPrompts(const Prompts& prompts) { prompts_ = prompts; }
  // Where a click on either map ends: the region view of the picked region.
  void setRegionPicked(std::function<void(int x, int y)> picked) { picked_ = std::move(picked); }

  // Opening a slot: missing tiles, the small map around the home region,
  // then the saved world map (drawn when there is none yet) in its middle.
  void openSmallMap();
  void openWorldMap();
  // The slot's levels in the level list (after opening and each import).
  void refreshLevels();
  // After a report was read: the world map anew when the report brought
  // regions of the shown level, and the small map onto land.
  void reportRead();

  void displayWorldMapHex();
  void Button9Click();
  void Image82MouseMove(QPoint shown);
  void Image82MouseDown(QPoint shown);
  void ToolButton1Click();
  void ToolButton2Click();
  void ToolButton4Click();

  // Brings region (x, y) into view: the small map around it, the world
  // map scrolled to it (a problem of the orders shows its unit's region).
  void showRegion(int x, int y);
  // Switches the maps to another level of the slot, as "Wechsel zu Ebene" does.
  void showLevel(int level);

  // Colours a region's square on the shown unit layer (the command editor).
  void faerbe_region(int x, int y, const QColor& colour);
  std::function<void(int, int, const QColor&)> regionColourer() {
    return [this](int x, int y, const QColor& c) { faerbe_region(x, y, c); };
  }

  // The world map's scale: a zoom step (1, 2, 3, 4, 6, 8) or, for "Ganze
  // Karte", what fits the scroll box. From 2× on the map is drawn sharp
  // from the region rows; the map point at `anchor` (a viewport point,
  // default its middle) stays where it is.
  double zoom() const { return zoom_; }
  void setZoom(double factor, std::optional<QPoint> anchor = std::nullopt);
  void zoomToFit();
  // The region under a point of the shown world map, at the shown zoom.
  mapgeometry::Coordinates worldRegionAt(QPoint shown) const;
  // What the status bar says of region (x, y): name, terrain, coordinates.
  QString regionText(int x, int y);
  // The names drawn over the map now (empty below 4×).
  QList<zoomedmap::Label> shownLabels();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showWorldMap(const QImage& map, bool scrollToMiddle);
  void showLayer(MapImage* label, const MapLayer& layer);
  void showShownLayers();
  void showNames();
  void applyZoom();
  void applyKeptZoom(const mapview::View& view);
  int sharpScale() const;  // 0 when the map is shown as its picture
  worldhex::ZoomedGeometry sharpGeometry(int scale) const;
  zoomedmap::Renderer* renderer();
  void viewChanged();
  void showMessages(const QStringList& messages);
  void scrollToMiddle();
  // Scrolls the world map so that region (x, y) is in the middle of the view.
  void scrollToRegion(int x, int y);

  OpenGame& game_;
  MapAreaPanel& area_;
  // The watched viewport, kept apart from the panel: events still arrive
  // while the panel is being destroyed, when its members are gone.
  QObject* mapViewport_ = nullptr;
  MainToolBar& toolBar_;
  QLabel* panels_[3];
  Prompts prompts_;
  std::function<void(int, int)> picked_;
  QImage map_;  // at 1×, as saved
  overlays::UnitOverlay units_;
  std::unique_ptr<MapLayerToggle> ships_, unitLayer_, messages_;
  double zoom_ = 1;
  bool fit_ = false;
  std::unique_ptr<zoomedmap::Renderer> renderer_;
  QList<QAction*> zoomActions_;  // the steps, then "Ganze Karte"
  MapMouse* worldMouse_ = nullptr;
  SmallMapController* small_ = nullptr;  // the small map, its arrows and its mouse
  MapViewKeeper* viewKeeper_ = nullptr;
};
