#include "report/starlist.h"

#include "db/schema.h"
#include "db/table.h"

namespace {

// Fields first..last, counted from 1 as the table's positions; a table with
// fewer fields gives what it has.
QStringList fieldsAt(const Table& table, int first, int last) {
  const QStringList& all = table.fieldNames();
  const int from = first - 1;
  const int to = qMin(last, int(all.size()));
  return from < to ? all.mid(from, to - from) : QStringList();
}

}  // namespace

QString starList(const QStringList& names) {
  QString out(QLatin1Char('*'));
  for (const QString& name : names) {
    out += name;
    out += QLatin1Char('*');
  }
  return out;
}

QStringList itemBlockFields(const Table& einheiten) {
  return fieldsAt(einheiten, schema::kItemBlockFirst, schema::kItemBlockLast);
}

QStringList skillBlockFields(const Table& einheiten) {
  return fieldsAt(einheiten, schema::kSkillBlockFirst, schema::kSkillBlockLast);
}

QString itemFieldNames(const Table& einheiten) {
  return starList(itemBlockFields(einheiten));
}

QString skillFieldNames(const Table& einheiten) {
  return starList(skillBlockFields(einheiten));
}

bool StarListIndex::contains(const QString& list, const QString& name) {
  // A name holding "*" could match across entries: only the text can say.
  if (name.contains(QLatin1Char('*'))) return list.contains(QLatin1Char('*') + name + QLatin1Char('*'));
  const bool same = list.constData() == list_.constData() && list.size() == list_.size();
  if (!same && list != list_) {
    list_ = list;
    entries_.clear();
    const QStringList parts = list.split(QLatin1Char('*'));
    // Only entries between two stars count: the text before the first star
    // and after the last one is not "*" + entry + "*".
    for (qsizetype i = 1; i + 1 < parts.size(); ++i) entries_.insert(parts.at(i));
  }
  return entries_.contains(name);
}
