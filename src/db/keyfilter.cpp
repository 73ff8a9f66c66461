#include "db/keyfilter.h"

#include <vector>

#include "db/database.h"
#include "db/schema.h"
#include "db/sqlitestatement.h"

quint64 KeyFilter::hashOf(const qint64* values, qsizetype count) {
  // FNV-1a over the values' bytes: equal keys give equal hashes, which is
  // all the filter needs; a collision only costs a search.
  quint64 h = 1469598103934665603ULL;
  for (qsizetype i = 0; i < count; ++i) {
    quint64 v = quint64(values[i]);
    for (int byte = 0; byte < 8; ++byte) {
      h ^= v & 0xff;
      h *= 1099511628211ULL;
      v >>= 8;
    }
  }
  return h;
}

quint64 KeyFilter::hashOf(std::initializer_list<qint64> key) { return hashOf(key.begin(), qsizetype(key.size())); }

void KeyFilter::load(Database& db, const QString& table, const QStringList& fields, qint64 leading,
                     const QList<QPair<QString, qint64>>& extra) {
  hashes_.clear();
  QStringList columns;
  for (const QString& f : fields) columns << schema::quoted(f);
  QString where = schema::quoted(fields.first()) + QStringLiteral(" = ?");
  for (const auto& condition : extra) where += QStringLiteral(" AND ") + schema::quoted(condition.first) + QStringLiteral(" = ?");
  SqliteStatement q(db.handle(), QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                                     .arg(columns.join(QStringLiteral(", ")), schema::quoted(table), where));
  int position = 1;
  q.bind(position++, leading);
  for (const auto& condition : extra) q.bind(position++, condition.second);
  std::vector<qint64> values(size_t(fields.size()));
  while (q.step()) {
    // A stored value the table's search would match reads as the same integer.
    for (qsizetype i = 0; i < fields.size(); ++i) values[size_t(i)] = q.columnInt(int(i));
    hashes_.insert(hashOf(values.data(), qsizetype(values.size())));
  }
  loaded_ = true;
}
