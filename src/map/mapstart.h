#pragma once
// Where the maps start: the small map's centre when a slot is opened or the
// main level is shown again, and whether a report just read brought regions
// of the shown level (then the world map is drawn anew).
#include <QPoint>

#include "game/gamesession.h"

class Database;

namespace mapstart {

// The configured home region when it has a row on the shown level; else the
// region of the first own unit there (newest round, lowest number); else
// the region nearest the middle of the level's regions. Without any region
// of the level the configured centre stays.
QPoint smallMapCentre(Database& db, const GameSession& session);

// True when the shown level holds regions of the round just read.
bool reportBroughtShownLevel(Database& db, const GameSession& session);

}  // namespace mapstart
