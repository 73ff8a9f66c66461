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
  updateKeyColumns();
}

void Table::updateKeyColumns() {
  keyColumn_.assign(size_t(fields_.size()), -1);
  for (qsizetype i = 0; i < index_.size(); ++i) {
    const int field = fieldIndex(index_.at(i));
    if (field >= 0) keyColumn_[size_t(field)] = int(i) + 1;
  }
}

Table::~Table() = default;

void Table::open() { open_ = true; }
void Table::openExclusive() { open_ = true; exclusive_ = true; }
void Table::close() {
  if (rowSource_) loadAllFields();
  // Every walk or search left standing on a row ends here, so that the
  // connection holds no read of the file for this table any more.
  for (const auto& statement : std::as_const(statements_)) statement->reset();
  open_ = false;
  exclusive_ = false;
  cursor_ = nullptr;
  eof_ = true;
  state_ = State::Browse;
}

void Table::refreshFields() {
  fields_.clear();
  nameHits_.fill({});
  exact_.clear();
  folded_.clear();
  rowSource_ = nullptr;
  statements_.clear();
  updates_.clear();
  cursor_ = nullptr;
  indexList_.clear();
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
  loaded_.assign(size_t(fields_.size()), 0);
  updateKeyColumns();
  changed_.assign(size_t(fields_.size()), 0);
}

int Table::fieldIndex(const QString& name) const {
  NameHit& hit = nameHits_[(quintptr(name.constData()) >> 4) % nameHits_.size()];
  if (hit.text == name.constData() && hit.size == name.size()) {
    // A name without a header of its own is a literal of the program, whose
    // text never changes at its address: no need to compare it again.
    if (hit.fixed && !name.data_ptr().isMutable()) return hit.field;
    if (fields_.at(hit.field) == name) return hit.field;
  }
  const auto it = exact_.constFind(name);
  if (it != exact_.constEnd()) {
    hit = {name.constData(), name.size(), !name.data_ptr().isMutable(), *it};
    return *it;
  }
  return folded_.value(fold(name), -1);
}

int Table::requireField(const QString& name) const {
  const int i = fieldIndex(name);
  if (i < 0) throw DbError(QStringLiteral("Feld '%1' in Tabelle %2 nicht gefunden").arg(name, name_));
  return i;
}

