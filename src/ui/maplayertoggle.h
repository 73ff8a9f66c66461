#pragma once
// One of the tool bar's layer buttons (ships, own units, region messages):
// its tool tip says what the next click does, "… einblenden" or
// "… ausblenden". Showing draws the layer anew; hiding drops it.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "map/overlays.h"

class MapImage;
class QToolButton;

// A layer as drawn: the 1× picture and its marks for the zoomed map.
struct MapLayer {
  QImage image;
  QList<overlays::Mark> marks;
  QStringList messages;
  bool any = true;  // false: nothing of it to show, the button keeps offering it
};

class MapLayerToggle {
 public:
  struct Texts {
    QString show, hide;
  };
  // Nothing when there is no game to draw from.
  using Draw = std::function<std::optional<MapLayer>()>;
  // Puts the layer on its picture at the map's zoom.
  using Show = std::function<void(MapImage*, const MapLayer&)>;

  MapLayerToggle(QToolButton* button, MapImage* picture, Texts texts, Draw draw, Show show,
                 std::function<void()> hidden = {});

  // The button's click: shows a hidden layer, hides a shown one. Returns
  // the messages of the drawing (missing pictures and the like).
  QStringList toggle();
  bool shown() const;
  // The shown layer once more at the map's zoom (after a zoom or a change).
  void reshow();
  // A change of the shown layer (the command editor's colours).
  void replace(const MapLayer& layer);

 private:
  QToolButton* button_;
  MapImage* picture_;
  Texts texts_;
  Draw draw_;
  Show show_;
  std::function<void()> hidden_;
  MapLayer layer_;
};
