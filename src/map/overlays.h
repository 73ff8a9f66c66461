#pragma once
// The three layers over the world map: ships, own units and regions with
// messages of this round. Each is drawn on a transparent picture of the
// world map's size, at the world map's 8-pixel cells.
#include <QColor>
#include <QImage>
#include <QSize>
#include <QStringList>

#include "game/gamesession.h"

class Database;

namespace overlays {

// One mark of a layer: what stands on which region. The 1× picture and the
// zoomed drawing are both made from these.
struct Mark {
  enum class Kind { OwnShip, ForeignShip, UnitBox, Diamond, OceanDot, Triangle };
  int x = 0, y = 0;
  Kind kind = Kind::Triangle;
  QColor colour;  // UnitBox: magenta, green or the command editor's colour
};

struct Layer {
  QImage image;
  QStringList messages;  // positions that are not coordinates, one message
  QList<Mark> marks;     // in drawing order
};

// Ships of this round: own ones as red dots, foreign ones as yellow dots.
Layer drawShips(Database& db, const GameSession& session, QSize mapSize);

// Regions with messages of this round (Umgebung): the world map's marks.
Layer drawRegionMessages(Database& db, const GameSession& session, QSize mapSize);

// The own units layer. It stays with the window while shown, because the
// command editor colours regions on it.
class UnitOverlay {
 public:
  // Draws this round's own units: magenta where a unit has no mark
  // ("X", "V" or "x" in Flags), green where all units there are marked.
  // False when no own unit of this round exists; the layer is then empty.
  bool draw(Database& db, const GameSession& session, QSize mapSize);
  void clear();

  // Colours the square of region (x, y) on the layer (the command editor's
  // marks), with the origin of the map it was drawn for.
  void faerbe_region(int x, int y, const QColor& colour);

  const QImage& image() const { return layer_.image; }
  const QList<Mark>& marks() const { return layer_.marks; }
  const QStringList& messages() const { return layer_.messages; }

 private:
  Layer layer_;
  double minX_ = 0;
  double minY_ = 0;
};

// The message for positions the layers skipped.
QString badPositionsMessage(const QStringList& positions);

}  // namespace overlays
