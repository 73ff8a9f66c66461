#pragma once
// The external checker's output placed beside the built-in problems: a
// line naming a template line ("Zeile 12", "line 12") or a unit
// ("Einheit abcd", "unit abcd") gets that line; others stay as text.
#include <QList>
#include <QString>
#include <QStringList>

#include "orders/orderscheck.h"

namespace checkeroutput {

// One problem per non-empty output line. Placed ones carry their line
// (from 1) and the unit of the template's block there; unplaced ones have
// line 0. "Fehler"/"error" in the text makes it a Fehler, else a Warnung.
QList<orderscheck::Problem> place(const QString& output, const QStringList& templateLines);

// The region of the REGION line above template line `line` (from 1);
// false when there is none.
bool regionOfLine(const QStringList& templateLines, int line, int* x, int* y, int* z);

}  // namespace checkeroutput
