#pragma once
// Map knowledge shared between players as small text files: per region a
// "REGION x y [level]" line, the terrain and (off the ocean) the name. Only
// coordinates, terrain and name travel; everything else stays local.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Database;
class Table;

namespace mapexchange {

// The lines of one region's block.
QStringList regionBlock(int x, int y, int level, const QString& terrain, const QString& name);

// The quoted value of a `"value";Key` line: from the second character up to
// the first quote that a semicolon follows.
QString quotedValue(const QString& line);

struct ExportResult {
  int regions = 0;  // blocks written
  QString error;    // empty on success
  bool ok() const { return error.isEmpty(); }
};

// Every row that passes the table's filter, in key order, written to `path`.
ExportResult exportFullMap(Table& regionen, const QString& path);

// The area export's radius as the player typed it; nullopt when it is not a
// whole number.
std::optional<int> parseRadius(const QString& text);

// The regions around (x0, y0) that pass the table's filter, written to
// `path`: the square of rows from y0 + R down to y0 − R, each from x0 + R down
// to x0 − R, without the four corner strips outside the hexagon; per cell the
// first row in key order (the lowest level), with its own level. Nothing for
// a negative radius.
ExportResult exportArea(Table& regionen, int slot, int x0, int y0, int radius, const QString& path);

struct ImportResult {
  int blocks = 0;  // "REGION" blocks in the file
  int added = 0;   // new rows
  int known = 0;   // regions already in the table, left untouched
  QString error;   // empty on success; then nothing was changed
  bool ok() const { return error.isEmpty(); }
};

// Adds the file's regions that the slot does not know yet, in one
// transaction. The table's filter is off during the import and restored
// afterwards. The file may be UTF-8 or ISO-8859-1, as reports are.
ImportResult importMap(Database& db, Table& regionen, int slot, const QString& path);

// German confirmations the windows and the headless tool show.
QString fullExportMessage(const QString& path);
QString areaExportMessage(const QString& path);
QString notMarkedMessage();
QString radiusPrompt(const QString& regionName, int x, int y);
QString badRadiusMessage(const QString& text);

}  // namespace mapexchange
