#pragma once
// The tab "Schiffsregister": the ships of the open slot seen in one round,
// of one party or of all, optionally of one type.
#include <QList>
#include <QString>
#include <QStringList>

#include "military/reportgrid.h"

class Database;
struct GameSession;

namespace shipregister {

// The type choices of ComboBox5 ("Alle" first).
QStringList typeChoices();
// The 6 column headers and widths of StringGrid5.
QStringList header();
QList<int> columnWidths();
inline constexpr int kColumns = 6;

struct Filter {
  QString partyNumber;                    // DBEdit30; "-2" takes every party
  QString type = QStringLiteral("Alle");  // ComboBox5
  QString round;                          // Edit26
};

struct Result {
  QString error;  // a German message; nothing is listed then
  QList<reportgrid::Row> rows;
  bool ok() const { return error.isEmpty(); }
};

// Ordered by the whole row text without regard to case: by position as
// text ("10/3" before "2/5"), then by name. Numbers are decimal in both
// games.
Result listShips(Database& db, const GameSession& game, const Filter& filter);

}  // namespace shipregister
