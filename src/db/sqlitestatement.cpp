#include "db/sqlitestatement.h"

#include <sqlite3.h>

#include "db/dberror.h"

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql) : db_(db), sql_(sql) {
  const QByteArray text = sql.toUtf8();
  if (sqlite3_prepare_v3(db_, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) !=
      SQLITE_OK) {
    const QString reason = errorText();
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    throw DbError(QStringLiteral("Datenbankfehler: %1 (%2)").arg(reason, sql));
  }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

void SqliteStatement::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

void SqliteStatement::bind(int position, const QVariant& value) {
  int rc = SQLITE_OK;
  // A null text is stored as an empty field, as Qt's own driver does.
  const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
  if (value.isNull() || nullText) {
    rc = sqlite3_bind_null(stmt_, position);
  } else {
    switch (value.typeId()) {
      case QMetaType::Int:
      case QMetaType::LongLong:
      case QMetaType::UInt:
      case QMetaType::Bool:
      case QMetaType::Short:
        rc = sqlite3_bind_int64(stmt_, position, value.toLongLong());
        break;
      case QMetaType::Double:
      case QMetaType::Float:
        rc = sqlite3_bind_double(stmt_, position, value.toDouble());
        break;
      default: {
        const QString text = value.toString();
        rc = sqlite3_bind_text16(stmt_, position, text.utf16(), int(text.size() * sizeof(char16_t)),
                                 SQLITE_TRANSIENT);
        break;
      }
    }
  }
  if (rc != SQLITE_OK) throw DbError(QStringLiteral("Datenbankfehler beim Binden: %1").arg(errorText()));
}

bool SqliteStatement::step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  const QString reason = errorText();
  sqlite3_reset(stmt_);
  throw DbError(QStringLiteral("Datenbankfehler: %1").arg(reason));
}

void SqliteStatement::execute() {
  while (step()) {
  }
}

int SqliteStatement::columnCount() const { return sqlite3_column_count(stmt_); }

QVariant SqliteStatement::column(int index) const {
  switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(stmt_, index)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, index));
    case SQLITE_NULL: return QVariant();
    default: {
      const void* text = sqlite3_column_text16(stmt_, index);
      const int bytes = sqlite3_column_bytes16(stmt_, index);
      return QVariant(QString(reinterpret_cast<const QChar*>(text), bytes / int(sizeof(QChar))));
    }
  }
}

qint64 SqliteStatement::columnInt(int index) const { return sqlite3_column_int64(stmt_, index); }

QString SqliteStatement::columnText(int index) const {
  const void* text = sqlite3_column_text16(stmt_, index);
  if (!text) return QString();
  const int bytes = sqlite3_column_bytes16(stmt_, index);
  return QString(reinterpret_cast<const QChar*>(text), bytes / int(sizeof(QChar)));
}

bool SqliteStatement::columnIsNull(int index) const { return sqlite3_column_type(stmt_, index) == SQLITE_NULL; }

qint64 SqliteStatement::lastInsertRowid() const { return sqlite3_last_insert_rowid(db_); }

QString SqliteStatement::errorText() const { return QString::fromUtf8(sqlite3_errmsg(db_)); }
