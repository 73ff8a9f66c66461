#pragma once
// The sharp world map at 2× and above: drawn from the region rows at the
// scale of the view, only the part asked for. Hexes carry the small map's
// terrain pictures and roads, names stand where they fit, and the three
// layers' marks are drawn at the same scale.
#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>
#include <QStaticText>
#include <QStringList>
#include <array>

#include "game/gamesession.h"
#include "map/overlays.h"
#include "map/worldhex.h"

class Database;

namespace zoomedmap {

// What the zoomed map shows of a region.
struct Region {
  int x = 0, y = 0;
  QString type;
  QString name;                // as shown: the terrain for a nameless region
  bool nameIsTerrain = false;  // the terrain stands in for a missing name
  std::array<bool, 6> roads{};  // upper left, then clockwise, as on the small map
};

// The regions of the shown level, found by coordinates.
class Regions {
 public:
  static Regions load(Database& db, const GameSession& session);
  void add(const Region& region);
  const Region* at(int x, int y) const;
  qsizetype size() const { return regions_.size(); }

 private:
  QList<Region> regions_;
  QHash<quint64, qsizetype> index_;
};

// Names are drawn from 4× on, where the hex is wide enough for them.
constexpr int kNamesFrom = 4;
bool nameFits(int textWidth, int scale);
// The least font size (pixels) a name is shrunk to before it is shortened.
constexpr int kSmallestName = 7;

// A region name as drawn over the map.
struct Label {
  int x = 0, y = 0;   // the region
  QString text;       // the name, or its start with "…" where the hex is narrow
  int pixelSize = 0;  // font size
  QRectF box;         // where it stands (zoomed pixels)
  QColor ink;
};

// The layers to draw over the map, each a list of marks (empty: hidden).
struct Layers {
  const QList<overlays::Mark>* ships = nullptr;
  const QList<overlays::Mark>* units = nullptr;
  const QList<overlays::Mark>* messages = nullptr;
};

class Renderer {
 public:
  // Tiles come from `imagesDir` (the small map's set); `names` draws region
  // names at 4× and above (needs a font system).
  Renderer(QString imagesDir, Regions regions, bool names = true);

  const Regions& regions() const { return regions_; }
  // Draws the hexes and roads of the part `exposed` (zoomed pixels,
  // painter at the map's origin).
  void draw(QPainter& painter, const worldhex::ZoomedGeometry& geometry, const QRect& exposed);
  // The names over the part `exposed`, from 4× on: every region with a
  // name other than its bare terrain, in a smaller font or shortened where
  // the hex is narrow. Drawn last, above the layers' marks.
  QList<Label> labels(const worldhex::ZoomedGeometry& geometry, const QRect& exposed);
  void drawNames(QPainter& painter, const worldhex::ZoomedGeometry& geometry, const QRect& exposed);
  // The whole map at the geometry's scale, layers and names included.
  QImage drawWhole(const worldhex::ZoomedGeometry& geometry, QSize size1x, const Layers& layers);
  // Missing terrain pictures met so far, one message per terrain.
  QStringList messages() const;

 private:
  struct Stamp {
    QImage image;
    QColor ink;  // name colour that reads on this ground
  };
  const Stamp& stamp(const QString& type, int scale);

  QString imagesDir_;
  Regions regions_;
  bool names_;
  QHash<QString, Stamp> stamps_;
  int stampScale_ = 0;
  QStringList messages_;
  // A name fitted to the hex once per scale: shaping text is the dear part of a paint.
  struct FittedName {
    QString text;
    int pixelSize = 0;
    QFont font;
    QStaticText laidOut;
  };
  const FittedName& fitted(const QString& name, int scale);
  int fontScale_ = 0;
  QHash<QString, FittedName> names_cache_;
};

// The layers' marks over the part `exposed`, at the geometry's scale.
void drawMarks(QPainter& painter, const worldhex::ZoomedGeometry& geometry, const QList<overlays::Mark>& marks,
               const QRect& exposed);

}  // namespace zoomedmap