void Table::setIndexFields(const QString& fieldList) {
  // The readers name the same index for every block they read.
  if (fieldList == indexList_ && !indexList_.isEmpty()) return;
  QStringList wanted = splitFieldList(fieldList);
  for (const QString& f : wanted) requireField(f);
  if (wanted != index_) {
    index_ = wanted;
    updateKeyColumns();
    ++indexVersion_;
    cursor_ = nullptr;
    eof_ = true;
  }
  indexList_ = fieldList;
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
SqliteStatement& Table::prepared(quint64 key, MakeSql makeSql, bool everyPositionBound) {
  auto it = statements_.find(key);
  if (it == statements_.end()) {
    it = statements_.insert(key, std::make_shared<SqliteStatement>(db_.handle(), makeSql()));
  } else {
    // The current row may still be held by this statement.
    if (rowSource_ == it->get()) loadAllFields();
    if (everyPositionBound)
      (*it)->resetKeepingNumbers();
    else
      (*it)->reset();
  }
  return **it;
}

namespace {
enum StatementKind : quint64 { kFind = 1, kFirst, kInsert, kUpdate, kReload, kDelete };
}

// One number per statement shape: kind, active index, key length and filter.
quint64 Table::shapeKey(quint64 kind, int keySize) const {
  const quint64 filter = filtered_ ? (filterLevel_ ? 2 : 1) : 0;
  return kind | (quint64(keySize) << 8) | (filter << 16) | (indexVersion_ << 20);
}

bool Table::loadCurrent() {
  // The row before is left behind; its fields are not wanted any more.
  rowSource_ = nullptr;
  if (cursor_ && cursor_->step()) {
    rowid_ = cursor_->columnInt(0);
    std::fill(loaded_.begin(), loaded_.end(), 0);
    rowSource_ = cursor_;
    sourceHasAll_ = cursorHasAll_;
    hasRow_ = true;
    eof_ = false;
    return true;
  }
  if (cursor_) cursor_->reset();  // release the read as soon as the walk ends
  eof_ = true;
  hasRow_ = false;
  rowid_ = -1;
  clearRecord();
  return false;
}

void Table::loadField(int index) const {
  const int column = sourceHasAll_ ? index + 1 : keyColumn_[size_t(index)];
  if (column < 0) {
    fetchRow();
    return;
  }
  record_[index] = rowSource_->column(column);
  loaded_[size_t(index)] = 1;
}

void Table::fetchRow() const {
  SqliteStatement& q = const_cast<Table*>(this)->prepared(kReload, [&] {
    return QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(columnsSql_, schema::quoted(name_));
  });
  q.bind(1, rowid_);
  const bool found = q.step();
  for (int i = 0; i < record_.size(); ++i) {
    if (loaded_[size_t(i)]) continue;
    record_[i] = found ? q.column(i) : QVariant();
    loaded_[size_t(i)] = 1;
  }
  q.reset();
  rowSource_ = nullptr;
}

void Table::loadAllFields() const {
  if (!rowSource_) return;
  for (int i = 0; i < record_.size(); ++i)
    if (!loaded_[size_t(i)]) loadField(i);
  rowSource_ = nullptr;
}

void Table::forgetRow() {
  // A new row replaces this one: its fields need not be read any more.
  if (rowSource_) {
    rowSource_ = nullptr;
    hasRow_ = false;
  }
}

void Table::clearRecord() {
  rowSource_ = nullptr;
  std::fill(loaded_.begin(), loaded_.end(), 0);
}

bool Table::findKey(const QVariantList& key) {
  if (key.isEmpty() || key.size() > index_.size())
    throw DbError(QStringLiteral("Ungültiger Schlüssel für Tabelle %1").arg(name_));
  state_ = State::Browse;
  forgetRow();
  // Rows at or after the key in index order; the first one decides.
  SqliteStatement& q = prepared(shapeKey(kFind, int(key.size())), [&] {
    QStringList lhs;
    QStringList marks;
    for (int i = 0; i < key.size(); ++i) {
      lhs << schema::quoted(fields_.at(fieldIndex(index_.at(i))));
      marks << QStringLiteral("?");
    }
    // Only the index fields: the rest of the row is read by its rowid when
    // a field beyond them is asked for (most searches end in an append).
    QStringList indexColumns;
    for (const QString& f : index_) indexColumns << schema::quoted(fields_.at(fieldIndex(f)));
    const QString where = filterSql();
    return QStringLiteral("SELECT rowid, %1 FROM %2 WHERE (%3) >= (%4)%5 ORDER BY %6")
        .arg(indexColumns.join(QStringLiteral(", ")), schema::quoted(name_), lhs.join(QStringLiteral(", ")),
             marks.join(QStringLiteral(", ")), where.isEmpty() ? QString() : QStringLiteral(" AND ") + where,
             orderSql());
  });
  cursorHasAll_ = false;
  int position = 1;
  for (const QVariant& v : key) q.bind(position++, v);
  bindFilter(q, position);
  cursor_ = &q;
  if (!loadCurrent()) return false;
  for (int i = 0; i < key.size(); ++i) {
    const QVariant stored = value(fieldIndex(index_.at(i)));
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
  forgetRow();
  SqliteStatement& q = prepared(shapeKey(kFirst, 0), [&] {
    const QString where = filterSql();
    return QStringLiteral("SELECT rowid, %1 FROM %2%3 ORDER BY %4")
        .arg(columnsSql_, schema::quoted(name_), where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where,
             orderSql());
  });
  cursorHasAll_ = true;
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

void Table::requireState(State s, const char* op) const {
  if (state_ != s)
    throw DbError(QStringLiteral("Tabelle %1: %2 ohne passende Bearbeitung").arg(name_, QString::fromLatin1(op)));
}

void Table::edit() {
  if (!hasRow_) throw DbError(QStringLiteral("Tabelle %1: kein Datensatz zum Bearbeiten").arg(name_));
  std::fill(changed_.begin(), changed_.end(), 0);
  state_ = State::Edit;
}

void Table::append() {
  clearRecord();
  rowid_ = -1;
  state_ = State::Insert;
}

void Table::post() {
  if (state_ == State::Browse) return;
  if (state_ == State::Insert) {
    SqliteStatement& q = prepared(
        kInsert,
        [&] {
          QStringList marks;
          for (int i = 0; i < fields_.size(); ++i) marks << QStringLiteral("?");
          return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
              .arg(schema::quoted(name_), columnsSql_, marks.join(QStringLiteral(", ")));
        },
        true);
    // A field not set is stored as NULL.
    static const QVariant kNull;
    for (int i = 0; i < fields_.size(); ++i) q.bind(i + 1, loaded_[size_t(i)] ? record_.at(i) : kNull);
    try {
      q.execute();
    } catch (const DbError& e) {
      throw DbError(QStringLiteral("Datensatz in Tabelle %1 nicht angefügt: %2").arg(name_, e.message()));
    }
    rowid_ = q.lastInsertRowid();
  } else {
    // Only the fields set since edit() are written; the others keep what is stored.
    QByteArray shape(qsizetype(changed_.size()), '\0');
    int count = 0;
    for (size_t i = 0; i < changed_.size(); ++i)
      if (changed_[i]) {
        shape[qsizetype(i)] = 1;
        ++count;
      }
    if (count > 0) {
      auto it = updates_.find(shape);
      if (it == updates_.end()) {
        QStringList sets;
        for (int i = 0; i < fields_.size(); ++i)
          if (changed_[size_t(i)]) sets << schema::quoted(fields_.at(i)) + QStringLiteral(" = ?");
        const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                .arg(schema::quoted(name_), sets.join(QStringLiteral(", ")));
        it = updates_.insert(shape, std::make_shared<SqliteStatement>(db_.handle(), sql));
      } else {
        (*it)->resetKeepingNumbers();  // every position is bound below
      }
      SqliteStatement& q = **it;
      int position = 1;
      for (int i = 0; i < fields_.size(); ++i)
        if (changed_[size_t(i)]) q.bind(position++, record_.at(i));
      q.bind(position, rowid_);
      try {
        q.execute();
      } catch (const DbError& e) {
        throw DbError(QStringLiteral("Datensatz in Tabelle %1 nicht gespeichert: %2").arg(name_, e.message()));
      }
      std::fill(changed_.begin(), changed_.end(), 0);
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
    clearRecord();
    return;
  }
  // Reload the stored values of the row that was being edited.
  SqliteStatement& q = prepared(kReload, [&] {
    return QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(columnsSql_, schema::quoted(name_));
  });
  q.bind(1, rowid_);
  rowSource_ = nullptr;
  if (q.step())
    for (int i = 0; i < fields_.size(); ++i) record_[i] = q.column(i);
  std::fill(loaded_.begin(), loaded_.end(), 1);
  q.reset();
}

void Table::removeRow(qint64 rowid) {
  SqliteStatement& q = prepared(kDelete, [&] { return QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(schema::quoted(name_)); });
  q.bind(1, rowid);
  q.execute();
  if (hasRow_ && rowid_ == rowid) {
    clearRecord();
    hasRow_ = false;
    state_ = State::Browse;
  }
}

QVariant Table::value(const QString& field) const { return value(requireField(field)); }

void Table::notEditing() const {
  throw DbError(QStringLiteral("Tabelle %1 ist nicht im Bearbeitungsmodus").arg(name_));
}

void Table::setValue(const QString& field, const QVariant& v) { setValue(requireField(field), v); }
void Table::setValue(const QString& field, QVariant&& v) { setValue(requireField(field), std::move(v)); }
