#pragma once
// The tab "Gruppierungen": units of the open slot chosen by group, party,
// unit number, name and round, with their group and fighting values, and
// changing a unit's group.
#include <QList>
#include <QString>
#include <QStringList>

#include "military/reportgrid.h"

class Database;
struct GameSession;

namespace groupings {

// The group filter's choices (ComboBox1) and the round comparisons (ComboBox3).
QStringList groupChoices();
QStringList comparisons();
// The 12 column headers of StringGrid4.
QStringList header();
inline constexpr int kColumns = 12;
// Columns the group change reads from the selected row.
inline constexpr int kGroupColumn = 0;
inline constexpr int kPositionColumn = 1;
inline constexpr int kNumberColumn = 3;

// The items of the group menu (PopupMenu1); `stored` is the text written
// into "Gruppe", empty for the item that does nothing.
struct MenuItem {
  const char* objectName;
  QString caption;
  QString stored;
};
QList<MenuItem> menuItems();

// The filters as the tab holds them, as texts.
struct Filter {
  QString group = QStringLiteral("Alle");  // ComboBox1
  QString partyNumber;                     // DBEdit4; "-2" lifts the condition
  QString unitNumber;                      // Edit18, in the game's notation
  QString unitName;                        // Edit17
  QString comparison = QStringLiteral("=");  // ComboBox3
  QString round;                           // Edit19
};

struct Result {
  QString error;  // a German message; nothing is listed then
  QList<reportgrid::Row> rows;
  bool ok() const { return error.isEmpty(); }
};

// Lists the units of the open slot that pass the filters, ordered by group,
// position and name without regard to case.
Result Gruppierungen(Database& db, const GameSession& game, const Filter& filter);

// A unit number in the game's notation: base-36 digits in Molvanth games
// (either case), decimal digits in Quarnel games.
bool isUnitNumber(const GameSession& game, const QString& text);
qint32 decodeUnitNumber(const GameSession& game, const QString& text);

// Writes `group` into the unit of the open slot at `position` with the
// number `numberText` (game notation). False when there is no such unit;
// nothing is written then.
bool groupchange(Database& db, const GameSession& game, const QString& position, const QString& numberText,
                 const QString& group);

}  // namespace groupings
