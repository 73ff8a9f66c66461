#pragma once
// Row-at-a-time access to one game table: the navigation and editing the
// readers and views need (find by key on a chosen index, walk in key order,
// edit / append / post / cancel, delete), with the slot filters as bound
// conditions. Statements are prepared once per table object and reused.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <array>
#include <concepts>
#include <memory>
#include <vector>

class Database;
class SqliteStatement;

class Table {
 public:
  enum class State { Browse, Edit, Insert };

  Table(Database& db, QString tableName);
  ~Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const QString& name() const { return name_; }
  Database& database() const { return db_; }

  // Open / exclusive open / close, as far as the field addition cares.
  void open();
  void openExclusive();
  void close();
  bool isOpen() const { return open_; }
  bool isExclusive() const { return exclusive_; }

  // Field names in physical order, and lookup by name ignoring case.
  const QStringList& fieldNames() const { return fields_; }
  int fieldCount() const { return int(fields_.size()); }
  int fieldIndex(const QString& name) const;  // -1 when missing
  bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
  // Re-reads the physical field list (after a field was added).
  void refreshFields();

  // Active index by field list, e.g. "Spiel;Einheit Nr". The primary key
  // is active by default.
  void setIndexFields(const QString& fieldList);
  QStringList indexFields() const { return index_; }

  // Slot filter "[Spiel] = slot", and slot-and-level filter.
  void setSlotFilter(int slot);
  void setSlotLevelFilter(int slot, int level);
  void setFiltered(bool on);
  bool filtered() const { return filtered_; }

  // Positions on the first row whose leading index fields equal `key`
  // (a leading part of the active index). Returns false and sets eof when
  // there is none. The walk goes on from there in index order.
  bool findKey(const QVariantList& key);
  bool first();
  bool next();
  bool eof() const { return eof_; }

  void edit();
  void append();
  void post();
  void cancel();
  // Deletes the row of this rowid (as a query over the table reads it); a
  // table standing on that row stands on none afterwards.
  void removeRow(qint64 rowid);
  State state() const { return state_; }
  // Whether the table stands on a row (found, walked to or just posted).
  bool hasRow() const { return hasRow_; }

  // A row found by a walk or a key is read from the engine field by field,
  // when a field is first asked for.
  QVariant value(int index) const {
    const QVariant* v = valueAt(index);
    return v ? *v : QVariant();
  }
  QVariant value(const QString& field) const;
  // Value as integer; an empty field reads as 0.
  qint64 intValue(const QString& field) const { return intValue(requireField(field)); }
  QString text(const QString& field) const { return text(requireField(field)); }
  // The same by position. Numbers and texts as the table stores them are
  // taken as they are, without a conversion.
  qint64 intValue(int index) const {
    const QVariant* v = valueAt(index);
    if (!v) return 0;
    const QVariant::DataPtr& d = v->data_ptr();
    if (!d.is_shared) {
      if (d.typeInterface() == QMetaType::fromType<qlonglong>().iface()) return d.get<qlonglong>();
      if (d.typeInterface() == QMetaType::fromType<int>().iface()) return d.get<int>();
    }
    return v->toLongLong();
  }
  QString text(int index) const {
    const QVariant* v = valueAt(index);
    if (!v) return QString();
    const QVariant::DataPtr& d = v->data_ptr();
    if (!d.is_shared && d.typeInterface() == QMetaType::fromType<QString>().iface()) return d.get<QString>();
    return v->toString();
  }
  bool isNull(const QString& field) const { return value(field).isNull(); }
  void setValue(int index, const QVariant& v) { setValue(index, QVariant(v)); }
  // The same for a whole number. The readers set dozens of fields to the
  // same numbers row after row (the zeros of the items): a field that holds
  // that number already from the row before is only marked as set.
  // Only for an int itself: a wider or other number keeps its own overload.
  template <typename Int>
    requires std::same_as<Int, int>
  void setValue(int index, Int v) {
    if (state_ == State::Browse) notEditing();
    QVariant& slot = record_[index];
    const QVariant::DataPtr& d = slot.data_ptr();
    if (d.is_null || d.typeInterface() != QMetaType::fromType<int>().iface() || d.get<int>() != v) slot = QVariant(v);
    loaded_[size_t(index)] = 1;
    changed_[size_t(index)] = 1;
  }
  void setValue(int index, QVariant&& v) {
    if (state_ == State::Browse) notEditing();
    record_[index] = std::move(v);
    loaded_[size_t(index)] = 1;
    changed_[size_t(index)] = 1;
  }
  // Sets the fields from `begin` up to `end` (positions) to the number `v`.
  void setValues(int begin, int end, int v) {
    for (int i = begin; i < end; ++i) setValue(i, v);
  }
  void setValue(const QString& field, const QVariant& v);
  void setValue(const QString& field, QVariant&& v);

