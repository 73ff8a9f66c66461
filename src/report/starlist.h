#pragma once
// Star lists: "*" followed by every entry and "*", searched for
// "*" + entry + "*". The unit reader tests item and skill keys against the
// field names of the unit table this way.
#include <QString>
#include <QStringList>

class Table;

// "*a*b*c*" for {a, b, c}; "*" for no names.
QString starList(const QStringList& names);

// The item block of the unit table (Silber and the item fields) and its
// skill block, by their field positions, as star lists.
QString itemFieldNames(const Table& einheiten);
QString skillFieldNames(const Table& einheiten);
