#pragma once
// The parties the group and ship reports can be limited to: first the entry
// "(alle Parteien)" with the number -2, which lifts the party condition, then
// the parties of the slot by name.
#include <QList>
#include <QString>

class Database;

namespace partychoices {

inline constexpr qint32 kAllParties = -2;
QString allPartiesText();  // "(alle Parteien)"

struct PartyChoice {
  QString name;
  qint32 number = 0;
};

QList<PartyChoice> partyChoices(Database& db, int slot);

}  // namespace partychoices
