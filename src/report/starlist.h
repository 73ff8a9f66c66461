#pragma once
// Star lists: "*" followed by every entry and "*", searched for
// "*" + entry + "*". The unit reader tests item and skill keys against the
// field names of the unit table this way.
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

class Table;

// "*a*b*c*" for {a, b, c}; "*" for no names.
QString starList(const QStringList& names);

// The item block of the unit table (Silber and the item fields) and its
// skill block, by their field positions: as names, and as star lists.
QStringList itemBlockFields(const Table& einheiten);
QStringList skillBlockFields(const Table& einheiten);
QString itemFieldNames(const Table& einheiten);
QString skillFieldNames(const Table& einheiten);

// Whether "*" + name + "*" occurs in a star list, answered from a set of the
// list's entries instead of a search through the whole text. The set is
// made again whenever another list is asked.
class StarListIndex {
 public:
  bool contains(const QString& list, const QString& name);

 private:
  QString list_;
  QSet<QString> entries_;
};
