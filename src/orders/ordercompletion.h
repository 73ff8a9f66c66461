#pragma once
// What the completion offers at a point of an orders line: keywords at the
// start of an order, skills after LERNE/VERGISS, items after GIB <unit>
// <n>, RESERVIERE <n> and MACHE [<n>], luxury goods after KAUFE/VERKAUFE
// <n>, directions after NACH/ROUTE, and the units of the region after GIB,
// LEHRE, ATTACKIERE, FOLGE EINHEIT and KONTAKTIERE.
#include <QList>
#include <QString>

#include "orders/ordersknowledge.h"

namespace ordercompletion {

struct Candidate {
  QString text;   // what is inserted
  QString label;  // what the list shows (a unit with its name)
};

struct Offer {
  int prefixStart = 0;  // where the word being completed begins in the line
  QString prefix;       // its text so far
  QList<Candidate> candidates;
};

// `before` is the line's text before the cursor; `units` the units of the
// region the line stands in.
Offer offerAt(const QString& before, const orderscheck::Knowledge& names,
              const QList<ordersknowledge::UnitEntry>& units);

// Whether a blank typed after `before` should open the list (the word
// before it is a keyword with arguments worth offering).
bool opensAfterBlank(const QString& before, const orderscheck::Knowledge& names,
                     const QList<ordersknowledge::UnitEntry>& units);

// The units of the region whose REGION line stands above line `line`
// (from 0) of the template.
QList<ordersknowledge::UnitEntry> unitsAtLine(const QStringList& lines, int line,
                                              const ordersknowledge::GameKnowledge& known);

}  // namespace ordercompletion
