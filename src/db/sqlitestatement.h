#pragma once
// A prepared SQLite statement on the connection of a Database, used by the
// table layer's row-at-a-time work, where Qt's per-execution column setup
// would cost more than the query itself.
#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QStringEncoder>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, const QString& sql);  // throws DbError
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  // Resets the statement and clears its values for a new execution: every
  // position not bound after it is NULL.
  void reset();
  // Resets the statement but keeps the numbers and NULLs bound last, so that
  // binding the same value again costs nothing (the zeros of a unit's item
  // fields, row after row). The caller binds every position that held a
  // text again before the statement is stepped.
  void resetKeepingNumbers();
  // Positions from 1. Whole numbers and NULLs, most of what a row holds,
  // are bound here without leaving the caller.
  void bind(int position, const QVariant& value) {
    const QVariant::DataPtr& d = value.data_ptr();
    const QtPrivate::QMetaTypeInterface* type = d.typeInterface();
    if (type == nullptr) return bindNull(position);
    if (!d.is_shared) {
      if (type == QMetaType::fromType<int>().iface()) return bindInteger(position, d.get<int>());
      if (type == QMetaType::fromType<qlonglong>().iface()) return bindInteger(position, d.get<qlonglong>());
    }
    bindOther(position, value);
  }
  // Steps once: true while a row is there; throws DbError on failure.
  bool step();
  // Runs a statement that returns no rows.
  void execute();
  int columnCount() const;
  QVariant column(int index) const;
  qint64 columnInt(int index) const;
  // Text of a column without a QVariant (an empty field gives a null text).
  QString columnText(int index) const;
  bool columnIsNull(int index) const;
  qint64 lastInsertRowid() const;
  QString errorText() const;

 private:
  // What a position holds now, as far as a repeated bind may be skipped.
  struct Bound {
    enum Kind : char { Null, Integer, Other } kind = Null;
    qint64 integer = 0;
  };
  // A position that holds the same number or NULL already is left as it is.
  Bound* boundAt(int position) {
    return position >= 1 && size_t(position) <= bound_.size() ? &bound_[size_t(position) - 1] : nullptr;
  }
  void bindInteger(int position, qint64 value) {
    Bound* bound = boundAt(position);
    if (bound && bound->kind == Bound::Integer && bound->integer == value) return;
    storeInteger(position, value, bound);
  }
  void bindNull(int position) {
    Bound* bound = boundAt(position);
    if (bound && bound->kind == Bound::Null) return;
    storeNull(position, bound);
  }
  void storeInteger(int position, qint64 value, Bound* bound);
  void storeNull(int position, Bound* bound);
  void bindOther(int position, const QVariant& value);
  void check(int rc) const;

  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  QString sql_;
  // UTF-8 copies of the bound texts, kept until the next reset so that the
  // engine need not copy them again. They are written into chunks that stay
  // for the next rows, so binding a text allocates nothing.
  const char* copyText(const QString& text, int* bytes);
  void forgetTexts();
  static constexpr qsizetype kChunkSize = 64 * 1024;
  std::vector<std::unique_ptr<char[]>> chunks_;
  size_t chunk_ = 0;           // the chunk being filled
  qsizetype chunkUsed_ = 0;    // bytes of it in use
  std::vector<std::unique_ptr<char[]>> largeTexts_;  // texts too long for a chunk
  QStringEncoder utf8_{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
  std::vector<Bound> bound_;  // by position - 1
};
