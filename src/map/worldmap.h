#pragma once
// The world map: every known region of the slot on the shown level as
// 8-pixel terrain tiles, saved per slot and level under images/, and the
// level switch that reuses the saved pictures.
#include <QImage>
#include <QString>
#include <QStringList>

#include "game/gamesession.h"
#include "map/mapgeometry.h"

class Database;

namespace worldmap {

// "worldmap-3.bmp" for slot 3 on level 0, "worldmap-3-1.bmp" on level 1.
QString savedMapFile(int slot, int level);
QString savedMapPath(const GameSession& session, int level);

// The extent of the slot's regions on a level, from one pass in key order;
// nothing when the level has no regions.
struct Extent {
  bool any = false;
  mapgeometry::WorldGeometry geometry;
};
Extent regionExtent(Database& db, int slot, int level);

// The slot's levels with their names, for the level list. The main level 0
// is always offered, also when the level table has no row for it, so that
// the map can be switched back to it.
struct Level {
  int level;
  QString name;
};
QList<Level> levels(Database& db, int slot);

struct Drawing {
  bool drawn = false;      // false: no regions, nothing drawn or saved
  QImage image;
  QStringList messages;    // missing tiles, once per terrain
  QString error;           // options or picture could not be saved
};

// displayWorldMapHex: draws the shown level, sets the origin in the
// session, writes the slot's options (with the origin on level 0) and saves
// the picture. Without regions nothing changes.
Drawing displayWorldMapHex(Database& db, GameSession& session);

// The saved picture of the current level at opening: loaded when there is
// one, else drawn anew (and left empty when the level has no regions).
Drawing openingWorldMap(Database& db, GameSession& session);

// Scroll position of a freshly shown map: the picture size / 2.25, truncated.
int scrollPosition(int extent);

// Button9Click: switching the shown level.
struct LevelSwitch {
  enum class Result { Unchanged, NoRegions, Loaded, Redrawn, Failed };
  Result result = Result::Unchanged;
  Drawing map;              // the picture to show (Loaded / Redrawn)
  bool recentred = false;   // level 0: the small map centre is the home region again
  bool scroll = false;      // level 0: scroll the map to its middle
  QString error;            // Failed: the German message
};
LevelSwitch switchLevel(Database& db, GameSession& session, int level);

}  // namespace worldmap
