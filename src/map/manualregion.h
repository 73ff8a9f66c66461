#pragma once
// A region the player enters by hand: name, coordinates, terrain and export
// good, written on the level the maps show. Its round is 0, so the next
// report that describes the region replaces it.
#include <QString>
#include <QStringList>

class Table;

namespace manualregion {

// The terrain choices in their sorted order; "Ebene" is the default.
QStringList terrainChoices();
constexpr int kDefaultTerrain = 1;
// The terrain as stored: "Wüste" becomes "Desert", the rest stays.
QString storedTerrain(const QString& choice);

struct Entry {
  QString name;
  QString xText;
  QString yText;
  QString terrain;  // as chosen
  QString exportGood;
};

struct SaveResult {
  QString error;     // empty on success; then nothing was written
  int x = 0;
  int y = 0;
  bool appended = false;  // a new row, not a known region overwritten
  QString position;       // the region's position text, e.g. 3/-4 or 3/-4/1
  bool ok() const { return error.isEmpty(); }
};

// Finds the row (slot, x, y, level) or appends it, and writes the entry.
// Coordinates that are not whole numbers are refused before anything is
// written.
SaveResult saveRegion(Table& regionen, int slot, int level, const Entry& entry);

}  // namespace manualregion