 private:
  int requireField(const QString& name) const;
  // The field's value in the record, read from the engine first if need
  // be; null for a field not set on a new or cleared row, or none at all.
  const QVariant* valueAt(int index) const {
    if (index < 0 || index >= record_.size()) return nullptr;
    if (!loaded_[size_t(index)]) {
      if (!rowSource_) return nullptr;  // a new or cleared row: not set yet
      loadField(index);
    }
    return &record_.at(index);
  }
  [[noreturn]] void notEditing() const;
  // Statements by a small numeric key; `makeSql` runs only on the first use.
  // With `everyPositionBound` the caller binds all positions again, and
  // numbers bound last time need not be bound anew.
  template <typename MakeSql>
  SqliteStatement& prepared(quint64 key, MakeSql makeSql, bool everyPositionBound = false);
  quint64 shapeKey(quint64 kind, int keySize) const;
  QString filterSql() const;
  void bindFilter(SqliteStatement& q, int& position) const;
  bool loadCurrent();
  void loadField(int index) const;
  void fetchRow() const;  // the fields a key search does not carry, by rowid
  void updateKeyColumns();
  // Copies every field not read yet, before the engine's row goes away.
  void loadAllFields() const;
  void clearRecord();
  void forgetRow();
  void requireState(State s, const char* op) const;
  QString orderSql() const;

  Database& db_;
  QString name_;
  QStringList fields_;
  QHash<QString, int> exact_;
  QHash<QString, int> folded_;
  // The readers name fields by the same string constants row after row: a
  // small cache by the name's text address skips hashing the name. A hit
  // counts only when the field's name equals the asked one.
  struct NameHit {
    const QChar* text = nullptr;
    qsizetype size = 0;
    bool fixed = false;  // the name was a literal (no data header)
    int field = -1;
  };
  mutable std::array<NameHit, 256> nameHits_{};
  QStringList index_;
  QStringList primaryKey_;
  bool open_ = false;
  bool exclusive_ = false;

  bool filtered_ = false;
  int filterSlot_ = 0;
  bool filterLevel_ = false;
  int filterLevelValue_ = 0;

  QHash<quint64, std::shared_ptr<SqliteStatement>> statements_;
  // Updates by the fields they write.
  QHash<QByteArray, std::shared_ptr<SqliteStatement>> updates_;
  QString columnsSql_;  // every field, quoted, in physical order
  quint64 indexVersion_ = 0;
  SqliteStatement* cursor_ = nullptr;
  bool eof_ = true;

  State state_ = State::Browse;
  QString indexList_;  // the field list last given to setIndexFields
  // The current row: fields read or set so far, and the statement that still
  // holds the others. Without such a statement a field not read or set is
  // empty (a new row, or none).
  mutable QVector<QVariant> record_;
  mutable std::vector<char> loaded_;
  mutable SqliteStatement* rowSource_ = nullptr;
  // A walk's statement carries every field; a key search only the rowid and
  // the index fields, at the columns named here (-1: not carried).
  bool cursorHasAll_ = true;
  mutable bool sourceHasAll_ = true;
  std::vector<int> keyColumn_;
  // Fields set since the row was found, written by an update.
  std::vector<char> changed_;
  qint64 rowid_ = -1;
  bool hasRow_ = false;
};
