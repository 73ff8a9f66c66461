#include "db/table.h"

#include <QSqlError>
#include <QSqlQuery>

#include "db/sqlitestatement.h"

#include "db/database.h"
#include "db/dberror.h"
#include "db/schema.h"

namespace {

QString fold(const QString& s) { return s.toCaseFolded(); }

QStringList splitFieldList(const QString& list) {
  QStringList out;
  for (const QString& part : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) out << part.trimmed();
  return out;
}

[[noreturn]] void fail(const QSqlQuery& q, const QString& what, const QString& table) {
  throw DbError(QStringLiteral("Datenbankfehler in Tabelle %1 (%2): %3").arg(table, what, q.lastError().text()));
}

}  // namespace

Table::Table(Database& db, QString tableName) : db_(db), name_(std::move(tableName)) {
  for (const schema::TableDef* def : schema::allTables())
    if (def->name == name_) primaryKey_ = def->primaryKey;
  refreshFields();
  index_ = primaryKey_;
}

Table::~Table() = default;

void Table::open() { open_ = true; }
void Table::openExclusive() { open_ = true; exclusive_ = true; }
void Table::close() {
  if (cursor_) cursor_->reset();
  open_ = false;
  exclusive_ = false;
  cursor_ = nullptr;
  eof_ = true;
  state_ = State::Browse;
}

void Table::refreshFields() {
  fields_.clear();
  exact_.clear();
  folded_.clear();
  statements_.clear();
  cursor_ = nullptr;
  QSqlQuery q(db_.sql());
  if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(schema::quoted(name_)))) fail(q, QStringLiteral("Felder"), name_);
  while (q.next()) {
    const QString field = q.value(1).toString();
    exact_.insert(field, int(fields_.size()));
    folded_.insert(fold(field), int(fields_.size()));
    fields_ << field;
  }
  if (fields_.isEmpty()) throw DbError(QStringLiteral("Die Tabelle %1 fehlt in der Datenbank.").arg(name_));
  QStringList columns;
  for (const QString& f : fields_) columns << schema::quoted(f);
  columnsSql_ = columns.join(QStringLiteral(", "));
  record_ = QVector<QVariant>(fields_.size());
}

int Table::fieldIndex(const QString& name) const {
  const auto it = exact_.constFind(name);
  if (it != exact_.constEnd()) return *it;
  return folded_.value(fold(name), -1);
}

int Table::requireField(const QString& name) const {
  const int i = fieldIndex(name);
  if (i < 0) throw DbError(QStringLiteral("Feld '%1' in Tabelle %2 nicht gefunden").arg(name, name_));
  return i;
}

void Table::setIndexFields(const QString& fieldList) {
  QStringList wanted = splitFieldList(fieldList);
  for (const QString& f : wanted) requireField(f);
  if (wanted != index_) {
    index_ = wanted;
    ++indexVersion_;
    cursor_ = nullptr;
    eof_ = true;
  }
}

void Table::setSlotFilter(int slot) {
  filterSlot_ = slot;
  filterLevel_ = false;
}

void Table::setSlotLevelFilter(int slot, int level) {
  filterSlot_ = slot;
  filterLevel_ = true;
  filterLevelValue_ = level;
}

void Table::clearFilter() {
  filterSlot_ = 0;
  filterLevel_ = false;
  filtered_ = false;
}

void Table::setFiltered(bool on) { filtered_ = on; }

QString Table::filterSql() const {
  if (!filtered_) return QString();
  QString s = QStringLiteral("\"Spiel\" = ?");
  if (filterLevel_) s += QStringLiteral(" AND \"Ebene\" = ?");
  return s;
}

void Table::bindFilter(SqliteStatement& q, int& position) const {
  if (!filtered_) return;
  q.bind(position++, filterSlot_);
  if (filterLevel_) q.bind(position++, filterLevelValue_);
}

QString Table::orderSql() const {
  QStringList parts;
  for (const QString& f : index_) parts << schema::quoted(fields_.at(fieldIndex(f)));
  parts << QStringLiteral("rowid");
  return parts.join(QStringLiteral(", "));
}

template <typename MakeSql>
SqliteStatement& Table::prepared(quint64 key, MakeSql makeSql) {
  auto it = statements_.find(key);
  if (it == statements_.end()) {
    it = statements_.insert(key, std::make_shared<SqliteStatement>(db_.handle(), makeSql()));
  } else {
    (*it)->reset();
  }
  return **it;
}

namespace {
enum StatementKind : quint64 { kFind = 1, kFirst, kCount, kInsert, kUpdate, kReload, kDelete };
}

// One number per statement shape: kind, active index, key length and filter.
quint64 Table::shapeKey(quint64 kind, int keySize) const {
  const quint64 filter = filtered_ ? (filterLevel_ ? 2 : 1) : 0;
  return kind | (quint64(keySize) << 8) | (filter << 16) | (indexVersion_ << 20);
}

bool Table::loadCurrent() {
  if (cursor_ && cursor_->step()) {
    rowid_ = cursor_->columnInt(0);
    for (int i = 0; i < fields_.size(); ++i) record_[i] = cursor_->column(i + 1);
    hasRow_ = true;
    eof_ = false;
    return true;
  }
  if (cursor_) cursor_->reset();  // release the read as soon as the walk ends
  eof_ = true;
  hasRow_ = false;
  rowid_ = -1;
  for (QVariant& v : record_) v = QVariant();
  return false;
}

