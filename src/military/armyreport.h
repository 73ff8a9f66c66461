#pragma once
// The tab "Armee": the own units of the current round whose group names the
// chosen army, with fighting skills and weapons, and the totals of soldiers,
// melee weapons and ranged weapons.
#include <QList>
#include <QString>
#include <QStringList>

#include "military/reportgrid.h"

class Database;
struct GameSession;

namespace armyreport {

// The army choices of ComboBox2 ("Alle" first); free text is accepted too.
QStringList armyChoices();
// The 12 column headers of StringGrid3.
QStringList header();
inline constexpr int kColumns = 12;

struct Result {
  QList<reportgrid::Row> rows;
  qint64 soldiers = 0;  // "Soldaten:"
  qint64 weapons = 0;   // "Waffen:", spears and swords
  qint64 ranged = 0;    // "Fernwaffen:", bows
};

// "Alle" takes every group that contains "Armee"; any other text takes the
// groups that contain it (case counts). Only units of the open slot, of the
// own party and of the current round are listed, ordered by position and
// name without regard to case.
Result Truppenverwaltung(Database& db, const GameSession& game, const QString& army);

}  // namespace armyreport
