#pragma once
// The built-in check of an orders text ("Befehle prüfen"): the password,
// keywords, long orders per unit, directions, skill and item names, unit
// ids, quotes, TEMP units and the EINHEIT blocks. What the game knows comes
// in as plain lists (ordersknowledge fills them from the tables).
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace orderscheck {

enum class Severity { Fehler, Warnung };

struct Problem {
  Severity severity = Severity::Fehler;
  int line = 0;     // from 1
  QString unit;     // the unit's id as written ("TEMP 12" inside MACHE TEMP); empty outside a unit
  QString text;     // German
  // The region of the REGION line the unit stands under, when there is one.
  bool hasRegion = false;
  int x = 0, y = 0, z = 0;
};

// What the game's tables know; empty lists mean "not known" for units,
// while empty name lists make every name unknown.
struct Knowledge {
  QStringList items;      // item field names of the unit table (Silber first)
  QStringList skills;     // skill field names of the unit table
  QStringList luxuries;   // the luxury goods
  QStringList buildTypes; // building and ship types seen in the tables
  bool unitsKnown = false;  // whether the unit sets below were filled
  QSet<qint32> knownUnits;  // every unit of the slot
  QSet<qint32> ownUnits;    // the own units of the newest round
  int idBase = 36;          // 36 for Molvanth, 10 for Quarnel
};

// Every problem of `lines`, in line order.
QList<Problem> check(const QStringList& lines, const Knowledge& knowledge);
bool hasError(const QList<Problem>& problems);

QString severityText(Severity s);
// "Zeile 12: Fehler: EINHEIT abcd: text" (without the unit part outside a unit).
QString problemLine(const Problem& p);

// The keywords of the language (one form each, as written in the orders
// reference) and whether a folded word is one of them.
const QStringList& keywords();
bool isKeyword(const QString& word);
// The directions NACH and ROUTE take.
const QStringList& directions();

}  // namespace orderscheck
