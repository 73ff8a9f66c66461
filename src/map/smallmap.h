#pragma once
// The small map: nine rows of magnified tiles around a centre region, and
// over them a transparent layer with the roads and the marks of this
// round's region events.
#include <QImage>
#include <QStringList>

#include "game/gamesession.h"

class Database;

namespace smallmap {

// What the small map needs of a region.
struct Region {
  QString type;           // Regiontyp
  QVariantList roads;     // Strasse, Strasse1 .. Strasse5; null when not reported
  QString umgebung;
  qint64 infoDatum = 0;
};

// The mark a region gets, in the order they are decided.
enum class Mark { None, Diamond, Monster, Battle, Plague, Donation, Underworld, OceanDot, Triangle };
Mark markFor(const Region& region, qint32 roundCode);
// The letters of a text mark (" M ", " B ", ...); empty for the others.
QString markText(Mark mark);

// The six road lines of a region: true where one is drawn. Ocean has none;
// Quarnel reports one value for all six directions.
std::array<bool, 6> roadLines(const Region& region, int gameType);

struct Drawing {
  QImage tiles;   // Image1
  QImage marks;   // Image5: roads and marks on transparent ground
  QStringList messages;
};

// displaySmallMap(x, y): the map around centre (x, y) on the shown level.
// The centre is not stored; the callers do that.
Drawing displaySmallMap(Database& db, const GameSession& session, int x, int y);

}  // namespace smallmap