bool Table::findKey(const QVariantList& key) {
  if (key.isEmpty() || key.size() > index_.size())
    throw DbError(QStringLiteral("Ungültiger Schlüssel für Tabelle %1").arg(name_));
  state_ = State::Browse;
  // Rows at or after the key in index order; the first one decides.
  SqliteStatement& q = prepared(shapeKey(kFind, int(key.size())), [&] {
    QStringList lhs;
    QStringList marks;
    for (int i = 0; i < key.size(); ++i) {
      lhs << schema::quoted(fields_.at(fieldIndex(index_.at(i))));
      marks << QStringLiteral("?");
    }
    const QString where = filterSql();
    return QStringLiteral("SELECT rowid, %1 FROM %2 WHERE (%3) >= (%4)%5 ORDER BY %6")
        .arg(columnsSql_, schema::quoted(name_), lhs.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")),
             where.isEmpty() ? QString() : QStringLiteral(" AND ") + where, orderSql());
  });
  int position = 1;
  for (const QVariant& v : key) q.bind(position++, v);
  bindFilter(q, position);
  cursor_ = &q;
  if (!loadCurrent()) return false;
  for (int i = 0; i < key.size(); ++i) {
    const QVariant& stored = record_.at(fieldIndex(index_.at(i)));
    const QVariant& wanted = key.at(i);
    const bool equal = (stored.typeId() == QMetaType::QString || wanted.typeId() == QMetaType::QString)
                           ? stored.toString() == wanted.toString()
                           : stored.toDouble() == wanted.toDouble();
    // Not equal: stay positioned on the following row, as a failed find does.
    if (!equal) return false;
  }
  return true;
}

bool Table::first() {
  state_ = State::Browse;
  SqliteStatement& q = prepared(shapeKey(kFirst, 0), [&] {
    const QString where = filterSql();
    return QStringLiteral("SELECT rowid, %1 FROM %2%3 ORDER BY %4")
        .arg(columnsSql_, schema::quoted(name_), where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where,
             orderSql());
  });
  int position = 1;
  bindFilter(q, position);
  cursor_ = &q;
  return loadCurrent();
}

bool Table::next() {
  state_ = State::Browse;
  if (!cursor_) return false;
  return loadCurrent();
}

int Table::recordCount() {
  SqliteStatement& q = prepared(shapeKey(kCount, 0), [&] {
    const QString where = filterSql();
    return QStringLiteral("SELECT COUNT(*) FROM %1%2")
        .arg(schema::quoted(name_), where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where);
  });
  int position = 1;
  bindFilter(q, position);
  const int n = q.step() ? int(q.columnInt(0)) : 0;
  q.reset();
  return n;
}

void Table::requireState(State s, const char* op) const {
  if (state_ != s)
    throw DbError(QStringLiteral("Tabelle %1: %2 ohne passende Bearbeitung").arg(name_, QString::fromLatin1(op)));
}

void Table::edit() {
  if (!hasRow_) throw DbError(QStringLiteral("Tabelle %1: kein Datensatz zum Bearbeiten").arg(name_));
  state_ = State::Edit;
}

void Table::append() {
  for (QVariant& v : record_) v = QVariant();
  rowid_ = -1;
  state_ = State::Insert;
}

void Table::post() {
  if (state_ == State::Browse) return;
  if (state_ == State::Insert) {
    SqliteStatement& q = prepared(kInsert, [&] {
      QStringList marks;
      for (int i = 0; i < fields_.size(); ++i) marks << QStringLiteral("?");
      return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
          .arg(schema::quoted(name_), columnsSql_, marks.join(QStringLiteral(", ")));
    });
    int position = 1;
    for (const QVariant& v : record_) q.bind(position++, v);
    try {
      q.execute();
    } catch (const DbError& e) {
      throw DbError(QStringLiteral("Datensatz in Tabelle %1 nicht angefügt: %2").arg(name_, e.message()));
    }
    rowid_ = q.lastInsertRowid();
  } else {
    SqliteStatement& q = prepared(kUpdate, [&] {
      QStringList sets;
      for (const QString& f : fields_) sets << schema::quoted(f) + QStringLiteral(" = ?");
      return QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(schema::quoted(name_), sets.join(QStringLiteral(", ")));
    });
    int position = 1;
    for (const QVariant& v : record_) q.bind(position++, v);
    q.bind(position, rowid_);
    try {
      q.execute();
    } catch (const DbError& e) {
      throw DbError(QStringLiteral("Datensatz in Tabelle %1 nicht gespeichert: %2").arg(name_, e.message()));
    }
  }
  hasRow_ = true;
  state_ = State::Browse;
}

void Table::cancel() {
  if (state_ == State::Browse) return;
  state_ = State::Browse;
  if (rowid_ < 0) {
    hasRow_ = false;
    for (QVariant& v : record_) v = QVariant();
    return;
  }
  // Reload the stored values of the row that was being edited.
  SqliteStatement& q = prepared(kReload, [&] {
    return QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(columnsSql_, schema::quoted(name_));
  });
  q.bind(1, rowid_);
  if (q.step())
    for (int i = 0; i < fields_.size(); ++i) record_[i] = q.column(i);
  q.reset();
}

void Table::remove() {
  if (!hasRow_ || rowid_ < 0) throw DbError(QStringLiteral("Tabelle %1: kein Datensatz zum Löschen").arg(name_));
  SqliteStatement& q = prepared(kDelete, [&] { return QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(schema::quoted(name_)); });
  q.bind(1, rowid_);
  q.execute();
  state_ = State::Browse;
  loadCurrent();  // the walk's cursor already stands before the following row
}

QVariant Table::value(const QString& field) const { return record_.value(requireField(field)); }

void Table::setValue(int index, const QVariant& v) {
  if (state_ == State::Browse) throw DbError(QStringLiteral("Tabelle %1 ist nicht im Bearbeitungsmodus").arg(name_));
  record_[index] = v;
}

void Table::setValue(const QString& field, const QVariant& v) { setValue(requireField(field), v); }
