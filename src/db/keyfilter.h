#pragma once
// Which keys a table may hold, kept in memory while one report is read: a
// key the filter does not know is surely not stored, so the reader appends
// its row without searching the table first (most rows of a first report,
// every statistics row of a new round). A known key, or one that shares
// its hash with a known key, still goes through the table's own search.
#include <QSet>
#include <QStringList>
#include <initializer_list>

class Database;

class KeyFilter {
 public:
  // Takes the integer values of `fields` from every row of `table` whose
  // leading field `fields[0]` equals `leading`, after `extra` conditions
  // ("Datum" = round, say) given as further field and value pairs.
  void load(Database& db, const QString& table, const QStringList& fields, qint64 leading,
            const QList<QPair<QString, qint64>>& extra = {});
  // Before load() every key may be stored.
  bool mayHold(std::initializer_list<qint64> key) const { return !loaded_ || hashes_.contains(hashOf(key)); }
  void add(std::initializer_list<qint64> key) { hashes_.insert(hashOf(key)); }

 private:
  static quint64 hashOf(std::initializer_list<qint64> key);
  static quint64 hashOf(const qint64* values, qsizetype count);
  QSet<quint64> hashes_;
  bool loaded_ = false;
};
